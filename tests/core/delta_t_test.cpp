#include "core/delta_t.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

double CenturiesOfYear(double year) { return (year - 2000.0) / 100.0; }

TEST(DeltaT, ValuesAcrossTheCenturies) {
  struct Case {
    std::string name;
    double year;
    double expected;
    double tolerance;
  };
  const double t2201 = CenturiesOfYear(2201.0);
  const double t1610 = CenturiesOfYear(1610.0);
  const double t500 = CenturiesOfYear(500.0);
  const std::vector<Case> cases = {
      {"fixed value of 2000, whatever the fraction", 2000.3, 63.83, 1e-12},
      {"fixed value of 2004", 2004.9, 64.57, 1e-12},
      {"table 1990.0", 1990.0, 56.9, 1e-9},
      {"table 1620.0", 1620.0, 124.0, 1e-9},
      {"table between rows 1621.0", 1621.0, 119.5, 1e-9},
      {"1996.5 along the last step of the table", 1996.5, 62.0, 1e-9},
      {"measured 1998 January 1", 1998.0, 62.97, 1e-9},
      {"measured, interpolated 2010.25", 2010.25, (66.07 + 66.24) / 2, 1e-9},
      {"measured 2017 July 1", 2017.5, 68.82, 1e-9},
      {"measured last row 2022 July 1", 2022.5, 69.25, 1e-9},
      {"after the last row, +0.25 s a year", 2026.5, 70.25, 1e-9},
      {"2200 continues the trend", 2200.0, 69.25 + 0.25 * 177.5, 1e-9},
      {"after 2200 the quadratic", 2201.0, 64.8 + 123.5 * t2201 + 32.5 * t2201 * t2201, 1e-9},
      {"1610 the 948-1620 formula", 1610.0, 50.6 + 67.5 * t1610 + 22.5 * t1610 * t1610, 1e-9},
      {"500 the oldest formula", 500.0, 2715.6 + 573.36 * t500 + 46.5 * t500 * t500, 1e-9},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(DeltaT(CenturiesOfYear(c.year)), c.expected, c.tolerance) << c.name;
  }
}

TEST(DeltaT, Year2026IsNearTheMeasuredValueNotTheOldExtrapolation) {
  const double dt = DeltaT(CenturiesOfYear(2026.0));
  EXPECT_GT(dt, 68.0);
  EXPECT_LT(dt, 71.0);
}

TEST(DeltaT, NoJumpInsideTheMeasuredYears) {
  double previous = DeltaT(CenturiesOfYear(2005.0));
  for (double y = 2005.0; y < 2100.0; y += 0.01) {
    const double dt = DeltaT(CenturiesOfYear(y));
    EXPECT_LT(std::abs(dt - previous), 0.05) << y;
    previous = dt;
  }
}

}  // namespace
}  // namespace orrelin
