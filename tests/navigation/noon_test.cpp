// Local apparent noon at rest and under way, the greatest altitude, and the latitude
// from meridian altitudes of every kind of body, upper and lower transit.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/angles.h"
#include "navigation/body_place.h"
#include "navigation/fix.h"
#include "navigation/noon.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

// The Sun's LHA at the ship, -180..180.
double SunHourAngle(const ShipTrack& track, double jd) {
  std::string why;
  const auto place = HourAngleAt("Sun", jd, why);
  return std::remainder(place->gha + ShipPositionAt(track, jd).longitude, 360.0);
}

TEST(Noon, MeridianPassageIsWhereTheSunsHourAngleIsNought) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> day(2415020.5, 2488069.5);  // 1900 .. 2100
  std::uniform_real_distribution<double> latitude(-70.0, 70.0), longitude(-180.0, 180.0);
  for (int i = 0; i < 200; ++i) {
    const ShipTrack track{{latitude(random), longitude(random)}, 0.0, 0.0, 0.0};
    const double date = std::floor(day(random) - 0.5) + 0.5;
    std::string why;
    const auto p = MeridianPassageOf("Sun", track, date, Transit::kUpper, why);
    ASSERT_TRUE(p.has_value()) << why;
    // 360° a day: 1 s of time is 15" of hour angle.
    EXPECT_LT(std::fabs(SunHourAngle(track, p->julianDayUt)) / (360.0 * kSecond), 5.0) << i;
    // Within the local day of the date.
    EXPECT_LT(std::fabs(p->julianDayUt - (date + 0.5 - track.dr.longitude / 360.0)), 0.5) << i;
  }
}

TEST(Noon, MeridianPassageAgreesWithAnIndependentEphemeris) {
  // Transit times of the Sun's centre from another ephemeris program (geocentric
  // meridian, no refraction).
  struct Case {
    double date, latitude, longitude, transit;
  };
  const Case cases[] = {{2461212.5, 41.5, -70.25, 2461213.1964305686},
                        {2461382.5, -33.9, 151.2, 2461382.5742282327},
                        {2462940.5, 59.8, 24.8, 2462940.9373376425}};
  for (const Case& c : cases) {
    std::string why;
    const auto p = MeridianPassageOf("Sun", {{c.latitude, c.longitude}, 0, 0, 0}, c.date, Transit::kUpper, why);
    ASSERT_TRUE(p.has_value()) << why;
    EXPECT_NEAR(p->julianDayUt, c.transit, 3.0 * kSecond) << c.latitude;
  }
}

TEST(Noon, UnderWayTheNoonIsThatOfABruteForceSearchAlongTheTrack) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> latitude(-60.0, 60.0), longitude(-180.0, 180.0), course(0.0, 360.0),
      speed(0.0, 20.0), hours(-6.0, 6.0);
  for (int i = 0; i < 20; ++i) {
    const double date = 2461200.5 + 17 * i;
    const ShipTrack track{{latitude(random), longitude(random)}, date + 0.5 + hours(random) / 24.0, course(random),
                          speed(random)};
    std::string why;
    const auto p = MeridianPassageOf("Sun", track, date, Transit::kUpper, why);
    ASSERT_TRUE(p.has_value()) << why;
    // Second by second over ten minutes either side: where the hour angle changes sign.
    double found = 0.0;
    double before = SunHourAngle(track, p->julianDayUt - 600 * kSecond);
    for (int s = -599; s <= 600; ++s) {
      const double jd = p->julianDayUt + s * kSecond, now = SunHourAngle(track, jd);
      if (before < 0.0 && now >= 0.0) found = jd;
      before = now;
    }
    EXPECT_NEAR(p->julianDayUt, found, 15.0 * kSecond) << i << " course " << track.course << " speed " << track.speed;
  }
}

