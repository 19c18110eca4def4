// A star written down as another of about the same altitude: the robust fix stays on
// the ship and names the line; without a blunder it is the least-squares fix.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/angles.h"
#include "navigation/robust_fix.h"
#include "precise/nautical.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

using testing::SightOf;

constexpr double kSeptember21At20h = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
const GeoPosition kTrue{35.5, -40.25};

double MilesApart(const GeoPosition& a, const GeoPosition& b) {
  const double north = (a.latitude - b.latitude) * 60.0;
  const double east = std::remainder(a.longitude - b.longitude, 360.0) * 60.0 * CosDeg(a.latitude);
  return std::hypot(north, east);
}

double AltitudeOf(const std::string& star) {
  std::string why;
  const auto p = precise::NauticalPlaceOf(*precise::NauticalBodyNamed(star), MomentOfJulianDayUt(kSeptember21At20h),
                                          std::nullopt, why);
  return ComputedAltitude(kTrue, p->gha, p->declination).altitude;
}

TEST(RobustFix, AStarWrittenDownAsAnotherIsNamedAndLeftOut) {
  const std::vector<std::string> stars = {"Vega", "Arcturus", "Altair", "Deneb", "Antares", "Enif", "Alphecca",
                                          "Rasalhague", "Nunki", "Kochab", "Alkaid", "Eltanin", "Fomalhaut"};
  // The misread sight: the star above the horizon whose altitude comes nearest another's
  // (of those not among the good four), written down under that other's name.
  const std::vector<std::string> good = {"Vega", "Arcturus", "Altair", "Antares"};
  std::string seen, written;
  double nearest = 1e9;
  for (const std::string& a : stars) {
    for (const std::string& b : stars) {
      if (a == b || AltitudeOf(a) < 15 || std::count(good.begin(), good.end(), b)) continue;
      const double apart = std::fabs(AltitudeOf(a) - AltitudeOf(b));
      if (apart > 0.2 && apart < nearest) seen = a, written = b, nearest = apart;  // at least 12' apart
    }
  }
  ASSERT_FALSE(seen.empty());
  std::mt19937 random(20261209u);
  std::normal_distribution<double> scatter(0.0, 0.1);  // arc minutes
  struct Case {
    const char* what;
    bool misread;
    std::size_t lines;
  };
  const Case cases[] = {{"five lines, one misread", true, 5}, {"four lines, one misread", true, 4},
                        {"five good lines", false, 5},         {"three lines, one misread", true, 3},
                        {"three good lines", false, 3}};
  for (const Case& c : cases) {
    FixInput in;
    in.assumed = MovedBy(kTrue, 120, 15);
    for (std::size_t i = 0; i + 1 < c.lines; ++i) in.sights.push_back(SightOf(good[i], kSeptember21At20h, kTrue));
    in.sights.push_back(SightOf(c.misread ? seen : "Deneb", kSeptember21At20h, kTrue));
    if (c.misread) in.sights.back().body = written;
    for (Sight& s : in.sights) s.sextantAltitude += scatter(random) / 60.0;
    std::string message;
    const auto checked = FixWithCheck(in, message);
    ASSERT_TRUE(checked.has_value()) << c.what << ": " << message;
    if (c.lines == 3) {
      // Nothing dropped, nothing named: three lines leave one residual pattern, that of
      // the triangle they make, whichever line is wrong, and its largest residual is at
      // most twice each other.
      EXPECT_FALSE(checked->robust.has_value()) << c.what;
      EXPECT_FALSE(checked->outstanding.has_value()) << c.what;
      continue;
    }
    ASSERT_TRUE(checked->robust.has_value()) << c.what;
    const RobustFix& robust = *checked->robust;
    const double off = MilesApart(robust.fix.position, kTrue);
    std::printf("[ figures  ] %s (%s as %s): robust fix %.3f' off, least squares %.3f' off\n", c.what, seen.c_str(),
                written.c_str(), off, MilesApart(checked->plain.position, kTrue));
    if (c.misread) {
      EXPECT_LT(off, 0.5) << c.what;
      EXPECT_EQ(robust.suspects, std::vector<std::size_t>{c.lines - 1}) << c.what;
      EXPECT_EQ(robust.weights.back(), 0.0) << c.what;
      ASSERT_TRUE(robust.withoutSuspects.has_value()) << c.what;
      EXPECT_LT(MilesApart(robust.withoutSuspects->position, kTrue), 0.5) << c.what;
    } else {
      EXPECT_TRUE(robust.suspects.empty()) << c.what;
      EXPECT_LT(MilesApart(robust.fix.position, checked->plain.position), 0.05) << c.what;
    }
  }
}

}  // namespace
}  // namespace orrelin::navigation
