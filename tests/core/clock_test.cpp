#include "core/clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace orrelin {
namespace {

TEST(Clock, ParseClockTimeReadsAndRangeChecks) {
  struct Case {
    std::string text;
    bool valid;
    int h, m;
    double s;
  };
  const std::vector<Case> cases = {
      {"12:30:15", true, 12, 30, 15}, {"12:30", true, 12, 30, 0},  {"24:60:60", true, 24, 60, 60},
      {"25:00:00", false, 25, 0, 0},  {"10:61:00", false, 10, 61, 0}, {"10:00:60.5", false, 10, 0, 60.5},
      {"-1:00:00", false, -1, 0, 0},  {"ab:00:00", false, 0, 0, 0},   {"", false, 0, 0, 0},
      {"07:05:09.5", true, 7, 5, 9.5},
      // Fields too large for 32 bits are refused, not wrapped, and nothing may follow the seconds.
      {"4294967308:00:00", false, 0, 0, 0}, {"12:4294967296:00", false, 0, 0, 0},
      {"4294967296", false, 0, 0, 0},       {"9223372036854775808", false, 0, 0, 0},
      {"12:00:00:00", false, 0, 0, 0},      {"18:4:16:NaN", false, 0, 0, 0},
      {"12:00:nan", false, 0, 0, 0},        {"12:00:00:", false, 0, 0, 0},
  };
  for (const auto& c : cases) {
    bool valid = true;
    const TClockTime t = ParseClockTime(c.text, valid);
    EXPECT_EQ(valid, c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(t.hours, c.h) << c.text;
      EXPECT_EQ(t.minutes, c.m) << c.text;
      EXPECT_DOUBLE_EQ(t.seconds, c.s) << c.text;
      EXPECT_EQ(t.timeText, c.text);
    }
  }
}

TEST(Clock, ParseClockTimeNeverSetsTheFlag) {
  bool valid = false;
  ParseClockTime("12:00:00", valid);
  EXPECT_FALSE(valid);
}

TEST(Clock, HmsToHours) {
  struct Case {
    std::string text;
    double hours;
  };
  const std::vector<Case> cases = {
      {"10:30:00", 10.5}, {"-5:30:00", -4.5}, {"0:0:36", 0.01}, {"23:59:59", 23.0 + 59.0 / 60 + 59.0 / 3600},
      {"12", 12.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(HmsToHours(c.text), c.hours, 1e-12) << c.text;
}

TEST(Clock, ShiftClockText) {
  struct Case {
    std::string text;
    double offset;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"00:30:15", 1, "23:30:15"},  {"23:30:15", -1, "00:30:15"}, {"23:00:00", -1, "24:00:00"},
      {"12:00:07", -5.5, "17:30:07"}, {"01:15:00", 3.5, "21:45:00"}, {"10:00:5", 2, "08:00:05"},
  };
  for (const auto& c : cases) EXPECT_EQ(ShiftClockText(c.text, c.offset), c.expected) << c.text << " " << c.offset;
  // Texts and offsets nobody checked stay two-digit clock texts, without overflow.
  for (const auto& [text, offset] : std::vector<std::pair<std::string, double>>{
           {"9223372036854775808:00:00", 0}, {"12:00:00", -1e30}, {"12:00:00", std::nan("")}}) {
    const std::string shifted = ShiftClockText(text, offset);
    EXPECT_EQ(shifted.size(), 8u) << text << " " << offset << " " << shifted;
    EXPECT_EQ(shifted.substr(2, 4), ":00:") << text << " " << offset << " " << shifted;
  }
}

TEST(Clock, ClockTextsGiveTheRealZoneOffset) {
  // 2026-01-15 23:10:05 UTC.
  const std::time_t instant = 1768518605;
  struct Case {
    long eastSeconds;
    std::string local, offset;
  };
  const std::vector<Case> cases = {
      {7200, "01:10:05", "-2"},        // Helsinki, winter
      {19800, "04:40:05", "-5.5"},     // India
      {-12600, "19:40:05", "+3.5"},    // Newfoundland, winter
      {-18000, "18:10:05", "+5"},      // New York, winter
      {0, "23:10:05", "0"},
      {20700, "04:55:05", "-5.75"},    // Nepal
  };
  for (const auto& c : cases) {
    const PcClock clock = ClockTextsAt(instant, c.eastSeconds);
    EXPECT_EQ(clock.utcTime, "23:10:05");
    EXPECT_EQ(clock.localTime, c.local) << c.eastSeconds;
    EXPECT_EQ(clock.offset, c.offset) << c.eastSeconds;
  }
}

TEST(Clock, ReadPcClockUsesTheComputersZone) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "Asia/Kolkata", 1);
  tzset();
  const PcClock clock = ReadPcClock();
  if (old) {
    setenv("TZ", saved.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
  EXPECT_EQ(clock.offset, "-5.5");
  EXPECT_EQ(clock.utcTime.size(), 8u);
  EXPECT_EQ(clock.localTime.size(), 8u);
}

}  // namespace
}  // namespace orrelin
