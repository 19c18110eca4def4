// sight: a sextant sight reduced to its line of position.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/moment_options.h"
#include "cli/commands/sight_options.h"
#include "cli/navigation_command.h"
#include "app/date_box.h"
#include "core/fields.h"
#include "navigation/sights_file.h"
#include "precise/nautical.h"
#include "report/body_report.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

class Sight final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  TimedSightTexts o_;
  bool json_ = false;
};

CLI::App* Sight::Add(CLI::App& program) {
  CLI::App* sight =
      program.add_subcommand("sight", "A sextant sight reduced to its line of position, every correction shown");
  sight->add_option("--body", o_.body, "sun, moon, a planet or a navigational star")->required();
  sight->add_option("--limb", o_.limb, "The Sun's or the Moon's limb: lower or upper");
  AddTimedSightOptions(*sight, o_, "The time of the sight, \"yyyy-mm-dd hh:mm:ss\" UT", "The sextant altitude, \"23 41.6\"",
                       "The assumed position, \"59 50 N, 24 50 E\" (default: the place)");
  AddPlaceOptions(*sight, options_, kPlaceBoxes | kWeatherBoxes);
  sight->add_flag("--json", json_, "Print one JSON object");
  return sight;
}

int Sight::Run(const CliContext& c) const {
  const auto typed = ReadTimedSight(c, options_, o_);
  if (!typed) return kExitBadInput;
  const navigation::Sight& s = typed->sight;
  std::string why;
  const auto reduction = navigation::ReduceSight(s, typed->start.dr, why);
  if (!reduction) return Fail(c, why);
  const std::vector<std::string> warnings = SightWarnings(*reduction);
  if (json_) {
    c.out << SightJson(s, *reduction, warnings);
  } else {
    Say(c, warnings);
    c.out << WithWatchNote(navigation::SightText(s, *reduction), typed->moment);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> SightUnit() { return std::make_unique<Sight>(); }

}  // namespace orrelin::cli
