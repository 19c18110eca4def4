// compass: the compass (or gyro) error and the deviation from a body's bearing.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/moment_options.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "navigation/compass_check.h"
#include "navigation/sight_entry.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

// The compass command's own options, as typed.
struct CompassOptions {
  std::string body, bearing;
  MomentTexts moment;
  std::optional<std::string> dr, variation, heading;
};

class Compass final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  CompassOptions o_;
  bool json_ = false;
};

CLI::App* Compass::Add(CLI::App& program) {
  CLI::App* compass =
      program.add_subcommand("compass", "The compass error and deviation from a body's bearing (by azimuth)");
  compass->add_option("--body", o_.body, "sun, moon, a planet or a navigational star")->required();
  AddMomentOptions(*compass, o_.moment, "The time of the bearing, \"yyyy-mm-dd hh:mm:ss\" UT", true);
  compass->add_option("--bearing", o_.bearing, "The body's bearing by compass (or gyro), degrees")->required();
  compass->add_option("--dr", o_.dr, "The DR position, \"59 50 N, 24 50 E\" (default: the place)");
  compass->add_option("--variation", o_.variation, "The variation, \"4.5 E\" or \"3 W\": gives the deviation");
  compass->add_option("--heading", o_.heading, "The ship's heading by the same compass, degrees");
  AddPlaceOptions(*compass, options_, kPlaceBoxes);
  compass->add_flag("--json", json_, "Print one JSON object");
  return compass;
}

int Compass::Run(const CliContext& c) const {
  const auto start = ReadPlaceAndDr(c, options_, o_.dr);
  if (!start) return kExitBadInput;
  std::string why;
  const auto moment = ReadMomentOptions(o_.moment, true, why);
  if (!moment) return Fail(c, why);
  if (!navigation::IsSightBody(o_.body)) return Fail(c, "--body: no body of the almanacs is called " + o_.body);
  const auto bearing = navigation::ReadBearing(o_.bearing);
  if (!bearing) return Fail(c, "--bearing: degrees by compass, 0 to 360");
  navigation::AzimuthCheckInput in{o_.body, moment->julianDayUt, start->dr, *bearing, std::nullopt, std::nullopt};
  if (o_.variation) {
    in.variation = navigation::ReadVariation(*o_.variation);
    if (!in.variation) return Fail(c, "--variation: degrees and E or W, \"4.5 E\"");
  }
  if (o_.heading) {
    in.heading = navigation::ReadBearing(*o_.heading);
    if (!in.heading) return Fail(c, "--heading: degrees by compass, 0 to 360");
  }
  const auto check = navigation::CheckByAzimuth(in, why);
  if (!check) return Fail(c, why);
  if (json_) {
    const auto& e = check->errors;
    nlohmann::ordered_json j;
    j["zn_deg"] = JsonNumber(check->azimuth, 4);
    j["hc_deg"] = JsonNumber(check->altitude, 4);
    j["error_deg"] = JsonNumber(e.error, 4);
    j["error_name"] = ErrorName(e.error);
    j["deviation_deg"] = e.deviation ? nlohmann::ordered_json(JsonNumber(*e.deviation, 4)) : nlohmann::ordered_json();
    j["deviation_name"] = e.deviation ? nlohmann::ordered_json(ErrorName(*e.deviation)) : nlohmann::ordered_json();
    j["heading_deg"] = in.heading ? nlohmann::ordered_json(JsonNumber(*in.heading, 4)) : nlohmann::ordered_json();
    j["lines"] = WorkingLinesJson(check->lines);
    c.out << JsonText(j);
  } else {
    c.out << WithWatchNote(navigation::AzimuthCheckText(navigation::SightBodyNamed(o_.body)->name, *check), *moment);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> CompassUnit() { return std::make_unique<Compass>(); }

}  // namespace orrelin::cli
