#include "navigation/plotting_sheet.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"

namespace orrelin::navigation {

namespace {

constexpr double kMargin = 15.0;  // millimetres kept clear at the edges

// Nautical miles north and east of the assumed position.
struct Miles {
  double north = 0.0, east = 0.0;
};

Miles MilesFrom(const GeoPosition& assumed, const GeoPosition& p) {
  return {(p.latitude - assumed.latitude) * 60.0,
          (p.longitude - assumed.longitude) * 60.0 * CosDeg((p.latitude + assumed.latitude) / 2.0)};
}

// A scale of 1, 2 or 5 times a power of ten miles per centimetre that holds the extent.
double NiceScale(double milesAcross) {
  const double perCentimetre = std::max(milesAcross, 0.5) / ((kSheetSize - 2 * kMargin) / 10.0);
  const double power = std::pow(10.0, std::floor(std::log10(perCentimetre)));
  for (double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * power >= perCentimetre) return step * power / 10.0;
  }
  return power;
}

class Sheet {
 public:
  Sheet(double milesPerMillimetre, Miles centre) : scale_(milesPerMillimetre), centre_(centre) {}
  SheetPoint At(Miles m) const {
    return {kSheetSize / 2 + (m.east - centre_.east) / scale_, kSheetSize / 2 - (m.north - centre_.north) / scale_};
  }
  double Scale() const { return scale_; }

 private:
  double scale_;
  Miles centre_;
};

Miles Along(Miles from, double bearing, double miles) {
  return {from.north + miles * CosDeg(bearing), from.east + miles * SinDeg(bearing)};
}

void AddText(std::vector<SheetItem>& items, SheetPoint at, const std::string& text, double size = 3.0) {
  SheetItem t;
  t.kind = SheetItem::Kind::kText;
  t.from = at;
  t.text = text;
  t.textSize = size;
  items.push_back(t);
}

void AddLineOfPosition(std::vector<SheetItem>& items, const Sheet& sheet, const FixLine& l, double halfLength) {
  // The intercept from the assumed position along the azimuth, toward or away.
  const Miles foot = Along({}, l.azimuth, l.intercept);
  SheetItem arrow;
  arrow.kind = SheetItem::Kind::kArrow;
  arrow.from = sheet.At({});
  arrow.to = sheet.At(Along({}, l.azimuth, std::max(std::fabs(l.intercept), 4.0 * sheet.Scale()) *
                                               (l.intercept >= 0 ? 1.0 : -1.0)));
  arrow.width = 0.25;
  arrow.dashed = true;
  arrow.tone = SheetItem::Tone::kFaint;
  items.push_back(arrow);
  SheetItem line;
  line.kind = SheetItem::Kind::kLine;
  line.from = sheet.At(Along(foot, l.azimuth + 90.0, halfLength));
  line.to = sheet.At(Along(foot, l.azimuth - 90.0, halfLength));
  line.width = 0.4;
  line.tone = SheetItem::Tone::kLine;
  items.push_back(line);
  // The label near one end of the line, kept on the sheet.
  const SheetPoint end = sheet.At(Along(foot, l.azimuth + 90.0, halfLength * 0.7));
  const SheetPoint label{std::clamp(end.x + 1.0, 2.0, kSheetSize - 45.0), std::clamp(end.y - 1.0, 6.0, kSheetSize - 14.0)};
  AddText(items, label,
          l.body + " " + FixedText(std::fabs(l.intercept), 1) + (l.intercept >= 0 ? " T " : " A ") +
              FixedText(l.azimuth, 0) + "\xC2\xB0");
}

void AddScaleAndNorth(std::vector<SheetItem>& items, double milesPerMillimetre) {
  // A bar of a round number of miles (1, 2 or 5 times a power of ten), at most 40 mm long.
  const double most = 40.0 * milesPerMillimetre;
  const double power = std::pow(10.0, std::floor(std::log10(most)));
  const double miles = most >= 5 * power ? 5 * power : most >= 2 * power ? 2 * power : power;
  const double length = miles / milesPerMillimetre;
  SheetItem bar;
  bar.kind = SheetItem::Kind::kLine;
  bar.from = {kMargin, kSheetSize - 8.0};
  bar.to = {kMargin + length, kSheetSize - 8.0};
  bar.width = 0.5;
  items.push_back(bar);
  for (double x : {bar.from.x, bar.to.x}) {
    SheetItem tick = bar;
    tick.from = {x, kSheetSize - 10.0};
    tick.to = {x, kSheetSize - 6.0};
    tick.width = 0.3;
    items.push_back(tick);
  }
  AddText(items, {kMargin + length + 2.0, kSheetSize - 7.0}, ShortestText(miles) + " nm");
  SheetItem north;
  north.kind = SheetItem::Kind::kArrow;
  north.from = {kSheetSize - 10.0, 22.0};
  north.to = {kSheetSize - 10.0, 8.0};
  north.width = 0.5;
  items.push_back(north);
  AddText(items, {kSheetSize - 11.2, 27.0}, "N");
}

}  // namespace

