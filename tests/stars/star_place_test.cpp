#include "stars/star_place.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

double Hours(double h, double m, double s) { return h + m / 60.0 + s / 3600.0; }

TEST(StarPlace, BookExampleThetaPersei) {
  // Meeus ch. 22, example 22.a (1991 edition 22.a, 1998 23.a): theta Persei on
  // 2028 November 13.19 TD is at alpha 2h 46m 14.39s, delta +49 21' 07.5'' with the
  // full nutation; the short nutation lands within a few arc seconds.
  StarValues star{"theta Persei", Hours(2, 44, 11.986), 49 + 13 / 60.0 + 42.48 / 3600.0, 0.03425, -0.0895};
  const double t = (2462088.69 - 2451545.0) / 36525.0;
  const EquatorialPlace p = StarApparentPlace(star, t, nullptr);
  EXPECT_NEAR(p.rightAscension, 15 * Hours(2, 46, 14.39), 3.0 / 3600.0);
  EXPECT_NEAR(p.declination, 49 + 21 / 60.0 + 7.5 / 3600.0, 3.0 / 3600.0);
}

TEST(StarPlace, AtJ2000OnlyNutationAndAberrationMoveTheStar) {
  const StarValues star{"x", 6.0, 20.0, 0.0, 0.0};
  const EquatorialPlace p = StarApparentPlace(star, 0.0, nullptr);
  const StarCorrection c = StarNutationAberration(20.0, 90.0, 0.0, nullptr);
  EXPECT_NEAR(p.rightAscension, 90.0 + c.rightAscension / 3600.0, 1e-9);
  EXPECT_NEAR(p.declination, 20.0 + c.declination / 3600.0, 1e-9);
  EXPECT_LT(std::abs(c.rightAscension), 60.0);
}

TEST(StarPlace, QuadrantsAndTheWrapAtZeroHours) {
  struct Case {
    std::string name;
    StarValues star;
    double t;
    double min, max;
  };
  const std::vector<Case> cases = {
      {"12h: the quadrant correction", {"a", 12.0, 10.0, 0, 0}, 0.26, 180.0, 180.5},
      {"18h", {"b", 18.0, -30.0, 0, 0}, 0.26, 270.0, 270.5},
      {"just east of 0h before 2000", {"c", Hours(0, 0, 10), 5.0, 0, 0}, -0.5, 359.0, 360.0},
  };
  for (const auto& c : cases) {
    const EquatorialPlace p = StarApparentPlace(c.star, c.t, nullptr);
    EXPECT_GE(p.rightAscension, c.min) << c.name;
    EXPECT_LT(p.rightAscension, c.max) << c.name;
  }
}

TEST(StarPlace, CatalogueTextsAsNumbers) {
  const auto s = ReadStarValues("Sirius and a very long name", "6:45:", "-16:42:58", "-0.0380", "");
  ASSERT_TRUE(s);
  EXPECT_EQ(s->name, "Sirius and a ve");
  EXPECT_NEAR(s->rightAscension, 6.75, 1e-12);
  EXPECT_NEAR(s->declination, -16.716111, 1e-6);
  EXPECT_NEAR(s->properMotionRa, -0.038, 1e-12);
  EXPECT_EQ(s->properMotionDec, 0.0);  // an empty proper motion is none
  struct Case {
    std::string ra, dec, pmRa, pmDec;
    bool reads;
    double declination;
  };
  const std::vector<Case> cases = {
      {"1:00:00", "-0:30:00", "", "", true, -0.5},  {"1:00:00", "0:30:00", "", "", true, 0.5},
      {"1:00:00", "+1:30:00", "", "", true, 1.5},   {"23:59:59.9", "90:00:00", "", "", true, 90},
      // What no star can have, or what does not read, is refused rather than taken as 0.
      {"abc", "10:00:00", "", "", false, 0},        {"1:00:00", "north", "", "", false, 0},
      {"99:99:99", "10:00:00", "", "", false, 0},   {"24:00:00", "10:00:00", "", "", false, 0},
      {"1:00:00", "-91:61:61", "", "", false, 0},   {"1:00:00", "90:00:01", "", "", false, 0},
      {"", "10:00:00", "", "", false, 0},           {"1:00:00", "", "", "", false, 0},
      {"1e308", "10:00:00", "", "", false, 0},      {"1:00:00", "1e308", "", "", false, 0},
      {"1:00:00:00", "10:00:00", "", "", false, 0}, {"1:00:00", "10:00:00", "x", "", false, 0},
      {"1:00:00", "10:00:00", "", "1e300", false, 0},
  };
  for (const auto& c : cases) {
    const auto v = ReadStarValues("x", c.ra, c.dec, c.pmRa, c.pmDec);
    EXPECT_EQ(v.has_value(), c.reads) << c.ra << " " << c.dec << " " << c.pmRa << " " << c.pmDec;
    if (v && c.reads) {
      EXPECT_NEAR(v->declination, c.declination, 1e-12) << c.dec;
    }
  }
}

TEST(StarPlace, ExplanationLinesInTheirOrder) {
  ExplanationLines lines;
  StarApparentPlace({"Sirius", Hours(6, 45, 8.92), -16.716111, -0.038, -1.223}, 0.26, &lines);
  const std::vector<std::string> labels = {
      "Mean Right Ascension:", "Mean Declination:", "Nutation in longitude:", "Nutation in obliquity:",
      "True longitude of sun:", "Eccentricity of Earths orbit:", "Nutation to RAs:", "Nutation to Dec:",
      "Aberration to RAs:", "Aberration to Dec:", "Apparent Right Ascension:", "", "Apparent Declination:"};
  EXPECT_EQ(lines.labels, labels);
  EXPECT_EQ(lines.values[0], "6 h 45 m 08 s");
  EXPECT_EQ(lines.values[5], "0.01670");
}

}  // namespace
}  // namespace orrelin
