#include "core/moment.h"

#include "core/delta_t.h"

namespace orrelin {

namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double k1900 = 2415020.0;
constexpr double kDaysPerCentury = 36525.0;
constexpr double kSecondsPerDay = 86400.0;

// Dynamical time from UT in centuries: the Delta T of the moment added as centuries.
double PlusDeltaT(double centuriesUt, const Moment& moment) {
  return centuriesUt + moment.deltaT / kSecondsPerDay / kDaysPerCentury;
}

}  // namespace

Moment MomentOfDate(const TCalendarDate& date, double hours, bool beforeChrist) {
  const JulianDayResult day = JulianDay(date, hours, beforeChrist);
  return {day.jd, hours, DeltaT(day.t)};
}

Moment MomentOfJulianDayUt(double julianDayUt) {
  Moment moment{julianDayUt, 0.0, 0.0};
  moment.deltaT = DeltaT(CenturiesFromJ2000Ut(moment));
  return moment;
}

Moment WithDeltaT(Moment moment, double deltaT) {
  moment.deltaT = deltaT;
  return moment;
}

double JulianDayUt(const Moment& moment) { return moment.julianDay + moment.hours / 24.0; }

double JulianDayTt(const Moment& moment) { return JulianDayUt(moment) + moment.deltaT / kSecondsPerDay; }

// The book's order of operations: the hours as a day fraction first, then the day.
double CenturiesFromJ2000Ut(const Moment& moment) {
  return (moment.hours / 24.0 + moment.julianDay - kJ2000) / kDaysPerCentury;
}

double CenturiesFromJ2000Tt(const Moment& moment) { return PlusDeltaT(CenturiesFromJ2000Ut(moment), moment); }

double CenturiesFrom1900Ut(const Moment& moment) {
  return (moment.hours / 24.0 + moment.julianDay - k1900) / kDaysPerCentury;
}

double CenturiesFrom1900Tt(const Moment& moment) { return PlusDeltaT(CenturiesFrom1900Ut(moment), moment); }

}  // namespace orrelin
