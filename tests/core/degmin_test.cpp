#include "core/degmin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

TEST(DegMin, SplitKeepsTheSignInTheDegreesOnly) {
  const DegMin a = SplitDegMin(-12.5);
  EXPECT_EQ(a.degrees, -12);
  EXPECT_NEAR(a.minutes, 30.0, 1e-12);
  const DegMin b = SplitDegMin(-0.5);
  EXPECT_EQ(b.degrees, 0);
  EXPECT_NEAR(b.minutes, 30.0, 1e-12);
}

TEST(DegMin, NumericConversions) {
  struct Case {
    std::string name;
    double got, expected;
  };
  const std::vector<Case> cases = {
      // Zero degrees with minutes are positive; the caller's hemisphere gives the sign.
      {"DegMinToDegrees(0, 30)", DegMinToDegrees(0, 30), 0.5},
      {"DegMinToDegrees(12, 30)", DegMinToDegrees(12, 30), 12.5},
      {"DegMinToDegrees(-5, 30)", DegMinToDegrees(-5, 30), -5.5},
      {"DegMinSecToDegrees(-16, 42, 58)", DegMinSecToDegrees(-16, 42, 58), -16.716111},
      {"DegMinSecToDegrees(0, 17, 57)", DegMinSecToDegrees(0, 17, 57), 0.299167},
      {"DegMinSecToDegrees(49, 13, 42.48)", DegMinSecToDegrees(49, 13, 42.48), 49.228467},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.expected, 5e-7) << c.name;
}

TEST(DegMin, TypedDegreesAndMinutes) {
  struct Case {
    std::string deg, min;
    double expected;
  };
  const std::vector<Case> cases = {
      {"0", "30", 0.5},  {"60", "", 60.0},   {"-5", "30", -5.5}, {"60", "x", -999.0},
      {"60", "9.7", 60.161667}, {"6x", "30", 6.5},  // unreadable degrees give their partial value
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(DegMinTextToDegrees(c.deg, c.min), c.expected, 5e-7) << c.deg << " " << c.min;
  }
}

TEST(DegMin, DeclinationTextTakesItsSignFromTheText) {
  struct Case {
    std::string text;
    double expected;
  };
  const std::vector<Case> cases = {
      {"-0:17:57", -0.299167}, {"0:17:57", 0.299167},   {"+0:17:57", 0.299167},
      {"-16:42:58.0", -16.716111}, {"+49:13:42.5", 49.228472}, {" -1:00:00", -1.0},
      {"-8:12", -8.2},
  };
  for (const auto& c : cases) EXPECT_NEAR(DeclinationTextToDegrees(c.text), c.expected, 5e-7) << c.text;
}

}  // namespace
}  // namespace orrelin
