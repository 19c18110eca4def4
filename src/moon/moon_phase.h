#pragma once
// The geometry of the Moon's phase picture: a white disk, the terminator as half
// an ellipse (or a straight line near half phase), and the dark part to flood.
#include <string_view>

namespace orrelin {

struct PhaseBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct MoonPhaseDrawing {
  PhaseBox disk;               // the ellipse of the disk
  bool straightTerminator = false;
  int lineX = 0;               // the straight terminator x = c, from top to bottom
  PhaseBox terminator;         // the box of the terminator ellipse (c - d .. c + d)
  bool terminatorLeftHalf = true;  // which half of that ellipse is drawn
  bool fill = false;           // flood the dark part
  int fillX = 0, fillY = 0;    // a point inside the dark part
  int halfWidth = 0;           // d
  bool waxing = true;
};

// From the percentage text ("42.5") and the elongation text ("87") for a box of
// width x height pixels; false when either text does not read.
bool MoonPhaseGeometry(std::string_view percentText, std::string_view elongationText, int width, int height,
                       MoonPhaseDrawing& drawing);

}  // namespace orrelin
