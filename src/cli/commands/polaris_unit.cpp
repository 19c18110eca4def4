// polaris: the latitude from a sextant altitude of the Pole Star.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/moment_options.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "navigation/polaris.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

class Polaris final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  TimedSightTexts o_;
  bool json_ = false;
};

CLI::App* Polaris::Add(CLI::App& program) {
  o_.body = "Polaris";
  CLI::App* polaris = program.add_subcommand("polaris", "The latitude from a sextant altitude of Polaris");
  AddTimedSightOptions(*polaris, o_, "The time of the sight, \"yyyy-mm-dd hh:mm:ss\" UT", "The sextant altitude, \"42 18.7\"",
                       "The DR position, \"42 30 N, 40 15 W\" (default: the place)");
  AddPlaceOptions(*polaris, options_, kPlaceBoxes | kWeatherBoxes);
  polaris->add_flag("--json", json_, "Print one JSON object");
  return polaris;
}

int Polaris::Run(const CliContext& c) const {
  const auto typed = ReadTimedSight(c, options_, o_);
  if (!typed) return kExitBadInput;
  std::string why;
  const auto p = navigation::LatitudeByPolaris(typed->sight, typed->start.dr, why);
  if (!p) return Fail(c, why);
  if (json_) {
    nlohmann::ordered_json j;
    j["latitude_deg"] = JsonNumber(p->latitude, 6);
    j["correction_deg"] = JsonNumber(p->correction, 6);
    j["ho_deg"] = JsonNumber(p->observedAltitude, 6);
    j["lha_deg"] = JsonNumber(p->lha, 6);
    j["lines"] = WorkingLinesJson(p->lines);
    c.out << JsonText(j);
  } else {
    c.out << WithWatchNote(navigation::PolarisText(typed->moment.julianDayUt, *p), typed->moment);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> PolarisUnit() { return std::make_unique<Polaris>(); }

}  // namespace orrelin::cli
