// The yearly list in a zone's local time: each event read with the offset of its own
// moment, as the time-zone database gives it.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <date/tz.h>
#include <string>
#include <vector>

#include "almanac/almanac_calendar.h"
#include "almanac/almanac_year.h"
#include "zones/zone_clock.h"

namespace orrelin {
namespace {

std::vector<AlmanacLine> YearList(int year, const LocalClock& clock) {
  const AlmanacRange range = AlmanacRangeOf(year, clock);
  std::vector<AlmanacEvent> events = CollectYearEvents(range);
  SortEvents(events);
  return AlmanacLines(events, range);
}

// The local date and time of a UT Julian day by the date library itself.
struct LocalReading {
  std::string date;
  double julianDay = 0.0;
};
LocalReading DatabaseLocal(const std::string& zone, double julianDayUt) {
  using namespace std::chrono;
  const date::sys_seconds instant{seconds{std::llround((julianDayUt - 2440587.5) * 86400.0)}};
  const auto local = date::make_zoned(zone, instant).get_local_time();
  const date::year_month_day day{date::floor<date::days>(local)};
  return {date::format("%F", day), 2440587.5 + local.time_since_epoch().count() / 86400.0};
}

TEST(AlmanacZone, Every2026EventAtItsOwnMomentsOffset) {
  const double deltaT = AlmanacRangeOf(2026, 0.0).deltaTSeconds / 86400.0;
  for (const char* zone : {"Europe/Helsinki", "America/New_York", "Australia/Sydney"}) {
    SCOPED_TRACE(zone);
    const auto clock = ZoneClock(zone);
    ASSERT_TRUE(clock);
    const auto lines = YearList(2026, *clock);
    ASSERT_GT(lines.size(), 60u);
    const double january = -clock->OffsetAt(2461041.5).utcMinusLocalHours;  // 2026 January 1
    int likeJanuary = 0, other = 0;
    for (const AlmanacLine& line : lines) {
      if (line.kind == kEaster) continue;
      SCOPED_TRACE(line.Line());
      const LocalReading expected = DatabaseLocal(zone, line.instant - deltaT);
      EXPECT_EQ(line.date, expected.date);
      EXPECT_NEAR(line.localJulianDay, expected.julianDay, 1.0 / 86400.0);
      const double hours = std::round((expected.julianDay - (line.instant - deltaT)) * 24.0 * 4.0) / 4.0;
      (hours == january ? likeJanuary : other) += 1;
    }
    // Both halves of the year are there, on either side of the clock changes.
    EXPECT_GT(likeJanuary, 10);
    EXPECT_GT(other, 10);
  }
}

TEST(AlmanacZone, EasterOnItsLocalDateAndTheYearBetweenLocalMidnights) {
  const struct {
    const char* zone;
    const char* easter;
  } cases[] = {{"Europe/Helsinki", "2026-04-05"}, {"America/New_York", "2026-04-05"}, {"Australia/Sydney", "2026-04-05"}};
  for (const auto& c : cases) {
    const auto clock = ZoneClock(c.zone);
    ASSERT_TRUE(clock);
    const auto lines = YearList(2026, *clock);
    bool easter = false;
    for (const auto& l : lines) easter = easter || (l.kind == kEaster && l.date == c.easter);
    EXPECT_TRUE(easter) << c.zone;
    EXPECT_EQ(lines.front().date.substr(0, 4), "2026") << c.zone;
    EXPECT_EQ(lines.back().date.substr(0, 4), "2026") << c.zone;
  }
}

// A clock that reads every time twice shows every event's offset; a fixed one never does.
TEST(AlmanacZone, ARepeatedLocalTimeCarriesItsOffset) {
  const LocalClock twice = LocalClock::Zone("Test/Twice", [](double) { return ZoneOffset{-3.0, "+03", true}; });
  for (const auto& l : YearList(2026, twice)) {
    if (l.kind == kEaster) continue;
    EXPECT_NE(l.time.find(" +03"), std::string::npos) << l.Line();
  }
  for (const auto& l : YearList(2026, LocalClock::Fixed(-3.0))) EXPECT_EQ(l.time.find('+'), std::string::npos) << l.Line();
}

}  // namespace
}  // namespace orrelin
