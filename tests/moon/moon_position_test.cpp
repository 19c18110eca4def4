#include "moon/moon_position.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

constexpr double kApril12 = -0.077221081451;  // 1992 April 12, 0h TD

TEST(Moon, BookExample1992April12) {
  // Meeus ch. 45, example 45.a.
  const MoonArguments a = MoonFundamentalArguments(kApril12);
  struct Case {
    std::string name;
    double got, expected, tolerance;
  };
  const MoonSums s = MoonPeriodicSums(kApril12, a);
  const MoonPlace p = MoonPosition(kApril12, nullptr);
  const std::vector<Case> cases = {
      {"L'", a.meanLongitude, 134.290186, 1e-6},
      {"D", a.elongation, 113.842309, 1e-6},
      {"M", a.sunAnomaly, 97.643514, 1e-6},
      {"M'", a.moonAnomaly, 5.150839, 1e-6},
      {"F", a.latitude, 219.889726, 1e-6},
      {"E", a.eccentricity, 1.000194, 1e-6},
      {"sum l", s.longitude, -1.127526, 1e-6},
      {"sum b", s.latitude, -3.229127, 1e-6},
      {"sum r", s.distance, -16.590875, 1e-6},
      {"lambda", p.longitude, 133.162660, 1e-6},
      {"beta", p.latitude, -3.229127, 1e-6},
      {"Delta", p.distanceKm, 368409.685, 0.001},
      {"pi", p.place.parallax, 0.991990, 1e-6},
      // With the book's full nutation alpha = 134.688470 and delta = 13.768368;
      // the four-term nutation lands within a few arc seconds.
      {"alpha", p.place.rightAscension, 134.688470, 0.001},
      {"delta", p.place.declination, 13.768368, 0.0005},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.expected, c.tolerance) << c.name;
}

TEST(Moon, PhaseOfTheBookExample) {
  // Meeus ch. 46, example 46.a: the same moment has k = 0.6786 from the full
  // positions and 0.6802 from the short formula of the phase angle used here.
  const MoonPlace p = MoonPosition(kApril12, nullptr);
  EXPECT_NEAR(p.illuminated, 0.6802, 0.0002);
  EXPECT_EQ(p.phaseText, "68.0%");
  EXPECT_GT(p.elongation, 90.0);
  EXPECT_LT(p.elongation, 180.0);
}

TEST(Moon, DistanceParallaxAndElongationStayInRange) {
  for (double t = -2.0; t <= 2.0; t += 0.000913) {  // 400 years, every 1/3 day
    const MoonPlace p = MoonPosition(t, nullptr);
    ASSERT_GT(p.distanceKm, 356000.0) << t;
    ASSERT_LT(p.distanceKm, 407000.0) << t;
    ASSERT_GT(p.place.parallax, 0.89) << t;
    ASSERT_LT(p.place.parallax, 1.03) << t;
    ASSERT_GE(p.elongation, 0.0) << t;
    ASSERT_LT(p.elongation, 360.0) << t;
    ASSERT_GE(p.place.rightAscension, 0.0) << t;
    ASSERT_LT(p.place.rightAscension, 360.0) << t;
  }
}

TEST(Moon, ExplanationLinesInTheirOrder) {
  ExplanationLines lines;
  MoonPosition(kApril12, &lines);
  const std::vector<std::string> labels = {
      "Nutation in longitude:", "Nutation in obliquity:", "Mean longitude:", "Lambda:", "Beta:",
      "Apparent longitude", "Horizontal parallax:", "Distance to Earth:", "Longitud difference:",
      "Apparent Right Ascension:", "", "Apparent Declination:"};
  EXPECT_EQ(lines.labels, labels);
  EXPECT_EQ(lines.values[7], "368409.7 km");
  EXPECT_EQ(lines.values[3], "133° 09' 45.58''");
  EXPECT_EQ(lines.values[4], "-3° 13' 44.86''");
  EXPECT_EQ(lines.values[10].substr(0, 7), "8 h 58 ");
}

}  // namespace
}  // namespace orrelin
