// The bounds that let the search skip hours hold for the days the almanac searches.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "almanac/proximity_screen.h"
#include "planets/apparent_place.h"

namespace orrelin {
namespace {

TEST(ProximityScreen, EachPlanetMovesLessThanItsBoundAndItsParallaxLeavesRoom) {
  constexpr std::array<Body, 7> kPlanets{Body::kMercury, Body::kVenus,  Body::kMars,   Body::kJupiter,
                                         Body::kSaturn,  Body::kUranus, Body::kNeptune};
  // 1800 January 1 to 2200 December 31, a day apart (fewer years under the sanitizer).
#ifdef ORRELIN_SANITIZED
  const double first = 2451544.5, last = 2466154.5;  // 2000 to 2040
#else
  const double first = 2378496.5, last = 2524957.5;
#endif
  std::array<double, 7> fastest{}, parallax{};
  // Every day of [from, to].
  auto scan = [&](double from, double to) {
    std::array<ApparentPlace, 7> before{};
    for (double jd = from; jd <= to; jd += 1.0) {
      const PlanetMoment moment = PlanetMomentAt((jd - 2415020.0) / 36525.0, jd);
      for (std::size_t i = 0; i < kPlanets.size(); ++i) {
        const ApparentPlace now = PlanetApparentPlace(*PlanetOf(kPlanets[i]), moment);
        if (jd > from) {
          fastest[i] = std::max(fastest[i], AngularDistance(before[i].rightAscension, before[i].declination,
                                                            now.rightAscension, now.declination));
        }
        parallax[i] = std::max(parallax[i], now.parallax);
        before[i] = now;
      }
    }
  };
  scan(first, last);
  // The almanac takes the years from 2999 B.C. to A.D. 2999: two years in every
  // century of them too (one in every five centuries under the sanitizer).
#ifdef ORRELIN_SANITIZED
  constexpr double kCenturyStep = 5 * 36524.25;
#else
  constexpr double kCenturyStep = 36524.25;
#endif
  for (double jd = 625307.5; jd < 2816787.5; jd += kCenturyStep) scan(jd, jd + 730.0);
  std::sort(parallax.begin(), parallax.end());
  const double twoLargestParallaxes = parallax[5] + parallax[6];
  for (std::size_t i = 0; i < kPlanets.size(); ++i) {
    // A fifth above the largest day's motion: the motion changes little within a day.
    EXPECT_GT(LargestDailyMotion(kPlanets[i]), 1.2 * fastest[i]) << BodyName(kPlanets[i]) << " " << fastest[i];
  }
  EXPECT_LT(2.0 * twoLargestParallaxes, kTopocentricAllowance) << twoLargestParallaxes;
}

TEST(ProximityScreen, TheSeparationCannotFallFasterThanItsMotion) {
  struct Case {
    double atStart, atEnd, motion, fraction, floor;
  };
  for (const Case& c : {Case{10.0, 10.0, 4.0, 0.5, 8.0}, Case{10.0, 2.0, 4.0, 0.0, 10.0}, Case{10.0, 8.0, 4.0, 0.75, 7.0},
                        Case{10.0, 2.0, 4.0, 0.25, 9.0}}) {
    EXPECT_DOUBLE_EQ(SeparationFloor(c.atStart, c.atEnd, c.motion, c.fraction), c.floor)
        << c.atStart << " " << c.atEnd << " " << c.fraction;
  }
  EXPECT_NEAR(AngularDistance(359.0, 0.0, 1.0, 0.0), 2.0, 1e-12);
  EXPECT_NEAR(AngularDistance(10.0, 89.0, 190.0, 89.0), 2.0, 1e-12);  // over the pole
}

}  // namespace
}  // namespace orrelin
