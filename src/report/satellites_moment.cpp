#include "report/satellites_moment.h"

#include "core/calendar.h"
#include "core/clock.h"
#include "core/delta_t.h"

namespace orrelin {

std::optional<SatellitesMoment> SatellitesMomentOf(const MainWindowRecord& main) {
  bool valid = true;
  const TCalendarDate date = DateToRecord(main.date, valid);
  ParseClockTime(main.time, valid);
  if (!valid) return std::nullopt;
  const double utc = HmsToHours(main.time);
  const JulianDayResult day = JulianDay(date, utc, main.beforeChrist);
  return SatellitesMoment{day.jd, utc + DeltaT(day.t) / 3600.0};
}

}  // namespace orrelin
