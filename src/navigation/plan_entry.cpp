#include "navigation/plan_entry.h"

#include "app/date_box.h"
#include "core/fields.h"
#include "core/geodesy.h"
#include "navigation/sights_file.h"
#include "report/observer_reading.h"

namespace orrelin::navigation {

namespace {

std::optional<PlanInput> Refuse(std::string& why, const std::string& name, const std::string& text) {
  why = name + ": " + text;
  return std::nullopt;
}

}  // namespace

std::optional<AltitudeBand> ReadBand(const std::string& text) {
  const std::vector<std::string> words = SplitAtBlanks(text);
  if (words.size() != 2) return std::nullopt;
  const auto lowest = ReadBoundedDecimal(words[0], 0.0, 90.0), highest = ReadBoundedDecimal(words[1], 0.0, 90.0);
  if (!lowest || !highest || *lowest >= *highest) return std::nullopt;
  return AltitudeBand{*lowest, *highest};
}

std::vector<CatalogueStar> CatalogueStars(const StarCatalogue& catalogue) {
  std::vector<CatalogueStar> stars;
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    if (!catalogue.values[i] || catalogue.records[i].Name().empty()) continue;
    stars.push_back({catalogue.records[i].Name(), catalogue.magnitudes[i]});
  }
  return stars;
}

std::optional<PlanInput> PlanInputOfTyped(const TypedPlan& typed, const Observer& place, const PlanFieldNames& names,
                                          std::string& why) {
  std::string problem;
  const auto day = ReadDayJulianDay(typed.date, problem);
  if (!day) return Refuse(why, names.date, problem);
  PlanInput in;
  in.dayJulianDayUt = *day;
  if (typed.twilight != "morning" && typed.twilight != "evening") {
    return Refuse(why, names.twilight, "morning or evening");
  }
  in.twilight = typed.twilight == "morning" ? Twilight::kMorning : Twilight::kEvening;
  const auto dr = typed.dr ? ReadPosition(*typed.dr) : GeoPosition{place.latitude, EastLongitude(place.longitude)};
  if (!dr) return Refuse(why, names.dr, "give the position as \"59 50 N, 24 50 E\"");
  if (typed.course.has_value() != typed.speed.has_value()) {
    return typed.course ? Refuse(why, names.course, "give " + names.speed + " with it (under way needs both)")
                        : Refuse(why, names.speed, "give " + names.course + " with it (under way needs both)");
  }
  if (typed.course && !typed.drUtc) {
    return Refuse(why, names.course, "give " + names.drUtc + " with it, the time the DR holds");
  }
  if (typed.drUtc && !typed.course) {
    return Refuse(why, names.drUtc, "give " + names.course + " and " + names.speed + " with it");
  }
  const auto course = ReadBoundedDecimal(typed.course.value_or("0"), 0.0, 360.0);
  const auto speed = ReadBoundedDecimal(typed.speed.value_or("0"), 0.0, 100.0);
  if (!course) return Refuse(why, names.course, "degrees true, 0 to 360");
  if (!speed) return Refuse(why, names.speed, "knots, 0 to 100");
  in.track = {*dr, *day, *course, *speed};
  if (typed.drUtc) {
    const auto drUtc = ReadUtcMoment(*typed.drUtc, problem);
    if (!drUtc) return Refuse(why, names.drUtc, problem);
    in.track.drJulianDayUt = *drUtc;
  }
  if (typed.utc) {
    const auto utc = ReadUtcMoment(*typed.utc, problem);
    if (!utc) return Refuse(why, names.utc, problem);
    in.plannedJulianDayUt = *utc;
  }
  const auto limb = ReadLimb(typed.limb);
  if (!limb || *limb == Limb::kCentre) return Refuse(why, names.limb, "lower or upper");
  const auto ie = ReadBoundedDecimal(typed.ie, -60.0, 60.0);
  if (!ie) return Refuse(why, names.ie, "minutes of arc, -60 to 60 (positive on the arc)");
  const auto mag = ReadBoundedDecimal(typed.mag, -30.0, 30.0);
  if (!mag) return Refuse(why, names.mag, "a magnitude, -30 to 30");
  const auto band = ReadBand(typed.band);
  if (!band) {
    return Refuse(why, names.band, "the lowest and the highest altitude, degrees 0 to 90, lowest first: \"15 70\"");
  }
  in.sextant.limb = *limb;
  in.sextant.indexError = *ie;
  in.sextant.heightOfEye = place.height;
  in.sextant.pressure = place.pressure;
  in.sextant.temperature = place.temperature;
  in.magnitudeLimit = *mag;
  in.band = *band;
  return in;
}

}  // namespace orrelin::navigation
