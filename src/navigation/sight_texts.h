#pragma once
// The texts a sight's reduction and a fix are shown in, the same in the Sights window
// and on the command line.
#include <string>

#include "navigation/fix.h"
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

}  // namespace orrelin::navigation
