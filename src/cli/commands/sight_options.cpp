#include "cli/commands/sight_options.h"

#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "navigation/sight_entry.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

std::optional<navigation::Sight> SightOfOptions(const SightOptionTexts& o, const Observer& place,
                                                std::string& message) {
  using Field = navigation::TypedSightProblem::Field;
  navigation::TypedSightProblem problem;
  const auto sight = navigation::SightOfTyped({o.body, o.limb, o.hs, o.ie}, place, problem);
  if (!sight) {
    message = std::string(problem.field == Field::kLimb ? "--limb: " : problem.field == Field::kHs ? "--hs: " : "--ie: ") +
              problem.text;
  }
  return sight;
}

void AddTimedSightOptions(CLI::App& command, TimedSightTexts& texts, const std::string& utcHelp,
                          const std::string& hsHelp, const std::string& drHelp) {
  AddMomentOptions(command, texts.moment, utcHelp, true);
  command.add_option("--hs", texts.hs, hsHelp)->required();
  command.add_option("--ie", texts.ie, "Index error, minutes; positive on the arc (default 0)");
  command.add_option("--dr", texts.dr, drHelp);
}

std::optional<TimedSight> ReadTimedSight(const CliContext& c, const PlaceOptions& place, const TimedSightTexts& texts) {
  const auto start = ReadPlaceAndDr(c, place, texts.dr);
  if (!start) return std::nullopt;
  std::string why;
  const auto moment = ReadMomentOptions(texts.moment, true, why);
  auto sight = moment ? SightOfOptions(texts, start->place, why) : std::nullopt;
  if (!sight) {
    Fail(c, why);
    return std::nullopt;
  }
  sight->julianDayUt = moment->julianDayUt;
  return TimedSight{*start, *moment, *sight};
}

std::optional<double> ReadDayOption(const std::string& option, const std::string& text, std::string& message) {
  const auto day = ReadDayJulianDay(text, message);
  if (!day) message = option + ": " + message;
  return day;
}

nlohmann::ordered_json WorkingLinesJson(const ExplanationLines& lines) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < lines.labels.size(); ++i) out.push_back({lines.labels[i], lines.values[i]});
  return out;
}

const char* ErrorName(double error) { return error > 0.0 ? "E" : "W"; }

}  // namespace orrelin::cli
