#include "zones/zone_clock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/calendar.h"

namespace orrelin {
namespace {

double JulianDayOfUtc(int year, int month, int day, int hour, int minute) {
  bool valid = true;
  return JulianDay(DateToRecord({year, month, day}, valid), 0.0, false).jd + (hour + minute / 60.0) / 24.0;
}

// Offsets, abbreviations and repeated local times from python3's zoneinfo over the same
// database, around each zone's clock changes of 2026, and Helsinki's mean time of 1900.
TEST(ZoneClock, OffsetOfEachMomentAsTheDatabaseGivesIt) {
  struct Case {
    const char* zone;
    int year, month, day, hour, minute;
    int localMinusUtcSeconds;
    const char* abbreviation;
    bool repeated;
  };
  const Case cases[] = {
      {"Europe/Helsinki", 1900, 6, 1, 12, 0, 5989, "HMT", false},  // local mean time +1:39:49
      {"Europe/Helsinki", 2026, 3, 29, 0, 59, 7200, "EET", false},
      {"Europe/Helsinki", 2026, 3, 29, 1, 1, 10800, "EEST", false},
      {"Europe/Helsinki", 2026, 10, 25, 0, 30, 10800, "EEST", true},  // 03:30 twice
      {"Europe/Helsinki", 2026, 10, 25, 1, 30, 7200, "EET", true},
      {"Europe/Helsinki", 2026, 10, 25, 2, 30, 7200, "EET", false},
      {"America/New_York", 2026, 3, 8, 6, 59, -18000, "EST", false},
      {"America/New_York", 2026, 3, 8, 7, 1, -14400, "EDT", false},
      {"America/New_York", 2026, 11, 1, 5, 30, -14400, "EDT", true},  // 01:30 twice
      {"America/New_York", 2026, 11, 1, 6, 30, -18000, "EST", true},
      {"Australia/Sydney", 2026, 4, 4, 15, 30, 39600, "AEDT", true},  // 02:30 twice
      {"Australia/Sydney", 2026, 4, 4, 16, 30, 36000, "AEST", true},
      {"Australia/Sydney", 2026, 10, 3, 15, 59, 36000, "AEST", false},
      {"Australia/Sydney", 2026, 10, 3, 16, 1, 39600, "AEDT", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day) + " " + std::to_string(c.hour) + ":" + std::to_string(c.minute));
    const auto clock = ZoneClock(c.zone);
    ASSERT_TRUE(clock);
    EXPECT_TRUE(clock->IsZone());
    const ZoneOffset o = clock->OffsetAt(JulianDayOfUtc(c.year, c.month, c.day, c.hour, c.minute));
    EXPECT_EQ(std::lround(-o.utcMinusLocalHours * 3600), c.localMinusUtcSeconds);
    EXPECT_EQ(o.abbreviation, c.abbreviation);
    EXPECT_EQ(o.repeated, c.repeated);
  }
}

TEST(ZoneClock, UnknownNamesHaveNoClockAndTheListHasTheZones) {
  for (const char* name : {"", "Europe/Helsinky", "Mars/Olympus", "../../etc/passwd"}) EXPECT_FALSE(ZoneClock(name)) << name;
  const auto names = ZoneNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
  for (const char* name : {"Europe/Helsinki", "America/New_York", "Australia/Sydney", "UTC"})
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), std::string(name))) << name;
}

TEST(ZoneClock, LocalMidnightBackToUt) {
  const auto clock = ZoneClock("Europe/Helsinki");
  ASSERT_TRUE(clock);
  // 2026 January 1, 0h EET is 2025 December 31, 22h UT; 2026 July 1, 0h EEST is 21h UT.
  EXPECT_NEAR(clock->UtOfLocal(JulianDayOfUtc(2026, 1, 1, 0, 0)), JulianDayOfUtc(2025, 12, 31, 22, 0), 1e-9);
  EXPECT_NEAR(clock->UtOfLocal(JulianDayOfUtc(2026, 7, 1, 0, 0)), JulianDayOfUtc(2026, 6, 30, 21, 0), 1e-9);
  EXPECT_NEAR(LocalClock::Fixed(-2).UtOfLocal(JulianDayOfUtc(2026, 7, 1, 0, 0)), JulianDayOfUtc(2026, 6, 30, 22, 0), 1e-9);
}

TEST(LocalClock, OffsetSuffixAsTheClockReads) {
  const std::pair<double, const char*> cases[] = {
      {-3, "+03"}, {5, "-05"}, {0, "+00"}, {-5.5, "+05:30"}, {-5989 / 3600.0, "+01:39:49"}};
  for (const auto& [offset, text] : cases) EXPECT_EQ(UtcOffsetSuffix(offset), text) << offset;
}

}  // namespace
}  // namespace orrelin
