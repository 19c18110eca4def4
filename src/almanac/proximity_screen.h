#pragma once
// What lets the search for planets seen near each other skip hours without missing one:
// the geocentric separation of two planets at the first hour of each day, and how far it
// can move in between.
//
// The search's separation |dh| + |dA| is never smaller than the great-circle distance of
// the two topocentric places (the path up the vertical circle, then along the almucantar,
// is |dh| + cos(h)|dA| long). The topocentric place lies within the planet's horizontal
// parallax of the geocentric one, and the geocentric separation moves by at most the sum
// of the two planets' largest motions. So an hour whose bound is not below the limit
// cannot hold a sample below it.
#include "core/body.h"

namespace orrelin {

// Room for the topocentric places: each planet's parallax is below 0.01 degree (Venus at
// its nearest), so a pair's distance moves by less than 0.02 degree from geocentric to
// topocentric; this allows more than twice that.
inline constexpr double kTopocentricAllowance = 0.05;  // degrees

// A planet's largest apparent geocentric motion, degrees per day, comfortably above the
// largest the theory gives from 1800 to 2200.
double LargestDailyMotion(Body planet);

// The great-circle distance of two places (right ascensions and declinations in degrees).
double AngularDistance(double rightAscension1, double declination1, double rightAscension2, double declination2);

// The least the geocentric separation of a pair can be a fraction (0..1) of a day after
// a moment where it was `atStart`, when it is `atEnd` a day after that moment and the
// pair's separation moves by at most `motion` degrees a day.
double SeparationFloor(double atStart, double atEnd, double motion, double fraction);

}  // namespace orrelin
