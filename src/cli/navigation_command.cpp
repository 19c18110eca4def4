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

std::string FixJson(const navigation::Fix& fix, const navigation::GeoPosition& assumed,
                    const std::vector<std::string>& messages) {
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
  return JsonText(j);
}

}  // namespace orrelin::cli
