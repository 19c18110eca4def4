#pragma once
// The altitude to preset on the sextant to find a body in a bright twilight sky: the
// sight's reduction run backwards, so that reducing that sextant altitude at that moment
// gives the computed altitude as Ho (an intercept of nought).
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

// Hs for which the sight's corrections (index error, dip, refraction at the pressure and
// temperature, the limb's semidiameter, parallax) give Ho = hc, degrees. The sight gives
// the body, limb, moment, index error, height of eye and weather; its Hs is not read.
double PresetSextantAltitude(const Sight& sight, const precise::NauticalBody& body,
                             const precise::NauticalPlace& place, double latitude, double hc);

}  // namespace orrelin::navigation
