#include "sky/graph_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/angle_text.h"
#include "core/numbers.h"
#include "navigation/sheet_geometry.h"

namespace orrelin::sky {

namespace {

using navigation::SheetColour;
using navigation::SheetItem;
using navigation::SheetPoint;
using Tone = SheetItem::Tone;
namespace sheet = navigation::sheet;

constexpr double kHour = 1.0 / 24.0;

// The bands from the day's light sky to the night's dark one, light enough that every
// curve shows on them.
SheetColour BandColour(SunBandKind kind) {
  switch (kind) {
    case SunBandKind::kDay: return {255, 255, 255};
    case SunBandKind::kCivil: return {226, 233, 244};
    case SunBandKind::kNautical: return {200, 211, 231};
    case SunBandKind::kAstronomical: return {174, 187, 215};
    case SunBandKind::kNight: return {150, 163, 198};
  }
  return {255, 255, 255};
}

const char* BandLabel(SunBandKind kind) {
  switch (kind) {
    case SunBandKind::kDay: return "Day";
    case SunBandKind::kCivil: return "Civil twilight";
    case SunBandKind::kNautical: return "Nautical twilight";
    case SunBandKind::kAstronomical: return "Astronomical twilight";
    case SunBandKind::kNight: return "Night";
  }
  return "";
}

SheetItem Box(SheetPoint from, SheetPoint to, SheetColour colour) {
  SheetItem b;
  b.kind = SheetItem::Kind::kBox;
  b.from = from;
  b.to = to;
  b.ownColour = true;
  b.colour = colour;
  return b;
}

SheetItem Coloured(SheetItem item, SheetColour colour) {
  item.ownColour = true;
  item.colour = colour;
  return item;
}

void AddAxes(const AltitudeGraph& graph, const UtcMinusLocalAt& offset, std::vector<SheetItem>& items) {
  const auto& a = kGraphArea;
  for (int altitude = -20; altitude <= 90; altitude += 10) {
    const double y = GraphPoint(graph, graph.fromJulianDayUt, altitude).y;
    items.push_back(sheet::Segment({a.left, y}, {a.right, y}, altitude == 0 ? 0.4 : 0.12,
                                   altitude == 0 ? Tone::kInk : Tone::kFaint, SheetItem::Role::kGrid));
    const std::string label = WholeText(altitude) + kDegreeSign;
    SheetItem text = sheet::Text({0, y + 0.9}, label, 2.6);
    text.from.x = a.left - 1.5 - text.textWidth;
    items.push_back(text);
  }
  for (int h = 0; h <= 24; h += 2) {
    const double jd = graph.fromJulianDayUt + h * kHour;
    const double x = GraphPoint(graph, jd, 0).x;
    items.push_back(sheet::Segment({x, a.top}, {x, a.bottom}, 0.12, Tone::kFaint, SheetItem::Role::kGrid));
    items.push_back(sheet::CentredText({x, a.bottom + 4.0}, LocalClockText(offset, jd), 2.6));
  }
  items.push_back(sheet::CentredText({(a.left + a.right) / 2, a.bottom + 9.0}, "Local time", 2.8));
  for (const auto& [from, to] : std::array<std::pair<SheetPoint, SheetPoint>, 4>{
           {{{a.left, a.top}, {a.right, a.top}},
            {{a.right, a.top}, {a.right, a.bottom}},
            {{a.right, a.bottom}, {a.left, a.bottom}},
            {{a.left, a.bottom}, {a.left, a.top}}}}) {
    items.push_back(sheet::Segment(from, to, 0.35, Tone::kInk));
  }
}

// The curve between samples, cut where it leaves the area.
void AddCurve(const AltitudeGraph& graph, std::size_t body, std::vector<SheetItem>& items) {
  for (std::size_t i = 1; i < graph.samples.size(); ++i) {
    const SheetPoint p = GraphPoint(graph, graph.samples[i - 1].julianDayUt, graph.samples[i - 1].altitudes[body]);
    const SheetPoint q = GraphPoint(graph, graph.samples[i].julianDayUt, graph.samples[i].altitudes[body]);
    const auto part = sheet::Clip(p, q, kGraphArea);
    if (!part) continue;
    items.push_back(Coloured(sheet::Segment(sheet::Between(p, q, part->first), sheet::Between(p, q, part->second),
                                            0.6, Tone::kInk),
                             BodyColour(body)));
  }
}

// The altitude of the curve at a moment, between its samples.
double CurveAltitude(const AltitudeGraph& graph, std::size_t body, double jd) {
  const auto& s = graph.samples;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (jd <= s[i].julianDayUt) {
      const double t = (jd - s[i - 1].julianDayUt) / (s[i].julianDayUt - s[i - 1].julianDayUt);
      return s[i - 1].altitudes[body] + t * (s[i].altitudes[body] - s[i - 1].altitudes[body]);
    }
  }
  return s.back().altitudes[body];
}

void AddEvents(const AltitudeGraph& graph, const UtcMinusLocalAt& offset, std::vector<SheetItem>& items) {
  std::vector<navigation::SheetBox> labels;
  for (const GraphEvent& e : graph.events) {
    const auto at = std::find(graph.names.begin(), graph.names.end(), e.body);
    const std::size_t body = static_cast<std::size_t>(at - graph.names.begin());
    const double altitude = CurveAltitude(graph, body, e.julianDayUt);
    if (altitude < kGraphLowest) continue;
    SheetItem dot;
    dot.kind = SheetItem::Kind::kDot;
    dot.from = GraphPoint(graph, e.julianDayUt, altitude);
    dot.radius = 0.9;
    items.push_back(Coloured(dot, BodyColour(body)));
    // The time above a transit, below a rising or setting; on the other side when that
    // place is taken by another label, left out when both are.
    const double side = e.kind == EventKind::kTransit ? -1.0 : 1.0;
    for (const double offsetY : {side * 3.2, -side * 3.2}) {
      SheetItem label = Coloured(
          sheet::CentredText({dot.from.x, dot.from.y + offsetY}, LocalClockText(offset, e.julianDayUt), 2.2),
          BodyColour(body));
      const navigation::SheetBox box = navigation::TextBox(label);
      if (std::any_of(labels.begin(), labels.end(), [&](const navigation::SheetBox& b) { return sheet::Overlap(b, box); })) {
        continue;
      }
      labels.push_back(box);
      items.push_back(label);
      break;
    }
  }
}

void AddLegend(const AltitudeGraph& graph, double markedAltitude, std::vector<SheetItem>& items) {
  double x = kGraphArea.left, y = kGraphArea.bottom + 17.0;
  for (std::size_t i = 0; i < graph.names.size(); ++i) {
    const SheetItem name = sheet::Text({x + 9.0, y + 1.0}, graph.names[i], 3.0);
    if (x + 9.0 + name.textWidth > kGraphArea.right) {
      x = kGraphArea.left;
      y += 6.0;
    }
    items.push_back(Coloured(sheet::Segment({x, y}, {x + 7.0, y}, 0.9, Tone::kInk), BodyColour(i)));
    items.push_back(sheet::Text({x + 9.0, y + 1.0}, graph.names[i], 3.0));
    x += 9.0 + name.textWidth + 6.0;
  }
  x = kGraphArea.left;
  y += 7.0;
  SheetItem dashed = sheet::Segment({x, y}, {x + 7.0, y}, 0.35, Tone::kInk);
  dashed.dashed = true;
  items.push_back(dashed);
  items.push_back(sheet::Text({x + 9.0, y + 1.0}, "Altitude " + FixedText(markedAltitude, 0) + kDegreeSign, 2.8));
  items.push_back(sheet::Text({x + 40.0, y + 1.0}, "Dots: rising, transit, setting", 2.8));
  y += 6.0;
  for (int k = 0; k <= 4; ++k) {
    const auto kind = static_cast<SunBandKind>(k);
    const SheetItem label = sheet::Text({x + 6.0, y + 1.0}, BandLabel(kind), 2.6);
    if (x + 6.0 + label.textWidth > kGraphArea.right) {
      x = kGraphArea.left;
      y += 5.0;
    }
    items.push_back(Box({x, y - 1.8}, {x + 4.5, y + 1.4}, BandColour(kind)));
    items.push_back(sheet::Segment({x, y - 1.8}, {x + 4.5, y - 1.8}, 0.1, Tone::kFaint));
    items.push_back(sheet::Segment({x, y + 1.4}, {x + 4.5, y + 1.4}, 0.1, Tone::kFaint));
    items.push_back(sheet::Text({x + 6.0, y + 1.0}, BandLabel(kind), 2.6));
    x += 6.0 + label.textWidth + 5.0;
  }
}

}  // namespace

