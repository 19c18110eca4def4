#pragma once
// Messages held back and told later, in their order: a window first shows what a run
// gave, then the run's messages come up over it.
#include <string>
#include <vector>

#include "core/messages.h"

namespace orrelin::ui {

class DeferredMessages : public MessageSink {
 public:
  void Beep() override { held_.push_back({Kind::kBeep, {}}); }
  void ShowMessage(const std::string& text) override { held_.push_back({Kind::kMessage, text}); }
  void BringMainWindowForward() override { held_.push_back({Kind::kBringForward, {}}); }

  // Everything held, to `sink` as it was said.
  void ReplayTo(MessageSink& sink) const {
    for (const Held& h : held_) {
      switch (h.kind) {
        case Kind::kBeep: sink.Beep(); break;
        case Kind::kMessage: sink.ShowMessage(h.text); break;
        case Kind::kBringForward: sink.BringMainWindowForward(); break;
      }
    }
  }

 private:
  enum class Kind { kBeep, kMessage, kBringForward };
  struct Held {
    Kind kind;
    std::string text;
  };
  std::vector<Held> held_;
};

}  // namespace orrelin::ui
