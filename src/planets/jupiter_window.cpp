#include "planets/jupiter_window.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace orrelin {

namespace {

// The whole number nearest to x, ties to the even one.
int Nearest(double x) { return static_cast<int>(std::nearbyint(x)); }

}  // namespace

CompassLetters SatelliteCompass(bool inverted) {
  if (inverted) return {'S', 'N', 'W', 'E'};
  return {'N', 'S', 'E', 'W'};
}

std::string SatelliteCoordinateText(double value) { return FixedText(value, 2).substr(0, 6); }

JupiterPicture DrawJupiterSatellites(const SatellitePositions& positions, bool inverted, int pictureWidth) {
  JupiterPicture p;
  p.lines = {"If the value of X-coordinate is >25", "the satellite is described as if",
             "the value would be 25, because otherwise", "the satellite would not fit in the picture.",
             "1 = Io", "2 = Europa", "3 = Ganymedes", "4 = Callisto"};
  const int h = pictureWidth / 100;
  p.scale = h;
  p.compass = SatelliteCompass(inverted);
  p.disk = {52 * h, 30 * h, 62 * h, 40 * h};
  for (std::size_t n = 0; n < 4; ++n) {
    p.xTexts[n] = SatelliteCoordinateText(positions.x[n]);
    p.yTexts[n] = SatelliteCoordinateText(positions.y[n]);
    const double drawnX = std::clamp(positions.x[n], -kLargestDrawnX, kLargestDrawnX);
    // The direct view mirrors both through the disk's centre; a negated zero still
    // counts as x >= 0.
    const double x = inverted ? drawnX : -drawnX;
    const double y = inverted ? positions.y[n] : -positions.y[n];
    const double columnOffset = x >= 0 ? -5.0 * h : 5.0 * h;
    const double rowOffset = y >= 0 ? 5.0 * h : -5.0 * h;
    p.px[n] = Nearest(57.0 * h - 2.0 * x * h + columnOffset);
    p.py[n] = Nearest(35.0 * h + 2.0 * y * h + rowOffset);
  }
  return p;
}

}  // namespace orrelin
