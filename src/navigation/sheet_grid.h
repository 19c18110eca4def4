#pragma once
// The plotting sheet's frame: the latitude and longitude grid with its minute ticks and
// labels, the scale of nautical miles and the north arrow.
#include <vector>

#include "navigation/sheet_geometry.h"

namespace orrelin::navigation::sheet {

// The latitude and longitude grid in the frame, the frame with its minute ticks, and the
// grid's labels in the margins.
void AddGrid(std::vector<SheetItem>& items, const Sheet& sheet, const GeoPosition& assumed);
// A bar of a round number of miles under the frame, and north in the right margin.
void AddScaleAndNorth(std::vector<SheetItem>& items, double milesPerMillimetre);

}  // namespace orrelin::navigation::sheet
