#pragma once
// The phases of the Moon, Meeus, Astronomical Algorithms, ch. 47.

namespace orrelin {

enum MoonPhase { kNewMoon = 0, kFirstQuarter = 1, kFullMoon = 2, kLastQuarter = 3 };

// The mean instant (JDE) of lunation k' (k = 0: the new moon of 2000 January 6).
double MeanPhaseInstant(double kPrime);

// The instant (JDE) of phase `phase` of lunation k.
double MoonPhaseInstant(long long k, int phase);

}  // namespace orrelin
