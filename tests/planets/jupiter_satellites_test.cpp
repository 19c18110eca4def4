#include "planets/jupiter_satellites.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "planets/jupiter_window.h"

namespace orrelin {
namespace {

TEST(JupiterSatellites, TheBooksExample) {
  // Meeus, Astronomical Algorithms, example 43.a: 1992 December 16 at 0h UT (Delta T 59 s).
  const SatellitePositions p = JupiterSatellites(2448972.5, 59.0 / 3600.0);
  const double x[] = {-3.44, 7.44, 1.24, 7.08};
  const double y[] = {0.21, 0.25, 0.65, 1.10};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(p.x[i], x[i], 0.011) << kSatelliteNames[i];
    EXPECT_NEAR(p.y[i], y[i], 0.011) << kSatelliteNames[i];
  }
}

TEST(JupiterSatellites, AgainstJplHorizonsFrom1931To2068) {
  // Horizons' jovicentric vectors projected as Meeus's X and Y (tools/jupiter-satellites-reference.py).
  std::ifstream in(ORRELIN_TEST_DATA_DIR "/jupiter-satellites-horizons.csv");
  ASSERT_TRUE(in);
  double largest = 0.0;
  int moments = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#' || line[0] == 'j') continue;
    std::istringstream fields(line);
    std::vector<double> v;
    for (std::string f; std::getline(fields, f, ',');) v.push_back(ReadDecimal(f).value);  // locale-free
    ASSERT_EQ(v.size(), 9u);
    const double jd0 = std::floor(v[0] - 0.5) + 0.5;
    const SatellitePositions p = JupiterSatellites(jd0, (v[0] - jd0) * 24.0);  // the rows are in dynamical time
    for (std::size_t i = 0; i < 4; ++i) {
      const double error = std::hypot(p.x[i] - v[1 + i], p.y[i] - v[5 + i]);
      largest = std::max(largest, error);
      EXPECT_LT(error, 0.5) << kSatelliteNames[i] << " at JD " << v[0];
      // Never on the wrong side of the planet.
      if (std::fabs(v[1 + i]) > 1.0) {
        EXPECT_EQ(p.x[i] > 0, v[1 + i] > 0) << kSatelliteNames[i] << " at JD " << v[0];
      }
    }
    ++moments;
  }
  EXPECT_GT(moments, 100);
  std::printf("Largest error against JPL Horizons over %d moments 1931-2068: %.3f Jupiter radii\n", moments, largest);
}

TEST(JupiterSatellites, BoxesAndPixelsOfThePicture) {
  struct Case {
    const char* name;
    double x, y;
    bool inverted;
    std::string xText;
    int px, py;
  };
  // h = 3 for the 345-pixel picture: the disk's centre at (171, 105), its radius 15.
  const std::vector<Case> cases = {
      {"in front of the planet, direct", 0.0, 0.0, false, "0.00", 156, 120},
      {"in front of the planet, inverted", 0.0, 0.0, true, "0.00", 156, 120},
      {"Callisto beyond 25, inverted", 26.1, 0.3, true, "26.10", 6, 122},
      {"Callisto beyond 25, direct", 26.1, 0.3, false, "26.10", 336, 88},
      {"west, direct: right of the disk", 3.0, 0.0, false, "3.00", 204, 120},
      {"west, inverted: left of it", 3.0, 0.0, true, "3.00", 138, 120},
      {"ties go to the even pixel", 0.25, 0.0, true, "0.25", 154, 120},
      {"two decimals, ties to even", -3.125, 0.0, false, "-3.12", 137, 120},
  };
  for (const auto& c : cases) {
    SatellitePositions p;
    p.x = {c.x, 0, 0, 0};
    p.y = {c.y, 0, 0, 0};
    const JupiterPicture picture = DrawJupiterSatellites(p, c.inverted, 345);
    EXPECT_EQ(picture.scale, 3);
    EXPECT_EQ(picture.xTexts[0], c.xText) << c.name;
    EXPECT_EQ(picture.px[0], c.px) << c.name;
    EXPECT_EQ(picture.py[0], c.py) << c.name;
  }
  const JupiterPicture picture = DrawJupiterSatellites({}, false, 345);
  EXPECT_EQ(picture.disk.left, 156);
  EXPECT_EQ(picture.disk.bottom, 120);
  EXPECT_EQ(picture.lines.size(), 8u);
  EXPECT_EQ(picture.lines.front(), "If the value of X-coordinate is >25");
  EXPECT_EQ(picture.lines.back(), "4 = Callisto");
  EXPECT_EQ(SatelliteCoordinateText(-26.104), "-26.10");
}

}  // namespace
}  // namespace orrelin
