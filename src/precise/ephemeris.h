#pragma once
// Precise places from a high-accuracy ephemeris (JPL's DE431, compressed, through the
// Swiss Ephemeris): the one door to that library, which no other part of the program
// sees. Every call takes the moment in UT and the program's own Delta T, so that this
// chain and the book's methods agree on what UT is.
#include <optional>
#include <string>

#include "core/body.h"
#include "core/moment.h"

namespace orrelin::precise {

// The program's bodies and moments: a Body::kStar is asked for through StarPlace.
using orrelin::Body;
using orrelin::Moment;

// The observer for topocentric places.
struct GeoPlace {
  double latitude = 0.0;       // degrees, north positive
  double eastLongitude = 0.0;  // degrees, EAST positive
  double height = 0.0;         // metres above sea level
};

// What the place is referred to: the apparent place of date (as the almanacs give it),
// or the astrometric place in the ICRF of J2000.0 (as JPL Horizons lists it).
enum class Frame { kApparent, kAstrometricJ2000 };

struct PrecisePlace {
  double rightAscension = 0.0;  // degrees 0..360
  double declination = 0.0;     // degrees
  double distance = 0.0;        // AU (for a star: 0)
  double rightAscensionRate = 0.0;  // degrees a day
  double declinationRate = 0.0;     // degrees a day
};

struct Phenomena {
  double illuminated = 0.0;   // illuminated fraction of the disk 0..1
  double magnitude = 0.0;     // apparent visual magnitude (Saturn with its rings)
  double semidiameter = 0.0;  // degrees, geocentric
  double phaseAngle = 0.0;    // degrees
  double elongation = 0.0;    // degrees from the Sun, 0..180
};

// The place of a body; none, with the library's reason, when it cannot be computed
// from the precise files (outside 1800..2399, or the files are missing) or the body is
// a star (whose place is StarPlace's).
std::optional<PrecisePlace> BodyPlace(Body body, const Moment& moment, Frame frame,
                                      const std::optional<GeoPlace>& topocentric, std::string& why);
std::optional<Phenomena> BodyPhenomena(Body body, const Moment& moment, std::string& why);
// A star of the library's star file by its name (a navigational name such as
// "Al Na'ir" or "Rigil Kentaurus" is looked up under the file's own name).
std::optional<PrecisePlace> StarPlace(const std::string& name, const Moment& moment, Frame frame, std::string& why);
// Greenwich apparent sidereal time in degrees 0..360 (the GHA of the first point of Aries).
double GreenwichApparentSiderealTime(const Moment& moment);
// The library and its version, for the explanation lines and the About window.
std::string LibraryName();

}  // namespace orrelin::precise
