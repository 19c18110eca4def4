// The twilight at a ship at rest and under way, every body of the plan, the preset
// sextant altitude run forward through the sight's reduction, and the recommendation
// checked against a search of every triad.
#include "navigation/twilight_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>

#include "navigation/body_place.h"
#include "navigation/preset_altitude.h"
#include "precise/nautical.h"

namespace orrelin::navigation {
namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kNone = -1.0;

// The navigational stars and their magnitudes, as the shipped catalogue is made from them.
std::vector<CatalogueStar> NavigationalStars() {
  std::ifstream file(ORRELIN_NAVIGATIONAL_STARS);
  std::string line;
  std::getline(file, line);  // the header
  std::vector<CatalogueStar> stars;
  while (std::getline(file, line)) {
    std::vector<std::string> fields;
    std::stringstream row(line);
    for (std::string field; std::getline(row, field, ',');) fields.push_back(field);
    if (fields.size() == 7) stars.push_back({fields[0], std::stod(fields[6])});
  }
  return stars;
}

TEST(TwilightPlan, TwilightsAtAFixedDrAgreeWithAnIndependentComputation) {
  // Sunrise or sunset, civil and nautical twilight (the Sun's centre at -0° 50', -6°,
  // -12°, no refraction) from another ephemeris program, searched from the local
  // midnight that begins the date; kNone where the Sun does not reach the altitude.
  struct Case {
    double date, latitude, longitude;
    Twilight twilight;
    double horizon, civil, nautical;
  };
  const Twilight kMorning = Twilight::kMorning, kEvening = Twilight::kEvening;
  const Case cases[] = {
      {2461384.5, 59.8333, 24.8333, kEvening, 2461385.0533190, 2461385.0922407, 2461385.1310106},
      {2461384.5, 59.8333, 24.8333, kMorning, 2461384.7984572, 2461384.7595289, 2461384.7207489},
      {2461212.5, -60.0000, -45.0000, kMorning, 2461213.0040247, 2461212.9638722, 2461212.9243695},
      {2461484.5, -35.0000, 151.2000, kEvening, 2461484.8384721, 2461484.8559969, 2461484.8764642},
      {2461284.5, 0.0000, -140.0000, kMorning, 2461285.1365326, 2461285.1220379, 2461285.1052010},
      {2461785.5, 20.5000, -70.2000, kEvening, 2461786.4311610, 2461786.4476093, 2461786.4664653},
      {2461135.5, 45.0000, 10.0000, kMorning, 2461135.7038662, 2461135.6831274, 2461135.6583539},
      {2461708.5, 65.0000, -20.0000, kEvening, 2461709.2119745, 2461709.2498395, 2461709.2904353},
      {2461085.5, -45.0000, 170.0000, kEvening, 2461085.8280496, 2461085.8499612, 2461085.8768317},
      {2461347.5, 65.0000, 179.0000, kMorning, 2461347.3315381, 2461347.2925166, 2461347.2512740},
      {2461212.5, 65.0000, 25.0000, kEvening, 2461213.3909082, kNone, kNone},
      {2461395.5, 75.0000, 15.0000, kMorning, kNone, kNone, 2461395.8401027},
      {2461185.5, 60.0000, -5.0000, kMorning, 2461185.6397056, 2461185.5884154, kNone},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto t = TwilightTimesAt({{c.latitude, c.longitude}, c.date, 0, 0}, c.date, c.twilight, why);
    ASSERT_TRUE(t.has_value()) << why;
    const std::string where = std::to_string(c.latitude) + " " + std::to_string(c.date);
    std::size_t missing = 0;
    const std::pair<std::optional<double>, double> moments[] = {
        {t->horizon, c.horizon}, {t->civil, c.civil}, {t->nautical, c.nautical}};
    for (const auto& [computed, expected] : moments) {
      if (expected == kNone) {
        EXPECT_FALSE(computed.has_value()) << where;
        ++missing;
      } else {
        ASSERT_TRUE(computed.has_value()) << where;
        EXPECT_NEAR(*computed, expected, 30.0 * kSecond) << where;
      }
    }
    // Each missing moment is said, and no window is made up.
    EXPECT_EQ(t->messages.size(), missing) << where;
    EXPECT_EQ(SightWindowMiddle(*t).has_value(), c.civil != kNone && c.nautical != kNone) << where;
  }
  std::string why;
  const auto polarNight = TwilightTimesAt({{75, 15}, 2461395.5, 0, 0}, 2461395.5, Twilight::kMorning, why);
  EXPECT_EQ(polarNight->messages.front(), "No sunrise this morning: the Sun stays below the horizon all day");
  const auto whiteNight = TwilightTimesAt({{65, 25}, 2461212.5, 0, 0}, 2461212.5, Twilight::kEvening, why);
  EXPECT_EQ(whiteNight->messages.back(),
            "No nautical twilight this evening: the Sun stays less than 12° below the horizon all night");
}

// The moment the Sun's Hc at the moving ship crosses the level, by stepping 10 s along
// the track within two hours of a guess.
double BruteForceCrossing(const ShipTrack& track, double guess, double level) {
  std::string why;
  auto above = [&](double jd) {
    return ComputedPlaceAt("Sun", jd, ShipPositionAt(track, jd), why)->altitude - level;
  };
  double t = guess - 2.0 / 24.0, before = above(t);
  for (; t < guess + 2.0 / 24.0; t += 10.0 * kSecond) {
    const double now = above(t + 10.0 * kSecond);
    if ((before < 0) != (now < 0)) return t + 10.0 * kSecond * before / (before - now);
    before = now;
  }
  return kNone;
}

TEST(TwilightPlan, UnderWayTheTwilightsAreThoseOfABruteForceSearchAlongTheTrack) {
  std::mt19937 random(20261210);
  std::uniform_real_distribution<double> latitude(-60.0, 60.0), longitude(-180.0, 180.0), course(0.0, 360.0);
  std::uniform_int_distribution<int> day(0, 3650);
  for (int i = 0; i < 12; ++i) {
    const double date = 2461041.5 + day(random);
    const Twilight twilight = i % 2 ? Twilight::kMorning : Twilight::kEvening;
    const ShipTrack track{{latitude(random), longitude(random)}, date + 0.5, course(random), 20.0};
    std::string why;
    const auto t = TwilightTimesAt(track, date, twilight, why);
    ASSERT_TRUE(t.has_value()) << why;
    const std::pair<std::optional<double>, double> moments[] = {
        {t->horizon, kSunriseAltitude}, {t->civil, kCivilTwilightAltitude}, {t->nautical, kNauticalTwilightAltitude}};
    for (const auto& [computed, level] : moments) {
      ASSERT_TRUE(computed.has_value()) << i;
      EXPECT_NEAR(*computed, BruteForceCrossing(track, *computed, level), 30.0 * kSecond) << i << " " << level;
    }
  }
}

TEST(TwilightPlan, PresetSextantAltitudeReducesToAnInterceptOfNought) {
  std::mt19937 random(20261211);
  std::uniform_real_distribution<double> latitude(-65.0, 65.0), longitude(-180.0, 180.0), moment(2461041.5, 2464694.5);
  const std::pair<const char*, Limb> bodies[] = {
      {"Sirius", Limb::kCentre}, {"Polaris", Limb::kCentre}, {"Venus", Limb::kCentre}, {"Jupiter", Limb::kCentre},
      {"Sun", Limb::kLower},     {"Sun", Limb::kUpper},      {"Moon", Limb::kLower},   {"Moon", Limb::kUpper}};
  int reduced = 0;
  for (int i = 0; i < 400; ++i) {
    const auto& [name, limb] = bodies[i % std::size(bodies)];
    const GeoPosition at{latitude(random), longitude(random)};
    Sight sight;
    sight.body = name;
    sight.limb = limb;
    sight.julianDayUt = moment(random);
    sight.heightOfEye = (i / 8) % 4 * 10.0;  // 0, 10, 20 and 30 m
    sight.indexError = -1.2;
    sight.pressure = 990.0 + i % 40;
    sight.temperature = -10.0 + i % 35;
    std::string why;
    const auto body = SightBodyNamed(name);
    const auto place = precise::NauticalPlaceOf(*body, MomentOfJulianDayUt(sight.julianDayUt), std::nullopt, why);
    ASSERT_TRUE(place.has_value()) << why;
    const ComputedPlace c = ComputedAltitude(at, place->gha, place->declination);
    if (c.altitude <= 0.0) continue;
    sight.sextantAltitude = PresetSextantAltitude(sight, *body, *place, at.latitude, c.altitude);
    const auto r = ReduceSight(sight, at, why);
    ASSERT_TRUE(r.has_value()) << why;
    EXPECT_LE(std::fabs(r->intercept), 0.05) << name << " Hc " << c.altitude << " height " << sight.heightOfEye;
    ++reduced;
  }
  EXPECT_GT(reduced, 150);
}

// Every triad of the bodies in the band, searched for the rule's: the largest smallest
// difference of azimuth, the brightest within 1° of it.
struct BestTriad {
  double spread = -1.0, magnitudes = 0.0;
};
BestTriad BruteForceTriad(const std::vector<PlanBody>& bodies, const AltitudeBand& band) {
  std::vector<PlannedBody> in;
  for (const PlanBody& b : bodies) {
    if (b.body.hc >= band.lowest && b.body.hc <= band.highest) in.push_back(b.body);
  }
  double widest = -1.0;
  std::vector<std::pair<double, double>> triads;  // spread, sum of magnitudes
  for (std::size_t i = 0; i < in.size(); ++i)
    for (std::size_t j = i + 1; j < in.size(); ++j)
      for (std::size_t k = j + 1; k < in.size(); ++k) {
        const double spread = std::min({AzimuthDifference(in[i].zn, in[j].zn), AzimuthDifference(in[i].zn, in[k].zn),
                                        AzimuthDifference(in[j].zn, in[k].zn)});
        triads.push_back({spread, in[i].magnitude + in[j].magnitude + in[k].magnitude});
        widest = std::max(widest, spread);
      }
  BestTriad best;
  for (const auto& [spread, magnitudes] : triads) {
    if (spread >= widest - kTriadTolerance && (best.spread < 0 || magnitudes < best.magnitudes)) best = {spread, magnitudes};
  }
  return best;
}

TEST(TwilightPlan, NothingIsHiddenAndTheTriadIsTheRules) {
  const std::vector<CatalogueStar> stars = NavigationalStars();
  ASSERT_EQ(stars.size(), 58u);
  std::mt19937 random(20261212);
  std::uniform_real_distribution<double> latitude(-60.0, 65.0), longitude(-180.0, 180.0);
  std::uniform_int_distribution<int> day(0, 3650);
  int planned = 0;
  for (int i = 0; i < 40; ++i) {
    PlanInput in;
    in.dayJulianDayUt = 2461041.5 + day(random);
    in.track = {{latitude(random), longitude(random)}, in.dayJulianDayUt, 0, 0};
    in.twilight = i % 2 ? Twilight::kMorning : Twilight::kEvening;
    in.stars = stars;
    in.sextant.heightOfEye = 3.0;
    std::string why;
    const auto plan = PlanTwilight(in, why);
    ASSERT_TRUE(plan.has_value()) << why;
    if (!plan->plannedJulianDayUt) continue;
    ++planned;
    const std::string where = std::to_string(i);
    // Every star above the horizon within the limit is listed, with the Hc and Zn of the
    // sight's own computation.
    for (const CatalogueStar& star : stars) {
      const auto c = ComputedPlaceAt(star.name, *plan->plannedJulianDayUt, plan->position, why);
      ASSERT_TRUE(c.has_value()) << why;
      const auto listed = std::find_if(plan->bodies.begin(), plan->bodies.end(),
                                       [&](const PlanBody& b) { return b.body.name == star.name; });
      EXPECT_EQ(listed != plan->bodies.end(), c->altitude > 0 && star.magnitude <= in.magnitudeLimit)
          << where << " " << star.name;
      if (listed == plan->bodies.end()) continue;
      EXPECT_EQ(listed->body.hc, c->altitude) << star.name;
      EXPECT_EQ(listed->body.zn, c->azimuth) << star.name;
    }
    // The triad, its brightness among the equally good ones, and the marks.
    const BestTriad best = BruteForceTriad(plan->bodies, in.band);
    const auto& triad = plan->recommendation.triad;
    EXPECT_EQ(triad.empty(), best.spread < 0) << where;
    if (!triad.empty()) {
      ASSERT_EQ(triad.size(), 3u);
      double magnitudes = 0.0;
      for (std::size_t k : triad) magnitudes += plan->bodies[k].body.magnitude;
      EXPECT_NEAR(magnitudes, best.magnitudes, 1e-9) << where;
      EXPECT_GE(plan->recommendation.triadSpread, best.spread - kTriadTolerance) << where;
    }
    const auto marked = std::count_if(plan->bodies.begin(), plan->bodies.end(),
                                      [](const PlanBody& b) { return b.recommended; });
    EXPECT_EQ(static_cast<std::size_t>(marked), triad.size()) << where;
    EXPECT_TRUE(std::is_sorted(plan->bodies.begin(), plan->bodies.end(),
                               [](const PlanBody& a, const PlanBody& b) { return a.body.zn < b.body.zn; }));
  }
  EXPECT_GT(planned, 30);
}

TEST(TwilightPlan, TheSightWindowsMiddleAtTheShipsPositionThen) {
  PlanInput in;
  in.dayJulianDayUt = 2461384.5;
  in.track = {{59.8333, 24.8333}, 2461385.0, 225.0, 12.0};
  in.twilight = Twilight::kEvening;
  in.stars = NavigationalStars();
  std::string why;
  const auto plan = PlanTwilight(in, why);
  ASSERT_TRUE(plan.has_value()) << why;
  ASSERT_TRUE(plan->plannedJulianDayUt.has_value());
  EXPECT_DOUBLE_EQ(*plan->plannedJulianDayUt, (*plan->times.civil + *plan->times.nautical) / 2.0);
  const GeoPosition then = ShipPositionAt(in.track, *plan->plannedJulianDayUt);
  EXPECT_EQ(plan->position.latitude, then.latitude);
  EXPECT_EQ(plan->position.longitude, then.longitude);
  // A moment given is planned as given.
  in.plannedJulianDayUt = 2461385.1;
  EXPECT_EQ(*PlanTwilight(in, why)->plannedJulianDayUt, 2461385.1);
}

}  // namespace
}  // namespace orrelin::navigation
