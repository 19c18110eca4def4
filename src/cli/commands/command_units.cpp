#include "cli/commands/command_unit.h"

namespace orrelin::cli {

namespace {

struct NamedUnit {
  const char* name;  // the subcommand the unit adds
  std::unique_ptr<CommandUnit> (*make)();
};

// In the order --help lists them.
constexpr NamedUnit kUnits[] = {
    {"report", ReportUnit},   {"satellites", SatellitesUnit}, {"identify", IdentifyUnit}, {"almanac", AlmanacUnit},
    {"places", PlacesUnit},   {"ephemeris", EphemerisUnit},   {"daily-page", DailyPageUnit}, {"sight", SightUnit},
    {"fix", FixUnit},         {"series", SeriesUnit},         {"plan", PlanUnit},         {"noon", NoonUnit},
    {"polaris", PolarisUnit}, {"compass", CompassUnit},       {"amplitude", AmplitudeUnit}, {"deviation", DeviationUnit},
    {"time", TimeUnit},
    {"stars", StarsUnit},
    {"graph", GraphUnit},     {"tonight", TonightUnit},
};

}  // namespace

std::vector<std::unique_ptr<CommandUnit>> CommandUnits() {
  std::vector<std::unique_ptr<CommandUnit>> units;
  for (const NamedUnit& unit : kUnits) units.push_back(unit.make());
  return units;
}

std::vector<std::unique_ptr<CommandUnit>> CommandUnitsFor(const std::vector<std::string>& arguments) {
  for (const NamedUnit& unit : kUnits) {
    if (!arguments.empty() && arguments.front() == unit.name) {
      std::vector<std::unique_ptr<CommandUnit>> one;
      one.push_back(unit.make());
      return one;
    }
  }
  return CommandUnits();
}

}  // namespace orrelin::cli
