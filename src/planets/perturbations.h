#pragma once
// The periodic perturbations of the planetary theory.
#include <array>

#include "planets/planet_theory.h"

namespace orrelin {

// The arguments of the outer planets' series at one time, with the sines and cosines
// of the multiples 1..5 of v, w, zeta, q and S - Q: what Jupiter, Saturn, Uranus and
// Neptune of one instant share.
struct OuterPlanetTerms {
  explicit OuterPlanetTerms(double t);
  OuterPlanetArgs args;
  static constexpr std::size_t kAngles = 5, kMultiples = 6;
  std::array<std::array<double, kMultiples>, kAngles> sines{}, cosines{};
};

// Everything the series of all seven planets of one instant share: the mean
// anomalies at T and the outer planets' terms at Tj and at T.
struct PlanetSeriesTerms {
  PlanetSeriesTerms(double t, double tj);
  MeanAnomalies anomalies;
  double sunAnomaly = 0.0;
  OuterPlanetTerms atTj, atT;
};

// Mercury, Venus, Mars at time T: the long-period term added to L and M before
// Kepler's equation, then the corrections of L and r after it.
struct InnerPerturbation {
  double longPeriod = 0.0;  // degrees
  double longitude = 0.0;   // degrees
  double radius = 0.0;      // AU
};
InnerPerturbation InnerPlanetPerturbation(Planet planet, double t);
// The same with the mean anomalies of the planets and of the Sun at T already taken.
InnerPerturbation InnerPlanetPerturbation(Planet planet, double t, const MeanAnomalies& m, double sunAnomaly);

// Jupiter, Saturn, Uranus, Neptune at time Tj: corrections of the mean elements.
struct ElementPerturbation {
  double longitude = 0.0;      // A, degrees
  double eccentricity = 0.0;   // B
  double anomaly = 0.0;        // C, degrees (enters M as -C/e)
  double semiMajorAxis = 0.0;  // D, AU
  double latitude = 0.0;       // Saturn only: the correction of b after the orbit, degrees
};
ElementPerturbation OuterElementPerturbation(Planet planet, double tj);
ElementPerturbation OuterElementPerturbation(Planet planet, const OuterPlanetTerms& atTj);

// Uranus and Neptune at time T: corrections of l, b and r.
struct PositionPerturbation {
  double longitude = 0.0, latitude = 0.0, radius = 0.0;
};
PositionPerturbation OuterPositionPerturbation(Planet planet, double t);
PositionPerturbation OuterPositionPerturbation(Planet planet, const OuterPlanetTerms& atT);

// The heliocentric place with the shared terms of the instant (t and tj as in
// PlanetHeliocentric).
HeliocentricPlace PlanetHeliocentric(Planet planet, double t, double tj, const PlanetSeriesTerms& terms);

}  // namespace orrelin
