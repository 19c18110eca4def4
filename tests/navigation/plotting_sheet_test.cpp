#include "navigation/plotting_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orrelin::navigation {
namespace {

TEST(PlottingSheet, EverythingOfTheFixIsOnTheSheetAtARoundScale) {
  Fix fix;
  fix.position = {35.5, -40.2};
  fix.lines = {{"Vega", 75, 72.1, 22.4, 16, -0.2}, {"Arcturus", 42, 263.8, -21.3, 12, 0.45},
               {"Altair", 53, 129.5, 10.7, 8, 0.5}};
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

}  // namespace
}  // namespace orrelin::navigation
