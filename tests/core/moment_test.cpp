#include "core/moment.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/body.h"
#include "core/delta_t.h"

namespace orrelin {
namespace {

// The moment's arguments are the very doubles the book's date functions give: a type
// change must not move a printed digit.
TEST(Moment, ArgumentsAreTheBooksToTheLastBit) {
  struct Case {
    TCalendarDate date;
    double hours;
    bool bc;
  };
  // TCalendarDate is day, month, year.
  const std::vector<Case> cases = {{{21, 3, 2026, ""}, 12.5, false},  {{12, 4, 1992, ""}, 0.0, false},
                                   {{4, 10, 1582, ""}, 23.999, false}, {{15, 3, 44, ""}, 11.25, true},
                                   {{31, 12, 2399, ""}, 17.0 + 1.0 / 3.0, false}};
  for (const Case& c : cases) {
    const Moment m = MomentOfDate(c.date, c.hours, c.bc);
    const JulianDayResult day = JulianDay(c.date, c.hours, c.bc);
    const JulianDayEpochs epochs = JulianDayTwoEpochs(c.date, c.hours, c.bc);
    EXPECT_EQ(JulianDayAtZero(m), day.jd);
    EXPECT_EQ(CenturiesFromJ2000Ut(m), day.t);
    EXPECT_EQ(CenturiesFrom1900Ut(m), epochs.t1900);
    EXPECT_EQ(m.deltaT, DeltaT(day.t));
    EXPECT_EQ(CenturiesFromJ2000Tt(m), day.t + m.deltaT / 86400.0 / 36525.0);
    EXPECT_NEAR(JulianDayTt(m) - JulianDayUt(m), m.deltaT / 86400.0, 1e-9);
    EXPECT_EQ(WithDeltaT(m, 100000.0).deltaT, 100000.0);
  }
  const Moment one = MomentOfJulianDayUt(2461000.25);
  EXPECT_EQ(JulianDayUt(one), 2461000.25);
  EXPECT_EQ(one.deltaT, DeltaT((2461000.25 - 2451545.0) / 36525.0));
}

TEST(Body, CodesAndNamesReadBack) {
  for (int i = 0; i <= static_cast<int>(Body::kStar); ++i) {
    const Body body = static_cast<Body>(i);
    EXPECT_EQ(BodyOfCode(BodyCode(body)), body);
    EXPECT_EQ(BodyNamed(BodyName(body)), body);
  }
  EXPECT_EQ(BodyNamed("jUpItEr"), Body::kJupiter);
  EXPECT_FALSE(BodyOfCode("Sun").has_value());  // codes are stored in upper case
  EXPECT_FALSE(BodyNamed("Pluto").has_value());
  EXPECT_TRUE(IsPlanet(Body::kMercury) && IsPlanet(Body::kNeptune));
  EXPECT_FALSE(IsPlanet(Body::kMoon) || IsPlanet(Body::kStar));
}

}  // namespace
}  // namespace orrelin
