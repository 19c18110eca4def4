// tonight: what stands above a minimum altitude while it is dark tonight, and when.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/sky_options.h"
#include "cli/json_number.h"
#include "core/angle_text.h"
#include "core/numbers.h"
#include "report/observer_reading.h"
#include "sky/tonight_list.h"
#include "sky/tonight_texts.h"
#include "stars/star_file.h"

namespace orrelin::cli {

namespace {

class Tonight final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  std::string date_, minimum_ = "15", mag_ = "3.0", dark_ = "nautical";
  bool json_ = false;
};

CLI::App* Tonight::Add(CLI::App& program) {
  CLI::App* tonight = program.add_subcommand(
      "tonight", "The planets, the Moon and the bright stars above a minimum altitude while it is dark tonight");
  tonight->add_option("--date", date_, "The evening's local date, yyyy-mm-dd")->required();
  AddPlaceOptions(*tonight, options_, kPlaceBoxes | kWeatherBoxes | kOffsetBox);
  tonight->add_option("--min-altitude", minimum_, "Degrees above the horizon (default 15)");
  tonight->add_option("--mag", mag_, "Magnitude limit of the stars (default 3.0)");
  tonight->add_option("--dark", dark_,
                      "nautical (default): dark from the end of nautical twilight, or astronomical");
  tonight->add_flag("--json", json_, "Print one JSON object");
  return tonight;
}

nlohmann::ordered_json OptionalNumber(const std::optional<double>& x, int decimals) {
  return x ? nlohmann::ordered_json(JsonNumber(*x, decimals)) : nlohmann::ordered_json();
}

std::string TonightJson(const sky::TonightList& list, const std::vector<std::string>& messages) {
  nlohmann::ordered_json j;
  j["dark_from_utc"] = UtcJson(list.darkFromJulianDayUt);
  j["dark_to_utc"] = UtcJson(list.darkToJulianDayUt);
  nlohmann::ordered_json bodies = nlohmann::ordered_json::array();
  for (const sky::TonightBody& b : list.bodies) {
    bodies.push_back({{"name", b.name},
                      {"magnitude", OptionalNumber(b.magnitude, 2)},
                      {"above_from_utc", UtcMomentText(b.aboveFromJulianDayUt)},
                      {"above_to_utc", UtcMomentText(b.aboveToJulianDayUt)},
                      {"transit_utc", UtcJson(b.transitJulianDayUt)},
                      {"transit_altitude_deg", JsonNumber(b.transitAltitude, 4)},
                      {"best_utc", UtcMomentText(b.bestJulianDayUt)}});
  }
  j["bodies"] = bodies;
  j["messages"] = messages;
  return JsonText(j);
}

int Tonight::Run(const CliContext& c) const {
  const auto night = ReadSkyNight(c, options_, date_);
  if (!night) return kExitBadInput;
  const auto minimum = ReadDegreesOption(c, "--min-altitude", minimum_, sky::kLowestMinimumAltitude,
                                           sky::kHighestMinimumAltitude);
  if (!minimum) return kExitBadInput;
  const auto mag = ReadBoundedDecimal(mag_, sky::kBrightestMagnitudeLimit, sky::kFaintestMagnitudeLimit);
  if (!mag) return Fail(c, "--mag: a magnitude, -30 to 30");
  const auto darkness = sky::DarknessNamed(dark_);
  if (!darkness) return Fail(c, "--dark: nautical or astronomical");
  const StarCatalogue catalogue = LoadStarCatalogue(CataloguePath(c));
  if (!catalogue.read) return Fail(c, catalogue.message);
  const sky::TonightInput in = sky::TonightInputFor(night->observer, night->dayJulianDayUt,
                                                    {*darkness, *minimum, *mag}, catalogue, night->utcMinusLocal);
  std::string why;
  const auto list = sky::ListTonight(in, why);
  if (!list) return Fail(c, why);
  const std::vector<std::string> messages = sky::TonightMessages(*list, catalogue.message);
  if (json_) {
    c.out << TonightJson(*list, messages);
  } else {
    Say(c, messages);
    c.out << sky::TonightText(*list, night->utcMinusLocal);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> TonightUnit() { return std::make_unique<Tonight>(); }

}  // namespace orrelin::cli
