#pragma once
// Nutation, obliquity of the ecliptic and sidereal time, low-accuracy forms of
// Meeus, Astronomical Algorithms, ch. 21 and 11.
#include "core/explanation.h"

namespace orrelin {

struct NutationResult {
  double sunTrueLongitude = 0.0;  // degrees, not reduced after the equation of centre
  double deltaPsi = 0.0;          // nutation in longitude, arc seconds
  double deltaEpsilon = 0.0;      // nutation in obliquity, arc seconds
};
// t: Julian centuries from J2000.0.
NutationResult Nutation(double t, ExplanationLines* lines);

// Mean obliquity (IAU 1976) in degrees.
double MeanObliquity(double t);

struct SiderealTimeResult {
  double mean = 0.0;      // Greenwich mean sidereal time, hours, 0 <= mean < 24
  double apparent = 0.0;  // mean plus the equation of the equinoxes, not reduced again
  double deltaPsi = 0.0;  // arc seconds
};
// hours: UT hours of the day; jd0: Julian day at 0h UT.
SiderealTimeResult SiderealTime(double hours, double jd0);

void ExplainNutation(double deltaPsi, double deltaEpsilon, ExplanationLines* lines);
void ExplainSiderealTime(double apparentHours, ExplanationLines* lines);

}  // namespace orrelin
