#include "navigation/moving_ship.h"

#include <cmath>

#include "core/angles.h"
#include "navigation/fix.h"

namespace orrelin::navigation {

GeoPosition ShipPositionAt(const ShipTrack& track, double julianDayUt) {
  if (track.speed == 0.0) return track.dr;
  return MovedBy(track.dr, track.course, track.speed * (julianDayUt - track.drJulianDayUt) * 24.0);
}

double LongitudeRate(const ShipTrack& track, double latitude) {
  const double cosLatitude = CosDeg(latitude);
  if (std::fabs(cosLatitude) < 1e-9) return 0.0;
  return track.speed * SinDeg(track.course) / (60.0 * cosLatitude);
}

}  // namespace orrelin::navigation
