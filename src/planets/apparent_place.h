#pragma once
// The apparent geocentric place of a planet, with the reduction's own low-precision
// Sun, nutation, obliquity and aberration (centuries from 1900 January 0.5), the
// magnitude and the explanation lines.
#include <string>

#include "core/explanation.h"
#include "earth/sun.h"
#include "planets/perturbations.h"
#include "planets/planet_theory.h"

namespace orrelin {

struct SunPlace1900 {
  double longitude = 0.0;    // true longitude, degrees (not reduced after the centre equation)
  double radius = 0.0;       // R, AU
  double meanAnomaly = 0.0;  // M, degrees
};
SunPlace1900 SunForPlanets(double t);

struct NutationPair {
  double deltaPsi = 0.0;      // arc seconds
  double deltaEpsilon = 0.0;  // arc seconds
};
NutationPair NutationLow(double t);

double MeanObliquity1900(double t);

struct EquatorialShift {
  double rightAscension = 0.0;  // degrees
  double declination = 0.0;     // degrees
};
EquatorialShift EquatorialNutation(double alpha, double delta, double obliquity, double t);
EquatorialShift EquatorialNutation(double alpha, double delta, double obliquity, const NutationPair& nutation);
EquatorialShift EquatorialAberration(double alpha, double delta, double sunLongitude, double obliquity);

struct Phase {
  double angle = 0.0;        // i, degrees
  double illuminated = 0.0;  // k
};
Phase PhaseAngle(double distance, double sunDistance, double radius);

struct GeocentricPlanet {
  double rightAscension = 0.0;  // degrees, not reduced after the corrections
  double declination = 0.0;
  double distance = 0.0;        // Delta, AU
  double sunDistance = 0.0;     // R, AU
};
GeocentricPlanet EclipticToApparent(const HeliocentricPlace& h, double t, ExplanationLines* lines);

struct PlanetPlace {
  ApparentPlace place;       // alpha, delta, horizontal parallax
  std::string magnitude;     // one decimal; empty for Saturn, which has none
  double distance = 0.0;     // AU
  double illuminated = 0.0;  // k
};

// t: centuries from 1900 of the moment; jd: the Julian day of 0h of the date.
PlanetPlace PlanetApparentPlace(Planet planet, double t, double jd, ExplanationLines* lines);

// What the reduction of every planet of one instant shares: its Sun, nutation and
// obliquity, and the sines and cosines each planet would take again.
struct PlanetReduction {
  SunPlace1900 sun;
  NutationPair nutation;
  double obliquity = 0.0;
  double sinObliquity = 0.0, cosObliquity = 1.0, tanObliquity = 0.0;
  double sinSun = 0.0, cosSun = 1.0;
};
PlanetReduction PlanetReductionAt(double t);

// The reduction and the perturbation series' arguments of one instant.
struct PlanetMoment {
  double t = 0.0;   // centuries from 1900
  double jd = 0.0;  // the Julian day some planets take their centuries from
  PlanetReduction reduction;
  PlanetSeriesTerms series;
};
PlanetMoment PlanetMomentAt(double t, double jd);
// The apparent place and parallax of a planet at a shared instant (no magnitude, no
// lines): the same numbers as PlanetApparentPlace, for many planets of one instant.
ApparentPlace PlanetApparentPlace(Planet planet, const PlanetMoment& moment);

PlanetPlace MercuryApparentPlace(double t, double jd, ExplanationLines* lines);
PlanetPlace VenusApparentPlace(double t, double jd, ExplanationLines* lines);
PlanetPlace MarsApparentPlace(double t, double jd, ExplanationLines* lines);
PlanetPlace JupiterApparentPlace(double t, double jd, ExplanationLines* lines);
PlanetPlace SaturnApparentPlace(double t, double jd, ExplanationLines* lines);
PlanetPlace UranusApparentPlace(double t, double jd, ExplanationLines* lines);
PlanetPlace NeptuneApparentPlace(double t, double jd, ExplanationLines* lines);

}  // namespace orrelin
