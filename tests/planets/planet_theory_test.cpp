#include "planets/planet_theory.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "planets/perturbations.h"

namespace orrelin {
namespace {

TEST(PlanetTheory, MeanElementsAt1900AreTheConstantTerms) {
  const PlanetOrbit j = PlanetMeanElements(Planet::kJupiter, 0.0);
  EXPECT_DOUBLE_EQ(j.meanLongitude, 238.049257);
  EXPECT_DOUBLE_EQ(j.meanAnomaly, 225.32833);
  EXPECT_DOUBLE_EQ(j.eccentricity, 0.04833475);
  EXPECT_DOUBLE_EQ(j.semiMajorAxis, 5.202561);
  const PlanetOrbit n = PlanetMeanElements(Planet::kNeptune, 0.0);
  EXPECT_DOUBLE_EQ(n.node, 130.681389);
}

TEST(PlanetTheory, NegativeTimeKeepsNegativeAngles) {
  const PlanetOrbit m = PlanetMeanElements(Planet::kMercury, -1.5);
  EXPECT_LT(m.meanLongitude, 0.0);
  EXPECT_GT(m.meanLongitude, -360.0);
  const HeliocentricPlace h = PlanetHeliocentric(Planet::kMercury, -1.5, 2415020.0 - 1.5 * 36525);
  EXPECT_GT(h.longitude, -360.0);
  EXPECT_LT(h.longitude, 360.0);
  EXPECT_GT(h.radius, 0.30);
  EXPECT_LT(h.radius, 0.47);
}

TEST(PlanetTheory, KeplersEquation) {
  struct Case {
    double m, e, a, v, r;
  };
  const std::vector<Case> cases = {
      {-30.0, 0.0, 2.0, 330.0, 2.0},          // a circle: v = M brought into 0..360, r = a
      {90.0, 0.0, 1.0, 90.0, 1.0},
      // Meeus ch. 30, example 30.a: M = 5 degrees, e = 0.1 gives E = 5.554589 degrees.
      {5.0, 0.1, 1.0, 2 * std::atan(std::sqrt(1.1 / 0.9) * std::tan(5.554589 / 2 * std::numbers::pi / 180)) * 180 / std::numbers::pi,
       1.0 - 0.1 * std::cos(5.554589 * std::numbers::pi / 180)},
      {180.0, 0.2, 1.0, 180.0, 1.2},
  };
  for (const auto& c : cases) {
    const KeplerSolution s = SolveKepler(c.m, c.e, c.a);
    EXPECT_NEAR(s.trueAnomaly, c.v, 1e-6) << c.m << " " << c.e;
    EXPECT_NEAR(s.radius, c.r, 1e-9) << c.m << " " << c.e;
  }
}

TEST(PlanetTheory, OrbitToEclipticInThePlaneAndOutOfIt) {
  const EclipticPosition flat = OrbitToEcliptic(100.0, 40.0, 50.0, 0.0, 20.0);
  EXPECT_NEAR(flat.longitude, 110.0, 1e-9);  // L + v - M
  EXPECT_NEAR(flat.latitude, 0.0, 1e-12);
  const EclipticPosition tilted = OrbitToEcliptic(110.0, 0.0, 0.0, 10.0, 20.0);  // u = 90: at the top
  EXPECT_NEAR(tilted.latitude, 10.0, 1e-9);
  EXPECT_NEAR(tilted.longitude, 110.0, 1e-9);
}

TEST(PlanetTheory, JupiterAndSaturnTakeTheirPerturbationsAtTheStartOfTheDay) {
  // Late in the day: T is the moment, Tj the day's 0h. The element corrections come
  // from Tj, so moving only T moves Jupiter by its mean motion and nothing more.
  const double jd = 2451544.5;
  const double t0 = (jd - 2415020.0) / 36525.0;
  const double t = t0 + 0.9 / 36525.0;
  const HeliocentricPlace morning = PlanetHeliocentric(Planet::kJupiter, t0, jd);
  const HeliocentricPlace evening = PlanetHeliocentric(Planet::kJupiter, t, jd);
  EXPECT_NEAR(evening.longitude - morning.longitude, 0.9 * 0.083, 0.02);  // about 0.083 degree a day
  const ElementPerturbation a = OuterElementPerturbation(Planet::kJupiter, t0);
  EXPECT_NE(a.longitude, 0.0);
  EXPECT_EQ(a.latitude, 0.0);
  EXPECT_NE(OuterElementPerturbation(Planet::kSaturn, t0).latitude, 0.0);
}

TEST(PlanetTheory, ArgumentsOfTheOuterPlanets) {
  const OuterPlanetArgs a = OuterPlanetArguments(0.0);
  EXPECT_DOUBLE_EQ(a.js.nu, 0.1);
  EXPECT_DOUBLE_EQ(a.js.p, 237.47555);
  EXPECT_DOUBLE_EQ(a.js.q, 265.9165);
  EXPECT_DOUBLE_EQ(a.js.zeta, 265.9165 - 237.47555);
  EXPECT_NEAR(a.js.v, std::fmod(5 * 265.9165 - 2 * 237.47555, 360.0), 1e-9);
  EXPECT_DOUBLE_EQ(a.g, 83.76922);
  EXPECT_DOUBLE_EQ(a.h, 2 * 83.76922 - 243.51721);
}

TEST(PlanetTheory, RadiusVectorsStayOnTheirOrbits) {
  struct Case {
    Planet planet;
    double min, max;
  };
  const std::vector<Case> cases = {{Planet::kMercury, 0.307, 0.467}, {Planet::kVenus, 0.718, 0.729},
                                   {Planet::kMars, 1.38, 1.67},      {Planet::kJupiter, 4.94, 5.46},
                                   {Planet::kSaturn, 9.0, 10.1},     {Planet::kUranus, 18.2, 20.2},
                                   {Planet::kNeptune, 29.7, 30.4}};
  for (const auto& c : cases) {
    for (double t = -2.0; t <= 3.0; t += 0.0137) {
      const double r = PlanetHeliocentric(c.planet, t, 2415020.0 + t * 36525).radius;
      ASSERT_GT(r, c.min) << static_cast<int>(c.planet) << " " << t;
      ASSERT_LT(r, c.max) << static_cast<int>(c.planet) << " " << t;
    }
  }
}

}  // namespace
}  // namespace orrelin
