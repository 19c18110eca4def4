// noon: local apparent noon (or a body's meridian passage) at a ship at rest or under
// way, and the latitude from a meridian altitude.
#include <CLI/CLI.hpp>

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "cli/commands/sight_options.h"
#include "cli/json_number.h"
#include "navigation/noon.h"
#include "navigation/sights_file.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

namespace {

// The noon command's own options, as typed.
struct NoonOptions : SightOptionTexts {
  std::string date;
  std::optional<std::string> dr, course, speed, drUtc, hsGiven;
  bool lowerTransit = false;
};

class Noon final : public CommandUnit {
 public:
  CLI::App* Add(CLI::App& program) override;
  int Run(const CliContext& c) const override;

 private:
  PlaceOptions options_;
  NoonOptions o_;
  bool json_ = false;
};

CLI::App* Noon::Add(CLI::App& program) {
  o_.body = "sun";
  CLI::App* noon = program.add_subcommand(
      "noon", "Local apparent noon at the ship, at rest or under way, and the latitude by meridian altitude");
  noon->add_option("--date", o_.date, "The date at the ship, yyyy-mm-dd")->required();
  noon->add_option("--dr", o_.dr, "The DR position, \"59 50 N, 24 50 E\" (default: the place)");
  noon->add_option("--course", o_.course, "The ship's course, degrees true (under way)");
  noon->add_option("--speed", o_.speed, "The ship's speed, knots");
  noon->add_option("--dr-utc", o_.drUtc,
                   "The time the DR holds, \"yyyy-mm-dd hh:mm:ss\" UT (default: noon by the DR's longitude)");
  noon->add_option("--body", o_.body, "The body on the meridian: sun (default), moon, a planet or a star");
  noon->add_option("--hs", o_.hsGiven, "The sextant altitude on the meridian, \"61 12.4\": gives the latitude");
  noon->add_option("--limb", o_.limb, "The Sun's or the Moon's limb: lower or upper");
  noon->add_option("--ie", o_.ie, "Index error, minutes; positive on the arc (default 0)");
  noon->add_flag("--lower-transit", o_.lowerTransit, "The passage below the pole (a circumpolar body)");
  AddPlaceOptions(*noon, options_, kPlaceBoxes | kWeatherBoxes);
  noon->add_flag("--json", json_, "Print one JSON object");
  return noon;
}

int Noon::Run(const CliContext& c) const {
  const auto place = ReadPlace(c, options_);
  if (!place) return kExitBadInput;
  std::string why;
  const auto day = ReadDayOption("--date", o_.date, why);
  if (!day) return Fail(c, why);
  const auto dr = ReadDr(c, o_.dr, *place);
  if (!dr) return kExitBadInput;
  const auto ship = ReadUnderWay(c, o_.course, o_.speed, o_.drUtc, false);
  if (!ship) return kExitBadInput;
  const navigation::ShipTrack track{*dr, ship->drJulianDayUt.value_or(*day + 0.5 - dr->longitude / 360.0),
                                    ship->course, ship->speed};
  if (!navigation::IsSightBody(o_.body)) return Fail(c, "--body: no body of the almanacs is called " + o_.body);
  std::optional<navigation::Sight> sight;
  if (o_.hsGiven) {
    NoonOptions withHs = o_;
    withHs.hs = *o_.hsGiven;
    sight = SightOfOptions(withHs, *place, why);
    if (!sight) return Fail(c, why);
  }
  const navigation::Transit transit = o_.lowerTransit ? navigation::Transit::kLower : navigation::Transit::kUpper;
  const auto noon = navigation::MeridianTransit(o_.body, track, *day, transit, why);
  if (!noon) return Fail(c, why);
  std::optional<navigation::MeridianLatitude> latitude;
  if (sight) {
    latitude = navigation::LatitudeByMeridianAltitude(*sight, noon->passage, transit, why);
    if (!latitude) return Fail(c, why);
  }
  if (json_) {
    nlohmann::ordered_json j;
    j["lan_utc"] = UtcMomentText(noon->passage.julianDayUt);
    j["max_altitude_utc"] = noon->greatest ? nlohmann::ordered_json(UtcMomentText(noon->greatest->julianDayUt))
                                           : nlohmann::ordered_json();
    j["max_altitude_deg"] = noon->greatest ? nlohmann::ordered_json(JsonDegrees(noon->greatest->altitude))
                                           : nlohmann::ordered_json();
    j["hc_deg"] = JsonDegrees(noon->passage.altitude);
    j["dec_deg"] = JsonDegrees(noon->passage.declination);
    j["gha_deg"] = JsonDegrees(noon->passage.gha);
    j["position"] = navigation::PositionText(noon->passage.position);
    if (latitude) {
      j["ho_deg"] = JsonDegrees(latitude->observedAltitude);
      j["latitude_deg"] = JsonDegrees(latitude->latitude);
    }
    ExplanationLines lines = noon->lines;
    if (latitude) {
      lines.labels.insert(lines.labels.end(), latitude->lines.labels.begin(), latitude->lines.labels.end());
      lines.values.insert(lines.values.end(), latitude->lines.values.begin(), latitude->lines.values.end());
    }
    j["lines"] = WorkingLinesJson(lines);
    c.out << JsonText(j);
  } else {
    c.out << navigation::NoonText(*noon, latitude);
  }
  return 0;
}

}  // namespace

std::unique_ptr<CommandUnit> NoonUnit() { return std::make_unique<Noon>(); }

}  // namespace orrelin::cli
