#include "report/body_place.h"

#include <array>
#include <optional>

#include "moon/moon_position.h"
#include "planets/apparent_place.h"

namespace orrelin {

namespace {

std::optional<Planet> PlanetOf(const std::string& bodyCode) {
  static const std::array<std::pair<const char*, Planet>, 7> kPlanets{{{kMercury, Planet::kMercury},
                                                                       {kVenus, Planet::kVenus},
                                                                       {kMars, Planet::kMars},
                                                                       {kJupiter, Planet::kJupiter},
                                                                       {kSaturn, Planet::kSaturn},
                                                                       {kUranus, Planet::kUranus},
                                                                       {kNeptune, Planet::kNeptune}}};
  for (const auto& [code, planet] : kPlanets) {
    if (bodyCode == code) return planet;
  }
  return std::nullopt;
}

}  // namespace

bool IsPlanet(const std::string& bodyCode) { return PlanetOf(bodyCode).has_value(); }

bool IsComputedBody(const std::string& bodyCode) {
  return bodyCode == kSun || bodyCode == kMoon || bodyCode == kStar || IsPlanet(bodyCode);
}

BodyPlaceResult BodyPlace(const std::string& bodyCode, double t, double jd, ExplanationLines* lines,
                          const StarValues* star) {
  BodyPlaceResult r;
  if (bodyCode == kStar) {
    if (star != nullptr) {
      const EquatorialPlace p = StarApparentPlace(*star, t, lines);
      r.place = {p.rightAscension, p.declination, 0.0};
    }
  } else if (bodyCode == kSun) {
    r.place = SunApparent(t, lines);
  } else if (bodyCode == kMoon) {
    const MoonPlace moon = MoonPosition(t, lines);
    r.place = moon.place;
    r.moonDistanceKm = moon.distanceKm;
    r.moonPhase = moon.phaseText;
    r.moonElongation = moon.elongationText;
  } else if (const auto planet = PlanetOf(bodyCode)) {
    const PlanetPlace p = PlanetApparentPlace(*planet, t, jd, lines);
    r.place = p.place;
    r.magnitude = p.magnitude;
  }
  return r;
}

}  // namespace orrelin
