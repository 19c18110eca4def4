#pragma once
// The one channel through which the logic speaks to the user: a beep, a modal
// message and bringing the main window forward. The window layer implements it
// with message boxes; tests record what was said.
#include <string>
#include <vector>

namespace orrelin {

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  virtual void Beep() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
  virtual void BringMainWindowForward() {}
};

// Keeps what was said, in order; for tests and for the command line.
class RecordingMessageSink : public MessageSink {
 public:
  void Beep() override { ++beeps; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  int beeps = 0;
  std::vector<std::string> messages;
};

}  // namespace orrelin
