// The almanacs' quantities from the precise chain, against an independent program
// (python3-ephem, tools/daily-page-reference.py) and against what they must be.
#include "precise/nautical.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>

#include "core/calendar.h"

namespace orrelin::precise {
namespace {

double JulianDayAt0h(int year, int month, int day) {
  bool valid = true;
  const TCalendarDate date = DateToRecord({year, month, day}, valid);
  return JulianDay(date, 0.0, false).jd;
}

double ArcMinutesApart(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360.0 - d) * 60.0;
}

struct Reference {
  int year, month, day;
  const char* body;
  double ghaOrSha, declination;  // degrees
};

TEST(NauticalPlaces, AgreeWithAnIndependentProgramToATenthOfAMinute) {
  const Reference cases[] = {
    {2026, 12, 8, "Aries", 76.76892, 0.0},
    {2026, 12, 8, "Sun", 182.08595, -22.69091},
    {2026, 12, 8, "Moon", 195.25599, -25.87827},
    {2026, 12, 8, "Venus", 225.70987, -10.21088},
    {2026, 12, 8, "Mars", 279.58292, 12.23785},
    {2026, 12, 8, "Jupiter", 287.28106, 13.29808},
    {2026, 12, 8, "Saturn", 68.46842, 0.79855},
    {2026, 12, 8, "Sirius", 258.40888, -16.75217},
    {2026, 12, 8, "Polaris", 312.75243, 89.38002},
    {2026, 12, 8, "Vega", 80.54267, 38.81020},
    {2026, 12, 8, "Canopus", 263.85281, -52.70781},
    {2026, 12, 8, "Rigel", 281.03361, -8.16992},
    {2026, 12, 8, "Deneb", 49.41688, 45.38046},
    {2000, 1, 1, "Aries", 99.96425, 0.0},
    {2000, 1, 1, "Sun", 179.23809, -23.07111},
    {2000, 1, 1, "Moon", 243.29475, -8.99443},
    {2000, 1, 1, "Venus", 220.69181, -18.31364},
    {2000, 1, 1, "Mars", 129.81893, -13.32231},
    {2000, 1, 1, "Jupiter", 76.11422, 8.58463},
    {2000, 1, 1, "Saturn", 61.18815, 12.61569},
    {2000, 1, 1, "Sirius", 258.70992, -16.71770},
    {2000, 1, 1, "Polaris", 321.81050, 89.26688},
    {2000, 1, 1, "Vega", 80.77468, 38.78472},
    {2000, 1, 1, "Canopus", 264.00400, -52.69758},
    {2000, 1, 1, "Rigel", 281.36353, -8.20419},
    {2000, 1, 1, "Deneb", 49.65025, 45.28238},
    {2021, 6, 21, "Aries", 269.41032, 0.0},
    {2021, 6, 21, "Sun", 179.56359, 23.43733},
    {2021, 6, 21, "Moon", 53.51248, -11.19278},
    {2021, 6, 21, "Venus", 154.86352, 23.01644},
    {2021, 6, 21, "Mars", 140.88241, 20.06052},
    {2021, 6, 21, "Jupiter", 294.88794, -11.59593},
    {2021, 6, 21, "Saturn", 313.86278, -17.61728},
    {2021, 6, 21, "Sirius", 258.48587, -16.74630},
    {2021, 6, 21, "Polaris", 315.71388, 89.34908},
    {2021, 6, 21, "Vega", 80.57908, 38.80310},
    {2021, 6, 21, "Canopus", 263.90404, -52.70771},
    {2021, 6, 21, "Rigel", 281.11684, -8.17783},
    {2021, 6, 21, "Deneb", 49.45605, 45.35347},
    {1985, 3, 15, "Aries", 172.54056, 0.0},
    {1985, 3, 15, "Sun", 177.72534, -2.24423},
    {1985, 3, 15, "Moon", 251.35205, -26.97405},
    {1985, 3, 15, "Venus", 154.75715, 15.40839},
    {1985, 3, 15, "Mars", 144.80511, 11.48878},
    {1985, 3, 15, "Jupiter", 222.19696, -18.68827},
    {1985, 3, 15, "Saturn", 296.18373, -17.51582},
    {1985, 3, 15, "Sirius", 258.87698, -16.69667},
    {1985, 3, 15, "Polaris", 326.30106, 89.20077},
    {1985, 3, 15, "Vega", 80.89492, 38.76257},
    {1985, 3, 15, "Canopus", 264.09378, -52.69075},
    {1985, 3, 15, "Rigel", 281.54680, -8.21955},
    {1985, 3, 15, "Deneb", 49.77707, 45.22076},
  };
  double largest = 0.0;
  for (const Reference& c : cases) {
    const auto body = NauticalBodyNamed(c.body);
    ASSERT_TRUE(body.has_value()) << c.body;
    std::string why;
    const auto p = NauticalPlaceOf(*body, MomentOfJulianDayUt(JulianDayAt0h(c.year, c.month, c.day)), std::nullopt, why);
    ASSERT_TRUE(p.has_value()) << c.body << ": " << why;
    // An hour angle's difference as a distance on the sky (Polaris' SHA moves fast).
    const double angle = ArcMinutesApart(p->sha.value_or(p->gha), c.ghaOrSha) * std::cos(c.declination * M_PI / 180);
    const double declination = body->kind == NauticalBody::Kind::kAries ? 0.0 : std::fabs(p->declination - c.declination) * 60.0;
    EXPECT_LE(angle, 0.1) << c.year << " " << c.body;
    EXPECT_LE(declination, 0.1) << c.year << " " << c.body;
    largest = std::max({largest, angle, declination});
  }
  std::printf("largest difference from python3-ephem: %.3f'\n", largest);
}

TEST(NauticalPlaces, TheMoonsAndPlanetsQuantitiesAreWhatTheyMustBe) {
  // A month of the Moon: HP 53.9'..61.5', SD = 0.2725 HP, v 0'..17', |d| under 17'.
  for (double jd = 2461382.5; jd < 2461412.5; jd += 0.37) {
    std::string why;
    const auto moon = NauticalPlaceOf(*NauticalBodyNamed("moon"), MomentOfJulianDayUt(jd), std::nullopt, why);
    ASSERT_TRUE(moon.has_value()) << why;
    EXPECT_TRUE(*moon->horizontalParallax * 60 > 53.8 && *moon->horizontalParallax * 60 < 61.6) << jd;
    EXPECT_NEAR(*moon->semidiameter / *moon->horizontalParallax, 0.2725, 0.001) << jd;
    EXPECT_TRUE(*moon->v > 0.0 && *moon->v < 17.5) << *moon->v;
    EXPECT_LT(std::fabs(*moon->d), 17.0);
    EXPECT_TRUE(*moon->illuminated >= 0 && *moon->illuminated <= 1);
  }
  std::string why;
  const Moment moment = MomentOfJulianDayUt(2461382.5);
  const auto venus = NauticalPlaceOf(*NauticalBodyNamed("VENUS"), moment, std::nullopt, why);
  EXPECT_TRUE(*venus->magnitude < -3.5 && *venus->magnitude > -5.0);
  const auto sirius = NauticalPlaceOf(*NauticalBodyNamed("sirius"), moment, std::nullopt, why);
  EXPECT_FALSE(sirius->horizontalParallax.has_value());
  EXPECT_FALSE(sirius->v.has_value());
  const auto aries = NauticalPlaceOf(*NauticalBodyNamed("Aries"), moment, std::nullopt, why);
  EXPECT_NEAR(ArcMinutesApart(sirius->gha, std::fmod(aries->gha + *sirius->sha, 360.0)), 0.0, 1e-6);  // GHA = GHA Aries + SHA
  EXPECT_FALSE(NauticalBodyNamed("Pluto").has_value());
}

TEST(NauticalPlaces, TheStarsAreTheCataloguesNavigationalStars) {
  std::set<std::string> catalogue;
  std::ifstream csv(ORRELIN_NAVIGATIONAL_STARS);
  std::string line;
  std::getline(csv, line);
  while (std::getline(csv, line)) catalogue.insert(line.substr(0, line.find(',')));
  const auto names = NavigationalStarNames();
  EXPECT_EQ(std::set<std::string>(names.begin(), names.end()), catalogue);
}

TEST(NauticalPlaces, ADateOutsideTheEphemerisFilesIsRefusedWithItsReason) {
  std::string why;
  EXPECT_FALSE(NauticalPlaceOf(*NauticalBodyNamed("sun"), MomentOfJulianDayUt(2000000.5), std::nullopt, why).has_value());
  EXPECT_FALSE(why.empty());
}

TEST(NauticalPlaces, AStarAskedForAsABodyIsRefusedWithItsReason) {
  const Moment moment = MomentOfJulianDayUt(2461382.5);
  std::string placeWhy, phenomenaWhy;
  EXPECT_FALSE(BodyPlace(Body::kStar, moment, Frame::kApparent, std::nullopt, placeWhy).has_value());
  EXPECT_FALSE(BodyPhenomena(Body::kStar, moment, phenomenaWhy).has_value());
  EXPECT_FALSE(placeWhy.empty());
  EXPECT_FALSE(phenomenaWhy.empty());
}

}  // namespace
}  // namespace orrelin::precise
