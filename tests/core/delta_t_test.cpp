#include "core/delta_t.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/numbers.h"

namespace orrelin {
namespace {

double CenturiesOfYear(double year) { return (year - 2000.0) / 100.0; }
double Quadratic2200(double t) { return 64.8 + 123.5 * t + 32.5 * t * t; }
double Quadratic948To1620(double t) { return 50.6 + 67.5 * t + 22.5 * t * t; }
double QuadraticBefore948(double t) { return 2715.6 + 573.36 * t + 46.5 * t * t; }

TEST(DeltaT, ValuesAcrossTheCenturies) {
  struct Case {
    std::string name;
    double year;
    double expected;
  };
  const double t1610 = CenturiesOfYear(1610.0);
  const double t1620 = CenturiesOfYear(1620.0);
  const double trend2150 = 69.25 + 0.25 * (2150.0 - 2022.5);
  const std::vector<Case> cases = {
      {"table 1620.0", 1620.0, 124.0},
      {"table between rows 1621.0", 1621.0, 119.5},
      {"table 1900.0", 1900.0, -2.7},
      {"measured, interpolated 2010.25", 2010.25, (66.07 + 66.24) / 2},
      {"measured, no fixed steps 2000.5", 2000.5, 63.98},
      {"after the last row, +0.25 s a year", 2026.5, 70.25},
      {"2100 still the trend", 2100.0, 69.25 + 0.25 * 77.5},
      {"2150 halfway from the trend to the quadratic", 2150.0,
       (trend2150 + Quadratic2200(CenturiesOfYear(2150.0))) / 2},
      {"2200 the quadratic", 2200.0, Quadratic2200(2.0)},
      {"2500 the quadratic", 2500.0, 1494.8},
      {"1610 the 948-1620 formula, half its step to the table added",
       1610.0, Quadratic948To1620(t1610) + (124.0 - Quadratic948To1620(t1620)) / 2},
      {"1200 the 948-1620 formula", 1200.0, Quadratic948To1620(CenturiesOfYear(1200.0))},
      {"500 the oldest formula", 500.0, QuadraticBefore948(CenturiesOfYear(500.0))},
      {"-4000 the oldest formula", -4000.0, QuadraticBefore948(CenturiesOfYear(-4000.0))},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(DeltaT(CenturiesOfYear(c.year)), c.expected, 1e-9) << c.name;
  }
}

TEST(DeltaT, EveryMeasuredValueAsMeasured) {
  std::ifstream in(ORRELIN_MEASURED_DELTA_T);
  ASSERT_TRUE(in);
  std::string line;
  std::getline(in, line);  // the header
  int rows = 0;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string year, month, day, seconds;
    std::getline(fields, year, ',');
    std::getline(fields, month, ',');
    std::getline(fields, day, ',');
    std::getline(fields, seconds, ',');
    const double y = std::stoi(year) + (std::stoi(month) - 1) / 12.0;
    EXPECT_NEAR(DeltaT(CenturiesOfYear(y)), ReadDecimal(seconds).value, 1e-9) << line;
    ++rows;
  }
  EXPECT_EQ(rows, 100);
}

TEST(DeltaT, NoTwoMomentsADayApartDifferByASecond) {
  const double day = 1.0 / 36525.0;
  double worst = 0.0, worstYear = 0.0;
  double previous = DeltaT(CenturiesOfYear(-4000.0));
  for (double t = CenturiesOfYear(-4000.0) + day; t <= CenturiesOfYear(8000.0); t += day) {
    const double dt = DeltaT(t);
    if (std::fabs(dt - previous) > worst) {
      worst = std::fabs(dt - previous);
      worstYear = 2000.0 + 100.0 * t;
    }
    previous = dt;
  }
  EXPECT_LT(worst, 1.0) << "near the year " << worstYear;
}

}  // namespace
}  // namespace orrelin
