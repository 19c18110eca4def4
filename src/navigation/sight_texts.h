#pragma once
// The texts a sight's reduction and a fix are shown in, the same in the Sights window
// and on the command line.
#include <string>

#include "navigation/fix.h"
#include "navigation/robust_fix.h"
#include "navigation/sight_series.h"
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

// The body, limb and time of the sight, then each step of the reduction on its line:
//   Sun lower limb, 2026-12-08 14:32:10 UT
//
//   Sextant altitude Hs:        23° 41.6'
std::string SightText(const Sight& sight, const SightReduction& reduction);

// The fix, its distance and bearing from the assumed position, the error ellipse, and a
// table of the lines: body, Zn, intercept (T toward, A away), run and residual.
std::string FixText(const Fix& fix, const GeoPosition& assumed);

// What the check of the fix found, after the fix's text: with four lines or more the
// robust fix, and each suspect line with its weight and the fix without it; with three,
// the line far off the others. Empty when there is nothing to say (two lines).
//   Robust fix           35 30.0 N, 40 15.0 W
//   Suspect line         Kochab, weight 0.00, residual 16.48 nm
//   Fix without it       35 30.0 N, 40 15.0 W
std::string FixCheckText(const CheckedFix& checked);

// A series of one body: its sights' span, the intercept and spread, the sights off the
// line and the representative sight, each by its line in the sights file (or by the
// word given, as "sight 3" of a table).
//   Sun, 5 sights, 2026-12-10 12:00:00 to 12:04:00 UT
//   Intercept            0.32' toward
std::string SeriesText(const std::vector<Sight>& sights, const std::vector<int>& lineNumbers,
                       const SightSeries& series, const std::string& numbered = "line");

}  // namespace orrelin::navigation
