#pragma once
// Sights made from a known position: the sextant altitude a navigator there would read.
#include <string>

#include "navigation/fix.h"
#include "precise/nautical.h"

namespace orrelin::navigation::testing {

inline Sight SightOf(const std::string& body, double jd, const GeoPosition& where, Limb limb = Limb::kCentre) {
  Sight s;
  s.body = body;
  s.limb = limb;
  s.julianDayUt = jd;
  s.indexError = -1.2;
  s.heightOfEye = 12;
  s.pressure = 1020;
  s.temperature = 18;
  std::string why;
  const auto place =
      precise::NauticalPlaceOf(*precise::NauticalBodyNamed(body), MomentOfJulianDayUt(jd), std::nullopt, why);
  const double ho = ComputedAltitude(where, place->gha, place->declination).altitude;
  s.sextantAltitude = *SextantAltitudeFor(s, ho, where.latitude, why);
  return s;
}

}  // namespace orrelin::navigation::testing
