// almanac YEAR: the events of a year, as text or JSON, and as iCalendar and CSV files.
#include <CLI/CLI.hpp>

#include "cli/almanac_command.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/modules/module_loader.h"

namespace orrelin::cli {

namespace {

class Almanac final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  std::string year_, icsPath_, csvPath_;
  bool total_ = false, json_ = false;
};

CLI::App* Almanac::Add(CLI::App& program) {
  CLI::App* almanac = program.add_subcommand(
      "almanac", "The events of a year in local time: seasons, Easter, moon phases, eclipses, planetary phenomena");
  almanac->add_option("YEAR", year_, "The year, 0 to 2999 (with --bc: before Christ)")->required();
  almanac->add_flag("--total", total_, "Add the hours at which two planets are seen near each other");
  AddPlaceOptions(*almanac, options_, kPlaceBoxes | kWeatherBoxes | kBeforeChrist | kOffsetBox);
  almanac->add_flag("--json", json_, "Print one JSON object");
  almanac->add_option("--ics", icsPath_, "Also write the events as an iCalendar file (RFC 5545, UTC times)");
  almanac->add_option("--csv", csvPath_, "Also write the events as a CSV file");
  return almanac;
}

int Almanac::Run(const CliContext& c) const {
  if (!c.exportsAllowed && !(icsPath_.empty() && csvPath_.empty())) return Fail(c, "Exports are not allowed here");
  std::string why;
  // Before the year is counted: a missing module is said at once.
  const CalendarModule* calendar = icsPath_.empty() ? nullptr : LoadCalendarModule(c.moduleFolders, why);
  if (!icsPath_.empty() && calendar == nullptr) return Fail(c, why);
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  std::vector<std::string> messages;
  const auto listing = AlmanacOf(year_, total_, *main, messages);
  if (!listing) {
    Say(c, messages);
    return kExitBadInput;
  }
  if (!icsPath_.empty()) {
    const auto events = AlmanacCalendarEvents(*listing, why);
    if (!events) return Fail(c, why);
    if (!WriteExport(c, icsPath_, calendar->iCalendarText(*events, c.now))) return kExitBadInput;
  }
  if (!csvPath_.empty() && !WriteExport(c, csvPath_, AlmanacCsv(*listing))) return kExitBadInput;
  if (json_) {
    c.out << AlmanacJson(*listing, messages);
  } else {
    Say(c, messages);
    c.out << AlmanacText(*listing);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> AlmanacUnit() { return std::make_unique<Almanac>(); }

}  // namespace orrelin::cli
