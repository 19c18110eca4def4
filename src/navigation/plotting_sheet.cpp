#include "navigation/plotting_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/angles.h"
#include "core/numbers.h"
#include "navigation/sheet_geometry.h"
#include "navigation/sheet_grid.h"
#include "navigation/sheet_labels.h"
#include "navigation/sights_file.h"

namespace orrelin::navigation {

namespace {

// What the check of the fix adds: the lines drawn as suspect, and the robust fix.
struct CheckMarks {
  std::vector<std::size_t> suspects;
  std::optional<GeoPosition> robustFix;
  bool Suspect(std::size_t line) const { return std::find(suspects.begin(), suspects.end(), line) != suspects.end(); }
};

PlottingSheet DrawSheet(const Fix& fix, const GeoPosition& assumed, const CheckMarks& marks) {
  using namespace sheet;
  using Tone = SheetItem::Tone;
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
  const Miles robust = marks.robustFix ? MilesFrom(assumed, *marks.robustFix) : Miles{};
  if (marks.robustFix) {
    north0 = std::min(north0, robust.north);
    north1 = std::max(north1, robust.north);
    east0 = std::min(east0, robust.east);
    east1 = std::max(east1, robust.east);
  }
  const double across = std::max(north1 - north0, east1 - east0) * 1.3;
  PlottingSheet sheet;
  sheet.milesPerMillimetre = NiceScale(across);
  const Sheet s(sheet.milesPerMillimetre, {(north0 + north1) / 2, (east0 + east1) / 2});
  std::vector<SheetItem>& items = sheet.items;
  AddGrid(items, s, assumed);

  Labeller labels;
  const SheetBox inside = Grown(kFrame, -kLabelInset);
  // Each line of position across the whole frame: through its intercept's foot, on
  // through the fix and beyond, with its azimuth arrow from the assumed position.
  struct Labelled {
    SheetPoint a, b;
    std::string text;
  };
  std::vector<Labelled> lineLabels;
  for (std::size_t i = 0; i < fix.lines.size(); ++i) {
    const FixLine& l = fix.lines[i];
    const bool suspect = marks.Suspect(i);
    // The line as it runs near the fix (its residual off it, square to the azimuth there):
    // far from the assumed position the line plotted from it would pass the fix by the
    // curve of the circle of equal altitude.
    const Miles foot = Along(fixed, l.azimuthAtFix, l.residual);
    // The intercept from the assumed position along its azimuth, to where it meets the line.
    const double toward = CosDeg(l.azimuth - l.azimuthAtFix);
    const double intercept = std::fabs(toward) > 0.5 ? (foot.north * CosDeg(l.azimuthAtFix) + foot.east * SinDeg(l.azimuthAtFix)) / toward
                                                     : l.intercept;
    SheetItem arrow;
    arrow.kind = SheetItem::Kind::kArrow;
    arrow.from = s.At({});
    arrow.to = s.At(Along({}, l.azimuth, std::max(std::fabs(intercept), 4.0 * s.Scale()) * (intercept >= 0 ? 1.0 : -1.0)));
    arrow.width = 0.25;
    arrow.dashed = true;
    arrow.tone = Tone::kFaint;
    items.push_back(arrow);
    labels.AvoidSegment(arrow.from, arrow.to);
    for (const auto& [a, b] : ArrowHead(arrow)) labels.AvoidSegment(a, b);

    const double reach = 2.0 * kSheetSize * s.Scale();  // farther than the sheet is wide
    const SheetPoint a = s.At(Along(foot, l.azimuthAtFix + 90.0, reach)), b = s.At(Along(foot, l.azimuthAtFix - 90.0, reach));
    const auto part = Clip(a, b, kFrame);
    if (!part) continue;
    const SheetPoint from = Between(a, b, part->first), to = Between(a, b, part->second);
    items.push_back(
        Segment(from, to, 0.4, suspect ? Tone::kSuspect : Tone::kLine, SheetItem::Role::kLineOfPosition));
    items.back().dashed = suspect;
    labels.AvoidSegment(from, to);
    lineLabels.push_back({from, to,
                          l.body + " " + FixedText(std::fabs(l.intercept), 1) + (l.intercept >= 0 ? " T " : " A ") +
                              FixedText(l.azimuth, 0) + "\xC2\xB0" + (suspect ? " suspect" : "")});
  }

  SheetItem ap;
  ap.kind = SheetItem::Kind::kCircle;
  ap.from = s.At({});
  ap.radius = 1.2;
  items.push_back(ap);
  labels.AvoidBox(Grown({ap.from.x, ap.from.y, ap.from.x, ap.from.y}, ap.radius + 0.3));
  const SheetPoint fixAt = s.At(fixed);
  double fixRadius = 2.5;
  if (fix.ellipse) {
    SheetItem e;
    e.kind = SheetItem::Kind::kEllipse;
    e.from = fixAt;
    e.radius = std::max(fix.ellipse->major / sheet.milesPerMillimetre, 0.4);
    e.minorRadius = std::max(fix.ellipse->minor / sheet.milesPerMillimetre, 0.4);
    e.angle = fix.ellipse->orientation;
    e.tone = Tone::kFix;
    items.push_back(e);
    fixRadius = std::max(fixRadius, e.radius);
  }
  SheetItem dot;
  dot.kind = SheetItem::Kind::kDot;
  dot.from = fixAt;
  dot.radius = 1.0;
  dot.tone = Tone::kFix;
  items.push_back(dot);
  SheetItem ring = dot;
  ring.kind = SheetItem::Kind::kCircle;
  ring.radius = 2.5;
  items.push_back(ring);
  labels.AvoidBox(Grown({fixAt.x, fixAt.y, fixAt.x, fixAt.y}, fixRadius + 0.3));
  std::optional<SheetPoint> robustAt;
  if (marks.robustFix) {
    robustAt = s.At(robust);
    SheetItem mark = dot;
    mark.from = *robustAt;
    mark.tone = Tone::kRobustFix;
    items.push_back(mark);
    mark.kind = SheetItem::Kind::kCircle;
    mark.radius = 2.5;
    items.push_back(mark);
    labels.AvoidBox(Grown({robustAt->x, robustAt->y, robustAt->x, robustAt->y}, mark.radius + 0.3));
  }

  // The labels last, each where it covers no line and no other label.
  items.push_back(labels.Place(AroundMark(fixAt, fixRadius, "Fix " + PositionText(fix.position), 3.2), inside));
  if (robustAt) {
    const std::string text = "Robust fix " + PositionText(*marks.robustFix);
    items.push_back(labels.Place(AroundMark(*robustAt, 2.5, text, 3.2), inside));
    items.back().tone = Tone::kRobustFix;
  }
  items.push_back(labels.Place(AroundMark(ap.from, ap.radius, "AP " + PositionText(assumed), 2.6), inside));
  for (const Labelled& l : lineLabels) items.push_back(labels.Place(BesideLine(l.a, l.b, l.text, 3.0), inside));
  AddScaleAndNorth(items, sheet.milesPerMillimetre);
  return sheet;
}

}  // namespace

PlottingSheet DrawPlottingSheet(const Fix& fix, const GeoPosition& assumed) { return DrawSheet(fix, assumed, {}); }

PlottingSheet DrawPlottingSheet(const CheckedFix& checked, const GeoPosition& assumed) {
  CheckMarks marks;
  if (checked.robust && !checked.robust->suspects.empty()) {
    marks.suspects = checked.robust->suspects;
    marks.robustFix = checked.robust->fix.position;
  }
  return DrawSheet(checked.plain, assumed, marks);
}

}  // namespace orrelin::navigation
