// Sights synthesised from a known position and time must give that position back;
// a sight of the wrong body stands out by its residual; parallel lines fix nothing.
#include <gtest/gtest.h>

#include <cmath>

#include "core/angles.h"
#include "navigation/fix.h"
#include "precise/nautical.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

using testing::SightOf;

constexpr double kSeptember21At20h = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
const GeoPosition kTrue{35.5, -40.25};

double MilesApart(const GeoPosition& a, const GeoPosition& b) {
  const double north = (a.latitude - b.latitude) * 60.0;
  const double east = (a.longitude - b.longitude) * 60.0 * CosDeg(a.latitude);
  return std::hypot(north, east);
}

TEST(Fix, SynthesisedSightsGiveTheKnownPositionBack) {
  const char* bodies[] = {"Vega", "Arcturus", "Altair", "Deneb", "Antares"};
  struct Case {
    std::size_t sights;
    double course, speed;  // knots
  };
  const Case cases[] = {{2, 0, 0}, {3, 0, 0}, {5, 0, 0}, {2, 225, 12}, {3, 225, 12}, {5, 40, 20}};
  for (const Case& c : cases) {
    FixInput in;
    in.course = c.course;
    in.speed = c.speed;
    // Sights every twenty minutes; the fix at the last one; the ship where it then is.
    for (std::size_t i = 0; i < c.sights; ++i) {
      const double jd = kSeptember21At20h + i * 20.0 / 1440.0;
      const double hoursBefore = (c.sights - 1 - i) * 20.0 / 60.0;
      in.sights.push_back(SightOf(bodies[i], jd, MovedBy(kTrue, c.course, -c.speed * hoursBefore)));
    }
    in.assumed = MovedBy(kTrue, 300, 25);  // a dead reckoning 25 miles out
    std::string message;
    const auto fix = FixPosition(in, message);
    ASSERT_TRUE(fix.has_value()) << message;
    EXPECT_LT(MilesApart(fix->position, kTrue), 0.1) << c.sights << " sights, " << c.speed << " kn";
    EXPECT_NEAR(fix->distanceFromAssumed, 25.0, 0.2);
    EXPECT_EQ(fix->ellipse.has_value(), c.sights >= 3);
    for (const FixLine& l : fix->lines) EXPECT_LT(std::fabs(l.residual), 0.1) << l.body;
  }
}

TEST(Fix, ADrAtOrNearAPoleStillFindsTheShip) {
  // The iteration from such a DR runs over the pole: the track comes down the other side.
  const GeoPosition drs[] = {{-90, -180}, {-90, -90}, {90, 180}, {89.99, 0}, {-89.5, 120}, {0, 179.9}};
  FixInput in;
  const char* stars[] = {"Vega", "Arcturus", "Altair"};
  for (int i = 0; i < 3; ++i) in.sights.push_back(SightOf(stars[i], kSeptember21At20h, kTrue));
  for (const GeoPosition& dr : drs) {
    in.assumed = dr;
    std::string message;
    const auto fix = FixPosition(in, message);
    if (!fix) continue;  // refused with a message is sound too; a position must be a true one
    EXPECT_LE(std::fabs(fix->position.latitude), 90.0) << dr.latitude << " " << dr.longitude;
    EXPECT_LE(std::fabs(fix->position.longitude), 180.0) << dr.latitude << " " << dr.longitude;
    EXPECT_LT(MilesApart(fix->position, kTrue), 0.1) << dr.latitude << " " << dr.longitude;
  }
  // Across the date line the fix is as far from the DR as it is, the short way round.
  const GeoPosition nearDateLine{kTrue.latitude, 179.95};
  FixInput east = in;
  for (Sight& s : east.sights) s = SightOf(s.body, kSeptember21At20h, nearDateLine);
  east.assumed = MovedBy(nearDateLine, 90.0, 10.0);  // 10 miles east, over the line
  std::string message;
  const auto across = FixPosition(east, message);
  ASSERT_TRUE(across.has_value()) << message;
  EXPECT_NEAR(across->distanceFromAssumed, 10.0, 0.1);
  EXPECT_NEAR(across->bearingFromAssumed, 270.0, 1.0);
  // Moving over a pole by the table of the sailings: 60 miles north of 89.5 N is 89.5 N
  // on the opposite meridian.
  const GeoPosition over = MovedBy({89.5, 10.0}, 0.0, 60.0);
  EXPECT_NEAR(over.latitude, 89.5, 1e-9);
  EXPECT_NEAR(over.longitude, -170.0, 1e-9);
}

