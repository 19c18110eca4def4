// satellites: where Jupiter's four large satellites stand.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/satellites_command.h"
#include "planets/jupiter_satellites.h"
#include "report/body_report.h"
#include "report/satellites_moment.h"

namespace orrelin::cli {

namespace {

class Satellites final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  bool inverted_ = false, json_ = false;
};

CLI::App* Satellites::Add(CLI::App& program) {
  CLI::App* satellites =
      program.add_subcommand("satellites", "Where Jupiter's four large satellites stand, as the satellites window shows");
  AddPlaceOptions(*satellites, options_, kMomentBoxes | kBeforeChrist);
  satellites->add_flag("--inverted", inverted_, "As an inverting telescope shows them");
  satellites->add_flag("--json", json_, "Print {\"X\", \"Y\", \"px\", \"py\"} as JSON");
  return satellites;
}

int Satellites::Run(const CliContext& c) const {
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  const auto moment = SatellitesMomentOf(*main);
  if (!moment) return Fail(c, kMessageBadTime);
  const SatellitePositions positions = JupiterSatellites(moment->jd0, moment->hours);
  const JupiterPicture picture = DrawJupiterSatellites(positions, inverted_, 345);
  c.out << (json_ ? SatellitesJson(picture) : SatellitesText(positions, picture, inverted_));
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> SatellitesUnit() { return std::make_unique<Satellites>(); }

}  // namespace orrelin::cli
