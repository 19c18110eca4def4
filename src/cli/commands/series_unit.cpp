// series: the sights of a file taken in series of one body, each fitted to the curve the
// body follows, the sights off it flagged and a representative sight picked.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/navigation_command.h"
#include "core/numbers.h"
#include "navigation/sight_series.h"
#include "navigation/sights_file.h"
#include "report/body_report.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

struct SeriesOptions {
  std::string file;
  std::optional<std::string> dr, course, speed;
};

class Series final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  SeriesOptions o_;
  bool json_ = false;
};

CLI::App* Series::Add(CLI::App& program) {
  CLI::App* series = program.add_subcommand(
      "series", "Series of sights of one body from a file of sights: the sights off the line and the best one");
  series->add_option("SIGHTS", o_.file, "The sights, a CSV file")->required();
  series->add_option("--dr", o_.dr, "The dead-reckoning position at the last sight (default: the place)");
  series->add_option("--course", o_.course, "The ship's course, degrees true");
  series->add_option("--speed", o_.speed, "The ship's speed, knots");
  AddPlaceOptions(*series, options_, kPlaceBoxes);
  series->add_flag("--json", json_, "Print one JSON object");
  return series;
}

int Series::Run(const CliContext& c) const {
  const auto start = ReadPlaceAndDr(c, options_, o_.dr);
  if (!start) return kExitBadInput;
  navigation::FixInput in;
  in.assumed = start->dr;
  if (!ReadCourseAndSpeed(c, o_.course, o_.speed, in)) return kExitBadInput;
  const auto file = ReadSightsFileOption(c, o_.file);
  if (!file) return kExitBadInput;
  std::vector<std::string> messages;
  if (!o_.dr) messages.push_back("No --dr: the assumed position is the place, " + navigation::PositionText(in.assumed));
  for (const std::string& problem : file->problems) messages.push_back(o_.file + ", " + problem);
  // One DR for every series: the one at the file's last sight.
  in.sights = file->sights;
  in.timeOfFix = navigation::TimeOfFix(in);
  std::vector<FileSeries> all;
  for (const std::vector<std::size_t>& indices : navigation::SeriesAmong(file->sights)) {
    FileSeries f;
    navigation::FixInput one = in;
    one.sights.clear();
    for (std::size_t i : indices) {
      one.sights.push_back(file->sights[i]);
      f.lineNumbers.push_back(file->lineNumbers[i]);
    }
    std::string message;
    const auto series = navigation::FitSeries(one, message);
    if (!series) {
      Say(c, messages);
      return Fail(c, message);
    }
    f.sights = one.sights;
    f.series = *series;
    all.push_back(f);
  }
  if (all.empty()) {
    messages.push_back("No series: three sights of one body or more, each within " +
                       WholeText(static_cast<long long>(navigation::kSeriesGap)) + " minutes of the one before");
  }
  Say(c, messages);
  if (json_) {
    c.out << SeriesJson(all);
    return 0;
  }
  for (std::size_t i = 0; i < all.size(); ++i) {
    c.out << (i ? "\n" : "") << navigation::SeriesText(all[i].sights, all[i].lineNumbers, all[i].series);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> SeriesUnit() { return std::make_unique<Series>(); }

}  // namespace orrelin::cli