TEST(Noon, TheGreatestAltitudeComesLaterWhenRunningTowardTheSun) {
  // 2026-06-21, the Sun at 23.4° N: south of a ship at 45° N, north of one at 5° N.
  const double date = 2461212.5;
  struct Case {
    double latitude, course, speed;
    int sign;  // of greatest altitude time less passage time
  };
  const Case cases[] = {{45, 180, 20, +1}, {45, 0, 20, -1}, {5, 0, 20, +1}, {5, 180, 20, -1}, {45, 90, 0, 0}};
  for (const Case& c : cases) {
    const ShipTrack track{{c.latitude, -30.0}, date + 0.5, c.course, c.speed};
    std::string why;
    const auto noon = LocalApparentNoon(track, date, why);
    ASSERT_TRUE(noon.has_value()) << why;
    ASSERT_TRUE(noon->greatest.has_value());
    const double after = (noon->greatest->julianDayUt - noon->passage.julianDayUt) / kSecond;
    if (c.sign == 0) {
      EXPECT_LT(std::fabs(after), 2.0);
    } else {
      EXPECT_GT(after * c.sign, 10.0) << c.latitude << " " << c.course;
    }
    EXPECT_GE(noon->greatest->altitude, noon->passage.altitude - 1e-9);
  }
}

TEST(Noon, LatitudeFromSimulatedMeridianSights) {
  struct Case {
    const char* body;
    Limb limb;
    double date, latitude, longitude;
    Transit transit;
  };
  const double june = 2461212.5, december = 2461395.5;  // 2026-06-21, 2026-12-21
  const Case cases[] = {
      {"Sun", Limb::kLower, june, 45.0, -30.0, Transit::kUpper},      // bears south, Dec N
      {"Sun", Limb::kLower, june, 10.0, 60.0, Transit::kUpper},       // bears north, Dec N
      {"Sun", Limb::kUpper, june, -30.0, 150.0, Transit::kUpper},     // south latitude, Dec N
      {"Sun", Limb::kLower, december, -10.0, -100.0, Transit::kUpper},  // bears south, Dec S
      {"Sun", Limb::kLower, december, -40.0, 20.0, Transit::kUpper},  // bears north, Dec S
      {"Sun", Limb::kLower, june, 75.0, 10.0, Transit::kLower},       // midnight sun
      {"Moon", Limb::kLower, june, 35.0, -20.0, Transit::kUpper},
      {"Moon", Limb::kUpper, december, -25.0, 100.0, Transit::kUpper},
      {"Jupiter", Limb::kCentre, december, 20.0, -60.0, Transit::kUpper},
      {"Vega", Limb::kCentre, june, 50.0, 5.0, Transit::kUpper},
      {"Canopus", Limb::kCentre, december, -20.0, 40.0, Transit::kUpper},
      {"Kochab", Limb::kCentre, june, 55.0, -10.0, Transit::kLower},
      {"Acrux", Limb::kCentre, december, -50.0, 170.0, Transit::kLower},
  };
  for (const Case& c : cases) {
    const GeoPosition truth{c.latitude, c.longitude};
    std::string why;
    const auto atTruth = MeridianPassageOf(c.body, {truth, 0, 0, 0}, c.date, c.transit, why);
    ASSERT_TRUE(atTruth.has_value()) << why;
    // The DR 20' off in latitude: the same meridian, the same passage.
    const ShipTrack dr{{c.latitude + 20.0 / 60.0, c.longitude}, 0, 0, 0};
    const auto passage = MeridianPassageOf(c.body, dr, c.date, c.transit, why);
    ASSERT_TRUE(passage.has_value()) << why;
    const Sight sight = testing::SightOf(c.body, passage->julianDayUt, truth, c.limb);
    const auto m = LatitudeByMeridianAltitude(sight, *passage, c.transit, why);
    ASSERT_TRUE(m.has_value()) << c.body << " " << c.latitude << ": " << why;
    EXPECT_NEAR(m->latitude, c.latitude, 0.1 / 60.0) << c.body << " " << c.latitude;
  }
}

TEST(Noon, ASightThatCannotBeAMeridianAltitudeIsRefused) {
  const ShipTrack dr{{45.0, -30.0}, 0, 0, 0};
  std::string why;
  const auto passage = MeridianPassageOf("Sun", dr, 2461212.5, Transit::kUpper, why);
  ASSERT_TRUE(passage.has_value()) << why;
  Sight s = testing::SightOf("Sun", passage->julianDayUt, {45.0, -30.0}, Limb::kLower);
  s.sextantAltitude += 2.5;
  EXPECT_FALSE(LatitudeByMeridianAltitude(s, *passage, Transit::kUpper, why).has_value());
  EXPECT_NE(why.find("cannot be a meridian altitude"), std::string::npos) << why;
}

}  // namespace
}  // namespace orrelin::navigation
