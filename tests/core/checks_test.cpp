#include "core/checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace orrelin {
namespace {

struct CheckCase {
  std::string name;
  std::function<bool(MessageSink&)> check;
  std::string message;  // empty: the text is accepted
};

TEST(Checks, AcceptOrBeepAndShowTheExactMessage) {
  const std::vector<CheckCase> cases = {
      {"int 91 of 90", [](MessageSink& s) { return CheckIntRange("91", 90, s); }, "0 .. 90"},
      {"int -1 of 90", [](MessageSink& s) { return CheckIntRange("-1", 90, s); }, "0 .. 90"},
      {"int 90 of 90", [](MessageSink& s) { return CheckIntRange("90", 90, s); }, ""},
      {"int 9a of 90", [](MessageSink& s) { return CheckIntRange("9a", 90, s); }, "0 .. 90"},
      {"int 181 of 180", [](MessageSink& s) { return CheckIntRange("181", 180, s); }, "0 .. 180"},
      {"real 8900 of 8900", [](MessageSink& s) { return CheckRealRange("8900", 8900, s); }, ""},
      {"real 8900.1 of 8900", [](MessageSink& s) { return CheckRealRange("8900.1", 8900, s); },
       "0.0 .. 8900.0"},
      {"real -3 of 8900", [](MessageSink& s) { return CheckRealRange("-3", 8900, s); }, "0.0 .. 8900.0"},
      {"real 10,5 of 8900", [](MessageSink& s) { return CheckRealRange("10,5", 8900, s); },
       "0.0 .. 8900.0"},
      {"minutes 90 0", [](MessageSink& s) { return CheckMinutes("90", "0", 90, s); }, ""},
      {"minutes 90 0.1", [](MessageSink& s) { return CheckMinutes("90", "0.1", 90, s); },
       "Not greater than 90 degrees"},
      {"minutes 45 59.9", [](MessageSink& s) { return CheckMinutes("45", "59.9", 90, s); }, ""},
      {"minutes 45 59.95", [](MessageSink& s) { return CheckMinutes("45", "59.95", 90, s); }, "0 .. 59.9"},
      {"minutes 45 60", [](MessageSink& s) { return CheckMinutes("45", "60", 90, s); }, "0 .. 59.9"},
      {"minutes abc 10", [](MessageSink& s) { return CheckMinutes("abc", "10", 90, s); }, ""},
      {"minutes 180 1 of 180", [](MessageSink& s) { return CheckMinutes("180", "1", 180, s); },
       "Not greater than 180 degrees"},
  };
  for (const auto& c : cases) {
    RecordingMessageSink sink;
    const bool accepted = c.check(sink);
    EXPECT_EQ(accepted, c.message.empty()) << c.name;
    if (c.message.empty()) {
      EXPECT_EQ(sink.beeps, 0) << c.name;
      EXPECT_TRUE(sink.messages.empty()) << c.name;
    } else {
      EXPECT_EQ(sink.beeps, 1) << c.name;
      ASSERT_EQ(sink.messages.size(), 1u) << c.name;
      EXPECT_EQ(sink.messages[0], c.message) << c.name;
    }
  }
}

}  // namespace
}  // namespace orrelin
