#include "core/body.h"

#include <array>
#include <cctype>

namespace orrelin {

namespace {

struct BodyNames {
  Body body;
  std::string_view name, code;
};

constexpr std::array<BodyNames, 10> kBodies{{{Body::kSun, "Sun", "SUN"},
                                             {Body::kMoon, "Moon", "MOON"},
                                             {Body::kMercury, "Mercury", "MERCURY"},
                                             {Body::kVenus, "Venus", "VENUS"},
                                             {Body::kMars, "Mars", "MARS"},
                                             {Body::kJupiter, "Jupiter", "JUPITER"},
                                             {Body::kSaturn, "Saturn", "SATURN"},
                                             {Body::kUranus, "Uranus", "URANUS"},
                                             {Body::kNeptune, "Neptune", "NEPTUNE"},
                                             {Body::kStar, "Star", "STAR"}}};

const BodyNames& NamesOf(Body body) { return kBodies[static_cast<std::size_t>(body)]; }

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string_view BodyName(Body body) { return NamesOf(body).name; }

std::string_view BodyCode(Body body) { return NamesOf(body).code; }

std::optional<Body> BodyOfCode(std::string_view code) {
  for (const BodyNames& b : kBodies) {
    if (b.code == code) return b.body;
  }
  return std::nullopt;
}

std::optional<Body> BodyNamed(std::string_view name) {
  for (const BodyNames& b : kBodies) {
    if (SameLetters(b.name, name)) return b.body;
  }
  return std::nullopt;
}

bool IsPlanet(Body body) { return body >= Body::kMercury && body <= Body::kNeptune; }

}  // namespace orrelin
