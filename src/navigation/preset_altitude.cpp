#include "navigation/preset_altitude.h"

#include <cmath>

namespace orrelin::navigation {

namespace {

constexpr int kMostSteps = 30;
constexpr double kClose = 1e-8;  // degrees

}  // namespace

double PresetSextantAltitude(const Sight& sight, const precise::NauticalBody& body,
                             const precise::NauticalPlace& place, double latitude, double hc) {
  // Ho grows with Hs at a rate near one (refraction, the only term that bends it, changes
  // by less than a fifth of the altitude's change even on the horizon): the fixed point
  // of Hs + (hc - Ho(Hs)) is reached in a few steps.
  Sight s = sight;
  s.sextantAltitude = hc;
  for (int step = 0; step < kMostSteps; ++step) {
    const double off = hc - ObservedAltitudeAt(s, body, place, latitude, nullptr).observed;
    s.sextantAltitude += off;
    if (std::fabs(off) < kClose) break;
  }
  return s.sextantAltitude;
}

}  // namespace orrelin::navigation
