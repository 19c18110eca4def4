#pragma once
// Heliocentric places of the planets from mean orbital elements with periodic
// perturbations, on the mean ecliptic and equinox of date. Time arguments are
// Julian centuries from JD 2415020.0 (1900 January 0.5).

#include <optional>

#include "core/body.h"

namespace orrelin {

// The theory's own index of its tables; the rest of the program names a planet by Body.
enum class Planet { kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune };
// Mercury to Neptune; none for the Sun, the Moon and a star.
std::optional<Planet> PlanetOf(Body body);

struct PlanetOrbit {
  double meanLongitude = 0.0;  // L, degrees
  double semiMajorAxis = 0.0;  // a, AU
  double eccentricity = 0.0;   // e
  double inclination = 0.0;    // i, degrees
  double node = 0.0;           // Omega, degrees
  double meanAnomaly = 0.0;    // M, degrees
};

struct HeliocentricPlace {
  double longitude = 0.0;  // l, degrees (sign-keeping reduction)
  double latitude = 0.0;   // b, degrees
  double radius = 0.0;     // r, AU
};

// The mean elements at time t (L and M reduced, sign kept).
PlanetOrbit PlanetMeanElements(Planet planet, double t);

struct MeanAnomalies {
  double mercury = 0.0, venus = 0.0, mars = 0.0, jupiter = 0.0;  // M1, M2, M4, M5
};
MeanAnomalies PlanetMeanAnomalies(double t);

struct JupiterSaturnArgs {
  double nu = 0.0, p = 0.0, q = 0.0, s = 0.0, v = 0.0, w = 0.0, zeta = 0.0;
};
JupiterSaturnArgs JupiterSaturnArguments(double t);

struct OuterPlanetArgs {
  JupiterSaturnArgs js;
  double g = 0.0;  // not reduced
  double h = 0.0;  // 2G - S
};
OuterPlanetArgs OuterPlanetArguments(double t);

struct KeplerSolution {
  double trueAnomaly = 0.0;  // v, degrees 0..360
  double radius = 0.0;       // r, AU
};
KeplerSolution SolveKepler(double meanAnomaly, double eccentricity, double semiMajorAxis);

struct EclipticPosition {
  double longitude = 0.0;
  double latitude = 0.0;
};
EclipticPosition OrbitToEcliptic(double meanLongitude, double meanAnomaly, double trueAnomaly, double inclination,
                                 double node);

// The Sun's mean anomaly of the planets' reduction, degrees (sign-keeping reduction).
double SunMeanAnomaly1900(double t);

// t: centuries of the moment; jd: the Julian day whose centuries Tj some planets take.
HeliocentricPlace PlanetHeliocentric(Planet planet, double t, double jd);

}  // namespace orrelin
