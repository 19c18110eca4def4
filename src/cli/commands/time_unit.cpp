// time: a time read from the watch, with its error and the zone description, as UT.
#include <CLI/CLI.hpp>

#include <nlohmann/json.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/json_number.h"
#include "core/clock.h"
#include "navigation/watch_time.h"

namespace orrelin::cli {

namespace {

struct TimeOptions {
  std::string watch, we, zd, date;
};

class Time final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  TimeOptions o_;
  bool json_ = false;
};

CLI::App* Time::Add(CLI::App& program) {
  CLI::App* time = program.add_subcommand("time", "The UT of a watch time, from the watch error and the zone description");
  time->add_option("--watch", o_.watch, "The watch's reading, hh:mm:ss")->required();
  time->add_option("--we", o_.we, "The watch error, seconds: \"3 fast\" or \"3 slow\" (default none)");
  time->add_option("--zd", o_.zd, "The zone description, hours added to zone time for UT: \"+2\", \"-10\"")->required();
  time->add_option("--date", o_.date, "The zone date of the watch's reading, yyyy-mm-dd")->required();
  time->add_flag("--json", json_, "Print one JSON object");
  return time;
}

int Time::Run(const CliContext& c) const {
  const DateRead date = ReadDateText(o_.date, false);
  if (!date.date) return Fail(c, "--date: " + date.message);
  bool valid = true;
  ParseClockTime(o_.watch, valid);
  if (!valid || o_.watch.empty()) return Fail(c, "--watch: give the watch's reading as hh:mm or hh:mm:ss");
  std::string why;
  const auto reading = ReadUtcMoment(DateBoxText(*date.date) + " " + o_.watch, why);
  if (!reading) return Fail(c, "--watch: " + why);
  const auto fast = navigation::ReadWatchError(o_.we);
  if (!fast) return Fail(c, "--we: seconds fast or slow, \"3 fast\" or \"3 slow\"");
  const auto zone = navigation::ReadZoneDescription(o_.zd);
  if (!zone) return Fail(c, "--zd: hours from -12 to +12, \"+2\" or \"-10\"");
  const double ut = navigation::UtOfWatchTime({*reading, *fast, *zone});
  if (!navigation::WithinDateYears(ut)) return Fail(c, "--zd: the UT falls outside the years 1 to 9999");
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
