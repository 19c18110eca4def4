#pragma once
// What the nautical almanacs give for a body at a moment, from the precise ephemeris:
// Greenwich hour angle, sidereal hour angle (stars), declination, horizontal parallax,
// semidiameter, magnitude, the hourly differences v and d, and where an observer is
// given, the topocentric altitude (with the report's refraction) and azimuth.
#include <optional>
#include <string>
#include <vector>

#include "earth/observer.h"
#include "precise/ephemeris.h"

namespace orrelin::precise {

// A body of the almanacs: the Sun, the Moon, a planet, the first point of Aries, or a
// navigational star.
struct NauticalBody {
  enum class Kind { kBody, kAries, kStar } kind = Kind::kBody;
  Body body = Body::kSun;
  std::string name;  // as the almanacs print it: "Sun", "Aries", "Sirius"
};

// "sun", "Moon", "aries", "venus", "sirius", "al na'ir" (any letter case); none when
// it is no body of the almanacs.
std::optional<NauticalBody> NauticalBodyNamed(const std::string& name);
// The navigational stars of the almanacs' pages: the 57 and Polaris.
std::vector<std::string> NavigationalStarNames();

struct NauticalPlace {
  double gha = 0.0;                 // degrees 0..360
  std::optional<double> sha;        // stars and Aries-relative: 360 - right ascension
  double declination = 0.0;         // degrees
  double rightAscension = 0.0;      // degrees, apparent geocentric
  std::optional<double> horizontalParallax;  // degrees: the Moon and the planets
  std::optional<double> semidiameter;        // degrees: the Sun, the Moon and the planets
  std::optional<double> magnitude;           // planets (and the Moon); stars from the catalogue
  std::optional<double> illuminated;         // the Moon and the planets, 0..1
  std::optional<double> v, d;       // arc minutes an hour: GHA beyond its adopted rate, and declination
  struct Horizon {
    double altitude = 0.0;  // degrees, topocentric, refracted
    double azimuth = 0.0;   // degrees from north through east
  };
  std::optional<Horizon> horizon;   // when an observer is given
};

// The adopted hourly increase of GHA the almanacs' v is counted from: 14° 19.0' for the
// Moon, 15° 00.0' for the planets (none for the Sun, Aries and stars: no v is given).
std::optional<double> AdoptedHourlyGha(const NauticalBody& body);

std::optional<NauticalPlace> NauticalPlaceOf(const NauticalBody& body, const Moment& moment,
                                             const std::optional<Observer>& observer, std::string& why);

// The equatorial horizontal parallax in degrees of a body at a distance in AU, with the
// Earth's radius of the IERS.
double HorizontalParallaxOf(double distance);

}  // namespace orrelin::precise
