#pragma once
// The plotting sheet of a fix as drawing items, north up, in millimetres of a square
// sheet: a latitude and longitude grid in a frame with minute ticks, the assumed
// position, each line of position (across the frame, through the fix) with its azimuth
// arrow and label, the fix and its error ellipse, a scale of nautical miles and the
// north arrow; no label on a line or on another label. The
// window draws them with its painter, the command line into a PNG file; both draw the
// same sheet.
#include "navigation/fix.h"
#include "navigation/robust_fix.h"
#include "navigation/sheet_items.h"

namespace orrelin::navigation {

// The sheet of a fix from its assumed position: the scale chosen so that the assumed
// position, the fix and the lines' intercepts fit with a margin.
PlottingSheet DrawPlottingSheet(const Fix& fix, const GeoPosition& assumed);
// The sheet of the least-squares fix with what its check found: each suspect line
// dashed in its own colour and labelled "suspect", and the robust fix marked and
// labelled beside the least-squares one. With no suspect line, the plain fix's sheet.
PlottingSheet DrawPlottingSheet(const CheckedFix& checked, const GeoPosition& assumed);

}  // namespace orrelin::navigation
