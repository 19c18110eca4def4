// ephemeris BODY...: precise places of bodies from one moment to another.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/ephemeris_command.h"
#include "report/body_report.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

class Ephemeris final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  std::vector<std::string> bodies_;
  std::string from_, to_, step_ = "1h", csvPath_;
  bool json_ = false;
};

CLI::App* Ephemeris::Add(CLI::App& program) {
  CLI::App* ephemeris = program.add_subcommand(
      "ephemeris", "Precise GHA, SHA, declination, HP, SD, v, d, altitude and azimuth of bodies, as the almanacs give them");
  ephemeris
      ->add_option("BODY", bodies_,
                   "sun, moon, aries, mercury .. neptune, or a navigational star by name (any letter case)")
      ->required();
  ephemeris->add_option("--from", from_, "First moment, UT: \"yyyy-mm-dd hh:mm\"")->required();
  ephemeris->add_option("--to", to_, "Last moment, UT: \"yyyy-mm-dd hh:mm\"")->required();
  ephemeris->add_option("--step", step_, "Step: a number and s, m, h or d (default 1h)");
  AddPlaceOptions(*ephemeris, options_, kPlaceBoxes | kWeatherBoxes);
  ephemeris->add_flag("--json", json_, "Print a JSON array, angles in decimal degrees");
  ephemeris->add_option("--csv", csvPath_, "Also write the rows as a CSV file");
  return ephemeris;
}

int Ephemeris::Run(const CliContext& c) const {
  if (!c.exportsAllowed && !csvPath_.empty()) return Fail(c, "Exports are not allowed here");
  std::string message;
  auto request = ReadEphemerisRequest(bodies_, from_, to_, step_, message, c.mostEphemerisRows);
  if (!request) return Fail(c, message);
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  request->observer = ReadObserver(*main);
  if (!request->observer) return Fail(c, kMessageBadLocation);
  const auto rows = EphemerisRows(*request, message);
  if (!rows) return Fail(c, message);
  if (!csvPath_.empty() && !WriteExport(c, csvPath_, EphemerisCsv(*rows))) return kExitBadInput;
  c.out << (json_ ? EphemerisJson(*rows) : EphemerisText(*rows));
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> EphemerisUnit() { return std::make_unique<Ephemeris>(); }

}  // namespace orrelin::cli
