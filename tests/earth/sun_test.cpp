#include "earth/sun.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/angle_text.h"
#include "earth/nutation.h"

namespace orrelin {
namespace {

constexpr double kOctober13 = -0.072183436;  // 1992 October 13.0 TD

TEST(Sun, BookExample1992October13) {
  // Meeus ch. 24, example 24.a.
  const SunGeometricResult g = SunGeometric(kOctober13, nullptr);
  EXPECT_NEAR(g.trueLongitude, 199.90988, 0.00005);
  EXPECT_NEAR(g.radiusVector, 0.99766, 0.000005);
  EXPECT_NEAR(SunMeanAnomaly(kOctober13), 278.99397, 0.00005);
  EXPECT_NEAR(SunEquationOfCentre(kOctober13, SunMeanAnomaly(kOctober13)), -1.89732, 0.00005);

  const ApparentPlace p = SunApparent(kOctober13, nullptr);
  EXPECT_NEAR(p.rightAscension, 198.38083, 0.00005);
  EXPECT_NEAR(p.declination, -7.78507, 0.00005);
  EXPECT_EQ(HourMinSecText(p.rightAscension / 15.0), "13 h 13 m 31 s");
  EXPECT_NEAR(p.parallax, 8.794 / (g.radiusVector * 3600.0), 1e-15);
}

TEST(Sun, ExplanationLinesInTheirOrder) {
  ExplanationLines lines;
  SunApparent(kOctober13, &lines);
  const std::vector<std::string> labels = {
      "Geom mean long of Sun:", "True longitude of Sun:", "", "Radius vector of Sun:", "Semidiameter of Sun:",
      "Omega:", "Obliquity of ecliptic:", "Apparent longitude of Sun:", "", "Apparent Right Ascension:",
      "Apparent Declination:"};
  EXPECT_EQ(lines.labels, labels);
  // The book prints L0 = 201.80720, Omega = 264.65, lambda = 199.90895 from rounded
  // intermediate values; these are the same numbers to the digits the book shows.
  const std::vector<std::string> values = {
      "201° 48' 25.87''", "199.90987°", "199° 54' 35.52''", "0.997662  AU", "961.90''", "264.6526°",
      "23.4402°", "199.90893", "199° 54' 32.17''", "13 h 13 m 31 s", "-7° 47' 6.24''"};
  EXPECT_EQ(lines.values, values);
}

TEST(Sun, TrueLongitudeIsNotReducedAfterTheEquationOfCentre) {
  // Just before the March equinox of 2026 the mean longitude L0 is 359.5 degrees and
  // the equation of centre is +1.9: the true longitude stays above 360.
  const double t = (359.5 + 360.0 * 26 - 280.46645) / 36000.76983;
  const SunGeometricResult g = SunGeometric(t, nullptr);
  EXPECT_GT(g.trueLongitude, 360.0);
  EXPECT_LT(g.trueLongitude, 362.0);
  const ApparentPlace p = SunApparent(t, nullptr);
  EXPECT_NEAR(p.rightAscension, 1.3, 0.2);
  EXPECT_NEAR(p.declination, 0.56, 0.1);
}

TEST(Sun, Semidiameter) {
  EXPECT_DOUBLE_EQ(RoundedSemidiameter(1.0, kSunSemidiameterAtOneAu), 959.6);
  EXPECT_DOUBLE_EQ(RoundedSemidiameter(0.983, kSunSemidiameterAtOneAu), 976.2);
}

}  // namespace
}  // namespace orrelin
