#pragma once
// The plotting sheet of a fix as drawing items, north up, in millimetres of a square
// sheet: the assumed position, each line of position with its azimuth arrow and label,
// the fix and its error ellipse, a scale of nautical miles and the north arrow. The
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

struct SheetItem {
  enum class Kind { kLine, kArrow, kDot, kCircle, kEllipse, kText } kind = Kind::kLine;
  SheetPoint from, to;          // lines and arrows (the arrow's head at `to`); dots, circles, ellipses, texts: `from`
  double radius = 0.0;          // dots and circles; ellipses: the semi-major axis
  double minorRadius = 0.0;     // ellipses
  double angle = 0.0;           // ellipses: the major axis, degrees clockwise from north
  double width = 0.3;           // millimetres
  bool dashed = false;
  std::string text;             // texts, drawn with their left end and baseline at `from`
  double textSize = 3.0;        // millimetres
  enum class Tone { kInk, kLine, kFix, kFaint } tone = Tone::kInk;
};

struct PlottingSheet {
  double milesPerMillimetre = 0.0;
  std::vector<SheetItem> items;
};

// The sheet of a fix from its assumed position: the scale chosen so that the assumed
// position, the fix and the lines' intercepts fit with a margin.
PlottingSheet DrawPlottingSheet(const Fix& fix, const GeoPosition& assumed);

}  // namespace orrelin::navigation
