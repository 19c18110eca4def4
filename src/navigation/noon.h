#pragma once
// The noon sight: the moment of a body's meridian passage at a ship at rest or under
// way (for the Sun, local apparent noon), the Sun's greatest altitude, which comes
// later or sooner than the passage when the ship runs toward or away from it, and the
// latitude from a meridian altitude at upper or lower transit.
#include <optional>
#include <string>

#include "core/explanation.h"
#include "navigation/moving_ship.h"
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

enum class Transit { kUpper, kLower };

struct MeridianPassage {
  double julianDayUt = 0.0;  // the body's LHA at the ship is 0 (upper) or 180 (lower), to a second
  GeoPosition position;      // the ship's there and then
  double gha = 0.0, declination = 0.0;  // degrees
  double altitude = 0.0;     // Hc on the meridian, degrees
};

// The passage on the date at the ship (dayJulianDayUt: the date's 0h UT): the one
// nearest the ship's local noon (upper transit), or the midnight that begins the date
// (lower transit).
std::optional<MeridianPassage> MeridianPassageOf(const std::string& body, const ShipTrack& track,
                                                 double dayJulianDayUt, Transit transit, std::string& why);

struct GreatestAltitude {
  double julianDayUt = 0.0;
  double altitude = 0.0;  // Hc of the centre, degrees
};
// The body's greatest computed altitude from the moving ship within an hour of the
// upper passage, to a second.
std::optional<GreatestAltitude> GreatestAltitudeNear(const std::string& body, const ShipTrack& track,
                                                     const MeridianPassage& passage, std::string& why);

// A body's meridian passage on a date at the ship, and at upper transit its greatest
// altitude, with the working lines. For the Sun's upper transit, local apparent noon.
struct Noon {
  MeridianPassage passage;
  std::optional<GreatestAltitude> greatest;  // upper transit
  ExplanationLines lines;
};
std::optional<Noon> MeridianTransit(const std::string& body, const ShipTrack& track, double dayJulianDayUt,
                                    Transit transit, std::string& why);
std::optional<Noon> LocalApparentNoon(const ShipTrack& track, double dayJulianDayUt, std::string& why);

// A meridian altitude may differ from the one computed at the DR by this much at most.
inline constexpr double kLargestMeridianDifference = 2.0;  // degrees

struct MeridianLatitude {
  double observedAltitude = 0.0;  // Ho, degrees
  double latitude = 0.0;          // degrees, north positive
  ExplanationLines lines;
};
// The latitude from a sight taken at the passage (its time is the passage's): Ho, then
// the zenith distance and the declination (upper transit) or the polar distance (lower
// transit), the names handled for the body north or south of the zenith. None, with
// the message, for a sight whose Ho cannot be the meridian altitude at the DR.
std::optional<MeridianLatitude> LatitudeByMeridianAltitude(const Sight& sight, const MeridianPassage& passage,
                                                           Transit transit, std::string& why);

}  // namespace orrelin::navigation
