#include "core/delta_t.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/angles.h"

namespace orrelin {

namespace {

// Delta T in tenths of a second for the even years 1620, 1622, ..., 1996.
constexpr std::array<int, 189> kEvenYearTable{
    1240, 1150, 1060, 980, 910, 850, 790, 740, 700, 650,  // 1620
    620, 580, 550, 530, 500, 480, 460, 440, 420, 400,  // 1640
    370, 350, 330, 310, 280, 260, 240, 220, 200, 180,  // 1660
    160, 140, 130, 120, 110, 100, 90, 90, 90, 90,  // 1680
    90, 90, 90, 90, 100, 100, 100, 100, 100, 110,  // 1700
    110, 110, 110, 110, 110, 110, 110, 120, 120, 120,  // 1720
    120, 120, 130, 130, 130, 130, 140, 140, 140, 150,  // 1740
    150, 150, 150, 160, 160, 160, 160, 160, 170, 170,  // 1760
    170, 170, 170, 170, 170, 170, 160, 160, 150, 140,  // 1780
    137, 131, 127, 125, 125, 125, 125, 125, 125, 123,  // 1800
    120, 114, 106, 96, 86, 75, 66, 60, 57, 56,  // 1820
    57, 59, 62, 65, 68, 71, 73, 75, 77, 78,  // 1840
    79, 75, 64, 54, 29, 16, -10, -27, -36, -47,  // 1860
    -54, -52, -55, -56, -58, -59, -62, -64, -61, -47,  // 1880
    -27, 0, 26, 54, 77, 105, 134, 160, 182, 202,  // 1900
    212, 224, 235, 239, 243, 240, 239, 239, 237, 240,  // 1920
    243, 253, 262, 273, 282, 291, 300, 307, 314, 322,  // 1940
    331, 340, 350, 365, 383, 402, 422, 445, 465, 485,  // 1960
    505, 522, 538, 549, 558, 569, 583, 600, 616,  // 1980
};

// Measured Delta T at 0h UTC of January 1 and July 1 (IERS), compiled in from data/delta-t.csv.
struct MeasuredDeltaT {
  int year;
  int month;
  int day;
  double seconds;
};
constexpr MeasuredDeltaT kMeasured[] = {
#include "delta_t_measured.inc"
};
constexpr std::size_t kMeasuredCount = sizeof(kMeasured) / sizeof(kMeasured[0]);

constexpr double kTrendAfterMeasured = 0.25;  // seconds per year beyond the last measurement

// The sources meet without a jump: over the years before each meeting point the older
// source hands over to the newer one linearly, so that no two moments a day apart
// differ by more than a small fraction of a second.
constexpr double kBookFormulasMeet = 948.0;
constexpr double kTableStarts = 1620.0;
constexpr double kHandOverYears = 20.0;  // before 948 and before 1620
constexpr double kTrendHandsOverFrom = 2100.0;
constexpr double kQuadraticFrom = 2200.0;

constexpr double MeasuredYear(const MeasuredDeltaT& row) { return row.year + (row.month - 1) / 12.0; }
constexpr double CenturiesOfYear(double y) { return (y - 2000.0) / 100.0; }

constexpr double kFirstMeasuredYear = MeasuredYear(kMeasured[0]);

double FromEvenYearTable(double y) {
  std::int64_t i = Trunc((y - 1620.0) / 2.0);
  if (i > 187) i = 187;
  const double f = y / 2.0 - static_cast<double>(i) - 810.0;
  const auto at = static_cast<std::size_t>(i);
  return (kEvenYearTable[at] + (kEvenYearTable[at + 1] - kEvenYearTable[at]) * f) / 10.0;
}

// The measurements, linear between rows; past the last one its value with a trend.
double FromMeasurements(double y) {
  const MeasuredDeltaT& last = kMeasured[kMeasuredCount - 1];
  if (y >= MeasuredYear(last)) return last.seconds + kTrendAfterMeasured * (y - MeasuredYear(last));
  for (std::size_t k = 1; k < kMeasuredCount; ++k) {
    const double y1 = MeasuredYear(kMeasured[k]);
    if (y <= y1) {
      const double y0 = MeasuredYear(kMeasured[k - 1]);
      const double s0 = kMeasured[k - 1].seconds;
      return s0 + (kMeasured[k].seconds - s0) * (y - y0) / (y1 - y0);
    }
  }
  return last.seconds;
}

double Quadratic2200(double t) { return 64.8 + 123.5 * t + 32.5 * t * t; }
double Quadratic948To1620(double t) { return 50.6 + 67.5 * t + 22.5 * t * t; }
double QuadraticBefore948(double t) { return 2715.6 + 573.36 * t + 46.5 * t * t; }

// `older` at `from`, `newer` at `to`, linear in between.
double HandOver(double y, double from, double to, double older, double newer) {
  const double w = (y - from) / (to - from);
  return older + (newer - older) * w;
}

}  // namespace

double DeltaT(double t) {
  const double y = 100.0 * t + 2000.0;
  if (y >= kQuadraticFrom) return Quadratic2200(t);
  if (y >= kTrendHandsOverFrom) {
    return HandOver(y, kTrendHandsOverFrom, kQuadraticFrom, FromMeasurements(y), Quadratic2200(t));
  }
  if (y >= kFirstMeasuredYear) return FromMeasurements(y);
  if (y >= kFirstMeasuredYear - 1.0) {
    return HandOver(y, kFirstMeasuredYear - 1.0, kFirstMeasuredYear, FromEvenYearTable(y), FromMeasurements(y));
  }
  if (y >= kTableStarts) return FromEvenYearTable(y);
  const double tableStart = kEvenYearTable[0] / 10.0;
  if (y >= kTableStarts - kHandOverYears) {
    return HandOver(y, kTableStarts - kHandOverYears, kTableStarts, Quadratic948To1620(t),
                    tableStart + Quadratic948To1620(t) - Quadratic948To1620(CenturiesOfYear(kTableStarts)));
  }
  if (y >= kBookFormulasMeet) return Quadratic948To1620(t);
  if (y >= kBookFormulasMeet - kHandOverYears) {
    return HandOver(y, kBookFormulasMeet - kHandOverYears, kBookFormulasMeet, QuadraticBefore948(t),
                    Quadratic948To1620(t));
  }
  return QuadraticBefore948(t);
}

}  // namespace orrelin
