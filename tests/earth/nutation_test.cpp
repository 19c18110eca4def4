#include "earth/nutation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orrelin {
namespace {

double Hms(double h, double m, double s) { return h + m / 60.0 + s / 3600.0; }

TEST(Nutation, BookExample1987April10) {
  // Meeus ch. 21: 1987 April 10, 0h TD; full theory -3.788'' and +9.443''.
  // The four-term series agrees to about half an arc second.
  const double t = (2446895.5 - 2451545.0) / 36525.0;
  const NutationResult n = Nutation(t, nullptr);
  EXPECT_NEAR(n.deltaPsi, -3.788, 0.5);
  EXPECT_NEAR(n.deltaEpsilon, 9.443, 0.1);
}

TEST(Nutation, StaysWithinItsAmplitudeOverTenCenturies) {
  for (double t = -5.0; t <= 5.0; t += 0.0137) {
    const NutationResult n = Nutation(t, nullptr);
    EXPECT_LT(std::fabs(n.deltaPsi), 19.0) << t;
    EXPECT_LT(std::fabs(n.deltaEpsilon), 10.0) << t;
  }
}

TEST(Nutation, ExplainsInTheReportsForm) {
  ExplanationLines lines;
  Nutation((2446895.5 - 2451545.0) / 36525.0, &lines);
  ASSERT_EQ(lines.labels.size(), 2u);
  EXPECT_EQ(lines.labels[0], "Nutation in longitude:");
  EXPECT_EQ(lines.labels[1], "Nutation in obliquity:");
  EXPECT_EQ(lines.values[0].substr(lines.values[0].size() - 2), "''");
  EXPECT_EQ(lines.values[0].find('.'), lines.values[0].size() - 7);  // four decimals
}

TEST(Obliquity, MeanObliquityAtJ2000AndInTheBookExample) {
  EXPECT_NEAR(MeanObliquity(0.0), 23.4392911, 1e-7);
  // Meeus ch. 21: 1987 April 10, eps0 = 23° 26' 27.407''.
  EXPECT_NEAR(MeanObliquity(-0.127296372348), Hms(23, 26, 27.407), 0.001 / 3600.0);
}

TEST(SiderealTime, BookExamplesAndEpoch) {
  // Meeus ch. 11, example 11.a: 1987 April 10, 0h UT.
  const SiderealTimeResult a = SiderealTime(0.0, 2446895.5);
  EXPECT_NEAR(a.mean, Hms(13, 10, 46.3668), 0.0001 / 3600.0);
  EXPECT_NEAR(a.apparent, Hms(13, 10, 46.1351), 0.02 / 3600.0);
  // Example 11.b: 1987 April 10, 19h 21m 00s UT, mean 8h 34m 57.0896s.
  EXPECT_NEAR(SiderealTime(Hms(19, 21, 0), 2446895.5).mean, Hms(8, 34, 57.0896), 0.0005 / 3600.0);
  // d = 0 at 2000 January 1, 12h UT.
  EXPECT_NEAR(SiderealTime(12.0, 2451544.5).mean, 280.46061837 / 15.0, 1e-10);
}

TEST(SiderealTime, ExplainsAsHoursMinutesSeconds) {
  ExplanationLines lines;
  ExplainSiderealTime(Hms(13, 10, 46.1351), &lines);
  ASSERT_EQ(lines.values.size(), 1u);
  EXPECT_EQ(lines.labels[0], "Apparent Sidereal Time:");
  EXPECT_EQ(lines.values[0], "13 h 10 m 46 s");
}

}  // namespace
}  // namespace orrelin
