#include "sky/local_time.h"

#include <cmath>
#include <initializer_list>

#include "app/date_box.h"
#include "core/local_clock.h"

namespace orrelin::sky {

UtcMinusLocalAt FixedUtcMinusLocal(double hours) {
  return [hours](double) { return hours; };
}

UtcMinusLocalAt UtcMinusLocalOf(const LocalClock& clock, double fixedUtcMinusLocalHours) {
  if (!clock.IsZone()) return FixedUtcMinusLocal(fixedUtcMinusLocalHours);
  return [clock](double jd) { return clock.UtcMinusLocalAt(jd); };
}

double LocalJulianDay(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  return julianDayUt - utcMinusLocal(julianDayUt) / 24.0;
}

double LocalMidnightUt(const UtcMinusLocalAt& utcMinusLocal, double dayJulianDayUt) {
  // Midnight by the clock: UT = local + (UTC - local), the offset taken at that moment
  // (a second pass settles an offset that changes between the guess and the midnight).
  double ut = dayJulianDayUt + utcMinusLocal(dayJulianDayUt) / 24.0;
  ut = dayJulianDayUt + utcMinusLocal(ut) / 24.0;
  return ut;
}

bool IsRepeatedLocalTime(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  // The clock reads the same at another instant when an offset taken a few hours away
  // gives an instant that keeps that offset: the hour a clock set back shows twice.
  const double offset = utcMinusLocal(julianDayUt);
  const double local = julianDayUt - offset / 24.0;
  for (double probe : {julianDayUt - 3.0 / 24.0, julianDayUt + 3.0 / 24.0}) {
    const double other = utcMinusLocal(probe);
    if (other == offset) continue;
    const double twin = local + other / 24.0;
    if (std::fabs(twin - julianDayUt) > 1.0 / 86400.0 && utcMinusLocal(twin) == other) return true;
  }
  return false;
}

namespace {

std::string MarkedIfRepeated(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt, std::string text) {
  if (!IsRepeatedLocalTime(utcMinusLocal, julianDayUt)) return text;
  return text + " " + UtcOffsetSuffix(utcMinusLocal(julianDayUt));
}

}  // namespace

std::string LocalMomentText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  return MarkedIfRepeated(utcMinusLocal, julianDayUt, UtcMomentText(LocalJulianDay(utcMinusLocal, julianDayUt)));
}

std::string LocalMinuteText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  // To the nearest minute: half a minute on, then the seconds dropped.
  return MarkedIfRepeated(utcMinusLocal, julianDayUt,
                          UtcMomentText(LocalJulianDay(utcMinusLocal, julianDayUt) + 30.0 / 86400.0).substr(0, 16));
}

std::string LocalClockText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  return LocalMinuteText(utcMinusLocal, julianDayUt).substr(11);
}

}  // namespace orrelin::sky
