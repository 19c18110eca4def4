// fix: the position from a file of sights, and its plotting sheet.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/navigation_command.h"
#include "cli/modules/module_loader.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "navigation/plotting_sheet.h"
#include "navigation/sights_file.h"
#include "report/body_report.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

// The fix command's own options, as typed.
struct FixOptions {
  std::string file, plot;
  std::optional<std::string> dr, course, speed;
};

class Fix final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  FixOptions o_;
  bool json_ = false;
};

CLI::App* Fix::Add(CLI::App& program) {
  CLI::App* fix = program.add_subcommand(
      "fix", "The position from a file of sights (utc,body,limb,hs,ie,height,pressure,temperature)");
  fix->add_option("SIGHTS", o_.file, "The sights, a CSV file")->required();
  fix->add_option("--dr", o_.dr, "The dead-reckoning position at the last sight (default: the place)");
  fix->add_option("--course", o_.course, "The ship's course, degrees true (a running fix)");
  fix->add_option("--speed", o_.speed, "The ship's speed, knots");
  AddPlaceOptions(*fix, options_, kPlaceBoxes);
  fix->add_flag("--json", json_, "Print one JSON object");
  fix->add_option("--plot", o_.plot, "Also draw the plotting sheet into a file: FILE.png or FILE.pdf");
  return fix;
}

int Fix::Run(const CliContext& c) const {
  auto main = PlaceAndMoment(c, options_);
  if (!main) return kExitBadInput;
  const auto place = ReadObserver(*main);
  if (!place) return Fail(c, kMessageBadLocation);
  navigation::FixInput in;
  const auto assumed = AssumedPosition(o_.dr, *place);
  if (!assumed) return Fail(c, "--dr: give the position as \"59 50 N, 24 50 E\"");
  in.assumed = *assumed;
  if (o_.course.has_value() != o_.speed.has_value()) {
    return Fail(c, o_.course ? "--course: give --speed with it (a running fix needs both)"
                            : "--speed: give --course with it (a running fix needs both)");
  }
  const auto course = ReadBoundedDecimal(o_.course.value_or("0"), 0.0, 360.0);
  const auto speed = ReadBoundedDecimal(o_.speed.value_or("0"), 0.0, 100.0);
  if (!course) return Fail(c, "--course: degrees true, 0 to 360");
  if (!speed) return Fail(c, "--speed: knots, 0 to 100");
  in.course = *course;
  in.speed = *speed;
  const auto sheet = PlotFormatOf(o_.plot);
  if (!sheet) return Fail(c, "--plot: the file's name ends in .png or .pdf");
  std::vector<std::string> messages;
  if (!o_.dr) {
    messages.push_back("No --dr: the assumed position is the place, " + navigation::PositionText(in.assumed));
  }
  const TextLines file = ReadTextLines(o_.file, 16 * 1024 * 1024);
  if (!file.exists) return Fail(c, "No sights file " + QuotedText(o_.file, kLongestQuotedPath));
  if (!file.readable) {
    return Fail(c, "The sights file " + QuotedText(o_.file, kLongestQuotedPath) + " could not be read (" +
                       file.problem + ")");
  }
  const navigation::SightsFile sights = navigation::ReadSights(file.lines);
  for (const std::string& problem : sights.problems) messages.push_back(o_.file + ", " + problem);
  in.sights = sights.sights;
  std::string message;
  const auto fix = navigation::FixPosition(in, message);
  if (!fix) {
    Say(c, messages);
    return Fail(c, message);
  }
  if (*sheet != PlotFormat::kNone) {
    if (!c.exportsAllowed) return Fail(c, "Exports are not allowed here");
    std::string why;
    const DrawingModule* drawing = LoadDrawingModule(c.moduleFolders, why);
    if (drawing == nullptr) return Fail(c, why);
    const navigation::PlottingSheet drawn = navigation::DrawPlottingSheet(*fix, in.assumed);
    const std::string bytes =
        *sheet == PlotFormat::kPdf ? drawing->plottingSheetPdf(drawn) : drawing->plottingSheetPng(drawn);
    if (!WriteExport(c, o_.plot, bytes)) return kExitBadInput;
  }
  if (json_) {
    c.out << FixJson(*fix, in.assumed, messages);
  } else {
    Say(c, messages);
    c.out << navigation::FixText(*fix, in.assumed);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> FixUnit() { return std::make_unique<Fix>(); }

}  // namespace orrelin::cli
