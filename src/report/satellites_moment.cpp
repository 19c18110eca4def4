#include "report/satellites_moment.h"

#include "core/calendar.h"
#include "core/clock.h"
#include "report/report_start.h"

namespace orrelin {

std::optional<SatellitesMoment> SatellitesMomentOf(const MainWindowRecord& main) {
  bool valid = true;
  const TCalendarDate date = DateToRecord(main.date, valid);
  ParseClockTime(main.time, valid);
  if (!valid) return std::nullopt;
  const double utc = HmsToHours(main.time);
  const JulianDayResult day = JulianDay(date, utc, main.beforeChrist);
  // The report's Delta T, so that a typed Delta box counts here too.
  return SatellitesMoment{day.jd, utc + ReportDeltaT(main, date, utc) / 3600.0};
}

}  // namespace orrelin
