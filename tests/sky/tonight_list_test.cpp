// Tonight's list at places and dates drawn at random (a fixed seed): every listed body
// stands above the minimum altitude all through the hours it is given, and no body of
// the planets, the Moon and the bright stars that stands above it while dark is missing
// (a brute-force scan of the report's altitudes).
#include "sky/tonight_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

namespace orrelin::sky {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

TEST(TonightList, EveryListedBodyIsAboveAndNoneIsMissing) {
  const StarCatalogue catalogue = LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  ASSERT_TRUE(catalogue.read);
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> latitude(-60.0, 62.0), longitude(-180.0, 180.0), day(0.0, 1826.0);
  int dark = 0;
  for (int n = 0; n < 20; ++n) {
    TonightInput in;
    in.observer.latitude = latitude(random);
    in.observer.longitude = longitude(random);
    in.observer.utcMinusLocal = std::round(in.observer.longitude / 15.0);
    in.dayJulianDayUt = 2461041.5 + std::floor(day(random));
    in.stars = CatalogueStarsTo(catalogue, in.magnitudeLimit);
    const std::string where = std::to_string(in.observer.latitude) + " " + std::to_string(in.observer.longitude) +
                              " " + std::to_string(in.dayJulianDayUt);
    std::string why;
    const auto list = ListTonight(in, why);
    ASSERT_TRUE(list) << why;
    if (!list->darkFromJulianDayUt) continue;
    ++dark;
    const double from = *list->darkFromJulianDayUt, to = *list->darkToJulianDayUt;
    std::vector<SkyBody> bodies = SolarSystemBodies(false);
    bodies.erase(bodies.begin());
    bodies.insert(bodies.end(), in.stars.begin(), in.stars.end());
    for (const SkyBody& body : bodies) {
      const auto altitude = [&](double jd) { return *AltitudeAt(body, in.observer, jd, why); };
      const auto listed = std::find_if(list->bodies.begin(), list->bodies.end(),
                                       [&](const TonightBody& b) { return b.name == body.name; });
      double highest = -90.0;
      for (double jd = from; jd <= to; jd += 3 * kMinute) highest = std::max(highest, altitude(jd));
      if (listed == list->bodies.end()) {
        EXPECT_LT(highest, in.minimumAltitude) << body.name << " missing at " << where;
        continue;
      }
      EXPECT_GE(listed->aboveFromJulianDayUt, from - 1e-9) << body.name;
      EXPECT_LE(listed->aboveToJulianDayUt, to + 1e-9) << body.name;
      for (double jd = listed->aboveFromJulianDayUt + kMinute; jd < listed->aboveToJulianDayUt - kMinute;
           jd += 3 * kMinute) {
        ASSERT_GE(altitude(jd), in.minimumAltitude) << body.name << " below within its hours at " << where;
      }
      if (listed->aboveFromJulianDayUt > from + kMinute) {
        EXPECT_LT(altitude(listed->aboveFromJulianDayUt - kMinute), in.minimumAltitude) << body.name << where;
      }
      if (listed->aboveToJulianDayUt < to - kMinute) {
        EXPECT_LT(altitude(listed->aboveToJulianDayUt + kMinute), in.minimumAltitude) << body.name << where;
      }
      EXPECT_GE(listed->bestAltitude, highest - 0.01) << body.name << where;
    }
    for (std::size_t i = 1; i < list->bodies.size(); ++i) {
      EXPECT_LE(list->bodies[i - 1].bestJulianDayUt, list->bodies[i].bestJulianDayUt);
    }
  }
  EXPECT_GE(dark, 15);
}

TEST(TonightList, ANightWithoutDarknessIsSaidPlainly) {
  struct Case {
    Darkness darkness;
    double latitude, day;
    const char* message;
  } cases[] = {
      {Darkness::kNautical, 65.0, 2461212.5,
       "No darkness tonight: the Sun stays less than 12° below the horizon all night (nautical twilight till morning)"},
      {Darkness::kAstronomical, 52.0, 2461212.5,
       "No darkness tonight: the Sun stays less than 18° below the horizon all night (astronomical twilight till "
       "morning)"},
      {Darkness::kNautical, 85.0, 2461395.5,
       "The Sun stays more than 12° below the horizon all day: dark from noon to noon"},
  };
  for (const Case& c : cases) {
    TonightInput in;
    in.observer.latitude = c.latitude;
    in.observer.longitude = -25.0;
    in.observer.utcMinusLocal = -2;
    in.dayJulianDayUt = c.day;
    in.darkness = c.darkness;
    std::string why;
    const auto list = ListTonight(in, why);
    ASSERT_TRUE(list) << why;
    ASSERT_FALSE(list->messages.empty());
    EXPECT_EQ(list->messages.front(), c.message);
  }
}

}  // namespace
}  // namespace orrelin::sky
