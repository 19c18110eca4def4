#include "core/angle_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orrelin {
namespace {

struct TextCase {
  double x;
  std::string expected;
};

TEST(AngleText, DegMinText) {
  const std::vector<TextCase> cases = {
      {60.1617, "60° 09.7'"},  {60.16166, "60° 09.7'"}, {-12.5, "12° 30.0'"},
      {5.1666, "5° 10.0'"},    {0.0, "0° 00.0'"},       {0.5, "0° 30.0'"},
      // Minutes that print as 60.0 carry into the degrees.
      {60.9999, "61° 00.0'"},  {-60.9999, "61° 00.0'"}, {359.9999999, "0° 00.0'"},
  };
  for (const auto& c : cases) EXPECT_EQ(DegMinText(c.x), c.expected) << c.x;
}

TEST(AngleText, DegMinSecText) {
  const std::vector<TextCase> cases = {
      {60.1617, "60° 09' 42.12''"},
      {-23.4392, "-23° 26' 21.12''"},
      // A negative angle above -1° keeps its sign (a southern 0° 30').
      {-0.5, "-0° 30' 0.00''"},
      {0.5, "0° 30' 0.00''"},
      // Seconds that print as 60.00 carry into the minutes, minutes into the degrees.
      {71.0833333333, "71° 05' 0.00''"},
      {71.0833332, "71° 05' 0.00''"},
      {359.9999999, "0° 00' 0.00''"},
      // An unreduced angle above 360 keeps its degrees; only a carry wraps.
      {360.80574, "360° 48' 20.66''"},
      // A value that prints as zero carries no sign.
      {-0.000000001, "0° 00' 0.00''"},
      {-0.0, "0° 00' 0.00''"},
      {5.0 + 9.005 / 3600.0, "5° 00' 9.00''"},
  };
  for (const auto& c : cases) EXPECT_EQ(DegMinSecText(c.x), c.expected) << c.x;
}

TEST(AngleText, HourMinSecText) {
  const std::vector<TextCase> cases = {
      {6.5, "6 h 30 m 00 s"},
      {23.5, "23 h 30 m 00 s"},
      {24.25, "0 h 15 m 00 s"},
      {13.0 + 9.51 / 3600.0, "13 h 00 m 10 s"},
      {13.0 + 9.49 / 3600.0, "13 h 00 m 09 s"},
      {13.0 + 13.0 / 60 + 59.7 / 3600.0, "13 h 14 m 00 s"},  // 60 s carry
      {23.99999, "0 h 00 m 00 s"},                          // 24 h wraps to 0
      {-0.5 / 3600.0 * 88.0, "23 h 59 m 16 s"},             // brought into 0..24 first
      {0.0, "0 h 00 m 00 s"},
  };
  for (const auto& c : cases) EXPECT_EQ(HourMinSecText(c.x), c.expected) << c.x;
}

TEST(AngleText, LocalHourMinText) {
  struct Case {
    double utcHours;
    double offset;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {6.0833, 0, " 6 h 05 m"},
      {23.5, -2, " 1 h 30 m"},
      {23.9999, 0, "24 h 00 m"},                 // midnight itself reads 24 h 00 m
      {6.0 + 20.0 / 3600.0, 0, " 6 h 00 m"},
      {6.0 + 40.0 / 3600.0, 0, " 6 h 01 m"},
      {6.0 + 29.9 / 3600.0, 0, " 6 h 00 m"},
      {18.7, 0, "18 h 42 m"},
      {0.5, 1, "23 h 30 m"},
      {23.0, -1.5, " 0 h 30 m"},                 // past midnight wraps to the next day
      {23.5, -5.5, " 5 h 00 m"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LocalHourMinText(c.utcHours, c.offset), c.expected) << c.utcHours << " " << c.offset;
  }
}

TEST(AngleText, LocalHourMinKeepsTheHourBeforeTheMidnightWrap) {
  const LocalHourMin t = LocalHourMinOf(23.0, -1.5);
  EXPECT_EQ(t.hours, 24);
  EXPECT_EQ(t.minutes, 30);
  EXPECT_EQ(LocalHourMinOf(23.5, -2).hours, 1);
}

TEST(AngleText, EveryDoubleGivesAText) {
  // Absurd and non-finite values never reach these forms through a checked box, but
  // the forms themselves stay defined: no overflow, no "nan", no 20-digit degrees.
  const double absurd[] = {1e30, -1e30, 1e308, -9.3e18, std::nan(""), INFINITY, -INFINITY};
  for (const double x : absurd) {
    for (const std::string& text : {DegMinText(x), DegMinSecText(x), HourMinSecText(x), LocalHourMinText(x, 0),
                                    LocalHourMinText(12, x), DegMinFields(x).degrees}) {
      EXPECT_EQ(text.find("nan"), std::string::npos) << x;
      EXPECT_EQ(text.find("inf"), std::string::npos) << x;
      EXPECT_LE(text.size(), 32u) << x << " " << text;
    }
  }
}

TEST(AngleText, ShortAngleText) {
  const std::vector<TextCase> cases = {
      {0, "0"}, {0.15, "0.15"}, {0.199, "0.20"}, {0.2, "0.2"}, {0.21, "0.2"}, {2.96, "3.0"},
      {0.156, "0.16"}, {1.26, "1.3"}, {0.125, "0.12"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShortAngleText(c.x), c.expected) << c.x;
}

TEST(AngleText, DegMinFields) {
  struct Case {
    double x;
    std::string degrees, minutes;
  };
  const std::vector<Case> cases = {
      {60.1617, "60", "9.7"}, {-24.955, "24", "57.3"}, {60.99999, "61", "0.0"}, {0.0, "0", "0.0"}};
  for (const auto& c : cases) {
    const DegMinFieldTexts f = DegMinFields(c.x);
    EXPECT_EQ(f.degrees, c.degrees) << c.x;
    EXPECT_EQ(f.minutes, c.minutes) << c.x;
  }
}

}  // namespace
}  // namespace orrelin
