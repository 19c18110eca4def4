// plan: the twilight's star sights planned at the ship, at rest or under way: when,
// every body with its Hc, Zn, magnitude and preset sextant altitude, the triad and the
// pair recommended by their rule, and the star finder's picture.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/moment_options.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "cli/modules/module_loader.h"
#include "core/fields.h"
#include "navigation/plan_entry.h"
#include "navigation/plan_texts.h"
#include "navigation/sights_file.h"
#include "navigation/sky_plot.h"
#include "navigation/twilight_plan.h"
#include "report/observer_reading.h"
#include "stars/star_file.h"

namespace orrelin::cli {

namespace {

class Plan final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  navigation::TypedPlan o_;  // its moment read from moment_, which may be a watch time
  MomentTexts moment_;
  std::string plot_;
  bool json_ = false;
};

CLI::App* Plan::Add(CLI::App& program) {
  CLI::App* plan = program.add_subcommand(
      "plan", "The twilight's star sights planned: every body's Hc, Zn and preset Hs, the best triad, the star finder");
  plan->add_option("--date", o_.date, "The ship's local date, yyyy-mm-dd")->required();
  plan->add_option("--twilight", o_.twilight, "morning or evening")->required();
  plan->add_option("--dr", o_.dr, "The DR position, \"59 50 N, 24 50 E\" (default: the place)");
  plan->add_option("--course", o_.course, "The ship's course, degrees true (under way)");
  plan->add_option("--speed", o_.speed, "The ship's speed, knots");
  plan->add_option("--dr-utc", o_.drUtc, "The time the DR holds under way, \"yyyy-mm-dd hh:mm:ss\" UT");
  AddMomentOptions(*plan, moment_,
                   "The moment to plan, \"yyyy-mm-dd hh:mm:ss\" UT (default: between civil and nautical twilight)",
                   false);
  plan->add_option("--limb", o_.limb, "The Sun's and the Moon's limb for the preset Hs: lower (default) or upper");
  plan->add_option("--ie", o_.ie, "Index error, minutes; positive on the arc (default 0)");
  plan->add_option("--mag", o_.mag, "Magnitude limit (default 3.0): bodies this bright or brighter");
  plan->add_option("--band", o_.band, "The altitudes a triad is chosen within, degrees (default \"15 70\")");
  AddPlaceOptions(*plan, options_, kPlaceBoxes | kWeatherBoxes);
  plan->add_flag("--json", json_, "Print one JSON object");
  plan->add_option("--plot", plot_, "Also draw the sky as a star finder shows it into a file: FILE.png or FILE.pdf");
  return plan;
}

nlohmann::ordered_json MomentJson(const std::optional<double>& jd) {
  return jd ? nlohmann::ordered_json(UtcMomentText(*jd)) : nlohmann::ordered_json();
}

std::string PlanJson(const navigation::TwilightPlan& plan, const std::vector<std::string>& messages) {
  nlohmann::ordered_json j;
  const bool morning = plan.times.twilight == navigation::Twilight::kMorning;
  j[morning ? "sunrise_utc" : "sunset_utc"] = MomentJson(plan.times.horizon);
  j["civil_utc"] = MomentJson(plan.times.civil);
  j["nautical_utc"] = MomentJson(plan.times.nautical);
  j["planned_utc"] = MomentJson(plan.plannedJulianDayUt);
  j["dr"] = plan.plannedJulianDayUt ? nlohmann::ordered_json{{"latitude_deg", JsonDegrees(plan.position.latitude)},
                                                             {"longitude_deg", JsonDegrees(plan.position.longitude)}}
                                    : nlohmann::ordered_json();
  nlohmann::ordered_json bodies = nlohmann::ordered_json::array();
  for (const navigation::PlanBody& b : plan.bodies) {
    bodies.push_back({{"name", b.body.name},
                      {"hc_deg", JsonDegrees(b.body.hc)},
                      {"zn_deg", JsonDegrees(b.body.zn)},
                      {"magnitude", JsonNumber(b.body.magnitude, 2)},
                      {"hs_deg", JsonDegrees(b.presetAltitude)},
                      {"recommended", b.recommended},
                      {"pair", b.pair}});
  }
  j["bodies"] = bodies;
  nlohmann::ordered_json triad = nlohmann::ordered_json::array();
  for (std::size_t i : plan.recommendation.triad) triad.push_back(plan.bodies[i].body.name);
  j["triad"] = triad;
  j["rule"] = plan.recommendation.rule;
  j["messages"] = messages;
  return JsonText(j);
}

int Plan::Run(const CliContext& c) const {
  const auto place = ReadPlace(c, options_);
  if (!place) return kExitBadInput;
  std::string why;
  auto in = navigation::PlanInputOfTyped(o_, *place, navigation::PlanFieldNames{}, why);
  if (!in) return Fail(c, why);
  MomentTexts moment = moment_;
  if (moment.watch.watch) moment.watch.date = o_.date;  // the watch's reading on the ship's local date
  const auto planned = ReadMomentOptions(moment, false, why);
  if (!planned && !why.empty()) return Fail(c, why);
  if (planned) in->plannedJulianDayUt = planned->julianDayUt;
  const auto format = PlotFormatOf(plot_);
  if (!format) return Fail(c, "--plot: the file's name ends in .png or .pdf");
  const StarCatalogue catalogue = LoadStarCatalogue(CataloguePath(c));
  if (!catalogue.read) return Fail(c, catalogue.message);
  std::vector<std::string> messages;
  if (!catalogue.message.empty()) messages.push_back(catalogue.message);
  if (!o_.dr) messages.push_back("No --dr: the DR is the place, " + navigation::PositionText(in->track.dr));
  in->stars = navigation::CatalogueStars(catalogue);
  const auto plan = navigation::PlanTwilight(*in, why);
  if (!plan) return Fail(c, why);
  if (*format != PlotFormat::kNone) {
    if (!c.exportsAllowed) return Fail(c, "Exports are not allowed here");
    const DrawingModule* drawing = LoadDrawingModule(c.moduleFolders, why);
    if (drawing == nullptr) return Fail(c, why);
    const navigation::PlottingSheet drawn = navigation::DrawSkyPlot(
        navigation::SkyPlotBodies(*plan), in->band, navigation::PlanTitle(*plan, in->dayJulianDayUt));
    const std::string bytes =
        *format == PlotFormat::kPdf ? drawing->plottingSheetPdf(drawn) : drawing->plottingSheetPng(drawn);
    if (!WriteExport(c, plot_, bytes)) return kExitBadInput;
  }
  if (json_) {
    std::vector<std::string> all = messages;
    all.insert(all.end(), plan->messages.begin(), plan->messages.end());
    c.out << PlanJson(*plan, all);
  } else {
    Say(c, messages);
    const std::string text = navigation::PlanText(*plan, in->dayJulianDayUt);
    c.out << (planned ? WithWatchNote(text, *planned, "Planned moment:") : text);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> PlanUnit() { return std::make_unique<Plan>(); }

}  // namespace orrelin::cli
