// fix: the position from a file of sights, and its plotting sheet.
#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/navigation_command.h"
#include "cli/modules/module_loader.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "navigation/plotting_sheet.h"
#include "navigation/robust_fix.h"
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
      "fix", "The position from a file of sights (utc,body,limb,hs,ie,height,pressure,temperature[,watch,we,zd])");
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
  const auto start = ReadPlaceAndDr(c, options_, o_.dr);
  if (!start) return kExitBadInput;
  navigation::FixInput in;
  in.assumed = start->dr;
  if (!ReadCourseAndSpeed(c, o_.course, o_.speed, in)) return kExitBadInput;
  const auto sheet = PlotFormatOf(o_.plot);
  if (!sheet) return Fail(c, "--plot: the file's name ends in .png or .pdf");
  std::vector<std::string> messages;
  if (!o_.dr) {
    messages.push_back("No --dr: the assumed position is the place, " + navigation::PositionText(in.assumed));
  }
  const auto sights = ReadSightsFileOption(c, o_.file);
  if (!sights) return kExitBadInput;
  for (const std::string& problem : sights->problems) messages.push_back(o_.file + ", " + problem);
  in.sights = sights->sights;
  std::string message;
  const auto checked = navigation::FixWithCheck(in, message);
  if (!checked) {
    Say(c, messages);
    return Fail(c, message);
  }
  const navigation::Fix* fix = &checked->plain;
  if (*sheet != PlotFormat::kNone) {
    if (!c.exportsAllowed) return Fail(c, "Exports are not allowed here");
    std::string why;
    const DrawingModule* drawing = LoadDrawingModule(c.moduleFolders, why);
    if (drawing == nullptr) return Fail(c, why);
    const navigation::PlottingSheet drawn = navigation::DrawPlottingSheet(*checked, in.assumed);
    const std::string bytes =
        *sheet == PlotFormat::kPdf ? drawing->plottingSheetPdf(drawn) : drawing->plottingSheetPng(drawn);
    if (!WriteExport(c, o_.plot, bytes)) return kExitBadInput;
  }
  if (json_) {
    c.out << FixJson(*checked, sights->lineNumbers, in.assumed, messages);
  } else {
    Say(c, messages);
    c.out << navigation::FixText(*fix, in.assumed) << navigation::FixCheckText(*checked);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> FixUnit() { return std::make_unique<Fix>(); }

}  // namespace orrelin::cli
