#include "report/body_place.h"

#include <array>
#include <utility>

#include "moon/moon_position.h"
#include "planets/apparent_place.h"

namespace orrelin {

double BodyCenturiesUt(Body body, const Moment& moment) {
  return IsPlanet(body) ? CenturiesFrom1900Ut(moment) : CenturiesFromJ2000Ut(moment);
}

double BodyCenturiesTt(Body body, const Moment& moment) {
  return IsPlanet(body) ? CenturiesFrom1900Tt(moment) : CenturiesFromJ2000Tt(moment);
}

BodyPlaceResult BodyPlace(Body body, double t, double jd, ExplanationLines* lines, const StarValues* star) {
  BodyPlaceResult r;
  if (body == Body::kStar) {
    if (star != nullptr) {
      const EquatorialPlace p = StarApparentPlace(*star, t, lines);
      r.place = {p.rightAscension, p.declination, 0.0};
    }
  } else if (body == Body::kSun) {
    r.place = SunApparent(t, lines);
  } else if (body == Body::kMoon) {
    const MoonPlace moon = MoonPosition(t, lines);
    r.place = moon.place;
    r.moonDistanceKm = moon.distanceKm;
    r.moonPhase = moon.phaseText;
    r.moonElongation = moon.elongationText;
  } else if (IsPlanet(body)) {
    const PlanetPlace p = PlanetApparentPlace(*PlanetOf(body), t, jd, lines);
    r.place = p.place;
    r.magnitude = p.magnitude;
  }
  return r;
}

}  // namespace orrelin
