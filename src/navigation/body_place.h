#pragma once
// A body's Greenwich hour angle and declination at a moment, from the precise
// ephemeris (geocentric, apparent): what the meridian, Polaris and compass sights
// start from.
#include <optional>
#include <string>

#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

struct HourAngleAndDeclination {
  double gha = 0.0;          // degrees 0..360
  double declination = 0.0;  // degrees, north positive
};

// None, with the reason, for a name that is no body of the sights or a moment the
// ephemeris does not cover.
std::optional<HourAngleAndDeclination> HourAngleAt(const std::string& body, double julianDayUt, std::string& why);

// The body's Hc and Zn from a position at a moment: the computation a sight's
// reduction makes (ComputedAltitude).
std::optional<ComputedPlace> ComputedPlaceAt(const std::string& body, double julianDayUt,
                                             const GeoPosition& position, std::string& why);

}  // namespace orrelin::navigation
