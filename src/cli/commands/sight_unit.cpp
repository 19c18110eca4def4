// sight: a sextant sight reduced to its line of position.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
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

// The sight command's own options, as typed.
// An assumed position given as an empty text is refused, not read as "not given".
struct SightOptions : SightOptionTexts {
  std::string utc;
  std::optional<std::string> dr;
};

class Sight final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  SightOptions o_;
  bool json_ = false;
};

CLI::App* Sight::Add(CLI::App& program) {
  CLI::App* sight =
      program.add_subcommand("sight", "A sextant sight reduced to its line of position, every correction shown");
  sight->add_option("--body", o_.body, "sun, moon, a planet or a navigational star")->required();
  sight->add_option("--limb", o_.limb, "The Sun's or the Moon's limb: lower or upper");
  sight->add_option("--utc", o_.utc, "The time of the sight, \"yyyy-mm-dd hh:mm:ss\" UT")->required();
  sight->add_option("--hs", o_.hs, "The sextant altitude, \"23 41.6\"")->required();
  sight->add_option("--ie", o_.ie, "Index error, minutes; positive on the arc (default 0)");
  sight->add_option("--dr", o_.dr, "The assumed position, \"59 50 N, 24 50 E\" (default: the place)");
  AddPlaceOptions(*sight, options_, kPlaceBoxes | kWeatherBoxes);
  sight->add_flag("--json", json_, "Print one JSON object");
  return sight;
}

int Sight::Run(const CliContext& c) const {
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  const auto place = ReadObserver(*main);
  if (!place) return Fail(c, kMessageBadLocation);
  const auto assumed = AssumedPosition(o_.dr, *place);
  if (!assumed) return Fail(c, "--dr: give the position as \"59 50 N, 24 50 E\"");
  std::string why;
  const auto utc = ReadUtcMoment(o_.utc, why);
  if (!utc) return Fail(c, "--utc: " + why);
  auto sight = SightOfOptions(o_, *place, why);
  if (!sight) return Fail(c, why);
  navigation::Sight& s = *sight;
  s.julianDayUt = *utc;
  const auto reduction = navigation::ReduceSight(s, *assumed, why);
  if (!reduction) return Fail(c, why);
  const std::vector<std::string> warnings = SightWarnings(*reduction);
  if (json_) {
    c.out << SightJson(s, *reduction, warnings);
  } else {
    Say(c, warnings);
    c.out << navigation::SightText(s, *reduction);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> SightUnit() { return std::make_unique<Sight>(); }

}  // namespace orrelin::cli
