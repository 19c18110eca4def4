#pragma once
// A twilight plan as it is typed, in the Plan window's boxes or the plan command's
// options: read and checked once for both, into the planner's input. Each message
// starts with the box's or the option's name, which the front end gives.
#include <optional>
#include <string>
#include <vector>

#include "earth/observer.h"
#include "navigation/twilight_plan.h"
#include "stars/star_file.h"

namespace orrelin::navigation {

// The typed texts; an absent one was not given (the DR: the place; course, speed and
// the DR's time: at rest; the moment: the sight window's middle).
struct TypedPlan {
  std::string date, twilight;
  std::optional<std::string> dr, course, speed, drUtc, utc;
  std::string limb = "lower", ie = "0", mag = "3.0", band = "15 70";
};

// How the messages name each text: the command's options by default.
struct PlanFieldNames {
  std::string date = "--date", twilight = "--twilight", dr = "--dr", course = "--course", speed = "--speed",
              drUtc = "--dr-utc", utc = "--utc", limb = "--limb", ie = "--ie", mag = "--mag", band = "--band";
};

// The planner's input at the place's height of eye, pressure and temperature (its stars
// left to the caller); none, with the message, when a text does not read.
std::optional<PlanInput> PlanInputOfTyped(const TypedPlan& typed, const Observer& place, const PlanFieldNames& names,
                                          std::string& why);

// "15 70": the lowest and the highest altitude of the band, degrees, lowest first.
std::optional<AltitudeBand> ReadBand(const std::string& text);

// The catalogue's stars with their magnitudes (an unnamed or damaged record left out).
std::vector<CatalogueStar> CatalogueStars(const StarCatalogue& catalogue);

}  // namespace orrelin::navigation
