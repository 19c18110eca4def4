// time: a time read from the watch, with its error and the zone description, as UT.
#include <CLI/CLI.hpp>

#include <nlohmann/json.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/moment_options.h"
#include "cli/json_number.h"
#include "navigation/watch_time.h"

namespace orrelin::cli {

namespace {

class Time final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  WatchTexts o_;
  bool json_ = false;
};

CLI::App* Time::Add(CLI::App& program) {
  CLI::App* time = program.add_subcommand("time", "The UT of a watch time, from the watch error and the zone description");
  AddWatchOptions(*time, o_, true, true);
  time->add_flag("--json", json_, "Print one JSON object");
  return time;
}

int Time::Run(const CliContext& c) const {
  std::string why;
  const auto watch = ReadWatchOptions(o_, why);
  if (!watch) return Fail(c, why);
  const double ut = navigation::UtOfWatchTime(*watch);
  if (json_) {
    nlohmann::ordered_json j;
    j["utc"] = UtcMomentText(ut);
    c.out << JsonText(j);
  } else {
    c.out << UtcMomentText(ut) << " UT\n";
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> TimeUnit() { return std::make_unique<Time>(); }

}  // namespace orrelin::cli
