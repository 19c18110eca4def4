#include "planets/apparent_place.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/numbers.h"

namespace orrelin {
namespace {

double Centuries1900(double jd) { return (jd - 2415020.0) / 36525.0; }

TEST(PlanetReduction, SunNutationAndObliquityOf1900) {
  const SunPlace1900 sun = SunForPlanets(0.0);
  EXPECT_DOUBLE_EQ(sun.meanAnomaly, 358.47583);
  // L0 = 279.69668 with the centre equation, -0.051 at M = 358.48 degrees.
  EXPECT_NEAR(sun.longitude, 279.69668 - 0.051, 0.01);
  EXPECT_NEAR(sun.radius, 0.9833, 0.0005);  // early January, near perihelion
  EXPECT_DOUBLE_EQ(MeanObliquity1900(0.0), 23.452294);
  for (double t = -1.0; t < 2.0; t += 0.01) {
    const NutationPair n = NutationLow(t);
    EXPECT_LT(std::fabs(n.deltaPsi), 19.5);
    EXPECT_LT(std::fabs(n.deltaEpsilon), 10.3);
  }
}

TEST(PlanetReduction, PhaseAngle) {
  const Phase opposition = PhaseAngle(1.0, 1.0, 2.0);  // planet, Earth and Sun in a line
  EXPECT_NEAR(opposition.angle, 0.0, 1e-6);
  EXPECT_NEAR(opposition.illuminated, 1.0, 1e-12);
  const Phase inferior = PhaseAngle(0.28, 1.0, 0.72);  // Venus between the Earth and the Sun
  EXPECT_NEAR(inferior.angle, 180.0, 1e-4);
  EXPECT_NEAR(inferior.illuminated, 0.0, 1e-9);
}

TEST(PlanetReduction, MagnitudesAndTheirTexts) {
  const double jd = 2461118.5;  // 2026 March 20
  const double t = Centuries1900(jd);
  struct Case {
    Planet planet;
    double min, max;
  };
  const std::vector<Case> cases = {{Planet::kMercury, -2.5, 6.0}, {Planet::kVenus, -5.0, -3.5},
                                   {Planet::kMars, -3.0, 2.0},    {Planet::kJupiter, -3.0, -1.5},
                                   {Planet::kUranus, 5.3, 6.1},   {Planet::kNeptune, 7.7, 8.1}};
  for (const auto& c : cases) {
    const PlanetPlace p = PlanetApparentPlace(c.planet, t, jd, nullptr);
    const NumberRead m = ReadDecimal(p.magnitude);
    ASSERT_TRUE(m.ok) << p.magnitude;
    EXPECT_GT(m.value, c.min) << static_cast<int>(c.planet);
    EXPECT_LT(m.value, c.max) << static_cast<int>(c.planet);
    EXPECT_EQ(p.magnitude, FixedText(m.value, 1));
  }
  EXPECT_EQ(PlanetApparentPlace(Planet::kSaturn, t, jd, nullptr).magnitude, "");
}

TEST(PlanetReduction, ExplanationLinesInTheirOrder) {
  const double jd = 2461118.5;
  struct Case {
    Planet planet;
    std::vector<std::string> semidiameterLabels;
  };
  const std::vector<Case> cases = {
      {Planet::kMars, {"Semidiameter of Mars:"}},
      {Planet::kJupiter, {"Equatorial semidiameter:", "Polar semidiameter:"}},
      {Planet::kSaturn, {"Equatorial semidiameter:"}},
      {Planet::kNeptune, {"Semidiameter of Neptune:"}},
  };
  for (const auto& c : cases) {
    ExplanationLines lines;
    PlanetApparentPlace(c.planet, Centuries1900(jd), jd, &lines);
    std::vector<std::string> labels = {"Ecliptical longitude:", "Ecliptical latitude:", "Geocentric longitude:",
                                       "Geocentric latitude:", "Distance to Earth:", "Horizontal parallax:"};
    labels.insert(labels.end(), c.semidiameterLabels.begin(), c.semidiameterLabels.end());
    labels.insert(labels.end(), {"Illuminated fraction:", "Apparent Right Ascension:", "", "Apparent Declination:"});
    EXPECT_EQ(lines.labels, labels) << static_cast<int>(c.planet);
    EXPECT_EQ(lines.values[4].substr(lines.values[4].size() - 4), "  AU");
  }
  ExplanationLines none;
  PlanetApparentPlace(Planet::kMars, Centuries1900(jd), jd, nullptr);
  EXPECT_TRUE(none.labels.empty());
}

TEST(PlanetReduction, EntryPointsAreThePlanetsOwn) {
  const double jd = 2461118.5, t = Centuries1900(jd);
  EXPECT_EQ(VenusApparentPlace(t, jd, nullptr).place.rightAscension,
            PlanetApparentPlace(Planet::kVenus, t, jd, nullptr).place.rightAscension);
  EXPECT_EQ(NeptuneApparentPlace(t, jd, nullptr).magnitude,
            PlanetApparentPlace(Planet::kNeptune, t, jd, nullptr).magnitude);
}

}  // namespace
}  // namespace orrelin
