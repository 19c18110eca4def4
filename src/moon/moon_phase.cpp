#include "moon/moon_phase.h"

#include <cmath>
#include <utility>

#include "core/angles.h"
#include "core/numbers.h"

namespace orrelin {

bool MoonPhaseGeometry(std::string_view percentText, std::string_view elongationText, int width, int height,
                       MoonPhaseDrawing& g) {
  const NumberRead percent = ReadDecimal(percentText);
  const NumberRead elongation = ReadWholeNumber(elongationText);
  if (!percent.ok || !elongation.ok) return false;

  g.disk = {3, 2, width - 3, height - 2};
  const int c = width / 2;
  const int centreY = height / 2;
  const int r = c - 3;
  g.waxing = elongation.value < 181;
  const double k = percent.value / 100.0;
  g.halfWidth = static_cast<int>(Trunc(std::fabs(k - 0.5) * 2 * r));

  // The terminator runs from (c, y1) to (c, y2) counter-clockwise: the left half of
  // its ellipse when y1 is above, the right half when the two are swapped.
  bool swapped = false;
  if (g.waxing) {
    g.fillX = g.disk.left + 2;
    swapped = k < 0.5;
  } else {
    g.fillX = g.disk.right - 2;
    swapped = k > 0.5;
  }
  g.fillY = centreY;
  g.terminatorLeftHalf = !swapped;
  g.straightTerminator = g.halfWidth < 2;
  g.lineX = c;
  g.terminator = {c - g.halfWidth, g.disk.top, c + g.halfWidth, g.disk.bottom};
  g.fill = k < 0.99;
  return true;
}

}  // namespace orrelin