TEST(Fix, EachSightIsReducedFromTheDrRunBackToItsTime) {
  // The manual's running fix: 225 degrees at 12 knots, sights 20 minutes apart.
  FixInput in;
  in.course = 225;
  in.speed = 12;
  const char* stars[] = {"Vega", "Arcturus", "Altair"};
  for (int i = 0; i < 3; ++i) in.sights.push_back(SightOf(stars[i], kSeptember21At20h + i * 20.0 / 1440.0, kTrue));
  in.assumed = {35 + 20.0 / 60, -(40 + 40.0 / 60)};
  std::string message;
  const auto fix = FixPosition(in, message);
  ASSERT_TRUE(fix.has_value()) << message;
  const double milesBack[] = {8, 4, 0};
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(MilesApart(AssumedAtSight(in, in.sights[i]), in.assumed), milesBack[i], 0.01) << stars[i];
    std::string why;
    const auto r = ReduceSightOfFix(in, in.sights[i], why);
    ASSERT_TRUE(r.has_value()) << why;
    EXPECT_NEAR(r->intercept, fix->lines[i].intercept, 1e-9) << stars[i];  // one reduction for both
  }
}

TEST(Fix, TheSunAndTheMoonByTheirLimbsFixTooAndAWrongBodyStandsOut) {
  const double jd = 2461120.5 + 10.0 / 24.0;  // 2026-03-21 10:00 UT: Sun 172, Moon 135, Jupiter 59 degrees
  const GeoPosition where{60.2, 25.0};
  FixInput in;
  in.sights = {SightOf("Sun", jd, where, Limb::kLower), SightOf("Moon", jd, where, Limb::kUpper),
               SightOf("Jupiter", jd, where)};
  in.assumed = {60.0, 24.5};
  std::string message;
  auto fix = FixPosition(in, message);
  ASSERT_TRUE(fix.has_value()) << message;
  EXPECT_LT(MilesApart(fix->position, where), 0.1);
}

TEST(Fix, ASightOfTheWrongBodyStandsOutByItsResidual) {
  FixInput in;
  for (const char* body : {"Vega", "Arcturus", "Altair", "Deneb", "Antares"}) {
    in.sights.push_back(SightOf(body, kSeptember21At20h, kTrue));
  }
  in.sights.push_back(SightOf("Altair", kSeptember21At20h, kTrue));
  in.sights.back().body = "Enif";  // Altair's altitude, written down as Enif's
  in.assumed = kTrue;
  std::string message;
  const auto fix = FixPosition(in, message);
  ASSERT_TRUE(fix.has_value()) << message;
  for (std::size_t i = 0; i + 1 < fix->lines.size(); ++i) {
    EXPECT_LT(std::fabs(fix->lines[i].residual) * 2, std::fabs(fix->lines.back().residual)) << fix->lines[i].body;
  }
}

TEST(Fix, LinesThatHardlyCrossGiveAMessageNotAPosition) {
  FixInput in;
  in.sights = {SightOf("Vega", kSeptember21At20h, kTrue), SightOf("Vega", kSeptember21At20h + 1.0 / 1440, kTrue)};
  in.assumed = kTrue;
  std::string message;
  EXPECT_FALSE(FixPosition(in, message).has_value());
  EXPECT_EQ(message.rfind("The lines of position cross at 0.", 0), 0u) << message;
  in.sights.resize(1);
  EXPECT_FALSE(FixPosition(in, message).has_value());
  EXPECT_EQ(message, "A fix needs two sights or more");
}

TEST(SightReduction, EveryCorrectionIsALine) {
  Sight s;
  s.body = "sun";
  s.limb = Limb::kLower;
  s.julianDayUt = 2461382.5 + (14 + 32.0 / 60 + 10.0 / 3600) / 24;  // 2026-12-08 14:32:10 UT
  s.sextantAltitude = 23 + 41.6 / 60;
  s.indexError = -1.2;  // off the arc: the correction adds 1.2'
  s.heightOfEye = 3;
  std::string why;
  const auto r = ReduceSight(s, {-20.0, -30.0}, why);
  ASSERT_TRUE(r.has_value()) << why;
  const std::vector<std::string> labels = {
      "Sextant altitude Hs:", "Index correction:", "Dip:", "Apparent altitude Ha:", "Refraction:",
      "Semidiameter (lower limb):", "Parallax in altitude:", "Observed altitude Ho:", "GHA:", "Declination:",
      "Assumed position:", "LHA:", "Computed altitude Hc:", "Azimuth Zn:", "Intercept:"};
  EXPECT_EQ(r->lines.labels, labels);
  EXPECT_EQ(r->lines.values[1], "1.2'");
  EXPECT_EQ(r->lines.values[2], "-3.0'");   // 1.76' for each square root of a metre
  EXPECT_EQ(r->lines.values[4], "-2.3'");   // refraction at 23.7 degrees (Bennett: 2.27')
  EXPECT_EQ(r->lines.values[5], "16.2'");
  EXPECT_EQ(r->lines.values[6], "0.1'");
  EXPECT_NEAR(r->observedAltitude - r->apparentAltitude, (-2.3 + 16.2 + 0.1) / 60, 0.15 / 60);
  EXPECT_NEAR(r->intercept, (r->observedAltitude - r->computedAltitude) * 60, 1e-9);
  EXPECT_FALSE(ReduceSight({"Pluto"}, {}, why).has_value());
  EXPECT_EQ(why, "No body of the almanacs is called Pluto");
}

}  // namespace
}  // namespace orrelin::navigation
