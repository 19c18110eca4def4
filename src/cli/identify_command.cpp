#include "cli/identify_command.h"

#include <nlohmann/json.hpp>

#include <sstream>

#include "core/fields.h"
#include <utility>

namespace orrelin::cli {

namespace {


void Line(std::ostringstream& out, const std::string& caption, const std::string& text) {
  out << "  " << caption << std::string(caption.size() < 20 ? 20 - caption.size() : 1, ' ') << text << '\n';
}

}  // namespace

IdentifySight SightOf(const std::string& sextantAltitude, const std::string& azimuth, const std::string& limit) {
  IdentifySight sight;
  const std::vector<std::string> w = SplitAtBlanks(sextantAltitude);
  sight.hmDeg = w.empty() ? "" : w[0];
  sight.hmMin = w.size() > 1 ? w[1] : "";
  if (w.size() > 2) sight.hmMin += " " + w[2];  // more than two parts: the minutes do not read
  sight.azimuth = azimuth;
  sight.magnitudeLimit = limit;
  return sight;
}

std::string IdentifyText(const IdentifyResult& f) {
  std::ostringstream out;
  out << "Observed\n";
  Line(out, "Apparent altitude", f.apparentAltitude);
  Line(out, "Observed altitude", f.observedDeg + "° " + f.observedMin + "'");
  Line(out, "Declination", f.declination);
  Line(out, "Local hour angle", f.lha);
  Line(out, "Altitude", f.observedAltitude);
  Line(out, "Azimuth", f.observedAzimuth);
  for (std::size_t n = 0; n < f.panels.size(); ++n) {
    const CandidatePanel& p = f.panels[n];
    if (!p.visible) continue;
    out << '\n' << n + 1 << ". " << p.name << '\n';
    Line(out, "Declination", p.declination);
    Line(out, "Local hour angle", p.lha);
    Line(out, "Altitude", p.altitude);
    Line(out, "Azimuth", p.azimuth);
    Line(out, "Magnitude", p.magnitude);
    Line(out, "From the sight", p.separation);
  }
  if (!f.notice.empty()) out << '\n' << f.notice << '\n';
  return out.str();
}

std::string IdentifyJson(const IdentifyResult& f, const std::vector<std::string>& messages) {
  nlohmann::ordered_json j;
  j["observed"] = {{"apparent_altitude", f.apparentAltitude}, {"observed_deg", f.observedDeg},
                   {"observed_min", f.observedMin},           {"declination", f.declination},
                   {"lha", f.lha},                            {"altitude", f.observedAltitude},
                   {"azimuth", f.observedAzimuth}};
  j["candidates"] = nlohmann::ordered_json::array();
  for (const CandidatePanel& p : f.panels) {
    if (!p.visible) continue;
    j["candidates"].push_back({{"name", p.name},
                               {"declination", p.declination},
                               {"lha", p.lha},
                               {"altitude", p.altitude},
                               {"azimuth", p.azimuth},
                               {"magnitude", p.magnitude},
                               {"from_sight", p.separation}});
  }
  j["notice"] = f.notice;
  j["messages"] = messages;
  return j.dump(2) + "\n";
}

}  // namespace orrelin::cli
