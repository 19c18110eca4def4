#pragma once
// The moment a body's computed altitude at a ship, at rest or under way, passes given
// altitudes upward or downward: the rising and setting of the amplitude, the Sun's
// twilights. The ship's position is that of the moment itself (the rhumb line from the
// DR), so that a ship under way meets the altitude where she then is.
#include <optional>
#include <string>
#include <vector>

#include "navigation/moving_ship.h"

namespace orrelin::navigation {

enum class HorizonCrossing { kRising, kSetting };

// The first moment, within a day from `start` (Julian day UT), the body's Hc at the ship
// passes each of the levels (degrees) upward (rising) or downward (setting), to a second;
// none for a level it does not pass in that day. None of all, with the reason, when the
// ephemeris has no place for the body.
std::optional<std::vector<std::optional<double>>> CrossingTimes(const std::string& body, const ShipTrack& track,
                                                                double start, const std::vector<double>& levels,
                                                                HorizonCrossing crossing, std::string& why);

}  // namespace orrelin::navigation
