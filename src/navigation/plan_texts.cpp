#include "navigation/plan_texts.h"

#include <cstdio>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"
#include "navigation/watch_texts.h"

namespace orrelin::navigation {

namespace {

std::string DateText(double dayJulianDayUt) { return UtcMomentText(dayJulianDayUt).substr(0, 10); }

std::string MomentOrNone(const std::optional<double>& jd) { return jd ? UtcMomentText(*jd) + " UT" : "none"; }

// The columns a text takes: the degree sign takes two bytes and one column.
std::size_t Columns(const std::string& text) {
  std::size_t columns = 0;
  for (unsigned char c : text) columns += (c & 0xC0) != 0x80;
  return columns;
}

std::string Padded(std::string text, std::size_t width) {
  const std::size_t columns = Columns(text);
  if (columns < width) text.append(width - columns, ' ');
  return text;
}

std::string RightAligned(const std::string& text, std::size_t width) {
  const std::size_t columns = Columns(text);
  return (columns < width ? std::string(width - columns, ' ') : std::string()) + text;
}

// "005.2°": an azimuth with its three figures, as a bearing is written.
std::string AzimuthText(double zn) {
  const std::string text = FixedText(zn, 1);
  return std::string(text.size() < 5 ? 5 - text.size() : 0, '0') + text + "°";
}

std::string Names(const TwilightPlan& plan, const std::vector<std::size_t>& chosen) {
  std::string names;
  for (std::size_t i : chosen) names += (names.empty() ? "" : ", ") + plan.bodies[i].body.name;
  return names;
}

}  // namespace

std::string PlanMomentsText(const TwilightPlan& plan, double dayJulianDayUt) {
  const bool morning = plan.times.twilight == Twilight::kMorning;
  ExplanationLines lines;
  ReportLine(&lines, "Twilight:", std::string(morning ? "morning" : "evening") + " of " + DateText(dayJulianDayUt));
  ReportLine(&lines, morning ? "Nautical twilight begins:" : "Sunset:",
             MomentOrNone(morning ? plan.times.nautical : plan.times.horizon));
  ReportLine(&lines, morning ? "Civil twilight begins:" : "Civil twilight ends:", MomentOrNone(plan.times.civil));
  ReportLine(&lines, morning ? "Sunrise:" : "Nautical twilight ends:",
             MomentOrNone(morning ? plan.times.horizon : plan.times.nautical));
  ReportLine(&lines, "Planned moment:", MomentOrNone(plan.plannedJulianDayUt));
  std::string out;
  for (const std::string& m : plan.messages) out += m + "\n";
  if (plan.plannedJulianDayUt) ReportLine(&lines, "Ship's position then:", PositionText(plan.position));
  return out + WorkingLinesText(lines);
}

PlanBodyCells CellsOf(const PlanBody& b) {
  return {b.body.name, AltitudeText(b.body.hc), AzimuthText(b.body.zn), FixedText(b.body.magnitude, 1),
          AltitudeText(b.presetAltitude)};
}

std::string PlanRuleText(const TwilightPlan& plan) {
  std::string out;
  if (!plan.recommendation.triad.empty()) out += "Triad (*): " + Names(plan, plan.recommendation.triad) + "\n";
  if (plan.recommendation.pair) {
    out += "Pair: " + Names(plan, {plan.recommendation.pair->first, plan.recommendation.pair->second}) + "\n";
  }
  return out + plan.recommendation.rule + "\n";
}

std::string PlanText(const TwilightPlan& plan, double dayJulianDayUt) {
  std::string out = PlanMomentsText(plan, dayJulianDayUt);
  if (!plan.plannedJulianDayUt) return out;
  out += "\n";
  out += "  Body                    Hc       Zn    Mag   Preset Hs\n";
  for (const PlanBody& b : plan.bodies) {
    const PlanBodyCells cells = CellsOf(b);
    out += std::string(b.recommended ? "*" : " ") + " " + Padded(cells.name, 16) + RightAligned(cells.hc, 10) +
           RightAligned(cells.zn, 9) + RightAligned(cells.magnitude, 7) + RightAligned(cells.presetHs, 12) +
           (b.pair ? "  pair" : "") + "\n";
  }
  if (plan.bodies.empty()) out += "  (no body above the horizon within the magnitude limit)\n";
  return out + "\n" + PlanRuleText(plan);
}

std::vector<SkyPlotBody> SkyPlotBodies(const TwilightPlan& plan) {
  std::vector<SkyPlotBody> bodies;
  for (const PlanBody& b : plan.bodies) bodies.push_back({b.body, b.recommended});
  return bodies;
}

std::vector<std::string> PlanTitle(const TwilightPlan& plan, double dayJulianDayUt) {
  const std::string twilight = plan.times.twilight == Twilight::kMorning ? "Morning" : "Evening";
  std::vector<std::string> title{twilight + " twilight of " + DateText(dayJulianDayUt) +
                                 (plan.plannedJulianDayUt ? ", " + UtcMomentText(*plan.plannedJulianDayUt).substr(11) +
                                                                " UT"
                                                          : "")};
  if (!plan.plannedJulianDayUt) return title;
  title.push_back("DR " + PositionText(plan.position));
  // What the marks mean, for a reader who has only the picture.
  std::vector<std::size_t> triad = plan.recommendation.triad;
  title.push_back((triad.empty() ? std::string("No triad in the band") : "Red: the triad " + Names(plan, triad)) +
                  "; dashed: the band's limits");
  return title;
}

}  // namespace orrelin::navigation
