#pragma once
// The plotting sheet's drawing items, in millimetres of a square sheet, and how every
// painter draws them (the window's, the printer's, the command line's files). Header
// only: the drawing module that writes PNG and PDF files needs nothing else.
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

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

// A colour of its own, for an item none of the tones below suits.
struct SheetColour {
  int red = 0, green = 0, blue = 0;  // 0..255
};

struct SheetItem {
  // A box: a rectangle filled, without an outline, between the corners `from` and `to`.
  enum class Kind { kLine, kArrow, kDot, kCircle, kEllipse, kText, kBox } kind = Kind::kLine;
  SheetPoint from, to;          // lines and arrows (the arrow's head at `to`); dots, circles, ellipses, texts: `from`
  double radius = 0.0;          // dots and circles; ellipses: the semi-major axis
  double minorRadius = 0.0;     // ellipses
  double angle = 0.0;           // ellipses: the major axis, degrees clockwise from north
  double width = 0.3;           // millimetres
  bool dashed = false;
  std::string text;             // texts, drawn with their left end and baseline at `from`
  double textSize = 3.0;        // millimetres: the font's size
  double textWidth = 0.0;       // millimetres the text may take: a wider font is drawn smaller
  enum class Tone { kInk, kLine, kFix, kFaint, kSuspect, kRobustFix } tone = Tone::kInk;
  enum class Role { kOther, kLineOfPosition, kGrid } role = Role::kOther;
  bool ownColour = false;       // drawn in `colour` rather than its tone's
  SheetColour colour;
};

// The box a text takes on the sheet, painted white under it (the grid does not show
// through a label).
inline SheetBox TextBox(const SheetItem& t) {
  return {t.from.x, t.from.y - 0.8 * t.textSize, t.from.x + t.textWidth, t.from.y + 0.25 * t.textSize};
}

// How every painter draws the items (the window's, the printer's, the command line's
// files): the tones' colours, the paper, the font, the dashes and the arrows' heads.
// Ink black, the lines of position blue, the fix red, the grid and the intercepts grey;
// a suspect line orange, the fix without it green.
inline SheetColour ToneColour(SheetItem::Tone tone) {
  switch (tone) {
    case SheetItem::Tone::kInk: return {0, 0, 0};
    case SheetItem::Tone::kLine: return {0, 64, 166};
    case SheetItem::Tone::kFix: return {204, 0, 0};
    case SheetItem::Tone::kFaint: return {115, 115, 115};
    case SheetItem::Tone::kSuspect: return {230, 110, 0};
    case SheetItem::Tone::kRobustFix: return {0, 135, 60};
  }
  return {0, 0, 0};
}
// The colour an item is drawn in: its own, else its tone's.
inline SheetColour ItemColour(const SheetItem& item) { return item.ownColour ? item.colour : ToneColour(item.tone); }
inline constexpr SheetColour kSheetPaper{255, 255, 255};  // the sheet, and under each text
inline constexpr const char* kSheetFont = "DejaVu Sans";
// A dashed line's dashes and the gaps between them, in widths of the line. Lines and
// dashes end round.
inline constexpr double kSheetDash = 4.0, kSheetDashGap = 2.0;
// An arrow's head: two solid strokes from its point, 2.5 mm long, 0.45 radians either
// side of the shaft.
inline std::array<std::pair<SheetPoint, SheetPoint>, 2> ArrowHead(const SheetItem& arrow) {
  const double angle = std::atan2(arrow.to.y - arrow.from.y, arrow.to.x - arrow.from.x);
  std::array<std::pair<SheetPoint, SheetPoint>, 2> head;
  int i = 0;
  for (double side : {-0.45, 0.45}) {
    head[i++] = {arrow.to, {arrow.to.x - 2.5 * std::cos(angle + side), arrow.to.y - 2.5 * std::sin(angle + side)}};
  }
  return head;
}

struct PlottingSheet {
  double milesPerMillimetre = 0.0;
  std::vector<SheetItem> items;
};

}  // namespace orrelin::navigation
