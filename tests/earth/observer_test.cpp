#include "earth/observer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "earth/nutation.h"
#include "earth/semidiameters.h"

namespace orrelin {
namespace {

TEST(Observer, HourAngle) {
  EXPECT_NEAR(HourAngle(30.0, 1.0), 345.0, 1e-12);
  EXPECT_NEAR(HourAngle(30.0, 3.0), 15.0, 1e-12);
  EXPECT_NEAR(HourAngle(359.0, 0.0), 1.0, 1e-12);
}

TEST(Observer, HorizontalCoordinatesEastAndWestOfTheMeridian) {
  struct Case {
    double gha, altitude, azimuth, lha;
  };
  const std::vector<Case> cases = {{30.0, 51.7301, 229.3402, 30.0}, {330.0, 51.7301, 130.6598, 330.0}};
  for (const auto& c : cases) {
    const HorizontalResult r = HorizontalCoordinates(50.0, 0.0, 10.0, 1010.0, 20.0, c.gha);
    EXPECT_NEAR(r.altitude, c.altitude, 0.00005) << c.gha;
    EXPECT_NEAR(r.azimuth, c.azimuth, 0.00005) << c.gha;
    EXPECT_NEAR(r.localHourAngle, c.lha, 1e-12) << c.gha;
    EXPECT_NEAR(r.refraction, Refraction(r.altitude, 1010.0, 10.0) / 60.0, 1e-15);
  }
  // West longitude is positive: the local hour angle is GHA - L, brought into 0..360.
  EXPECT_NEAR(HorizontalCoordinates(50.0, 40.0, 10.0, 1010.0, 20.0, 30.0).localHourAngle, 350.0, 1e-12);
  EXPECT_NEAR(HorizontalCoordinates(50.0, -24.95, 10.0, 1010.0, 20.0, 30.0).localHourAngle, 54.95, 1e-12);
}

TEST(Observer, Refraction) {
  EXPECT_NEAR(Refraction(0.0, 1010.0, 10.0), 28.98, 0.005);
  EXPECT_NEAR(Refraction(90.0, 1010.0, 10.0), -0.0019, 0.0001);
  // Cold dense air refracts more.
  EXPECT_NEAR(Refraction(0.0, 1030.0, -20.0), 28.98 * 1030.0 / 1010.0 * 283.0 / 253.0, 0.01);
}

TEST(Observer, PalomarGeocentricPosition) {
  // Meeus ch. 10, example 10.a.
  const GeocentricPosition g = ObserverGeocentric(33.356111, 1706.0);
  EXPECT_NEAR(g.rhoSinPhi, 0.546861, 0.0000005);
  EXPECT_NEAR(g.rhoCosPhi, 0.836339, 0.0000005);
}

TEST(Observer, TopocentricPlaceOfMarsInTheBookExample) {
  // Meeus ch. 39, example 39.a: Mars from Palomar, 2003 August 28, 3h 17m 00s UT.
  // alpha = 339.530208, delta = -15.771083, pi = 23.592'' give
  // alpha' = 22h 38m 08.54s (339.535583), delta' = -15° 46' 30.0'' (-15.775).
  // The book takes the sidereal time as 1h 40m 45s; this chain computes its own.
  const double jd0 = 2452879.5;
  const double ut = 3.0 + 17.0 / 60.0;
  const EquatorialPlace p = TopocentricCorrection({339.530208, -15.771083}, 23.592 / 3600.0,
                                                  116.8625, 33.356111, 1706.0, ut, jd0);
  EXPECT_NEAR(p.rightAscension, 339.535583, 0.00005);
  EXPECT_NEAR(p.declination, -15.775, 0.00005);
}

TEST(Observer, ParallaxDipAndSextant) {
  EXPECT_NEAR(PlanetParallax(1.0), 0.00244278, 1e-8);
  EXPECT_NEAR(DipOfHorizon(2.0), 2.485, 0.0005);
  const SextantCorrection standard = SextantCorrections(2.0, 10.0, 1010.0);
  EXPECT_EQ(standard.refractionFactor, 1.0);  // exactly 1, not 0.28 * 1010 / 283
  EXPECT_NEAR(standard.dip, -2.485 / 60.0, 0.0005 / 60.0);
  EXPECT_NEAR(SextantCorrections(2.0, 10.0, 1000.0).refractionFactor, 0.28 * 1000.0 / 283.0, 1e-15);
  // The navigators' table: about 33.8' at 0 degrees apparent altitude, 5.3' at 10 degrees.
  EXPECT_NEAR(ObservedRefraction(0.0, 1.0) * 60.0, 34.5, 0.5);
  EXPECT_NEAR(ObservedRefraction(10.0, 1.0) * 60.0, 5.4, 0.05);
}

TEST(Semidiameters, LinesOfMoonJupiterAndSaturn) {
  ExplanationLines lines;
  ExplainMoonSemidiameter(368409.685, 0.0, 0.991990, &lines);
  JupiterSemidiameters(4.0, &lines);
  SaturnSemidiameter(9.0, &lines);
  JupiterSemidiameters(0.001, &lines);  // absurdly near: the number is cut to 7 characters
  const std::vector<std::string> labels = {"Semidiameter of Moon:", "Equatorial semidiameter:", "Polar semidiameter:",
                                           "Equatorial semidiameter:", "Equatorial semidiameter:",
                                           "Polar semidiameter:"};
  const std::vector<std::string> values = {"973.00''", "24.60''", "23.00''", "9.20''", "98440.0''", "92060.0''"};
  EXPECT_EQ(lines.labels, labels);
  EXPECT_EQ(lines.values, values);
  // The topocentric Moon is larger high in the sky.
  ExplanationLines high;
  ExplainMoonSemidiameter(368409.685, 90.0, 0.991990, &high);
  EXPECT_EQ(high.values[0], "989.90''");
}

}  // namespace
}  // namespace orrelin
