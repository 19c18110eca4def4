#include "sky/local_time.h"

#include "app/date_box.h"

namespace orrelin::sky {

UtcMinusLocalAt FixedUtcMinusLocal(double hours) {
  return [hours](double) { return hours; };
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

std::string LocalMomentText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  return UtcMomentText(LocalJulianDay(utcMinusLocal, julianDayUt));
}

std::string LocalClockText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt) {
  // To the nearest minute: half a minute on, then the seconds dropped.
  return UtcMomentText(LocalJulianDay(utcMinusLocal, julianDayUt) + 30.0 / 86400.0).substr(11, 5);
}

}  // namespace orrelin::sky
