#include "cli/navigation_command.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "cli/json_number.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"

namespace orrelin::cli {

namespace {

double Rounded(double x, double unit) { return JsonNumber(x, static_cast<int>(std::lround(-std::log10(unit)))); }

// How far off an intercept may be before the sight is worth a second look.
constexpr double kLargestPlainIntercept = 60.0;  // nautical miles: one degree

}  // namespace

std::vector<std::string> SightWarnings(const navigation::SightReduction& r) {
  std::vector<std::string> warnings;
  if (r.computedAltitude < 0.0) {
    warnings.push_back("Hc " + AltitudeText(r.computedAltitude) +
                       " is below the horizon: check the body, the time and the assumed position");
  }
  if (std::fabs(r.intercept) > kLargestPlainIntercept) {
    warnings.push_back("The intercept, " + FixedText(std::fabs(r.intercept), 1) +
                       " nm, is over 60': check the body, the time and the assumed position");
  }
  return warnings;
}

std::string SightJson(const navigation::Sight& sight, const navigation::SightReduction& r,
                      const std::vector<std::string>& warnings) {
  nlohmann::ordered_json j;
  j["body"] = sight.body;
  j["limb"] = navigation::LimbText(sight.limb);
  j["utc"] = UtcMomentText(sight.julianDayUt);
  j["ho_deg"] = Rounded(r.observedAltitude, 1e-6);
  j["gha_deg"] = Rounded(r.gha, 1e-6);
  j["dec_deg"] = Rounded(r.declination, 1e-6);
  j["lha_deg"] = Rounded(r.lha, 1e-6);
  j["hc_deg"] = Rounded(r.computedAltitude, 1e-6);
  j["zn_deg"] = Rounded(r.azimuth, 1e-4);
  j["intercept_nm"] = Rounded(r.intercept, 1e-3);
  j["direction"] = r.intercept >= 0 ? "toward" : "away";
  nlohmann::ordered_json lines = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < r.lines.labels.size(); ++i) lines.push_back({r.lines.labels[i], r.lines.values[i]});
  j["lines"] = lines;
  j["warnings"] = warnings;
  return JsonText(j);
}

std::string FixJson(const navigation::CheckedFix& checked, const std::vector<int>& lineNumbers,
                    const navigation::GeoPosition& assumed, const std::vector<std::string>& messages) {
  const navigation::Fix& fix = checked.plain;
  nlohmann::ordered_json j;
  j["latitude_deg"] = Rounded(fix.position.latitude, 1e-6);
  j["longitude_deg"] = Rounded(fix.position.longitude, 1e-6);
  j["position"] = navigation::PositionText(fix.position);
  j["assumed"] = navigation::PositionText(assumed);
  j["distance_from_assumed_nm"] = Rounded(fix.distanceFromAssumed, 1e-3);
  j["bearing_from_assumed_deg"] = Rounded(fix.bearingFromAssumed, 1e-2);
  j["iterations"] = fix.iterations;
  if (fix.ellipse) {
    j["ellipse"] = {{"major_nm", Rounded(fix.ellipse->major, 1e-3)},
                    {"minor_nm", Rounded(fix.ellipse->minor, 1e-3)},
                    {"orientation_deg", Rounded(fix.ellipse->orientation, 1e-1)}};
  }
  nlohmann::ordered_json lines = nlohmann::ordered_json::array();
  for (const navigation::FixLine& l : fix.lines) {
    lines.push_back({{"body", l.body},
                     {"zn_deg", Rounded(l.azimuth, 1e-4)},
                     {"intercept_nm", Rounded(l.intercept, 1e-3)},
                     {"run_nm", Rounded(l.run, 1e-3)},
                     {"residual_nm", Rounded(l.residual, 1e-3)}});
  }
  j["lines"] = lines;
  j["messages"] = messages;
  if (checked.robust) {
    nlohmann::ordered_json suspect = nlohmann::ordered_json::array();
    for (std::size_t i : checked.robust->suspects) suspect.push_back(lineNumbers[i]);
    j["suspect"] = suspect;
    j["robust_fix"] = {{"latitude_deg", Rounded(checked.robust->fix.position.latitude, 1e-6)},
                       {"longitude_deg", Rounded(checked.robust->fix.position.longitude, 1e-6)}};
  }
  return JsonText(j);
}

std::string SeriesJson(const std::vector<FileSeries>& all) {
  nlohmann::ordered_json bodies = nlohmann::ordered_json::array();
  for (const FileSeries& f : all) {
    const navigation::SightSeries& s = f.series;
    nlohmann::ordered_json flagged = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < s.flagged.size(); ++i) {
      if (s.flagged[i]) flagged.push_back(f.lineNumbers[i]);
    }
    nlohmann::ordered_json body;
    body["name"] = f.sights.front().body;
    body["n"] = f.sights.size();
    body["intercept_min"] = Rounded(s.intercept, 1e-3);
    body["spread_min"] = Rounded(s.spread, 1e-3);
    body["flagged"] = flagged;
    body["representative"] = {{"row", f.lineNumbers[s.representative]},
                              {"utc", UtcMomentText(f.sights[s.representative].julianDayUt)},
                              {"hs_deg", Rounded(s.representativeHs, 1e-6)}};
    body["meridian"] = nullptr;
    if (s.meridian) {
      body["meridian"] = {{"utc", UtcMomentText(s.meridian->julianDayUt)},
                          {"altitude_deg", Rounded(s.meridian->altitude, 1e-6)}};
    }
    bodies.push_back(body);
  }
  nlohmann::ordered_json j;
  j["bodies"] = bodies;
  return JsonText(j);
}

}  // namespace orrelin::cli
