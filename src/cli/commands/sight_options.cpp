#include "cli/commands/sight_options.h"

#include "app/date_box.h"
#include "navigation/sights_file.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

std::optional<navigation::Sight> SightOfOptions(const SightOptionTexts& o, const Observer& place,
                                                std::string& message) {
  auto refuse = [&message](const std::string& what) {
    message = what;
    return std::nullopt;
  };
  const auto limb = navigation::ReadLimb(o.limb);
  if (!limb) return refuse("--limb: lower or upper");
  const auto body = navigation::SightBodyNamed(o.body);
  const bool hasLimbs = body && navigation::HasLimbs(*body);
  // A sextant brings a limb of the Sun or the Moon to the horizon, never the centre;
  // a star or a planet is a point.
  if (hasLimbs && *limb == navigation::Limb::kCentre) return refuse("--limb: lower or upper, for the " + body->name);
  if (body && !hasLimbs && *limb != navigation::Limb::kCentre) {
    return refuse("--limb: only the Sun and the Moon have limbs, not " + body->name);
  }
  const auto hs = navigation::ReadSextantAltitude(o.hs);
  if (!hs) return refuse("--hs: degrees and minutes, \"23 41.6\"");
  const auto ie = ReadBoundedDecimal(o.ie, -60.0, 60.0);
  if (!ie) return refuse("--ie: minutes of arc, -60 to 60 (positive on the arc)");
  navigation::Sight s;
  s.body = o.body;
  s.limb = *limb;
  s.sextantAltitude = *hs;
  s.indexError = *ie;
  s.heightOfEye = place.height;
  s.pressure = place.pressure;
  s.temperature = place.temperature;
  return s;
}

std::optional<double> ReadDayOption(const std::string& option, const std::string& text, std::string& message) {
  const DateRead read = ReadDateText(text, false);
  if (!read.date) {
    message = option + ": " + (read.message.empty() ? "give the date as yyyy-mm-dd" : read.message);
    return std::nullopt;
  }
  std::string why;
  const auto jd = ReadUtcMoment(DateBoxText(*read.date), why);
  if (!jd) {
    message = option + ": " + why;
    return std::nullopt;
  }
  return jd;
}

std::optional<double> ReadBearing(const std::string& text) { return ReadBoundedDecimal(text, 0.0, 360.0); }

nlohmann::ordered_json WorkingLinesJson(const ExplanationLines& lines) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < lines.labels.size(); ++i) out.push_back({lines.labels[i], lines.values[i]});
  return out;
}

const char* ErrorName(double error) { return error > 0.0 ? "E" : "W"; }

}  // namespace orrelin::cli
