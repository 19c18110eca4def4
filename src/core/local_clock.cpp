#include "core/local_clock.h"

#include <cmath>
#include <cstdlib>

#include "core/numbers.h"

namespace orrelin {

double LocalClock::UtOfLocal(double localJulianDay) const {
  if (!rule_) return localJulianDay + fixed_ / 24.0;
  // UT = local + offset(UT): start from the offset a day later (after any change near
  // the reading), then settle; two rounds reach the fixed point where there is one.
  double ut = localJulianDay + UtcMinusLocalAt(localJulianDay + 1.0) / 24.0;
  for (int round = 0; round < 3; ++round) ut = localJulianDay + UtcMinusLocalAt(ut) / 24.0;
  return ut;
}

std::string UtcOffsetSuffix(double utcMinusLocalHours) {
  const long long seconds = std::llround(-utcMinusLocalHours * 3600.0);
  const long long a = std::llabs(seconds);
  std::string text = std::string(seconds < 0 ? "-" : "+") + TwoDigitText(static_cast<int>(a / 3600));
  if (a % 3600 != 0) text += ":" + TwoDigitText(static_cast<int>(a / 60 % 60));
  if (a % 60 != 0) text += ":" + TwoDigitText(static_cast<int>(a % 60));
  return text;
}

}  // namespace orrelin
