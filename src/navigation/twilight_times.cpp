#include "navigation/twilight_times.h"

#include "navigation/body_crossing.h"
#include "navigation/body_place.h"

namespace orrelin::navigation {

namespace {

// Why a twilight has no time: the Sun stays above or below its altitude all that day.
std::string NoTimeMessage(const char* what, Twilight twilight, double level, bool staysBelow) {
  const std::string when = twilight == Twilight::kMorning ? "this morning" : "this evening";
  if (level == kSunriseAltitude) {
    return std::string("No ") + what + " " + when + (staysBelow ? ": the Sun stays below the horizon all day"
                                                                : ": the Sun stays above the horizon all day");
  }
  const std::string degrees = level == kCivilTwilightAltitude ? "6" : "12";
  return std::string("No ") + what + " " + when +
         (staysBelow ? ": the Sun stays more than " + degrees + "° below the horizon all day"
                     : ": the Sun stays less than " + degrees + "° below the horizon all night");
}

}  // namespace

std::optional<TwilightTimes> TwilightTimesAt(const ShipTrack& track, double dayJulianDayUt, Twilight twilight,
                                             std::string& why) {
  const double noonLongitude = ShipPositionAt(track, dayJulianDayUt + 0.5).longitude;
  const double localMidnight = dayJulianDayUt - noonLongitude / 360.0;
  const std::vector<double> levels{kSunriseAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude};
  const HorizonCrossing crossing = twilight == Twilight::kMorning ? HorizonCrossing::kRising : HorizonCrossing::kSetting;
  const auto times = CrossingTimes("Sun", track, localMidnight, levels, crossing, why);
  if (!times) return std::nullopt;
  TwilightTimes t;
  t.twilight = twilight;
  t.horizon = (*times)[0];
  t.civil = (*times)[1];
  t.nautical = (*times)[2];
  // The Sun stands highest near local noon: below a level then, below it all day.
  const double noon = localMidnight + 0.5;
  const auto highest = ComputedPlaceAt("Sun", noon, ShipPositionAt(track, noon), why);
  if (!highest) return std::nullopt;
  const char* names[] = {twilight == Twilight::kMorning ? "sunrise" : "sunset", "civil twilight", "nautical twilight"};
  for (std::size_t i = 0; i < levels.size(); ++i) {
    if (!(*times)[i]) t.messages.push_back(NoTimeMessage(names[i], twilight, levels[i], highest->altitude < levels[i]));
  }
  return t;
}

std::optional<double> SightWindowMiddle(const TwilightTimes& times) {
  if (!times.civil || !times.nautical) return std::nullopt;
  return (*times.civil + *times.nautical) / 2.0;
}

}  // namespace orrelin::navigation
