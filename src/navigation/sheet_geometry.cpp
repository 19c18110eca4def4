#include "navigation/sheet_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/angles.h"

namespace orrelin::navigation::sheet {

Miles MilesFrom(const GeoPosition& assumed, const GeoPosition& p) {
  return {(p.latitude - assumed.latitude) * 60.0,
          (p.longitude - assumed.longitude) * 60.0 * CosDeg((p.latitude + assumed.latitude) / 2.0)};
}

double NiceScale(double milesAcross) {
  const double side = std::min(kFrame.right - kFrame.left, kFrame.bottom - kFrame.top);
  const double perCentimetre = std::max(milesAcross, 0.5) / (side / 10.0);
  const double power = std::pow(10.0, std::floor(std::log10(perCentimetre)));
  for (double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * power >= perCentimetre) return step * power / 10.0;
  }
  return power;
}

Miles Along(Miles from, double bearing, double miles) {
  return {from.north + miles * CosDeg(bearing), from.east + miles * SinDeg(bearing)};
}

std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a UTF-8 continuation byte
  }));
}

SheetItem Text(SheetPoint at, const std::string& text, double size) {
  SheetItem t;
  t.kind = SheetItem::Kind::kText;
  t.from = at;
  t.text = text;
  t.textSize = size;
  t.textWidth = kCharacterWidth * size * static_cast<double>(CharacterCount(text));
  return t;
}

SheetItem Segment(SheetPoint from, SheetPoint to, double width, SheetItem::Tone tone, SheetItem::Role role) {
  SheetItem l;
  l.kind = SheetItem::Kind::kLine;
  l.from = from;
  l.to = to;
  l.width = width;
  l.tone = tone;
  l.role = role;
  return l;
}

std::optional<std::pair<double, double>> Clip(SheetPoint a, SheetPoint b, const SheetBox& box) {
  double t0 = 0.0, t1 = 1.0;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const std::array<std::pair<double, double>, 4> sides{{{-dx, a.x - box.left},
                                                        {dx, box.right - a.x},
                                                        {-dy, a.y - box.top},
                                                        {dy, box.bottom - a.y}}};
  for (const auto& [p, q] : sides) {
    if (p == 0.0) {
      if (q < 0.0) return std::nullopt;
      continue;
    }
    const double t = q / p;
    if (p < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  return std::make_pair(t0, t1);
}

SheetPoint Between(SheetPoint a, SheetPoint b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

SheetBox Grown(const SheetBox& b, double by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

bool Overlap(const SheetBox& a, const SheetBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Within(const SheetBox& inner, const SheetBox& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top && inner.bottom <= outer.bottom;
}

SheetItem CentredText(SheetPoint centre, const std::string& text, double size) {
  SheetItem t = Text({}, text, size);
  const SheetBox b = TextBox(t);
  t.from = {centre.x - t.textWidth / 2, centre.y + (b.bottom - b.top) / 2 - 0.25 * size};
  return t;
}

}  // namespace orrelin::navigation::sheet
