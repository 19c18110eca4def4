#pragma once
// The semidiameter lines of the Moon, Jupiter and Saturn.
#include "core/explanation.h"

namespace orrelin {

// Topocentric semidiameter of the Moon at distance (km), altitude and parallax (degrees).
void ExplainMoonSemidiameter(double distanceKm, double altitude, double parallax, ExplanationLines* lines);
// Equatorial and polar semidiameters of Jupiter at distance (AU).
void JupiterSemidiameters(double distance, ExplanationLines* lines);
// Equatorial semidiameter of Saturn at distance (AU).
void SaturnSemidiameter(double distance, ExplanationLines* lines);

}  // namespace orrelin