PlottingSheet DrawPlottingSheet(const Fix& fix, const GeoPosition& assumed) {
  const Miles fixed = MilesFrom(assumed, fix.position);
  // What must be on the sheet: the assumed position, the fix, each intercept's foot.
  double north0 = std::min(0.0, fixed.north), north1 = std::max(0.0, fixed.north);
  double east0 = std::min(0.0, fixed.east), east1 = std::max(0.0, fixed.east);
  for (const FixLine& l : fix.lines) {
    const Miles foot = Along({}, l.azimuth, l.intercept);
    north0 = std::min(north0, foot.north);
    north1 = std::max(north1, foot.north);
    east0 = std::min(east0, foot.east);
    east1 = std::max(east1, foot.east);
  }
  const double across = std::max(north1 - north0, east1 - east0) * 1.3;
  PlottingSheet sheet;
  sheet.milesPerMillimetre = NiceScale(across);
  const Sheet s(sheet.milesPerMillimetre, {(north0 + north1) / 2, (east0 + east1) / 2});
  const double halfLength = across * 0.6 + 10.0 * sheet.milesPerMillimetre;

  for (const FixLine& l : fix.lines) AddLineOfPosition(sheet.items, s, l, halfLength);
  SheetItem ap;
  ap.kind = SheetItem::Kind::kCircle;
  ap.from = s.At({});
  ap.radius = 1.2;
  sheet.items.push_back(ap);
  AddText(sheet.items, {ap.from.x + 2.0, ap.from.y + 4.0}, "AP " + PositionText(assumed), 2.6);
  if (fix.ellipse) {
    SheetItem e;
    e.kind = SheetItem::Kind::kEllipse;
    e.from = s.At(fixed);
    e.radius = std::max(fix.ellipse->major / sheet.milesPerMillimetre, 0.4);
    e.minorRadius = std::max(fix.ellipse->minor / sheet.milesPerMillimetre, 0.4);
    e.angle = fix.ellipse->orientation;
    e.tone = SheetItem::Tone::kFix;
    sheet.items.push_back(e);
  }
  SheetItem dot;
  dot.kind = SheetItem::Kind::kDot;
  dot.from = s.At(fixed);
  dot.radius = 1.0;
  dot.tone = SheetItem::Tone::kFix;
  sheet.items.push_back(dot);
  SheetItem ring = dot;
  ring.kind = SheetItem::Kind::kCircle;
  ring.radius = 2.5;
  sheet.items.push_back(ring);
  AddText(sheet.items, {dot.from.x + 3.5, dot.from.y - 3.0}, "Fix " + PositionText(fix.position), 3.2);
  AddScaleAndNorth(sheet.items, sheet.milesPerMillimetre);
  return sheet;
}

}  // namespace orrelin::navigation
