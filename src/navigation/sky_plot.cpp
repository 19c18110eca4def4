#include "navigation/sky_plot.h"

#include <algorithm>
#include <cmath>

#include "navigation/sheet_geometry.h"

namespace orrelin::navigation {

namespace {

using Tone = SheetItem::Tone;

SheetItem Ring(double altitude, double width, Tone tone, bool dashed) {
  SheetItem c;
  c.kind = SheetItem::Kind::kCircle;
  c.from = kSkyCentre;
  c.radius = kSkyRadius * (90.0 - altitude) / 90.0;
  c.width = width;
  c.tone = tone;
  c.dashed = dashed;
  return c;
}

// A dot's radius: 2.4 mm at magnitude -1.5 and brighter, 0.7 mm at 3 and fainter.
double DotRadius(double magnitude) { return 2.4 - 1.7 * (std::clamp(magnitude, -1.5, 3.0) + 1.5) / 4.5; }

}  // namespace

SheetPoint SkyPoint(double altitude, double azimuth) {
  constexpr double kRadians = 3.14159265358979323846 / 180.0;
  const double r = kSkyRadius * (90.0 - std::clamp(altitude, 0.0, 90.0)) / 90.0;
  // North up, east on the left: looking up at the sky.
  return {kSkyCentre.x - r * std::sin(azimuth * kRadians), kSkyCentre.y - r * std::cos(azimuth * kRadians)};
}

PlottingSheet DrawSkyPlot(const std::vector<SkyPlotBody>& bodies, const AltitudeBand& band,
                          const std::vector<std::string>& title) {
  PlottingSheet plot;
  auto& items = plot.items;
  for (std::size_t i = 0; i < title.size(); ++i) {
    items.push_back(sheet::CentredText({kSheetSize / 2, 5.0 + 5.0 * static_cast<double>(i)}, title[i], 3.5));
  }
  items.push_back(Ring(0.0, 0.5, Tone::kInk, false));
  for (int altitude = 10; altitude < 90; altitude += 10) items.push_back(Ring(altitude, 0.15, Tone::kFaint, false));
  for (const double edge : {band.lowest, band.highest}) items.push_back(Ring(edge, 0.3, Tone::kLine, true));
  // The cardinal points outside the horizon, and a label on each ring toward the south.
  const struct {
    const char* name;
    double azimuth;
  } cardinals[] = {{"N", 0.0}, {"E", 90.0}, {"S", 180.0}, {"W", 270.0}};
  for (const auto& c : cardinals) {
    constexpr double kRadians = 3.14159265358979323846 / 180.0;
    const SheetPoint at{kSkyCentre.x - (kSkyRadius + 5.0) * std::sin(c.azimuth * kRadians),
                        kSkyCentre.y - (kSkyRadius + 5.0) * std::cos(c.azimuth * kRadians)};
    SheetItem letter = sheet::CentredText(at, c.name, 4.0);
    letter.from.x -= 0.2 * letter.textSize;  // room for a W, wider than the usual letter
    letter.textWidth += 0.4 * letter.textSize;
    items.push_back(letter);
  }
  for (int altitude = 30; altitude < 90; altitude += 30) {
    items.push_back(sheet::CentredText(SkyPoint(altitude, 180.0), std::to_string(altitude) + "\xC2\xB0", 2.2));
  }
  // The brighter bodies last, on top; then the names, the brighter bodies' first, each
  // where it covers no dot and no name already placed (a name is painted on white).
  std::vector<const SkyPlotBody*> shown;
  for (const auto& b : bodies) {
    if (b.body.hc >= 0.0) shown.push_back(&b);
  }
  std::stable_sort(shown.begin(), shown.end(),
                   [](const SkyPlotBody* a, const SkyPlotBody* b) { return a->body.magnitude > b->body.magnitude; });
  std::vector<SheetBox> taken;
  std::vector<double> outers;
  for (const SkyPlotBody* b : shown) {
    SheetItem dot;
    dot.kind = SheetItem::Kind::kDot;
    dot.from = SkyPoint(b->body.hc, b->body.zn);
    dot.radius = DotRadius(b->body.magnitude);
    dot.tone = b->recommended ? Tone::kFix : Tone::kInk;
    items.push_back(dot);
    double outer = dot.radius;
    if (b->recommended) {
      SheetItem ring = dot;
      ring.kind = SheetItem::Kind::kCircle;
      ring.radius = outer = dot.radius + 1.2;
      ring.width = 0.35;
      items.push_back(ring);
    }
    outers.push_back(outer);
    taken.push_back({dot.from.x - outer, dot.from.y - outer, dot.from.x + outer, dot.from.y + outer});
  }
  for (std::size_t k = shown.size(); k-- > 0;) {
    const SheetPoint at = SkyPoint(shown[k]->body.hc, shown[k]->body.zn);
    const double outer = outers[k];
    SheetItem name = sheet::Text({at.x + outer + 1.0, at.y + 1.0}, shown[k]->body.name, 2.6);
    name.tone = shown[k]->recommended ? Tone::kFix : Tone::kInk;
    // To the right, to the left, then a line below or above on either side.
    const SheetPoint places[] = {{at.x + outer + 1.0, at.y + 1.0},
                                 {at.x - outer - 1.0 - name.textWidth, at.y + 1.0},
                                 {at.x + outer + 0.5, at.y + outer + 2.8},
                                 {at.x + outer + 0.5, at.y - outer - 0.8},
                                 {at.x - outer - 0.5 - name.textWidth, at.y + outer + 2.8},
                                 {at.x - outer - 0.5 - name.textWidth, at.y - outer - 0.8}};
    for (const SheetPoint& place : places) {
      SheetItem tried = name;
      tried.from = place;
      const SheetBox box = TextBox(tried);
      const bool covers = std::any_of(taken.begin(), taken.end(), [&](const SheetBox& t) {
        const SheetBox own{at.x - outer, at.y - outer, at.x + outer, at.y + outer};
        return sheet::Overlap(box, t) && !(t.left == own.left && t.top == own.top);
      });
      if (!covers && box.left >= 0.0 && box.right <= kSheetSize) {
        name = tried;
        break;
      }
    }
    taken.push_back(TextBox(name));
    items.push_back(name);
  }
  return plot;
}

}  // namespace orrelin::navigation
