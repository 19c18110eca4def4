#include "core/geodesy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/angles.h"
#include "core/constants.h"

namespace orrelin {
namespace {

TEST(HorizontalParallax, TheMoonAndOneAstronomicalUnit) {
  struct Case {
    std::string name;
    double earthRadius, distance, expected, tolerance;  // degrees
  };
  const std::vector<Case> cases = {
      // Meeus, Astronomical Algorithms, the Moon of 1992 April 12: pi = 0.991990.
      {"the book's Moon, km", kEarthEquatorialRadiusKm, 368409.685, 0.991990, 1e-6},
      // The IAU 2009 solar parallax, 8.794143''.
      {"1 AU with the IERS radius, km", kEarthEquatorialRadiusIersKm, kAstronomicalUnitKm, 8.794143 / 3600.0, 1e-9},
      {"the book's radius in AU at 1 AU", SinDeg(kSolarParallaxArcSeconds / 3600.0), 1.0, 8.794 / 3600.0, 1e-12},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(HorizontalParallax(c.earthRadius, c.distance), c.expected, c.tolerance) << c.name;
  }
}

TEST(Longitude, WestPositiveAndEastPositiveAreEachOthersNegative) {
  // 24 57.3 E is -24.955 to the book and +24.955 to the navigator; 81 W the other way.
  for (const double west : {-24.955, 81.0, 0.0, 180.0}) {
    EXPECT_EQ(EastLongitude(west), -west) << west;
    EXPECT_EQ(WestLongitude(EastLongitude(west)), west) << west;
  }
}

}  // namespace
}  // namespace orrelin
