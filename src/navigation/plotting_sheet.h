#pragma once
// The plotting sheet of a fix as drawing items, north up, in millimetres of a square
// sheet: a latitude and longitude grid in a frame with minute ticks, the assumed
// position, each line of position (across the frame, through the fix) with its azimuth
// arrow and label, the fix and its error ellipse, a scale of nautical miles and the
// north arrow; no label on a line or on another label. The
// window draws them with its painter, the command line into a PNG file; both draw the
// same sheet.
#include <string>
#include <vector>

#include "navigation/fix.h"

namespace orrelin::navigation {

inline constexpr double kSheetSize = 180.0;  // millimetres, square

struct SheetPoint {
  double x = 0.0, y = 0.0;  // millimetres from the sheet's top-left, y down
};

struct SheetBox {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;  // millimetres
};

// The plotting area inside the frame; the margins hold the grid's labels, the scale
// and the north arrow.
inline constexpr SheetBox kSheetFrame{20.0, 10.0, 172.0, 160.0};

struct SheetItem {
  enum class Kind { kLine, kArrow, kDot, kCircle, kEllipse, kText } kind = Kind::kLine;
  SheetPoint from, to;          // lines and arrows (the arrow's head at `to`); dots, circles, ellipses, texts: `from`
  double radius = 0.0;          // dots and circles; ellipses: the semi-major axis
  double minorRadius = 0.0;     // ellipses
  double angle = 0.0;           // ellipses: the major axis, degrees clockwise from north
  double width = 0.3;           // millimetres
  bool dashed = false;
  std::string text;             // texts, drawn with their left end and baseline at `from`
  double textSize = 3.0;        // millimetres: the font's size
  double textWidth = 0.0;       // millimetres the text may take: a wider font is drawn smaller
  enum class Tone { kInk, kLine, kFix, kFaint } tone = Tone::kInk;
  enum class Role { kOther, kLineOfPosition, kGrid } role = Role::kOther;
};

// The box a text takes on the sheet, painted white under it (the grid does not show
// through a label).
SheetBox TextBox(const SheetItem& text);

struct PlottingSheet {
  double milesPerMillimetre = 0.0;
  std::vector<SheetItem> items;
};

// The sheet of a fix from its assumed position: the scale chosen so that the assumed
// position, the fix and the lines' intercepts fit with a margin.
PlottingSheet DrawPlottingSheet(const Fix& fix, const GeoPosition& assumed);

}  // namespace orrelin::navigation
