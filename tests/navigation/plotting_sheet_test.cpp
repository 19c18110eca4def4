#include "navigation/plotting_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "navigation/robust_fix.h"
#include "navigation/sights_file.h"
#include "synthesised_sights.h"

namespace orrelin::navigation {
namespace {

TEST(PlottingSheet, EverythingOfTheFixIsOnTheSheetAtARoundScale) {
  Fix fix;
  fix.position = {35.5, -40.2};
  fix.lines = {{"Vega", 75, 72.1, 22.4, 16, -0.2, 72.3}, {"Arcturus", 42, 263.8, -21.3, 12, 0.45, 263.6},
               {"Altair", 53, 129.5, 10.7, 8, 0.5, 129.4}};
  fix.ellipse = ErrorEllipse{0.45, 0.26, 161};
  const GeoPosition assumed{35 + 20.0 / 60, -(40 + 40.0 / 60)};
  const PlottingSheet sheet = DrawPlottingSheet(fix, assumed);
  // 1, 2 or 5 times a power of ten miles a centimetre.
  const double perCentimetre = sheet.milesPerMillimetre * 10;
  const double power = std::pow(10.0, std::floor(std::log10(perCentimetre) + 1e-9));
  EXPECT_TRUE(std::fabs(perCentimetre / power - 1) < 1e-9 || std::fabs(perCentimetre / power - 2) < 1e-9 ||
              std::fabs(perCentimetre / power - 5) < 1e-9)
      << perCentimetre;
  auto count = [&sheet](SheetItem::Kind kind) {
    return std::count_if(sheet.items.begin(), sheet.items.end(), [kind](const SheetItem& i) { return i.kind == kind; });
  };
  EXPECT_EQ(count(SheetItem::Kind::kEllipse), 1);
  EXPECT_EQ(count(SheetItem::Kind::kArrow), 3 + 1);  // the three azimuths and north
  for (const SheetItem& item : sheet.items) {
    if (item.kind == SheetItem::Kind::kLine) continue;  // lines of position may run off the edge
    EXPECT_TRUE(item.from.x >= 0 && item.from.x <= kSheetSize && item.from.y >= 0 && item.from.y <= kSheetSize)
        << item.text;
  }
  const auto fixDot = std::find_if(sheet.items.begin(), sheet.items.end(),
                                   [](const SheetItem& i) { return i.kind == SheetItem::Kind::kDot; });
  const auto apRing = std::find_if(sheet.items.begin(), sheet.items.end(),
                                   [](const SheetItem& i) { return i.kind == SheetItem::Kind::kCircle; });
  // North up, east to the right: the fix is north-east of the assumed position.
  EXPECT_LT(fixDot->from.y, apRing->from.y);
  EXPECT_GT(fixDot->from.x, apRing->from.x);
  EXPECT_NE(std::find_if(sheet.items.begin(), sheet.items.end(),
                         [](const SheetItem& i) { return i.text == "Vega 22.4 T 72\xC2\xB0"; }),
            sheet.items.end());
}

bool InBox(const SheetPoint& p, const SheetBox& b) { return p.x > b.left && p.x < b.right && p.y > b.top && p.y < b.bottom; }

// Whether the segment runs through the box (sampled every 0.05 mm).
bool Crosses(const SheetPoint& a, const SheetPoint& b, const SheetBox& box) {
  const int steps = 1 + static_cast<int>(std::hypot(b.x - a.x, b.y - a.y) / 0.05);
  for (int i = 0; i <= steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    if (InBox({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}, box)) return true;
  }
  return false;
}

// Running fixes of three stars (the manual's, and one whose DR is a degree out): each
// line of position runs through the fix and on beyond it, every label lies on the
// sheet and off every line and every other label, and the frame has a grid with ticks
// at whole minutes (or a round number of them where minutes would crowd).
TEST(PlottingSheet, LinesThroughTheFixLabelsOffTheLinesAGridWithMinuteTicks) {
  const double jd = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
  const GeoPosition ship{35.5, -40.25};
  struct Case {
    GeoPosition assumed;
    double tickMinutes;  // between the ticks of the frame's left edge
  };
  const Case cases[] = {{{35 + 20.0 / 60, -(40 + 40.0 / 60)}, 1.0}, {MovedBy(ship, 200, 70), 2.0}};
  for (const Case& c : cases) {
    FixInput in;
    in.course = 225;
    in.speed = 12;
    const char* stars[] = {"Vega", "Arcturus", "Altair"};
    for (int i = 0; i < 3; ++i) {
      in.sights.push_back(testing::SightOf(stars[i], jd + i * 20.0 / 1440.0, MovedBy(ship, 225, -12.0 * (2 - i) / 3.0)));
    }
    in.assumed = c.assumed;
    std::string message;
    const auto fix = FixPosition(in, message);
    ASSERT_TRUE(fix.has_value()) << message;
    const PlottingSheet sheet = DrawPlottingSheet(*fix, in.assumed);
    const auto fixDot = std::find_if(sheet.items.begin(), sheet.items.end(),
                                     [](const SheetItem& i) { return i.kind == SheetItem::Kind::kDot; });
    ASSERT_NE(fixDot, sheet.items.end());
    const SheetPoint f = fixDot->from;
    std::vector<SheetItem> lines, texts, leftTicks;
    int parallels = 0, meridians = 0;
    for (const SheetItem& i : sheet.items) {
      if (i.role == SheetItem::Role::kLineOfPosition) lines.push_back(i);
      if (i.kind == SheetItem::Kind::kText) texts.push_back(i);
      if (i.role != SheetItem::Role::kGrid) continue;
      if (i.from.x == kSheetFrame.left && i.to.x < kSheetFrame.left + 3) leftTicks.push_back(i);
      if (i.from.y == i.to.y && i.to.x - i.from.x > 100) ++parallels;
      if (std::fabs(i.from.x - i.to.x) < 1 && i.to.y - i.from.y > 100) ++meridians;
    }
    ASSERT_EQ(lines.size(), 3u);
    for (const SheetItem& l : lines) {
      const double length = std::hypot(l.to.x - l.from.x, l.to.y - l.from.y);
      const double ux = (l.to.x - l.from.x) / length, uy = (l.to.y - l.from.y) / length;
      const double along = (f.x - l.from.x) * ux + (f.y - l.from.y) * uy;
      EXPECT_LT(std::fabs((f.x - l.from.x) * uy - (f.y - l.from.y) * ux), 0.3) << "the line misses the fix";
      EXPECT_GT(along, 10.0) << "the line stops short of the fix";
      EXPECT_GT(length - along, 10.0) << "the line stops at the fix";
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const SheetBox b = TextBox(texts[i]);
      EXPECT_TRUE(b.left >= 0 && b.top >= 0 && b.right <= kSheetSize && b.bottom <= kSheetSize) << texts[i].text;
      for (const SheetItem& item : sheet.items) {
        const bool drawn = item.kind == SheetItem::Kind::kArrow || item.role == SheetItem::Role::kLineOfPosition;
        EXPECT_FALSE(drawn && Crosses(item.from, item.to, b)) << texts[i].text << " lies on a line";
      }
      for (std::size_t j = 0; j < i; ++j) {
        const SheetBox o = TextBox(texts[j]);
        EXPECT_FALSE(b.left < o.right && o.left < b.right && b.top < o.bottom && o.top < b.bottom)
            << texts[i].text << " on " << texts[j].text;
      }
    }
    EXPECT_GE(parallels, 2);
    EXPECT_GE(meridians, 2);
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const SheetItem& t) {
      return t.text.find("\xC2\xB0") != std::string::npos && t.text.back() == 'N' && t.from.x < kSheetFrame.left;
    }));
    ASSERT_GE(leftTicks.size(), 5u);
    std::sort(leftTicks.begin(), leftTicks.end(), [](const SheetItem& a, const SheetItem& b) { return a.from.y < b.from.y; });
    for (std::size_t i = 1; i < leftTicks.size(); ++i) {
      EXPECT_NEAR((leftTicks[i].from.y - leftTicks[i - 1].from.y) * sheet.milesPerMillimetre, c.tickMinutes, 1e-6);
    }
  }
}