SheetPoint GraphPoint(const AltitudeGraph& graph, double julianDayUt, double altitude) {
  const auto& a = kGraphArea;
  const double t = (julianDayUt - graph.fromJulianDayUt) / (graph.toJulianDayUt - graph.fromJulianDayUt);
  const double u = (altitude - kGraphLowest) / (kGraphHighest - kGraphLowest);
  return {a.left + t * (a.right - a.left), a.bottom - u * (a.bottom - a.top)};
}

std::optional<GraphReading> ReadGraphAt(const AltitudeGraph& graph, SheetPoint p) {
  const auto& a = kGraphArea;
  if (p.x < a.left || p.x > a.right || p.y < a.top || p.y > a.bottom) return std::nullopt;
  const double t = (p.x - a.left) / (a.right - a.left), u = (a.bottom - p.y) / (a.bottom - a.top);
  return GraphReading{graph.fromJulianDayUt + t * (graph.toJulianDayUt - graph.fromJulianDayUt),
                      kGraphLowest + u * (kGraphHighest - kGraphLowest)};
}

SheetColour BodyColour(std::size_t index) {
  // Strong colours that stay apart on the pale bands and in print.
  constexpr std::array<SheetColour, 8> kColours{{{214, 120, 0},
                                                 {40, 40, 40},
                                                 {0, 90, 200},
                                                 {190, 0, 40},
                                                 {0, 135, 60},
                                                 {130, 40, 170},
                                                 {150, 90, 30},
                                                 {0, 140, 150}}};
  return kColours[index % kColours.size()];
}

