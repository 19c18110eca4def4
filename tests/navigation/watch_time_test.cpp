// The watch's reading, error and zone description to UT: the date follows UT, a fast
// watch's error comes off, and UT goes back to the same reading.
#include "navigation/watch_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/date_box.h"
#include "core/numbers.h"

namespace orrelin::navigation {
namespace {

TEST(WatchTime, TheDateFollowsUtInEveryZoneAndUtGoesBackToTheReading) {
  struct Case {
    const char* date;
    int hours, minutes, seconds;
    double fast;  // seconds
  };
  // Around the zone's midnight, with the watch fast and slow.
  const Case cases[] = {{"2026-12-10", 23, 59, 58, 3}, {"2026-12-10", 23, 59, 58, -3}, {"2026-12-11", 0, 0, 1, 3},
                        {"2026-12-11", 0, 0, 1, -3},   {"2026-12-31", 19, 42, 17, 0}};
  for (const Case& c : cases) {
    std::string why;
    const double midnight = *ReadUtcMoment(c.date, why);
    const double reading = *ReadUtcMoment(std::string(c.date) + " " + std::to_string(c.hours) + ":" +
                                              std::to_string(c.minutes) + ":" + std::to_string(c.seconds), why);
    for (int zd = -12; zd <= 12; ++zd) {
      const double ut = UtOfWatchTime({reading, c.fast, static_cast<double>(zd)});
      // Counted in whole seconds from the zone date's midnight: the UT date is that
      // date, the one before or the one after.
      const long long clock = c.hours * 3600LL + c.minutes * 60LL + c.seconds - static_cast<long long>(c.fast) + zd * 3600LL;
      const long long days = clock >= 86400 ? 1 : clock < 0 ? -1 : 0;
      const long long of = clock - days * 86400;
      const std::string expected = UtcMomentText(midnight + days).substr(0, 11) + TwoDigitText(of / 3600) + ":" +
                                   TwoDigitText(of / 60 % 60) + ":" + TwoDigitText(of % 60);
      EXPECT_EQ(UtcMomentText(ut), expected) << c.date << " " << c.hours << " zd " << zd;
      // The very number of the same moment typed in UT, so both reduce alike.
      EXPECT_EQ(ut, *ReadUtcMoment(expected, why)) << c.date << " " << c.hours << " zd " << zd;
      EXPECT_NEAR(WatchReadingOf(ut, c.fast, zd), reading, 1e-9) << c.date << " zd " << zd;
    }
  }
  // 19:42:17 by a watch 3 s fast in zone +2 is 21:42:14 UT; in zone -10, 09:42:14.
  std::string problem;
  EXPECT_EQ(UtcMomentText(UtOfWatchTime(*ReadWatchTime("2026-12-10 19:42:17", "3 fast", "+2", problem))),
            "2026-12-10 21:42:14");
  EXPECT_EQ(UtcMomentText(UtOfWatchTime(*ReadWatchTime("2026-12-10 19:42:17", "3 fast", "-10", problem))),
            "2026-12-10 09:42:14");
  EXPECT_EQ(UtcMomentText(UtOfWatchTime(*ReadWatchTime("2026-12-10 23:42:17", "2 slow", "+5", problem))),
            "2026-12-11 04:42:19");
}

TEST(WatchTime, TheTextsOfTheErrorAndTheZoneReadBack) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case errors[] = {{"3 fast", 3.0},  {"3 slow", -3.0}, {"2.5 FAST", 2.5}, {"", 0.0},       {"0", 0.0},
                         {"3", std::nullopt}, {"-3 fast", std::nullopt}, {"3 late", std::nullopt},
                         {"3601 fast", std::nullopt}, {"nan fast", std::nullopt}, {"3 fast now", std::nullopt}};
  for (const Case& c : errors) {
    EXPECT_EQ(ReadWatchError(c.text), c.value) << c.text;
    if (c.value) {
      EXPECT_EQ(ReadWatchError(WatchErrorText(*c.value)), c.value) << c.text;
    }
  }
  const Case zones[] = {{"+2", 2.0},  {"-10", -10.0}, {"0", 0.0},     {"-0", 0.0},         {"+12", 12.0},
                        {"-5.5", -5.5}, {"-5:30", -5.5}, {"+9:30", 9.5}, {"+13", std::nullopt}, {"+2.1", std::nullopt},
                        {"", std::nullopt}, {"2 E", std::nullopt}, {"+5:3", std::nullopt}, {"inf", std::nullopt}};
  for (const Case& c : zones) {
    EXPECT_EQ(ReadZoneDescription(c.text), c.value) << c.text;
    if (c.value) {
      EXPECT_EQ(ReadZoneDescription(ZoneDescriptionText(*c.value)), c.value) << c.text;
    }
  }
  std::string problem;
  EXPECT_FALSE(ReadWatchTime("2026-12-10 25:00:00", "", "+2", problem).has_value());
  EXPECT_EQ(problem, "the watch time (Give the watch time as yyyy-mm-dd hh:mm:ss)");
  EXPECT_FALSE(ReadWatchTime("2026-12-10 19:00:00", "3 late", "+2", problem).has_value());
  EXPECT_EQ(problem, "the watch error is seconds fast or slow (\"3 fast\"), not 3 late");
  EXPECT_FALSE(ReadWatchTime("0001-01-01 06:00:00", "", "-10", problem).has_value());
  EXPECT_EQ(problem, "the watch time (its UT falls outside the years 1 to 9999)");
  EXPECT_TRUE(ReadWatchTime("9999-12-31 12:00:00", "", "+11", problem).has_value());
  EXPECT_FALSE(ReadWatchTime("9999-12-31 12:00:00", "", "+12", problem).has_value());
  EXPECT_FALSE(ReadWatchTime("2026-12-10 19:00:00", "", "", problem).has_value());
  EXPECT_EQ(problem, "the zone description is hours from -12 to +12 (\"+2\"), not an empty field");
}

}  // namespace
}  // namespace orrelin::navigation
