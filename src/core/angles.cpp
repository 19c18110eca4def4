#include "core/angles.h"

#include <cmath>
#include <cstdint>

namespace orrelin {

double Int(double x) { return std::trunc(x); }
double Frac(double x) { return x - std::trunc(x); }
std::int64_t Trunc(double x) {
  // Out-of-range and NaN arguments saturate instead of invoking undefined behaviour.
  constexpr double kLimit = 9.2233720368547748e18;
  if (std::isnan(x)) return 0;
  if (x >= kLimit) return INT64_MAX;
  if (x <= -kLimit) return INT64_MIN;
  return static_cast<std::int64_t>(std::trunc(x));
}

namespace {
double ToRadians(double x) { return static_cast<double>(x * kDegToRad); }
double ToDegrees(long double r) { return static_cast<double>(r * kRadToDeg); }
}  // namespace

double SinDeg(double x) { return std::sin(ToRadians(x)); }
double CosDeg(double x) { return std::cos(ToRadians(x)); }

double TanDeg(double x) {
  const double r = ToRadians(x);
  return std::sin(r) / std::cos(r);
}

double ArcSin(double x) {
  if (std::fabs(x) >= 1.0) return static_cast<double>(x * kHalfPi);
  return std::atan2(x / std::sqrt(1.0 - x * x), 1.0);
}

double ArcSinDeg(double x) { return ToDegrees(ArcSin(x)); }
// In double, so that ArcCosDeg(1) is exactly 0 (ArcSin(1) is the double nearest pi/2).
double ArcCosDeg(double x) { return ToDegrees(static_cast<double>(kHalfPi) - ArcSin(x)); }
double ArcTanDeg(double y) { return ToDegrees(std::atan2(y, 1.0)); }
double Log10(double x) { return std::log(x) / std::log(10.0); }

double FloorReal(double x) {
  const double whole = Int(x);
  return (x < 0 && x != whole) ? whole - 1.0 : whole;
}

double QuadrantArcTan(double a, double b) {
  const double r = ArcTanDeg(b / a);
  if (a >= 0 && b >= 0) return r;
  if (a >= 0) return r + 360.0;
  return r + 180.0;
}

double ReduceAngle(double x) {
  // Whole degrees modulo 360 (remainder with the sign of the dividend), plus the fraction.
  // Within 64 bits the whole degrees are reduced as integers (the same number as fmod
  // gives, and much faster: the planets take it thousands of times a second); beyond,
  // fmod of a whole number is exact too.
  const double whole = Int(x);
  if (std::fabs(whole) < 4.0e18) return static_cast<double>(static_cast<long long>(whole) % 360) + (x - whole);
  return std::fmod(whole, 360.0) + Frac(x);
}

double NormalizeAngle(double x) {
  const double s = ReduceAngle(x);
  return s >= 0 ? s : s + 360.0;
}

double SignedAngle(double x) {
  if (x < -180.0) return x + 360.0;
  if (x > 180.0) return x - 360.0;
  return x;
}

}  // namespace orrelin
