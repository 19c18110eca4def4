#pragma once
// The twilight plan as it is shown, the same in a window and on the command line: its
// moments, the bodies' table with the recommended ones marked, the rule, and the sky
// plot's bodies and title.
#include <string>
#include <vector>

#include "navigation/sky_plot.h"
#include "navigation/twilight_plan.h"

namespace orrelin::navigation {

// The moments, the ship's position then, and every body: name, Hc, Zn, magnitude,
// preset Hs and its marks; then the triad, the pair and the rule.
std::string PlanText(const TwilightPlan& plan, double dayJulianDayUt);
// Its parts: the moments and the ship's position then (with the plan's messages above
// them); a body's cells as its row shows them; the triad, the pair and the rule.
std::string PlanMomentsText(const TwilightPlan& plan, double dayJulianDayUt);
struct PlanBodyCells {
  std::string name, hc, zn, magnitude, presetHs;
};
PlanBodyCells CellsOf(const PlanBody& body);
std::string PlanRuleText(const TwilightPlan& plan);
// The sky plot's bodies (the triad's marked) and its title: date, twilight, moment and DR.
std::vector<SkyPlotBody> SkyPlotBodies(const TwilightPlan& plan);
std::vector<std::string> PlanTitle(const TwilightPlan& plan, double dayJulianDayUt);

}  // namespace orrelin::navigation
