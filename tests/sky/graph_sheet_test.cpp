// The graph's drawing: a point of the sheet reads back the moment and altitude drawn
// there, each Sun's band is one box across the area, and the chosen altitude dashed.
#include "sky/graph_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orrelin::sky {
namespace {

TEST(GraphSheet, PointsReadBackAndBandsAreBoxes) {
  GraphInput in;
  in.observer.latitude = 60.1617;
  in.observer.longitude = -24.955;
  in.observer.utcMinusLocal = -2;
  in.dayJulianDayUt = 2461114.5;
  in.bodies = SolarSystemBodies(false);
  in.bodies.resize(2);
  std::string why;
  const auto graph = DrawAltitudeGraph(in, why);
  ASSERT_TRUE(graph) << why;
  for (const auto& [jd, altitude] : {std::pair{graph->fromJulianDayUt + 0.3, 12.5}, std::pair{graph->midnightJulianDayUt, -15.0}}) {
    const auto read = ReadGraphAt(*graph, GraphPoint(*graph, jd, altitude));
    ASSERT_TRUE(read);
    EXPECT_NEAR(read->julianDayUt, jd, 1e-9);
    EXPECT_NEAR(read->altitude, altitude, 1e-9);
  }
  EXPECT_FALSE(ReadGraphAt(*graph, {1.0, 1.0}));
  const navigation::PlottingSheet drawn = DrawGraphSheet(*graph, FixedUtcMinusLocal(-2), 15.0, {"Title"});
  const auto boxes = std::count_if(drawn.items.begin(), drawn.items.end(), [](const navigation::SheetItem& i) {
    return i.kind == navigation::SheetItem::Kind::kBox;
  });
  EXPECT_EQ(static_cast<std::size_t>(boxes), graph->sunBands.size() + 5);  // and the legend's five swatches
  const double y = GraphPoint(*graph, graph->fromJulianDayUt, 15.0).y;
  EXPECT_TRUE(std::any_of(drawn.items.begin(), drawn.items.end(), [&](const navigation::SheetItem& i) {
    return i.dashed && i.from.y == y && i.to.y == y;
  }));
}

}  // namespace
}  // namespace orrelin::sky
