#pragma once
// One command of the command line: it adds its subcommand and its own options to the
// program, and runs on them once the arguments are parsed.
#include <memory>
#include <string>
#include <vector>

#include "cli/cli_program.h"

namespace CLI {
class App;
}

namespace orrelin::cli {

class CommandUnit {
 public:
  virtual ~CommandUnit() = default;
  // Adds the subcommand, whose options the parse fills in.
  virtual CLI::App* Add(CLI::App& program) = 0;
  // Checks the options and runs; the program's exit status.
  virtual int Run(const CliContext& c) const = 0;
};

std::unique_ptr<CommandUnit> ReportUnit();
std::unique_ptr<CommandUnit> SatellitesUnit();
std::unique_ptr<CommandUnit> IdentifyUnit();
std::unique_ptr<CommandUnit> AlmanacUnit();
std::unique_ptr<CommandUnit> PlacesUnit();
std::unique_ptr<CommandUnit> EphemerisUnit();
std::unique_ptr<CommandUnit> DailyPageUnit();
std::unique_ptr<CommandUnit> SightUnit();
std::unique_ptr<CommandUnit> FixUnit();
std::unique_ptr<CommandUnit> StarsUnit();
std::unique_ptr<CommandUnit> NoonUnit();
std::unique_ptr<CommandUnit> PolarisUnit();
std::unique_ptr<CommandUnit> CompassUnit();
std::unique_ptr<CommandUnit> AmplitudeUnit();
std::unique_ptr<CommandUnit> DeviationUnit();
std::unique_ptr<CommandUnit> SeriesUnit();
std::unique_ptr<CommandUnit> TimeUnit();
std::unique_ptr<CommandUnit> PlanUnit();
std::unique_ptr<CommandUnit> GraphUnit();
std::unique_ptr<CommandUnit> TonightUnit();

// Every command, in the order --help lists them.
std::vector<std::unique_ptr<CommandUnit>> CommandUnits();
// The command the arguments name first, alone; every command when they name none. Adding
// every command's options would take most of the time a short command runs.
std::vector<std::unique_ptr<CommandUnit>> CommandUnitsFor(const std::vector<std::string>& arguments);

}  // namespace orrelin::cli
