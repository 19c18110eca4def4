#include "navigation/sheet_labels.h"

#include <cmath>

#include "core/angles.h"

namespace orrelin::navigation::sheet {

std::vector<SheetItem> AroundMark(SheetPoint at, double radius, const std::string& text, double size) {
  std::vector<SheetItem> out;
  const SheetItem probe = Text({}, text, size);
  const SheetBox b = TextBox(probe);
  const double hx = (b.right - b.left) / 2, hy = (b.bottom - b.top) / 2;
  for (double gap : {1.0, 4.0, 9.0}) {
    for (double bearing : {45.0, 135.0, 315.0, 225.0, 90.0, 270.0, 0.0, 180.0}) {
      const double dx = SinDeg(bearing), dy = -CosDeg(bearing);
      const double reach = radius + gap + hx * std::fabs(dx) + hy * std::fabs(dy);
      out.push_back(CentredText({at.x + dx * reach, at.y + dy * reach}, text, size));
    }
  }
  return out;
}

std::vector<SheetItem> BesideLine(SheetPoint a, SheetPoint b, const std::string& text, double size) {
  std::vector<SheetItem> out;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length <= 0) return {Text(a, text, size)};
  const double nx = -(b.y - a.y) / length, ny = (b.x - a.x) / length;
  const SheetBox box = TextBox(Text({}, text, size));
  const double reach = (box.right - box.left) / 2 * std::fabs(nx) + (box.bottom - box.top) / 2 * std::fabs(ny) + 1.0;
  for (double f : {0.15, 0.85, 0.28, 0.72, 0.06, 0.94, 0.4, 0.6, 0.5}) {
    const SheetPoint p = Between(a, b, f);
    for (double side : {1.0, -1.0}) out.push_back(CentredText({p.x + side * nx * reach, p.y + side * ny * reach}, text, size));
  }
  return out;
}

}  // namespace orrelin::navigation::sheet
