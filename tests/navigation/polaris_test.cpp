// Latitude by Polaris from simulated sights, and the sights it refuses.
#include <gtest/gtest.h>

#include <cmath>

#include "navigation/body_place.h"
#include "navigation/polaris.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

TEST(Polaris, SimulatedSightsGiveTheLatitudeBack) {
  // From 6° N: at 5° N Polaris stands below 5° half the day, where no latitude is given.
  for (double latitude : {6.0, 10.0, 15.0, 20.0, 25.0, 30.0, 35.0, 40.0, 45.0, 50.0, 55.0, 60.0, 65.0, 70.0}) {
    // A new time and longitude each: the pole star all round its little circle.
    const double jd = 2461300.5 + latitude * 1.37;
    const GeoPosition truth{latitude, -170.0 + latitude * 4.9};
    const Sight sight = testing::SightOf("Polaris", jd, truth);
    const GeoPosition dr{latitude + 0.4, truth.longitude};
    std::string why;
    const auto p = LatitudeByPolaris(sight, dr, why);
    ASSERT_TRUE(p.has_value()) << latitude << ": " << why;
    EXPECT_NEAR(p->latitude, latitude, 0.1 / 60.0) << latitude;
    EXPECT_DOUBLE_EQ(p->correction, p->latitude - p->observedAltitude);
    EXPECT_LT(std::fabs(p->correction), 1.0) << latitude;
  }
  // At 5° N itself, with Polaris near its upper transit (above 5°): the longitude where
  // its LHA is 0 at the moment.
  const double jd = 2461310.25;
  std::string why;
  const auto polaris = HourAngleAt("Polaris", jd, why);
  ASSERT_TRUE(polaris.has_value()) << why;
  const GeoPosition truth{5.0, std::remainder(-polaris->gha, 360.0)};
  const auto p = LatitudeByPolaris(testing::SightOf("Polaris", jd, truth), {5.2, truth.longitude}, why);
  ASSERT_TRUE(p.has_value()) << why;
  EXPECT_NEAR(p->latitude, 5.0, 0.1 / 60.0);
}

TEST(Polaris, TheLatitudeOfAnIndependentEphemerisAltitude) {
  // Polaris's geometric altitude (no refraction) from another ephemeris program at a
  // known place and moment: the latitude that gives it, from this ephemeris's GHA and
  // declination, is that place's.
  struct Case {
    double jd, latitude, longitude, altitude;
  };
  const Case cases[] = {{2461305.3333333335, 42.5, -40.25, 41.97570618587874},
                        {2462940.6875, 12.0, 100.0, 12.22221541593491},
                        {2460315.2569444445, 66.0, 170.0, 65.50376127265922}};
  for (const Case& c : cases) {
    std::string why;
    const auto place = HourAngleAt("Polaris", c.jd, why);
    ASSERT_TRUE(place.has_value()) << why;
    const auto latitude = LatitudeOfAltitude(c.altitude, place->gha, place->declination, c.longitude);
    ASSERT_TRUE(latitude.has_value());
    EXPECT_NEAR(*latitude, c.latitude, 0.1 / 60.0) << c.latitude;
  }
}

TEST(Polaris, TooLowOrTooFarSouthGivesAMessageAndNoLatitude) {
  const double jd = 2461300.5;
  std::string why;
  Sight low = testing::SightOf("Polaris", jd, {8.0, 0.0});
  low.sextantAltitude = 3.0;
  EXPECT_FALSE(LatitudeByPolaris(low, {8.0, 0.0}, why).has_value());
  EXPECT_NE(why.find("below 5"), std::string::npos) << why;
  const Sight south = testing::SightOf("Polaris", jd, {6.0, 0.0});
  EXPECT_FALSE(LatitudeByPolaris(south, {4.5, 0.0}, why).has_value());
  EXPECT_NE(why.find("south of 5"), std::string::npos) << why;
}

}  // namespace
}  // namespace orrelin::navigation
