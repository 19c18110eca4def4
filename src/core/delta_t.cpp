#include "core/delta_t.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/angles.h"

namespace orrelin {

namespace {

// Every kept value of Delta T, compiled in from data/delta-t.csv: the book's table for
// the even years 1620, 1622, ..., 1996 (Meeus, Astronomical Algorithms) and
// the measured values at 0h UTC of January 1 and July 1 from 1973 (IERS).
struct DeltaTRow {
  int year;
  int month;
  int day;
  double seconds;
  char source[12];  // "book" or "measured": held in the row, no pointer to relocate at start
};
constexpr DeltaTRow kRows[] = {
#include "delta_t_rows.inc"
};

constexpr bool IsFrom(const DeltaTRow& row, std::string_view source) { return source == row.source; }

template <std::size_t N>
constexpr std::array<DeltaTRow, N> RowsFrom(std::string_view source) {
  std::array<DeltaTRow, N> rows{};
  std::size_t n = 0;
  for (const DeltaTRow& row : kRows) {
    if (IsFrom(row, source)) rows[n++] = row;
  }
  return rows;
}

constexpr std::size_t CountFrom(std::string_view source) {
  std::size_t n = 0;
  for (const DeltaTRow& row : kRows) n += IsFrom(row, source) ? 1 : 0;
  return n;
}

// The book's table in tenths of a second, as the book prints it (the interpolation below
// works in tenths).
constexpr auto kEvenYearTable = [] {
  constexpr auto rows = RowsFrom<CountFrom("book")>("book");
  std::array<int, rows.size()> tenths{};
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double t = rows[i].seconds * 10.0;
    tenths[i] = static_cast<int>(t < 0 ? t - 0.5 : t + 0.5);
  }
  return tenths;
}();

constexpr bool BookRowsAreTheEvenYearsFrom1620() {
  const auto rows = RowsFrom<CountFrom("book")>("book");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (rows[i].year != 1620 + 2 * static_cast<int>(i) || rows[i].month != 1 || rows[i].day != 1) return false;
  }
  return true;
}
static_assert(kEvenYearTable.size() == 189 && BookRowsAreTheEvenYearsFrom1620(),
              "data/delta-t.csv: the book's rows are the even years 1620 to 1996");

constexpr auto kMeasured = RowsFrom<CountFrom("measured")>("measured");
constexpr std::size_t kMeasuredCount = kMeasured.size();
static_assert(kMeasuredCount >= 2, "data/delta-t.csv: measured rows");

constexpr double kTrendAfterMeasured = 0.25;  // seconds per year beyond the last measurement

// The sources meet without a jump: over the years before each meeting point the older
// source hands over to the newer one linearly, so that no two moments a day apart
// differ by more than a small fraction of a second.
constexpr double kBookFormulasMeet = 948.0;
constexpr double kTableStarts = 1620.0;
constexpr double kHandOverYears = 20.0;  // before 948 and before 1620
constexpr double kTrendHandsOverFrom = 2100.0;
constexpr double kQuadraticFrom = 2200.0;

constexpr double MeasuredYear(const DeltaTRow& row) { return row.year + (row.month - 1) / 12.0; }
constexpr double CenturiesOfYear(double y) { return (y - 2000.0) / 100.0; }

constexpr double kFirstMeasuredYear = MeasuredYear(kMeasured[0]);

double FromEvenYearTable(double y) {
  std::int64_t i = Trunc((y - 1620.0) / 2.0);
  constexpr auto kLastStart = static_cast<std::int64_t>(kEvenYearTable.size()) - 2;
  if (i > kLastStart) i = kLastStart;
  const double f = y / 2.0 - static_cast<double>(i) - 810.0;
  const auto at = static_cast<std::size_t>(i);
  return (kEvenYearTable[at] + (kEvenYearTable[at + 1] - kEvenYearTable[at]) * f) / 10.0;
}

// The measurements, linear between rows; past the last one its value with a trend.
double FromMeasurements(double y) {
  const DeltaTRow& last = kMeasured[kMeasuredCount - 1];
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
