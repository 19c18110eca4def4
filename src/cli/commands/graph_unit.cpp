// graph BODY...: the altitudes of bodies over the night's 24 hours of local time, the
// Sun's bands, their rising, transit and setting; as a table, JSON or a drawing.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/sky_options.h"
#include "cli/json_number.h"
#include "cli/modules/module_loader.h"
#include "core/clock.h"
#include "core/numbers.h"
#include "sky/altitude_graph.h"
#include "sky/graph_sheet.h"
#include "sky/sky_night.h"
#include "sky/text_column.h"
#include "stars/star_file.h"

namespace orrelin::cli {

namespace {

class Graph final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  std::vector<std::string> bodies_;
  PlaceOptions options_;
  std::string date_, step_ = "10m", line_ = "15", plot_;
  bool json_ = false;
};

CLI::App* Graph::Add(CLI::App& program) {
  CLI::App* graph = program.add_subcommand(
      "graph", "The altitudes of bodies over the night's 24 hours of local time, with the Sun's twilights");
  graph->add_option("BODY", bodies_, "sun, moon, mercury .. neptune, or a star of the catalogue by name")
      ->required();
  graph->add_option("--date", date_, "The evening's local date, yyyy-mm-dd: the graph runs noon to noon")
      ->required();
  AddPlaceOptions(*graph, options_, kPlaceBoxes | kWeatherBoxes | kOffsetBox);
  graph->add_option("--step", step_, "Minutes between the samples, 1 to 60: \"10m\" (default) or \"10\"");
  graph->add_option("--line", line_, "The altitude drawn dashed, degrees (default 15)");
  graph->add_flag("--precise", options_.precise,
                  "From the precise ephemeris (JPL DE431, 1800 to 2399) where the body has a place in it");
  graph->add_flag("--json", json_, "Print one JSON object");
  graph->add_option("--plot", plot_, "Also draw the graph into a file: FILE.png or FILE.pdf");
  return graph;
}

std::string GraphJson(const sky::AltitudeGraph& graph, const sky::UtcMinusLocalAt& offset) {
  nlohmann::ordered_json j;
  nlohmann::ordered_json samples = nlohmann::ordered_json::array();
  for (const sky::GraphSample& s : graph.samples) {
    nlohmann::ordered_json altitudes;
    for (std::size_t b = 0; b < graph.names.size(); ++b) altitudes[graph.names[b]] = JsonNumber(s.altitudes[b], 4);
    samples.push_back({{"utc", UtcMomentText(s.julianDayUt)},
                       {"local", sky::LocalMomentText(offset, s.julianDayUt)},
                       {"altitude_deg", altitudes}});
  }
  j["samples"] = samples;
  nlohmann::ordered_json bands = nlohmann::ordered_json::array();
  for (const sky::SunBand& b : graph.sunBands) {
    bands.push_back({{"from_utc", UtcMomentText(b.fromJulianDayUt)},
                     {"to_utc", UtcMomentText(b.toJulianDayUt)},
                     {"kind", sky::SunBandName(b.kind)}});
  }
  j["sun_bands"] = bands;
  nlohmann::ordered_json events = nlohmann::ordered_json::array();
  for (const sky::GraphEvent& e : graph.events) {
    events.push_back({{"body", e.body}, {"kind", sky::EventKindName(e.kind)}, {"utc", UtcMomentText(e.julianDayUt)}});
  }
  j["events"] = events;
  return JsonText(j);
}

std::string GraphText(const sky::AltitudeGraph& graph, const sky::UtcMinusLocalAt& offset) {
  std::string out = sky::TextColumn("Local", 18) + sky::TextColumn("UT", 21);
  for (const std::string& name : graph.names) out += sky::TextColumn(name, 10);
  out += "\n";
  for (const sky::GraphSample& s : graph.samples) {
    out += sky::TextColumn(sky::LocalMinuteText(offset, s.julianDayUt), 18) +
           sky::TextColumn(UtcMomentText(s.julianDayUt), 21);
    for (double h : s.altitudes) out += sky::TextColumn(FixedText(h, 2), 10);
    out += "\n";
  }
  out += "\nThe Sun (local time):\n";
  for (const sky::SunBand& b : graph.sunBands) {
    out += "  " + sky::LocalClockText(offset, b.fromJulianDayUt) + " - " + sky::LocalClockText(offset, b.toJulianDayUt) +
           "  " + sky::SunBandName(b.kind) + "\n";
  }
  out += "\nRising, transit and setting (local time):\n";
  for (const sky::GraphEvent& e : graph.events) {
    out += "  " + sky::LocalClockText(offset, e.julianDayUt) + "  " + sky::TextColumn(e.body, 16) +
           sky::EventKindName(e.kind) + "\n";
  }
  return out;
}

int Graph::Run(const CliContext& c) const {
  const auto night = ReadSkyNight(c, options_, date_);
  if (!night) return kExitBadInput;
  const auto step = sky::ReadStepMinutes(step_);
  if (!step) return Fail(c, "--step: minutes between the samples, 1 to 60, as \"10m\"");
  const auto line = ReadDegreesOption(c, "--line", line_, -20.0, 90.0);
  if (!line) return kExitBadInput;
  const auto format = PlotFormatOf(plot_);
  if (!format) return Fail(c, "--plot: the file's name ends in .png or .pdf");
  StarCatalogue catalogue;
  std::vector<sky::SkyBody> bodies;
  std::string why;
  for (const std::string& name : bodies_) {
    if (!BodyNamed(name) && !catalogue.read) {
      catalogue = LoadStarCatalogue(CataloguePath(c));
      if (!catalogue.read) return Fail(c, catalogue.message);
    }
    const auto body = sky::SkyBodyNamed(name, catalogue, options_.precise, why);
    if (!body) return Fail(c, why);
    bodies.push_back(*body);
  }
  const auto graph =
      sky::DrawAltitudeGraph(sky::GraphInputOf(*night, std::move(bodies), *step, options_.precise), why);
  if (!graph) return Fail(c, why);
  if (*format != PlotFormat::kNone) {
    if (!c.exportsAllowed) return Fail(c, "Exports are not allowed here");
    const DrawingModule* drawing = LoadDrawingModule(c.moduleFolders, why);
    if (drawing == nullptr) return Fail(c, why);
    const std::vector<std::string> title = sky::GraphTitle(*night, date_);
    const navigation::PlottingSheet drawn = sky::DrawGraphSheet(*graph, night->utcMinusLocal, *line, title);
    const std::string bytes =
        *format == PlotFormat::kPdf ? drawing->plottingSheetPdf(drawn) : drawing->plottingSheetPng(drawn);
    if (!WriteExport(c, plot_, bytes)) return kExitBadInput;
  }
  c.out << (json_ ? GraphJson(*graph, night->utcMinusLocal) : GraphText(*graph, night->utcMinusLocal));
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> GraphUnit() { return std::make_unique<Graph>(); }

}  // namespace orrelin::cli
