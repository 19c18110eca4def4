#include "report/body_place.h"

#include <array>

namespace orrelin {

bool IsPlanet(const std::string& bodyCode) {
  static const std::array<std::string, 7> kPlanets{kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune};
  for (const auto& p : kPlanets) {
    if (bodyCode == p) return true;
  }
  return false;
}

bool IsComputedBody(const std::string& bodyCode) { return bodyCode == kSun; }

BodyPlaceResult BodyPlace(const std::string& bodyCode, double t, double /*jd*/, ExplanationLines* lines) {
  BodyPlaceResult r;
  if (bodyCode == kSun) r.place = SunApparent(t, lines);
  return r;
}

}  // namespace orrelin
