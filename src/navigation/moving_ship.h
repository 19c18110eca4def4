#pragma once
// A ship under way on a rhumb line: its dead-reckoning position at a known time, its
// course and speed; where it is at any other time.
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

struct ShipTrack {
  GeoPosition dr;            // the dead-reckoning position at drJulianDayUt
  double drJulianDayUt = 0;  // Julian day UT
  double course = 0;         // degrees true
  double speed = 0;          // knots; 0: at rest
};

// The ship's position at a moment (Julian day UT), before or after the DR's time.
GeoPosition ShipPositionAt(const ShipTrack& track, double julianDayUt);

// The ship's rate of change of longitude, degrees an hour (east positive), at a latitude.
double LongitudeRate(const ShipTrack& track, double latitude);

}  // namespace orrelin::navigation
