#pragma once
// The morning's or the evening's sunrise or sunset, civil and nautical twilight at a
// ship at rest or under way: the moments the Sun's centre stands 0° 50', 6° and 12° below
// the true horizon (as the daily pages define them), each at the ship's position of that
// moment. The star sights are taken between civil and nautical twilight.
#include <optional>
#include <string>
#include <vector>

#include "core/sun_levels.h"
#include "navigation/moving_ship.h"

namespace orrelin::navigation {

enum class Twilight { kMorning, kEvening };

struct TwilightTimes {
  Twilight twilight = Twilight::kEvening;
  // Julian days UT; none where the Sun does not reach the altitude that day.
  std::optional<double> horizon;  // sunrise (morning) or sunset (evening)
  std::optional<double> civil, nautical;
  std::vector<std::string> messages;  // each missing moment said plainly
};

// The twilight of the ship's local date (dayJulianDayUt: the date's 0h UT; the local day
// by the ship's longitude). None, with the reason, when the ephemeris has no Sun then.
std::optional<TwilightTimes> TwilightTimesAt(const ShipTrack& track, double dayJulianDayUt, Twilight twilight,
                                             std::string& why);

// The sight window's middle, between civil and nautical twilight; none without either.
std::optional<double> SightWindowMiddle(const TwilightTimes& times);

}  // namespace orrelin::navigation
