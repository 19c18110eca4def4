// polaris: the latitude from a sextant altitude of the Pole Star.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "navigation/polaris.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

// The polaris command's own options, as typed.
struct PolarisOptions : SightOptionTexts {
  std::string utc;
  std::optional<std::string> dr;
};

class Polaris final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  PolarisOptions o_;
  bool json_ = false;
};

CLI::App* Polaris::Add(CLI::App& program) {
  o_.body = "Polaris";
  CLI::App* polaris = program.add_subcommand("polaris", "The latitude from a sextant altitude of Polaris");
  polaris->add_option("--utc", o_.utc, "The time of the sight, \"yyyy-mm-dd hh:mm:ss\" UT")->required();
  polaris->add_option("--hs", o_.hs, "The sextant altitude, \"42 18.7\"")->required();
  polaris->add_option("--ie", o_.ie, "Index error, minutes; positive on the arc (default 0)");
  polaris->add_option("--dr", o_.dr, "The DR position, \"42 30 N, 40 15 W\" (default: the place)");
  AddPlaceOptions(*polaris, options_, kPlaceBoxes | kWeatherBoxes);
  polaris->add_flag("--json", json_, "Print one JSON object");
  return polaris;
}

int Polaris::Run(const CliContext& c) const {
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  const auto place = ReadObserver(*main);
  if (!place) return Fail(c, kMessageBadLocation);
  const auto dr = AssumedPosition(o_.dr, *place);
  if (!dr) return Fail(c, "--dr: give the position as \"59 50 N, 24 50 E\"");
  std::string why;
  const auto utc = ReadUtcMoment(o_.utc, why);
  if (!utc) return Fail(c, "--utc: " + why);
  auto sight = SightOfOptions(o_, *place, why);
  if (!sight) return Fail(c, why);
  sight->julianDayUt = *utc;
  const auto p = navigation::LatitudeByPolaris(*sight, *dr, why);
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
    c.out << navigation::PolarisText(*utc, *p);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> PolarisUnit() { return std::make_unique<Polaris>(); }

}  // namespace orrelin::cli
