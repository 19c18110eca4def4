#pragma once
// The periodic perturbations of the planetary theory.
#include "planets/planet_theory.h"

namespace orrelin {

// Mercury, Venus, Mars at time T: the long-period term added to L and M before
// Kepler's equation, then the corrections of L and r after it.
struct InnerPerturbation {
  double longPeriod = 0.0;  // degrees
  double longitude = 0.0;   // degrees
  double radius = 0.0;      // AU
};
InnerPerturbation InnerPlanetPerturbation(Planet planet, double t);

// Jupiter, Saturn, Uranus, Neptune at time Tj: corrections of the mean elements.
struct ElementPerturbation {
  double longitude = 0.0;      // A, degrees
  double eccentricity = 0.0;   // B
  double anomaly = 0.0;        // C, degrees (enters M as -C/e)
  double semiMajorAxis = 0.0;  // D, AU
  double latitude = 0.0;       // Saturn only: the correction of b after the orbit, degrees
};
ElementPerturbation OuterElementPerturbation(Planet planet, double tj);

// Uranus and Neptune at time T: corrections of l, b and r.
struct PositionPerturbation {
  double longitude = 0.0, latitude = 0.0, radius = 0.0;
};
PositionPerturbation OuterPositionPerturbation(Planet planet, double t);

}  // namespace orrelin
