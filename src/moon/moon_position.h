#pragma once
// The Moon's apparent geocentric place, Meeus, Astronomical Algorithms, ch. 45
// (the truncated lunar theory), with its elongation and illuminated fraction.
#include <string>

#include "core/explanation.h"
#include "earth/sun.h"

namespace orrelin {

struct MoonPlace {
  ApparentPlace place;         // alpha, delta and the horizontal parallax, degrees
  double distanceKm = 0.0;     // from the centre of the Earth
  double longitude = 0.0;      // geometric lambda, degrees (not reduced)
  double latitude = 0.0;       // beta, degrees
  double elongation = 0.0;     // lambda - Sun, degrees 0..360
  double illuminated = 0.0;    // fraction k of the disk, 0..1
  std::string phaseText;       // the percentage with 1 decimal and "%", e.g. "42.5%"
  std::string elongationText;  // whole degrees, e.g. "87"
};

// t: Julian centuries from J2000.0.
MoonPlace MoonPosition(double t, ExplanationLines* lines);

// The fundamental arguments, in degrees reduced into 0..360.
struct MoonArguments {
  double meanLongitude = 0.0;  // L'
  double elongation = 0.0;     // D
  double sunAnomaly = 0.0;     // M
  double moonAnomaly = 0.0;    // M'
  double latitude = 0.0;       // F
  double eccentricity = 1.0;   // E, not an angle
};
MoonArguments MoonFundamentalArguments(double t);

struct MoonSums {
  double longitude = 0.0;  // sum l, degrees
  double latitude = 0.0;   // sum b, degrees
  double distance = 0.0;   // sum r, thousands of km
};
MoonSums MoonPeriodicSums(double t, const MoonArguments& a);

}  // namespace orrelin
