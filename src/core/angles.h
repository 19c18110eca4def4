#pragma once
// Degree trigonometry and angle reduction: the numeric foundation of every
// computation. All functions are pure and take and give degrees.
#include <cstdint>

namespace orrelin {

inline constexpr long double kDegToRad = 0.017453292519943295769L;
inline constexpr long double kRadToDeg = 57.295779513082320877L;
inline constexpr long double kHalfPi = 1.5707963267948966193L;

// Whole part rounded toward zero, as a real: Int(-2.7) = -2.
double Int(double x);
// x - Int(x); carries the sign of x: Frac(-2.7) = -0.7.
double Frac(double x);
// Whole part rounded toward zero, as a 64-bit integer.
std::int64_t Trunc(double x);

double SinDeg(double x);
double CosDeg(double x);
double TanDeg(double x);
// Arcsine in radians; |x| >= 1 gives x * pi/2 (nothing is clamped).
double ArcSin(double x);
double ArcSinDeg(double x);
double ArcCosDeg(double x);
double ArcTanDeg(double y);
double Log10(double x);
double FloorReal(double x);
// a: the cosine-like component (non-zero), b: the sine-like one; 0 <= result < 360.
double QuadrantArcTan(double a, double b);
// Into (-360, 360), keeping the sign of x.
double ReduceAngle(double x);
// Into 0 <= result < 360.
double NormalizeAngle(double x);
// One fold toward -180 .. 180 (the callers pass differences of two angles in 0..360).
double SignedAngle(double x);

}  // namespace orrelin
