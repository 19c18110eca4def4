#pragma once
// The altitude graph as drawing items on the sheet's square (the painters of the
// plotting sheet draw it: the window's, the printer's, the command line's files):
// altitude up, local time across from noon to noon, the Sun's bands shaded behind, each
// body's curve in its own colour with its rising, transit and setting marked and their
// local times, a dashed line at a chosen altitude, a legend below and a title above.
#include <optional>
#include <string>
#include <vector>

#include "navigation/sheet_items.h"
#include "sky/altitude_graph.h"

namespace orrelin::sky {

// The graph's plotting area and its altitudes, bottom to top.
inline constexpr navigation::SheetBox kGraphArea{18.0, 20.0, 172.0, 130.0};
inline constexpr double kGraphLowest = -20.0, kGraphHighest = 90.0;

// Where a moment (Julian day UT) and an altitude stand on the sheet.
navigation::SheetPoint GraphPoint(const AltitudeGraph& graph, double julianDayUt, double altitude);
// The moment and the altitude under a point of the sheet; none outside the area.
struct GraphReading {
  double julianDayUt = 0.0, altitude = 0.0;
};
std::optional<GraphReading> ReadGraphAt(const AltitudeGraph& graph, navigation::SheetPoint point);

// A body's colour on the graph, by its place among the bodies.
navigation::SheetColour BodyColour(std::size_t index);

navigation::PlottingSheet DrawGraphSheet(const AltitudeGraph& graph, const UtcMinusLocalAt& utcMinusLocal,
                                         double markedAltitude, const std::vector<std::string>& title);

}  // namespace orrelin::sky
