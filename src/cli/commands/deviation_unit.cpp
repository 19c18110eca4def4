// deviation: the deviation card from a swing of the ship, a file of bearings.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "cli/modules/module_loader.h"
#include "cli/modules/pdf_pages.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/printed_lines.h"
#include "navigation/compass_check.h"
#include "navigation/deviation_card.h"
#include "navigation/deviation_file.h"
#include "navigation/sights_file.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

// The deviation command's own options, as typed.
struct DeviationOptions {
  std::string file;
  std::optional<std::string> dr, variation;
  std::string pdf;
};

class Deviation final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  DeviationOptions o_;
  bool json_ = false;
};

CLI::App* Deviation::Add(CLI::App& program) {
  CLI::App* deviation = program.add_subcommand(
      "deviation", "The deviation card from bearings on several headings (utc,heading,bearing,body)");
  deviation->add_option("BEARINGS", o_.file, "The bearings, a CSV file")->required();
  deviation->add_option("--variation", o_.variation, "The variation, \"4.5 E\" or \"3 W\" (default 0: the errors)");
  deviation->add_option("--dr", o_.dr, "The ship's position during the swing (default: the place)");
  AddPlaceOptions(*deviation, options_, kPlaceBoxes);
  deviation->add_flag("--json", json_, "Print one JSON object");
  deviation->add_option("--pdf", o_.pdf, "Also write the card as a PDF file (A4)");
  return deviation;
}

std::string CardJson(const navigation::DeviationCard& card, const std::vector<std::string>& messages) {
  auto degrees = [](double x) { return JsonNumber(x, 3); };
  nlohmann::ordered_json j;
  const navigation::DeviationCoefficients& k = card.coefficients;
  j["coefficients"] = {{"A", degrees(k.a)}, {"B", degrees(k.b)}, {"C", degrees(k.c)}, {"D", degrees(k.d)},
                       {"E", degrees(k.e)}};
  nlohmann::ordered_json rows = nlohmann::ordered_json::array();
  for (const navigation::HeadingDeviation& h : card.card) {
    rows.push_back({{"heading", h.heading}, {"deviation_deg", degrees(h.deviation)}, {"name", ErrorName(h.deviation)}});
  }
  j["card"] = rows;
  nlohmann::ordered_json bearings = nlohmann::ordered_json::array();
  for (const navigation::SwingBearing& b : card.bearings) {
    bearings.push_back({{"utc", UtcMomentText(b.observation.julianDayUt)},
                        {"heading", b.observation.heading},
                        {"bearing", b.observation.bearing},
                        {"body", b.observation.body},
                        {"zn_deg", degrees(b.azimuth)},
                        {"error_deg", degrees(b.error)},
                        {"deviation_deg", degrees(b.deviation)},
                        {"residual_deg", degrees(b.residual)}});
  }
  j["bearings"] = bearings;
  j["messages"] = messages;
  return JsonText(j);
}

int Deviation::Run(const CliContext& c) const {
  std::string why;
  const DrawingModule* drawing = nullptr;
  if (!o_.pdf.empty()) {
    if (!c.exportsAllowed) return Fail(c, "Exports are not allowed here");
    drawing = LoadDrawingModule(c.moduleFolders, why);
    if (drawing == nullptr) return Fail(c, why);
  }
  const auto start = ReadPlaceAndDr(c, options_, o_.dr);
  if (!start) return kExitBadInput;
  const navigation::GeoPosition& dr = start->dr;
  double variation = 0.0;
  std::vector<std::string> messages;
  if (o_.variation) {
    const auto v = navigation::ReadVariation(*o_.variation);
    if (!v) return Fail(c, "--variation: degrees and E or W, \"4.5 E\"");
    variation = *v;
  } else {
    messages.push_back("No --variation: the card gives the compass error on each heading");
  }
  if (!o_.dr) messages.push_back("No --dr: the ship's position is the place, " + navigation::PositionText(dr));
  const TextLines file = ReadTextLines(o_.file, 16 * 1024 * 1024);
  if (!file.exists) return Fail(c, "No bearings file " + QuotedText(o_.file, kLongestQuotedPath));
  if (!file.readable) {
    return Fail(c, "The bearings file " + QuotedText(o_.file, kLongestQuotedPath) + " could not be read (" +
                       file.problem + ")");
  }
  const navigation::DeviationFile bearings = navigation::ReadDeviationFile(file.lines);
  for (const std::string& problem : bearings.problems) messages.push_back(o_.file + ", " + problem);
  if (bearings.observations.size() < navigation::kFewestHeadingsOfASwing) {
    messages.push_back("Only " + std::to_string(bearings.observations.size()) +
                       " bearings: a swing takes eight headings or more");
  }
  const auto card = navigation::MakeDeviationCard(bearings.observations, dr, variation, why);
  if (!card) {
    Say(c, messages);
    return Fail(c, why);
  }
  if (drawing != nullptr) {
    const auto pages = LinesOnPages(SplitLines(navigation::DeviationCardText(*card)),
                                    {kPdfAreaWidth, kPdfAreaHeight, 300}, 10);
    if (!WriteExport(c, o_.pdf, drawing->pdfOfPages(pages))) return kExitBadInput;
  }
  if (json_) {
    c.out << CardJson(*card, messages);
  } else {
    Say(c, messages);
    c.out << navigation::DeviationCardText(*card);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> DeviationUnit() { return std::make_unique<Deviation>(); }

}  // namespace orrelin::cli
