// The deviation card: a swing synthesised from known coefficients gives them back; the
// file names a damaged line and keeps the rest; too few headings fit no card.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "app/date_box.h"
#include "navigation/body_place.h"
#include "navigation/deviation_card.h"
#include "navigation/deviation_file.h"

namespace orrelin::navigation {
namespace {

TEST(DeviationCard, ASynthesisedSwingGivesItsCoefficientsBack) {
  const DeviationCoefficients truth{0.8, -3.1, 2.4, 0.9, -0.6};
  const GeoPosition dr{50.1, -4.3};
  const double variation = -2.5;  // 2.5 W
  std::mt19937 random(15);
  std::uniform_real_distribution<double> noise(-0.2, 0.2);
  std::vector<DeviationObservation> swing;
  // 2026-06-21 from 07:00 UT, a heading every 3 minutes round the compass, twice.
  for (int i = 0; i < 32; ++i) {
    DeviationObservation o;
    o.body = "Sun";
    o.julianDayUt = 2461212.5 + 7.0 / 24.0 + i * 3.0 / 1440.0;
    o.heading = std::fmod(i * 22.5, 360.0);
    std::string why;
    const double zn = ComputedPlaceAt("Sun", o.julianDayUt, dr, why)->azimuth;
    // True = compass + variation + deviation.
    o.bearing = std::fmod(zn - variation - DeviationOnHeading(truth, o.heading) - noise(random) + 360.0, 360.0);
    swing.push_back(o);
  }
  std::string why;
  const auto card = MakeDeviationCard(swing, dr, variation, why);
  ASSERT_TRUE(card.has_value()) << why;
  const DeviationCoefficients& k = card->coefficients;
  EXPECT_NEAR(k.a, truth.a, 0.2);
  EXPECT_NEAR(k.b, truth.b, 0.2);
  EXPECT_NEAR(k.c, truth.c, 0.2);
  EXPECT_NEAR(k.d, truth.d, 0.2);
  EXPECT_NEAR(k.e, truth.e, 0.2);
  ASSERT_EQ(card->card.size(), 24u);
  for (const HeadingDeviation& h : card->card) {
    EXPECT_NEAR(h.deviation, DeviationOnHeading(truth, h.heading), 0.3) << h.heading;
  }
  for (const SwingBearing& b : card->bearings) EXPECT_LT(std::fabs(b.residual), 0.5);
}

TEST(DeviationCard, TooFewOrBunchedHeadingsFitNoCard) {
  std::vector<HeadingDeviation> four{{0, 1}, {90, 2}, {180, 1}, {270, 0}};
  EXPECT_FALSE(FitDeviation(four).has_value());
  std::vector<HeadingDeviation> same(10, HeadingDeviation{45.0, 1.0});
  EXPECT_FALSE(FitDeviation(same).has_value());
  std::vector<HeadingDeviation> five{{0, 1}, {72, 2}, {144, 1}, {216, 0}, {288, 3}};
  EXPECT_TRUE(FitDeviation(five).has_value());
}

TEST(DeviationFile, ADamagedLineIsNamedAndTheRestKept) {
  const std::vector<std::string> lines = {
      kDeviationHeader,
      "2026-06-21 07:10:00,0,71.5,Sun",
      "2026-06-21 07:13:00,abc,71.5,Sun",
      "",
      "2026-06-21 07:16:00,45,70.1,sun",
      "2026-06-21 07:19:00,90,400,Sun",
      "2026-06-21 07:22:00,135,68.0,Pluto",
      "2026-06-21 25:22:00,135,68.0,Sun",
      "2026-06-21 07:25:00,180,66.2,Sun\r",
  };
  const DeviationFile file = ReadDeviationFile(lines);
  ASSERT_EQ(file.observations.size(), 3u);
  EXPECT_EQ(file.observations[1].heading, 45.0);
  EXPECT_EQ(file.observations[2].body, "Sun");
  ASSERT_EQ(file.problems.size(), 4u);
  EXPECT_EQ(file.problems[0], "line 3: the heading is degrees by compass, 0 to 360, not abc");
  EXPECT_EQ(file.problems[1].rfind("line 6: the bearing", 0), 0u) << file.problems[1];
  EXPECT_EQ(file.problems[2], "line 7: no body of the almanacs is called Pluto");
  EXPECT_EQ(file.problems[3].rfind("line 8: the time", 0), 0u) << file.problems[3];
  for (const DeviationObservation& o : file.observations) {
    std::string problem;
    const auto again = ReadDeviationLine(DeviationLine(o), problem);
    ASSERT_TRUE(again.has_value()) << problem;
    EXPECT_EQ(DeviationLine(*again), DeviationLine(o));
  }
}

}  // namespace
}  // namespace orrelin::navigation
