#include "core/checks.h"

#include <string>

#include "core/numbers.h"

namespace orrelin {

namespace {

bool Reject(MessageSink& sink, const std::string& message) {
  sink.Beep();
  sink.ShowMessage(message);
  return false;
}

}  // namespace

bool CheckIntRange(std::string_view text, int limit, MessageSink& sink) {
  const NumberRead n = ReadWholeNumber(text);
  if (!n.ok || n.value < 0 || n.value > limit) return Reject(sink, "0 .. " + WholeText(limit));
  return true;
}

bool CheckRealRange(std::string_view text, double limit, MessageSink& sink) {
  const NumberRead x = ReadDecimal(text);
  if (!x.ok || x.value < 0 || x.value > limit) return Reject(sink, "0.0 .. " + FixedText(limit, 1));
  return true;
}

bool CheckMinutes(std::string_view degText, std::string_view minText, int limit, MessageSink& sink) {
  const NumberRead minutes = ReadDecimal(minText);
  if (!minutes.ok || minutes.value < 0 || minutes.value > 59.9) return Reject(sink, "0 .. 59.9");
  const double degrees = ReadWholeNumber(degText).value;  // partial value when unreadable
  if (minutes.value > 0 && degrees == limit) {
    return Reject(sink, "Not greater than " + WholeText(limit) + " degrees");
  }
  return true;
}

}  // namespace orrelin