// Five stars, one read 10' high: its line is dashed in the suspect colour and labelled
// so, and the robust fix is marked beside the least-squares one; without the blunder the
// sheet is the plain fix's, item for item.
TEST(PlottingSheet, ASuspectLineIsDashedAndBothFixesAreMarked) {
  const double jd = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
  const GeoPosition ship{35.5, -40.25};
  for (const bool blunder : {true, false}) {
    FixInput in;
    in.assumed = MovedBy(ship, 120, 15);
    for (const char* star : {"Vega", "Arcturus", "Altair", "Antares", "Deneb"}) {
      in.sights.push_back(testing::SightOf(star, jd, ship));
    }
    if (blunder) in.sights[2].sextantAltitude += 10.0 / 60.0;
    std::string message;
    const auto checked = FixWithCheck(in, message);
    ASSERT_TRUE(checked && checked->robust) << message;
    const PlottingSheet sheet = DrawPlottingSheet(*checked, in.assumed);
    int suspectLines = 0;
    std::vector<std::string> texts;
    for (const SheetItem& i : sheet.items) {
      suspectLines += i.role == SheetItem::Role::kLineOfPosition && i.tone == SheetItem::Tone::kSuspect && i.dashed;
      if (i.kind == SheetItem::Kind::kText) texts.push_back(i.text);
    }
    auto labelled = [&texts](const std::string& start) {
      return std::count_if(texts.begin(), texts.end(), [&](const std::string& t) { return t.rfind(start, 0) == 0; });
    };
    if (!blunder) {
      EXPECT_EQ(sheet.items.size(), DrawPlottingSheet(checked->plain, in.assumed).items.size());
      EXPECT_EQ(suspectLines, 0);
      EXPECT_EQ(labelled("Robust fix"), 0);
      continue;
    }
    EXPECT_EQ(checked->robust->suspects, std::vector<std::size_t>{2});
    EXPECT_EQ(suspectLines, 1);
    const auto suspect = [](const std::string& t) { return t.find(" suspect") != std::string::npos; };
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), suspect), 1);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [&](const std::string& t) { return t.rfind("Altair", 0) == 0 && suspect(t); }),
              1);
    EXPECT_EQ(labelled("Fix " + PositionText(checked->plain.position)), 1);
    EXPECT_EQ(labelled("Robust fix " + PositionText(checked->robust->fix.position)), 1);
  }
}

}  // namespace
}  // namespace orrelin::navigation
