// The instants of the almanac's events against the book's examples and published dates.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "almanac/almanac_calendar.h"
#include "almanac/eclipses.h"
#include "almanac/moon_phases.h"
#include "almanac/phenomena.h"
#include "almanac/seasons.h"

namespace orrelin {
namespace {

// The calendar date and hour (TD) of a JDE.
struct When {
  int year, month, day;
  double hour;
};
When WhenOf(double jde) {
  const CalendarInstant c = CalendarFromJulianDay(jde);
  return {c.year, c.month, static_cast<int>(c.day), (c.day - std::floor(c.day)) * 24};
}

TEST(AlmanacEvents, SeasonsAndPhasesOfTheBook) {
  EXPECT_NEAR(MoonPhaseInstant(-283, kNewMoon), 2443192.65118, 2e-5);  // 1977 February 18, example 47.a
  EXPECT_NEAR(SeasonInstant(1962, kJuneSolstice), 2437837.39245, 1e-5);  // example 26.a
  const When equinox = WhenOf(SeasonInstant(2000, kMarchEquinox));
  EXPECT_EQ(equinox.month, 3);
  EXPECT_EQ(equinox.day, 20);
  EXPECT_NEAR(equinox.hour, 7 + 36 / 60.0, 1 / 60.0);
  EXPECT_EQ(JulianDayOfJanuary0(2000), 2451543.5);
}

TEST(AlmanacEvents, EclipsesOf2000) {
  struct Expected {
    int month, day, type;
    double magnitude;  // < 0: not checked
  };
  const std::vector<Expected> solar = {{2, 5, kPartialSolar, 0.580}, {7, 1, kPartialSolar, -1},
                                       {7, 31, kPartialSolar, -1},   {12, 25, kPartialSolar, -1}};
  double p = 2451543.5;  // 1999 December 31
  for (const auto& e : solar) {
    const Eclipse found = NextSolarEclipse(p);
    const When w = WhenOf(found.jde);
    EXPECT_EQ(w.month * 100 + w.day, e.month * 100 + e.day);
    EXPECT_EQ(found.type, e.type);
    if (e.magnitude >= 0) {
      EXPECT_NEAR(found.magnitude, e.magnitude, 0.0005);
    }
    EXPECT_GT(NextSolarEclipse(found.jde).jde, found.jde + 20);  // never the same one again
    p = found.jde;
  }
  p = 2451543.5;
  for (const auto& [month, day] : std::vector<std::pair<int, int>>{{1, 21}, {7, 16}}) {
    const Eclipse found = NextLunarEclipse(p);
    const When w = WhenOf(found.jde);
    EXPECT_EQ(w.month * 100 + w.day, month * 100 + day);
    EXPECT_EQ(found.type, kTotalLunar);
    p = found.jde;
  }
  // From 2000 December 31 the first full moon of 2001 is eclipsed: January 9, not February.
  const When january = WhenOf(NextLunarEclipse(2451909.5).jde);
  EXPECT_EQ(january.year * 10000 + january.month * 100 + january.day, 20010109);
  // 2014 April 29 was a non-central annular eclipse.
  const Eclipse annular = NextSolarEclipse(2456760.5);
  const When april = WhenOf(annular.jde);
  EXPECT_EQ(april.month * 100 + april.day, 429);
  EXPECT_EQ(annular.type, kNonCentralAnnularSolar);
}

TEST(AlmanacEvents, NoEclipseFarFromANode) {
  for (double k = -500; k < 500; k += 1) {
    const EclipseCore c = EclipseQuantities(k);
    const double f = 93.2720993 + 483202.0175273 * ((MeanPhaseInstant(k) - 2451545) / 36525);
    if (std::fabs(std::sin(std::fmod(f, 360.0) * 3.14159265358979 / 180)) >= 0.36) {
      EXPECT_EQ(c.gamma, 2.0) << k;
    }
  }
}

TEST(AlmanacEvents, PlanetaryPhenomena) {
  struct Case {
    const char* name;
    int planet, phenomenon, year, month, day;
    double hour;  // < 0: not checked
  };
  const std::vector<Case> cases = {
      {"Mars opposition", kPhMars, 0, 2003, 8, 28, 16}, {"Jupiter opposition", kPhJupiter, 0, 2000, 11, 28, -1},
      {"Uranus opposition", kPhUranus, 0, 2020, 10, 31, -1}, {"Neptune opposition", kPhNeptune, 0, 2010, 8, 20, -1},
      {"Venus inferior conjunction", kPhVenus, 0, 2004, 6, 8, -1},
      {"Venus inferior conjunction", kPhVenus, 0, 2012, 6, 6, -1},
  };
  for (const auto& c : cases) {
    bool found = false;
    const long long k0 = PhenomenonCycle(c.year, c.planet, c.phenomenon);
    for (long long k = k0 - 1; k <= k0 + 2; ++k) {
      const When w = WhenOf(PlanetPhenomenonInstant(c.planet, c.phenomenon, k));
      if (w.year != c.year || w.month != c.month || w.day != c.day) continue;
      found = true;
      if (c.hour >= 0) {
        EXPECT_NEAR(w.hour, c.hour, 0.5) << c.name;
      }
    }
    EXPECT_TRUE(found) << c.name << " " << c.year;
  }
  struct ElongationCase {
    int side, month, day;
    double angle;
  };
  for (const auto& c : std::vector<ElongationCase>{{0, 3, 29, 46.0}, {1, 8, 17, 45.8}}) {
    bool found = false;
    const long long k0 = PhenomenonCycle(2004, kPhVenus, 0);
    for (long long k = k0 - 1; k <= k0 + 1; ++k) {
      const Elongation e = GreatestElongation(kPhVenus, c.side, k);
      const When w = WhenOf(e.jde);
      if (w.year != 2004 || w.month != c.month || w.day != c.day) continue;
      found = true;
      EXPECT_NEAR(e.angle, c.angle, 0.05);
    }
    EXPECT_TRUE(found) << c.side;
  }
}

TEST(AlmanacEvents, EasterAcrossTheCenturies) {
  struct Case {
    int year, month, day;
  };
  for (const auto& c : std::vector<Case>{{1583, 4, 10}, {2000, 4, 23}, {2285, 3, 22}, {2038, 4, 25}, {1818, 3, 22}}) {
    const MonthDay e = EasterSunday(c.year);
    EXPECT_EQ(e.month * 100 + e.day, c.month * 100 + c.day) << c.year;
  }
}

TEST(AlmanacEvents, TimeTextsAreRoundedThenCut) {
  struct Case {
    int kind;
    double fraction;
    std::string text;
  };
  const std::vector<Case> cases = {
      {kEaster, 0.3, std::string(21, ' ')},
      {kPhenomenon, 0.5 - 0.5 / 24.0, "12h               "},       // 11.5 h + 0.5: 12
      {kProximity, 0.25, "06h               "},
      {kMoonEvent, 0.5 + 29.6 / 1440.0, "12h 30m       "},         // 29.6 min + 0.5 min, cut
      {kMoonEvent, 0.5 + 29.4 / 1440.0, "12h 29m       "},
      {kSeasonEvent, 0.5 + 59.6 / 86400.0, "12h 01m 00s"},          // 59.6 s + 0.5 s
      {kSeasonEvent, 1.0 - 0.3 / 86400.0, "24h 00m 00s"},           // half a second before midnight
  };
  for (const auto& c : cases) EXPECT_EQ(EventTimeText(c.kind, c.fraction), c.text) << c.kind << " " << c.fraction;
}

}  // namespace
}  // namespace orrelin
