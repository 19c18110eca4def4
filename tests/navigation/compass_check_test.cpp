// The compass error and deviation named as a navigator names them, by azimuth and by
// amplitude in every quadrant, and the variation as typed.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "core/angles.h"
#include "navigation/compass_check.h"
#include "navigation/sight_reduction.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

TEST(Compass, ErrorAndDeviationAreNamedCompassLeastErrorEast) {
  struct Case {
    double trueBearing, compass;
    std::optional<double> variation;
    double error;
    std::optional<double> deviation;
  };
  const Case cases[] = {
      {120.0, 118.0, std::nullopt, 2.0, std::nullopt},  // compass least: east
      {120.0, 122.0, std::nullopt, -2.0, std::nullopt}, // compass best: west
      {1.0, 359.0, std::nullopt, 2.0, std::nullopt},    // across north
      {359.0, 1.5, std::nullopt, -2.5, std::nullopt},
      {120.0, 118.0, 4.5, 2.0, -2.5},                   // error 2 E, variation 4.5 E: deviation 2.5 W
      {120.0, 114.0, -3.0, 6.0, 9.0},                   // variation 3 W
  };
  for (const Case& c : cases) {
    const ErrorAndDeviation e = ErrorsOfBearing(c.trueBearing, c.compass, c.variation, std::nullopt, nullptr);
    EXPECT_NEAR(e.error, c.error, 1e-12) << c.trueBearing << " " << c.compass;
    ASSERT_EQ(e.deviation.has_value(), c.deviation.has_value());
    if (c.deviation) {
      EXPECT_NEAR(*e.deviation, *c.deviation, 1e-12);
    }
  }
}

TEST(Compass, VariationReadsAsTyped) {
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"4.5 E", 4.5}, {"3 W", -3.0}, {"3W", -3.0}, {"12.25e", 12.25}, {"0", 0.0}, {"-2", -2.0},
      {"", std::nullopt}, {"x", std::nullopt}, {"4.5 N", std::nullopt}, {"190 E", std::nullopt},
      {"-3 W", std::nullopt}, {"4,5 E", std::nullopt}, {"4 5 E", std::nullopt}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadVariation(text), value) << text;
}

TEST(Compass, AzimuthIsTheSightsOwnZn) {
  const GeoPosition dr{35.5, -40.25};
  for (const char* body : {"Sun", "Moon", "Venus", "Vega"}) {
    const double jd = 2461304.5 + 14.0 / 24.0;
    Sight sight = testing::SightOf(body, jd, dr, std::string(body) == "Sun" || std::string(body) == "Moon"
                                                      ? Limb::kLower
                                                      : Limb::kCentre);
    std::string why;
    const auto reduced = ReduceSight(sight, dr, why);
    ASSERT_TRUE(reduced.has_value()) << why;
    const auto check = CheckByAzimuth({body, jd, dr, 100.0, std::nullopt, std::nullopt}, why);
    ASSERT_TRUE(check.has_value()) << why;
    EXPECT_EQ(check->azimuth, reduced->azimuth) << body;
    EXPECT_NEAR(check->errors.error, std::remainder(reduced->azimuth - 100.0, 360.0), 1e-12) << body;
  }
}

TEST(Compass, AmplitudeInEveryQuadrantRisingAndSettingNamesTheErrorRight) {
  const double june = 2461212.5, december = 2461395.5;  // the Sun 23.4° N, then S
  const GeoPosition quadrants[] = {{40.0, -70.0}, {40.0, 120.0}, {-35.0, 20.0}, {-35.0, -150.0}};
  int n = 0;
  for (const GeoPosition& dr : quadrants) {
    for (HorizonCrossing crossing : {HorizonCrossing::kRising, HorizonCrossing::kSetting}) {
      for (double date : {june, december}) {
        AmplitudeCheckInput in;
        in.body = "Sun";
        in.dayJulianDayUt = date;
        in.dr = dr;
        in.crossing = crossing;
        in.heightOfEye = 10.0;
        // Half the cases with the compass reading low (error east), half high.
        const double error = (n++ % 2 == 0) ? 2.5 : -1.5;
        std::string why;
        const auto first = CheckByAmplitude(in, why);
        ASSERT_TRUE(first.has_value()) << why;
        in.bearing = NormalizeAngle(first->visibleAzimuth - error);
        const auto check = CheckByAmplitude(in, why);
        ASSERT_TRUE(check.has_value() && check->errors.has_value()) << why;
        const std::string where = std::to_string(dr.latitude) + " " + std::to_string(dr.longitude) + " " +
                                  std::to_string(date) + (crossing == HorizonCrossing::kRising ? " rising" : " setting");
        EXPECT_NEAR(check->errors->error, error, 1e-9) << where;
        const double expected = ArcSinDeg(SinDeg(check->declination) / CosDeg(dr.latitude));
        EXPECT_NEAR(check->amplitude, expected, 0.05) << where;
        const std::string text = AmplitudeText(check->amplitude, crossing);
        EXPECT_EQ(text.front(), crossing == HorizonCrossing::kRising ? 'E' : 'W') << where;
        EXPECT_EQ(text.back(), date == june ? 'N' : 'S') << where;
        // On the visible horizon the Sun's centre is some 0.7° below the celestial one:
        // the amplitude differs by a fraction of a degree, more in high latitudes.
        EXPECT_GT(std::fabs(check->visibleCorrection), 0.05) << where;
        EXPECT_LT(std::fabs(check->visibleCorrection), 1.0) << where;
      }
    }
  }
}

TEST(Compass, ABodyThatDoesNotRiseIsSaid) {
  AmplitudeCheckInput in;
  in.body = "Sun";
  in.dayJulianDayUt = 2461395.5;  // December: polar night
  in.dr = {80.0, 0.0};
  std::string why;
  EXPECT_FALSE(CheckByAmplitude(in, why).has_value());
  EXPECT_NE(why.find("does not rise"), std::string::npos) << why;
}

}  // namespace
}  // namespace orrelin::navigation
