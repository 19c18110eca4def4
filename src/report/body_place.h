#pragma once
// The one step of the report that differs by body: its apparent place at an instant.
#include <string>

#include "core/explanation.h"
#include "earth/sun.h"
#include "stars/star_place.h"

namespace orrelin {

inline constexpr const char* kSun = "SUN";
inline constexpr const char* kMoon = "MOON";
inline constexpr const char* kMercury = "MERCURY";
inline constexpr const char* kVenus = "VENUS";
inline constexpr const char* kMars = "MARS";
inline constexpr const char* kJupiter = "JUPITER";
inline constexpr const char* kSaturn = "SATURN";
inline constexpr const char* kUranus = "URANUS";
inline constexpr const char* kNeptune = "NEPTUNE";
inline constexpr const char* kStar = "STAR";

// The seven codes from MERCURY to NEPTUNE.
bool IsPlanet(const std::string& bodyCode);
// Whether this build computes the body's place.
bool IsComputedBody(const std::string& bodyCode);

// What one call gives besides the place.
struct BodyPlaceResult {
  ApparentPlace place;
  double moonDistanceKm = 0.0;  // the Moon only
  std::string moonPhase;        // the Moon only: illuminated percentage, "42.5%"
  std::string moonElongation;   // the Moon only: whole degrees from the Sun
  std::string magnitude;        // planets only (none for Saturn)
};

// t: Julian centuries from J2000.0 (Sun, Moon, star) or from 1900 January 0.5 (planets).
// A star's catalogue values come from `star`; its parallax is always 0.
BodyPlaceResult BodyPlace(const std::string& bodyCode, double t, double jd, ExplanationLines* lines,
                          const StarValues* star = nullptr);

}  // namespace orrelin
