#include "almanac/almanac_calendar.h"

#include <cmath>

#include "core/numbers.h"

namespace orrelin {

namespace {

// Division and remainder of whole numbers rounded toward minus infinity.
long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0); }

std::string Two(long long n) { return TwoDigitText(n); }

}  // namespace

MonthDay EasterSunday(int year) {
  const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7, m = (a + 11 * h + 22 * l) / 451;
  return {(h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

double JulianDayOfJanuary0(int year) {
  const long long b = year < 1583 ? 2 : FloorDiv(year - 1, 100);
  return std::floor((year - 1) * 365.25) - static_cast<double>(b) + static_cast<double>(FloorDiv(b, 4)) + 1721424.5;
}

std::string EventTimeText(int kind, double dayFraction) {
  if (kind == kEaster) return std::string(21, ' ');
  double rounding = 0.0;
  switch (kind) {
    case kPhenomenon: rounding = 0.5; break;
    case kProximity: rounding = 0.05; break;
    case kMoonEvent: rounding = 0.00833333333; break;
    default: rounding = 0.00013888889; break;
  }
  const double h = dayFraction * 24.0 + rounding;
  const long long hh = static_cast<long long>(std::trunc(h));
  if (kind == kPhenomenon || kind == kProximity) return Two(hh) + "h" + std::string(15, ' ');
  const double m = 60.0 * (h - static_cast<double>(hh));
  const long long mm = static_cast<long long>(std::trunc(m));
  if (kind == kMoonEvent) return Two(hh) + "h " + Two(mm) + "m" + std::string(7, ' ');
  const long long ss = static_cast<long long>(std::trunc(60.0 * (m - static_cast<double>(mm))));
  return Two(hh) + "h " + Two(mm) + "m " + Two(ss) + "s";
}

}  // namespace orrelin
