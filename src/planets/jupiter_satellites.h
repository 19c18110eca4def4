#pragma once
// Where Jupiter's four large satellites stand beside the planet, the low-accuracy
// method of Meeus, Astronomical Algorithms, ch. 43: circular orbits with their largest
// mutual perturbations, short series for Jupiter and the Earth, and the light time.
#include <array>

namespace orrelin {

// Apparent rectangular coordinates in Jupiter's equatorial radii of Io, Europa,
// Ganymede and Callisto (index 0..3): X positive to the west, Y to the north.
struct SatellitePositions {
  std::array<double, 4> x{};
  std::array<double, 4> y{};
};

// jd0: the Julian day of 0h of the date; hours: the time of day in dynamical time
// (UT plus Delta T).
SatellitePositions JupiterSatellites(double jd0, double hours);

}  // namespace orrelin
