#pragma once
// A fix that one wrong line does not drag: with four lines or more, the lines are
// weighted by Tukey's biweight of their residuals (iteratively reweighted least
// squares, the scale from the residuals' median absolute deviation), started from the
// fix without the line that fits worst; a line whose residual stays beyond the cut is
// suspect, and the fix is given without it. With three lines nothing can be dropped:
// the largest residual is named when it is over three times each of the others. (The
// three residuals of a least-squares fix stand in the ratio of the sines of the angles
// between the other two lines, whichever line is wrong, so the largest is at most the
// sum of the others: it takes weighted or carried lines for one to stand out so far.)
#include <optional>
#include <string>
#include <vector>

#include "navigation/fix.h"

namespace orrelin::navigation {

// The biweight's cut, in scales (95 % efficiency for normal errors), and the least
// scale: good sights agree within a few tenths of a mile, however well a set fits.
inline constexpr double kBiweightCut = 4.685;
inline constexpr double kLeastResidualScale = 0.2;  // nautical miles

struct RobustFix {
  Fix fix;                           // each line weighted
  std::vector<double> weights;       // each line's weight, 0 to 1 (0: beyond the cut)
  std::vector<std::size_t> suspects; // the lines beyond the cut, in the order of the sights
  double scale = 0.0;                // nautical miles: the residuals' robust standard deviation
  std::optional<Fix> withoutSuspects;  // the least-squares fix of the other lines
};

struct CheckedFix {
  Fix plain;                                 // the least-squares fix of every line
  std::optional<RobustFix> robust;           // four lines or more
  std::optional<std::size_t> outstanding;    // three lines: the one far off the others
};

// The plain fix and its check; none, with the message, when there is no plain fix.
std::optional<CheckedFix> FixWithCheck(const FixInput& input, std::string& message);

}  // namespace orrelin::navigation
