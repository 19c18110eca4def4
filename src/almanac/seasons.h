#pragma once
// Equinoxes and solstices, Meeus, Astronomical Algorithms, ch. 26.

namespace orrelin {

enum Season { kMarchEquinox = 0, kJuneSolstice = 1, kSeptemberEquinox = 2, kDecemberSolstice = 3 };

// (JDE - 2451545) / 36525.
double CenturiesSinceJ2000(double jde);

// The instant (JDE) at which the Sun reaches the season's point in an astronomical
// year (1 B.C. is 0).
double SeasonInstant(int year, int season);

}  // namespace orrelin
