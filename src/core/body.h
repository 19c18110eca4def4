#pragma once
// The bodies of the program, one enumeration for every computation and both front
// ends. The book's upper-case codes ("SUN" .. "NEPTUNE", "STAR") appear only where
// they are shown or stored: the report's title and the settings file.
#include <optional>
#include <string>
#include <string_view>

namespace orrelin {

enum class Body { kSun, kMoon, kMercury, kVenus, kMars, kJupiter, kSaturn, kUranus, kNeptune, kStar };

// "Sun", "Moon", "Mercury" .. "Neptune", "Star".
std::string_view BodyName(Body body);
// "SUN", "MOON", "MERCURY" .. "NEPTUNE", "STAR".
std::string_view BodyCode(Body body);
// The body of a code, in upper case as stored; none for any other text.
std::optional<Body> BodyOfCode(std::string_view code);
// The body of a name in any letter case ("sun", "Jupiter"); "star" is Body::kStar.
std::optional<Body> BodyNamed(std::string_view name);
// Mercury to Neptune.
bool IsPlanet(Body body);

// A body as a computation is asked for it: a star carries its catalogue name.
struct BodyChoice {
  Body body = Body::kSun;
  std::string star;  // the catalogue star's name, for Body::kStar
};

}  // namespace orrelin
