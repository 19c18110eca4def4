#pragma once
// The plotting sheet's geometry: miles from the assumed position to millimetres of the
// sheet, texts and segments as drawing items, and the boxes and clipping the labels are
// placed with.
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

#include "navigation/plotting_sheet.h"

namespace orrelin::navigation::sheet {

constexpr SheetBox kFrame = kSheetFrame;
constexpr double kLabelInset = 3.0;       // millimetres between a label and the frame (its ticks are shorter)
constexpr double kCharacterWidth = 0.62;  // of the font's size: DejaVu Sans' digits take 0.64, its text less
constexpr double kGridSpacing = 25.0;     // millimetres at least between grid lines
constexpr double kTickSpacing = 1.2;      // millimetres at least between ticks
constexpr double kGridTextSize = 2.4;

// Nautical miles north and east of the assumed position.
struct Miles {
  double north = 0.0, east = 0.0;
};

Miles MilesFrom(const GeoPosition& assumed, const GeoPosition& p);
// A scale of 1, 2 or 5 times a power of ten miles per centimetre that holds the extent.
double NiceScale(double milesAcross);

class Sheet {
 public:
  Sheet(double milesPerMillimetre, Miles centre) : scale_(milesPerMillimetre), centre_(centre) {}
  SheetPoint At(Miles m) const {
    return {kCentreX + (m.east - centre_.east) / scale_, kCentreY - (m.north - centre_.north) / scale_};
  }
  Miles MilesAt(SheetPoint p) const {
    return {centre_.north - (p.y - kCentreY) * scale_, centre_.east + (p.x - kCentreX) * scale_};
  }
  double Scale() const { return scale_; }

 private:
  static constexpr double kCentreX = (kFrame.left + kFrame.right) / 2, kCentreY = (kFrame.top + kFrame.bottom) / 2;
  double scale_;
  Miles centre_;
};

Miles Along(Miles from, double bearing, double miles);
std::size_t CharacterCount(const std::string& text);
SheetItem Text(SheetPoint at, const std::string& text, double size);
SheetItem Segment(SheetPoint from, SheetPoint to, double width, SheetItem::Tone tone,
                  SheetItem::Role role = SheetItem::Role::kOther);
// The part of the segment a-b inside the box, as parameters 0..1 (Liang and Barsky).
std::optional<std::pair<double, double>> Clip(SheetPoint a, SheetPoint b, const SheetBox& box);
SheetPoint Between(SheetPoint a, SheetPoint b, double t);
SheetBox Grown(const SheetBox& b, double by);
bool Overlap(const SheetBox& a, const SheetBox& b);
bool Within(const SheetBox& inner, const SheetBox& outer);
// A text whose box has its centre at the point.
SheetItem CentredText(SheetPoint centre, const std::string& text, double size);

}  // namespace orrelin::navigation::sheet
