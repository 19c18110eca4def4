// The star finder's picture of the twilight sky.
#include "navigation/sky_plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orrelin::navigation {
namespace {

TEST(SkyPlot, PlacesBodiesAsTheSkyIsSeenLookingUp) {
  const struct {
    double altitude, azimuth, x, y;
  } cases[] = {
      {90.0, 123.0, 90.0, 98.0},  // the zenith at the centre
      {0.0, 0.0, 90.0, 26.0},     // north up
      {0.0, 90.0, 18.0, 98.0},    // east on the left
      {0.0, 270.0, 162.0, 98.0},  // west on the right
      {45.0, 180.0, 90.0, 134.0}, // halfway down toward the south
      {-5.0, 180.0, 90.0, 170.0}, // below the horizon: on it
  };
  for (const auto& c : cases) {
    const SheetPoint p = SkyPoint(c.altitude, c.azimuth);
    EXPECT_NEAR(p.x, c.x, 1e-9) << c.altitude << " " << c.azimuth;
    EXPECT_NEAR(p.y, c.y, 1e-9) << c.altitude << " " << c.azimuth;
  }
}

TEST(SkyPlot, DrawsEveryBodyAboveTheHorizonWithItsNameAndMarksTheRecommended) {
  const std::vector<SkyPlotBody> bodies{{{"Vega", 40, 300, 0.0}, true},
                                        {{"Deneb", 60, 320, 1.3}, false},
                                        {{"Canopus", -10, 180, -0.7}, false},
                                        {{"Jupiter", 25, 120, -2.5}, true}};
  const PlottingSheet plot = DrawSkyPlot(bodies, {15, 70}, {"2026-12-10 evening", "DR 59 50 N, 24 50 E"});
  const auto named = [&](const std::string& text) {
    return std::find_if(plot.items.begin(), plot.items.end(),
                        [&](const SheetItem& i) { return i.kind == SheetItem::Kind::kText && i.text == text; });
  };
  for (const char* shown : {"Vega", "Deneb", "Jupiter", "N", "E", "S", "W", "2026-12-10 evening"}) {
    EXPECT_NE(named(shown), plot.items.end()) << shown;
  }
  EXPECT_EQ(named("Canopus"), plot.items.end());
  EXPECT_EQ(named("Vega")->tone, SheetItem::Tone::kFix);
  EXPECT_EQ(named("Deneb")->tone, SheetItem::Tone::kInk);
  int dots = 0, dashedRings = 0;
  double brightest = 0, faintest = 99;
  for (const SheetItem& i : plot.items) {
    if (i.kind == SheetItem::Kind::kDot) {
      ++dots;
      brightest = std::max(brightest, i.radius);
      faintest = std::min(faintest, i.radius);
    }
    if (i.kind == SheetItem::Kind::kCircle && i.dashed) {
      ++dashedRings;
      EXPECT_TRUE(std::fabs(i.radius - kSkyRadius * 75 / 90) < 1e-9 || std::fabs(i.radius - kSkyRadius * 20 / 90) < 1e-9);
    }
    // Everything on the sheet.
    const SheetBox box = i.kind == SheetItem::Kind::kText ? TextBox(i)
                                                            : SheetBox{i.from.x - i.radius, i.from.y - i.radius,
                                                                       i.from.x + i.radius, i.from.y + i.radius};
    EXPECT_TRUE(box.left >= 0 && box.top >= 0 && box.right <= kSheetSize && box.bottom <= kSheetSize) << i.text;
  }
  EXPECT_EQ(dots, 3);
  EXPECT_EQ(dashedRings, 2);
  EXPECT_GT(brightest, faintest);  // Jupiter's dot larger than Deneb's
}

TEST(SkyPlot, NamesOfNeighbouringBodiesCoverNeitherEachOtherNorADot) {
  // Jupiter beside Regulus, Mars below them, Spica beside Venus: as a morning sky has them.
  const std::vector<SkyPlotBody> bodies = {{{"Jupiter", 34.7, 230.6, -2.3}}, {{"Regulus", 34.4, 226.7, 1.4}},
                                           {{"Mars", 36.5, 220.7, 0.3}},     {{"Venus", 17.3, 156.9, -4.8}, true},
                                           {{"Spica", 18.2, 168.2, 1.0}}};
  const PlottingSheet plot = DrawSkyPlot(bodies, {}, {});
  std::vector<SheetBox> names, dots;
  for (const SheetItem& i : plot.items) {
    if (i.kind == SheetItem::Kind::kText && i.textSize == 2.6) names.push_back(TextBox(i));
    if (i.kind == SheetItem::Kind::kDot) dots.push_back({i.from.x - i.radius, i.from.y - i.radius, i.from.x + i.radius, i.from.y + i.radius});
  }
  ASSERT_EQ(names.size(), bodies.size());
  auto overlap = [](const SheetBox& a, const SheetBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
  };
  for (std::size_t i = 0; i < names.size(); ++i) {
    for (std::size_t j = i + 1; j < names.size(); ++j) EXPECT_FALSE(overlap(names[i], names[j])) << i << " " << j;
    const auto covered = std::count_if(dots.begin(), dots.end(), [&](const SheetBox& d) { return overlap(names[i], d); });
    EXPECT_EQ(covered, 0) << i;
  }
}

}  // namespace
}  // namespace orrelin::navigation
