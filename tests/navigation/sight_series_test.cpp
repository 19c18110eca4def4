// Series of sights synthesised from a known track with the sextant's scatter and one
// misread sight: the misread one is flagged, the representative sight lands on the
// line, and a series across the meridian finds the maximum.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "navigation/sight_series.h"
#include "precise/nautical.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

using testing::SightOf;

constexpr double kDecember10At12h = 2461384.5 + 12.0 / 24.0;  // 2026-12-10 12:00 UT, mid-morning at the ship
const GeoPosition kShip{35.5, -40.25};                      // at the last sight

double AzimuthOf(const std::string& body, double jd, const GeoPosition& at) {
  std::string why;
  const auto place = precise::NauticalPlaceOf(*precise::NauticalBodyNamed(body), MomentOfJulianDayUt(jd), std::nullopt, why);
  return ComputedAltitude(at, place->gha, place->declination).azimuth;
}

TEST(SightSeries, AMisreadSightIsFlaggedAndTheRepresentativeSightLandsOnTheLine) {
  struct Case {
    const char* what;
    double speed, courseFromAzimuth;  // knots; degrees from the body's azimuth
    int trials;
  };
  const Case cases[] = {{"hove to", 0, 0, 1000}, {"20 kn toward", 20, 0, 1000}, {"20 kn away", 20, 180, 1000}};
  std::mt19937 random(20261210u);
  std::normal_distribution<double> scatter(0.0, 0.3);  // arc minutes
  std::uniform_real_distribution<double> blunder(2.0, 5.0), start(0.0, 120.0);
  std::uniform_int_distribution<int> which(0, 4), sign(0, 1);
  for (const Case& c : cases) {
    int blundersFlagged = 0, goodFlagged = 0;
    double representativeSquares = 0.0, bias = 0.0;
    for (int trial = 0; trial < c.trials; ++trial) {
      // Five Sun sights a minute apart, at a different hour of the morning each time.
      const double last = kDecember10At12h + start(random) / 1440.0 + 4.0 / 1440.0;
      FixInput in;
      in.assumed = kShip;
      in.speed = c.speed;
      in.course = std::fmod(AzimuthOf("Sun", last, kShip) + c.courseFromAzimuth, 360.0);
      const int wrong = which(random);
      std::vector<double> trueHs;
      for (int i = 0; i < 5; ++i) {
        const double jd = last - (4 - i) / 1440.0;
        Sight s = SightOf("Sun", jd, MovedBy(kShip, in.course, -c.speed * (4 - i) / 60.0), Limb::kLower);
        trueHs.push_back(s.sextantAltitude);
        s.sextantAltitude += scatter(random) / 60.0;
        if (i == wrong) s.sextantAltitude += (sign(random) ? 1 : -1) * blunder(random) / 60.0;
        in.sights.push_back(s);
      }
      std::string message;
      const auto series = FitSeries(in, message);
      ASSERT_TRUE(series.has_value()) << message;
      for (int i = 0; i < 5; ++i) (i == wrong ? blundersFlagged : goodFlagged) += series->flagged[i] ? 1 : 0;
      const double error = (series->representativeHs - trueHs[series->representative]) * 60.0;
      representativeSquares += error * error;
      bias += series->intercept;
    }
    const double flaggedShare = static_cast<double>(blundersFlagged) / c.trials;
    const double goodShare = static_cast<double>(goodFlagged) / (4.0 * c.trials);
    const double rms = std::sqrt(representativeSquares / c.trials);
    EXPECT_GE(flaggedShare, 0.95) << c.what;
    EXPECT_LE(goodShare, 0.05) << c.what;
    // Four good sights fix the line to sigma / 2 = 0.15' rms, whatever the fit: the
    // representative sight can do no better; 1,000 series measure that to within three
    // standard errors (sigma / 2 * 3 / sqrt(2000)).
    EXPECT_LE(rms, 0.15 * (1.0 + 3.0 / std::sqrt(2.0 * c.trials))) << c.what;
    EXPECT_LT(std::fabs(bias / c.trials), 0.05) << c.what;
    std::printf("[ figures  ] %s: misread flagged %.1f %%, good flagged %.2f %%, representative %.3f' rms, bias %.3f'\n",
                c.what, 100 * flaggedShare, 100 * goodShare, rms, bias / c.trials);
  }
}

TEST(SightSeries, FifteenSunSightsAcrossTheMeridianGiveTheMaximum) {
  // The true maximum at the ship, to the second.
  std::string why;
  const auto sun = precise::NauticalBodyNamed("Sun");
  auto altitude = [&](double jd) {
    const auto p = precise::NauticalPlaceOf(*sun, MomentOfJulianDayUt(jd), std::nullopt, why);
    return ComputedAltitude(kShip, p->gha, p->declination).altitude;
  };
  const double noon = kDecember10At12h + 2.5 / 24.0;  // near the ship's noon
  double best = noon - 1.0 / 24.0, highest = altitude(best);
  for (double jd = best; jd < noon + 1.0 / 24.0; jd += 1.0 / 86400.0) {
    const double h = altitude(jd);
    if (h > highest) best = jd, highest = h;
  }
  std::mt19937 random(20261211u);
  std::normal_distribution<double> scatter(0.0, 0.3);
  FixInput in;
  in.assumed = kShip;
  for (int i = 0; i < 15; ++i) {
    // Every two minutes from 13 minutes before the maximum: not centred on it.
    Sight s = SightOf("Sun", best + (-13.0 + 2.0 * i) / 1440.0, kShip, Limb::kLower);
    s.sextantAltitude += scatter(random) / 60.0;
    in.sights.push_back(s);
  }
  const auto series = FitSeries(in, why);
  ASSERT_TRUE(series.has_value()) << why;
  ASSERT_TRUE(series->meridian.has_value());
  const double seconds = (series->meridian->julianDayUt - best) * 86400.0;
  const double minutes = (series->meridian->altitude - highest) * 60.0;
  EXPECT_LT(std::fabs(seconds), 30.0);
  EXPECT_LT(std::fabs(minutes), 0.2);
  std::printf("[ figures  ] meridian: maximum %.1f s and %.3f' off\n", seconds, minutes);
  // A morning series has no maximum.
  in.sights.resize(5);
  for (Sight& s : in.sights) s.julianDayUt -= 2.0 / 24.0;
  EXPECT_FALSE(FitSeries(in, why)->meridian.has_value());
}

TEST(SightSeries, TheSeriesOfAListAreEachBodysSightsMinutesApart) {
  const GeoPosition at = kShip;
  auto sight = [&](const char* body, double minutes) { return SightOf(body, kDecember10At12h + minutes / 1440.0, at); };
  const std::vector<Sight> sights = {sight("Sun", 0),  sight("Moon", 1), sight("sun", 3),   sight("Sun", 2),
                                     sight("Moon", 2), sight("Sun", 40), sight("Sun", 54), sight("Sun", 70),
                                     sight("Sun", 84)};
  // The Moon has two sights only; the Sun's at 40 and 54 minutes are two, and so are
  // those at 70 and 84 (16 minutes after the one before).
  const std::vector<std::vector<std::size_t>> expected = {{0, 3, 2}};
  EXPECT_EQ(SeriesAmong(sights), expected);
  std::string message;
  FixInput two;
  two.sights = {sights[1], sights[4]};
  EXPECT_FALSE(FitSeries(two, message).has_value());
  EXPECT_EQ(message, "A series needs three sights or more");
}

}  // namespace
}  // namespace orrelin::navigation
