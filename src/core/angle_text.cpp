#include "core/angle_text.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

// Whole degrees and minutes rounded to `decimals`, with a minute count that
// prints as 60 carried into the degrees (61° 00.0', never 60° 60.0').
struct DegMinRounded {
  long long degrees = 0;  // without sign
  double minutes = 0.0;
};

// The text forms are defined for every double: a non-finite value reads as 0 and
// an absurd one is held at a size whose whole degrees still fit in 64 bits.
double Printable(double x) {
  constexpr double kLargest = 1e15;
  if (std::isnan(x)) return 0.0;
  return std::clamp(x, -kLargest, kLargest);
}

long long WholeMagnitude(double x) { return static_cast<long long>(std::fabs(Int(x))); }

// A carry that makes a full circle writes 0 (an hour angle of 359.9999999 degrees).
long long WrapCarriedFullCircle(long long degrees) { return degrees == 360 ? 0 : degrees; }

DegMinRounded RoundDegMin(double x, int decimals) {
  x = Printable(x);
  DegMinRounded r;
  r.degrees = WholeMagnitude(x);
  r.minutes = RoundToDecimals(std::fabs(Frac(x)) * 60.0, decimals);
  if (r.minutes >= 60.0) {
    r.minutes -= 60.0;
    r.degrees = WrapCarriedFullCircle(r.degrees + 1);
  }
  return r;
}

}  // namespace

std::string DegMinText(double x) {
  const DegMinRounded r = RoundDegMin(x, 1);
  const std::string minutes = (r.minutes < 10.0 ? "0" : "") + FixedText(r.minutes, 1);
  return WholeText(r.degrees) + kDegreeSign + " " + minutes + "'";
}

std::string AltitudeText(double altitude) {
  const std::string text = DegMinText(altitude);
  const bool showsZero = text == DegMinText(0.0);
  return (altitude < 0 && !showsZero) ? "-" + text : text;
}

std::string DegMinSecText(double x) {
  x = Printable(x);
  const double fraction = std::fabs(Frac(x));
  long long degrees = WholeMagnitude(x);
  long long minutes = Trunc(fraction * 60.0);
  double seconds = RoundToDecimals(fraction * 3600.0 - static_cast<double>(minutes) * 60.0, 2);
  if (seconds >= 60.0) {
    seconds -= 60.0;
    minutes += 1;
  }
  if (minutes >= 60) {
    minutes -= 60;
    degrees = WrapCarriedFullCircle(degrees + 1);
  }
  const bool showsZero = degrees == 0 && minutes == 0 && seconds == 0.0;
  const std::string sign = (x < 0 && !showsZero) ? "-" : "";
  return sign + WholeText(degrees) + kDegreeSign + " " + TwoDigitText(minutes) + "' " +
         FixedText(seconds, 2) + "''";
}

std::string HourMinSecText(double hours) {
  double h = std::fmod(Printable(hours), 24.0);
  if (h < 0) h += 24.0;
  const double fraction = Frac(h);
  long long whole = Trunc(h);
  long long minutes = Trunc(fraction * 60.0);
  double seconds = std::nearbyint(fraction * 3600.0 - static_cast<double>(minutes) * 60.0);
  if (seconds >= 60.0) {
    seconds -= 60.0;
    minutes += 1;
  }
  if (minutes >= 60) {
    minutes -= 60;
    whole += 1;
  }
  if (whole > 23) whole -= 24;
  return WholeText(whole) + " h " + TwoDigitText(minutes) + " m " +
         TwoDigitText(static_cast<long long>(seconds)) + " s";
}

LocalHourMin LocalHourMinOf(double utcHours, double utcMinusLocal) {
  double local = Printable(utcHours - utcMinusLocal);
  // The callers pass a time of day and an offset of at most a day; anything beyond
  // is folded into two days first so that the hours stay small.
  if (std::fabs(local) >= 48.0) local = std::fmod(local, 24.0);
  if (local < 0) local += 24.0;
  const double fraction = std::fabs(Frac(local));
  long long hours = Trunc(local);
  long long minutes = Trunc(fraction * 60.0);
  const double seconds = fraction * 3600.0 - static_cast<double>(minutes) * 60.0;
  if (seconds > 30.0) minutes += 1;  // exactly 30 seconds does not round up
  if (minutes > 59) {
    minutes -= 60;
    hours += 1;
  }
  if (hours > 24) hours -= 24;
  return {static_cast<int>(hours), static_cast<int>(minutes)};
}

std::string LocalHourMinText(double utcHours, double utcMinusLocal) {
  LocalHourMin t = LocalHourMinOf(utcHours, utcMinusLocal);
  if (t.hours == 24 && t.minutes > 0) t.hours = 0;  // past midnight is the next day
  const std::string lead = t.hours < 10 ? " " : "";
  return lead + WholeText(t.hours) + " h " + TwoDigitText(t.minutes) + " m";
}

std::string ShortAngleText(double x) {
  if (x == 0.0) return "0";
  // The bound is 0.2 in extended precision: the double nearest 0.2 lies above it.
  if (static_cast<long double>(x) <= 0.2L) return FixedText(x, 2);
  return FixedText(x, 1);
}

DegMinFieldTexts DegMinFields(double x) {
  const DegMinRounded r = RoundDegMin(x, 1);
  return {WholeText(r.degrees), FixedText(r.minutes, 1)};
}

}  // namespace orrelin
