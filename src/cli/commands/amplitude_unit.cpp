// amplitude: the body's true amplitude at rising or setting, and the compass error
// from its bearing on the visible horizon.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "navigation/compass_check.h"
#include "navigation/sight_entry.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

// The amplitude command's own options, as typed.
struct AmplitudeOptions {
  std::string body = "sun", date;
  std::optional<std::string> dr, bearing, variation;
  bool rising = false, setting = false;
};

class Amplitude final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  AmplitudeOptions o_;
  bool json_ = false;
};

CLI::App* Amplitude::Add(CLI::App& program) {
  CLI::App* amplitude = program.add_subcommand(
      "amplitude", "The true amplitude of a body rising or setting, and the compass error from its bearing");
  amplitude->add_option("--body", o_.body, "sun (default), moon, a planet or a navigational star");
  amplitude->add_option("--date", o_.date, "The date at the ship, yyyy-mm-dd")->required();
  amplitude->add_option("--dr", o_.dr, "The DR position, \"59 50 N, 24 50 E\" (default: the place)");
  amplitude->add_flag("--rising", o_.rising, "The body rising");
  amplitude->add_flag("--setting", o_.setting, "The body setting");
  amplitude->add_option("--bearing", o_.bearing, "Its centre's bearing by compass on the visible horizon, degrees");
  amplitude->add_option("--variation", o_.variation, "The variation, \"4.5 E\" or \"3 W\": gives the deviation");
  AddPlaceOptions(*amplitude, options_, kPlaceBoxes | kWeatherBoxes);
  amplitude->add_flag("--json", json_, "Print one JSON object");
  return amplitude;
}

nlohmann::ordered_json OrNull(const std::optional<double>& x) {
  return x ? nlohmann::ordered_json(JsonNumber(*x, 4)) : nlohmann::ordered_json();
}

int Amplitude::Run(const CliContext& c) const {
  const auto start = ReadPlaceAndDr(c, options_, o_.dr);
  if (!start) return kExitBadInput;
  const Observer& place = start->place;
  std::string why;
  const auto day = ReadDayOption("--date", o_.date, why);
  if (!day) return Fail(c, why);
  if (o_.rising == o_.setting) return Fail(c, "--rising or --setting: give one of them");
  if (!navigation::IsSightBody(o_.body)) return Fail(c, "--body: no body of the almanacs is called " + o_.body);
  navigation::AmplitudeCheckInput in;
  in.body = o_.body;
  in.dayJulianDayUt = *day;
  in.dr = start->dr;
  in.crossing = o_.rising ? navigation::HorizonCrossing::kRising : navigation::HorizonCrossing::kSetting;
  in.heightOfEye = place.height;
  in.pressure = place.pressure;
  in.temperature = place.temperature;
  if (o_.bearing) {
    in.bearing = navigation::ReadBearing(*o_.bearing);
    if (!in.bearing) return Fail(c, "--bearing: degrees by compass, 0 to 360");
  }
  if (o_.variation) {
    if (!o_.bearing) return Fail(c, "--variation: give --bearing with it");
    in.variation = navigation::ReadVariation(*o_.variation);
    if (!in.variation) return Fail(c, "--variation: degrees and E or W, \"4.5 E\"");
  }
  const auto check = navigation::CheckByAmplitude(in, why);
  if (!check) return Fail(c, why);
  if (json_) {
    nlohmann::ordered_json j;
    j["utc"] = UtcMomentText(check->julianDayUt);
    j["amplitude_deg"] = JsonNumber(check->amplitude, 4);
    j["amplitude_text"] = navigation::AmplitudeText(check->amplitude, in.crossing);
    j["zn_deg"] = JsonNumber(check->azimuth, 4);
    j["dec_deg"] = JsonNumber(check->declination, 4);
    j["visible_utc"] = UtcMomentText(check->visibleJulianDayUt);
    j["visible_zn_deg"] = JsonNumber(check->visibleAzimuth, 4);
    j["visible_correction_deg"] = JsonNumber(check->visibleCorrection, 4);
    const auto& e = check->errors;
    j["error_deg"] = OrNull(e ? std::optional<double>(e->error) : std::nullopt);
    j["error_name"] = e ? nlohmann::ordered_json(ErrorName(e->error)) : nlohmann::ordered_json();
    j["deviation_deg"] = OrNull(e ? e->deviation : std::nullopt);
    j["deviation_name"] = e && e->deviation ? nlohmann::ordered_json(ErrorName(*e->deviation)) : nlohmann::ordered_json();
    j["lines"] = WorkingLinesJson(check->lines);
    c.out << JsonText(j);
  } else {
    c.out << navigation::AmplitudeCheckText(navigation::SightBodyNamed(o_.body)->name, in.crossing, *check);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> AmplitudeUnit() { return std::make_unique<Amplitude>(); }

}  // namespace orrelin::cli