navigation::PlottingSheet DrawGraphSheet(const AltitudeGraph& graph, const UtcMinusLocalAt& utcMinusLocal,
                                         double markedAltitude, const std::vector<std::string>& title) {
  navigation::PlottingSheet drawn;
  auto& items = drawn.items;
  for (std::size_t i = 0; i < title.size(); ++i) {
    items.push_back(sheet::CentredText({navigation::kSheetSize / 2, 6.0 + 5.0 * static_cast<double>(i)}, title[i], 3.4));
  }
  for (const SunBand& band : graph.sunBands) {
    const SheetPoint from = GraphPoint(graph, band.fromJulianDayUt, kGraphHighest);
    const SheetPoint to = GraphPoint(graph, band.toJulianDayUt, kGraphLowest);
    items.push_back(Box(from, to, BandColour(band.kind)));
  }
  AddAxes(graph, utcMinusLocal, items);
  const double y = GraphPoint(graph, graph.fromJulianDayUt, markedAltitude).y;
  SheetItem marked = sheet::Segment({kGraphArea.left, y}, {kGraphArea.right, y}, 0.35, Tone::kInk);
  marked.dashed = true;
  items.push_back(marked);
  for (std::size_t b = 0; b < graph.names.size(); ++b) AddCurve(graph, b, items);
  AddEvents(graph, utcMinusLocal, items);
  AddLegend(graph, markedAltitude, items);
  return drawn;
}

}  // namespace orrelin::sky
