// The local clock's texts: a time in the hour a clock set back repeats carries its
// offset, every other time (the skipped hour's neighbours, a fixed offset) does not.
#include "sky/local_time.h"

#include <gtest/gtest.h>

#include "core/calendar.h"

namespace orrelin::sky {
namespace {

double Jd(int year, int month, int day, double hours) {
  return JulianDay(TCalendarDate{day, month, year, ""}, 0.0, false).jd + hours / 24.0;
}

// Helsinki's clock of 2026: EEST (UTC + 3) from 29 March 01:00 UT to 25 October 01:00 UT.
const UtcMinusLocalAt kHelsinki2026 = [](double jd) {
  return jd >= Jd(2026, 3, 29, 1.0) && jd < Jd(2026, 10, 25, 1.0) ? -3.0 : -2.0;
};

TEST(LocalTime, OnlyTheRepeatedHourCarriesItsOffset) {
  struct Case {
    const char* what;
    UtcMinusLocalAt clock;
    double jd;
    const char* moment;
    const char* clockText;
  };
  const Case cases[] = {
      {"first 03:30 of the night the clock is set back", kHelsinki2026, Jd(2026, 10, 25, 0.5),
       "2026-10-25 03:30:00 +03", "03:30 +03"},
      {"second 03:30", kHelsinki2026, Jd(2026, 10, 25, 1.5), "2026-10-25 03:30:00 +02", "03:30 +02"},
      {"02:59 before the repeated hour", kHelsinki2026, Jd(2026, 10, 24, 23.0 + 59.0 / 60.0), "2026-10-25 02:59:00",
       "02:59"},
      {"04:00 after it", kHelsinki2026, Jd(2026, 10, 25, 2.0), "2026-10-25 04:00:00", "04:00"},
      {"02:30 just before the skipped hour", kHelsinki2026, Jd(2026, 3, 29, 0.5), "2026-03-29 02:30:00", "02:30"},
      {"04:30 just after it", kHelsinki2026, Jd(2026, 3, 29, 1.5), "2026-03-29 04:30:00", "04:30"},
      {"a fixed offset never repeats", FixedUtcMinusLocal(-2.0), Jd(2026, 10, 25, 1.5), "2026-10-25 03:30:00",
       "03:30"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(LocalMomentText(c.clock, c.jd), c.moment);
    EXPECT_EQ(LocalClockText(c.clock, c.jd), c.clockText);
  }
}

}  // namespace
}  // namespace orrelin::sky
