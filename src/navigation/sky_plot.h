#pragma once
// The twilight's sky as a star finder shows it, as drawing items on the sheet's square
// (the same painters draw it: the window's, the printer's, the command line's files):
// the horizon a circle with the zenith at its centre, altitude rings every 10 degrees
// (equidistant: the radius grows with the zenith distance), north up and east on the left
// as the sky is seen looking up; each body a dot sized by its brightness with its name,
// the recommended ones in the fix's colour; the band's rings dashed; a title above.
#include <string>
#include <vector>

#include "navigation/plan_recommendation.h"
#include "navigation/sheet_items.h"

namespace orrelin::navigation {

struct SkyPlotBody {
  PlannedBody body;
  bool recommended = false;
};

// The horizon's radius and centre on the sheet, millimetres.
inline constexpr double kSkyRadius = 72.0;
inline constexpr SheetPoint kSkyCentre{90.0, 98.0};

// Where a body of this altitude and azimuth stands on the sheet (below the horizon: on it).
SheetPoint SkyPoint(double altitude, double azimuth);

// The picture: `title` lines above the horizon, the bodies above the horizon drawn.
PlottingSheet DrawSkyPlot(const std::vector<SkyPlotBody>& bodies, const AltitudeBand& band,
                          const std::vector<std::string>& title);

}  // namespace orrelin::navigation
