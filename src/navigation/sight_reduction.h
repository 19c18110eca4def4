#pragma once
// Reducing a sextant sight to a line of position: the altitude corrections from the
// sextant's reading to the observed altitude Ho, the body's GHA and declination from the
// precise ephemeris, the computed altitude Hc and azimuth Zn at the assumed position,
// and the intercept. Each step is an explanation line, as on a paper sight form.
#include <optional>
#include <string>

#include "core/explanation.h"
#include "precise/nautical.h"

namespace orrelin::navigation {

// A place on the Earth: latitude north positive, longitude EAST positive (degrees).
struct GeoPosition {
  double latitude = 0.0;
  double longitude = 0.0;
};

enum class Limb { kCentre, kLower, kUpper };

struct Sight {
  std::string body;         // "Sun", "Moon", "Venus" .. "Saturn", or a navigational star
  Limb limb = Limb::kCentre;  // the Sun's and the Moon's
  double julianDayUt = 0.0;
  double sextantAltitude = 0.0;  // Hs, degrees
  double indexError = 0.0;       // arc minutes; positive "on the arc" (the sextant reads high)
  double heightOfEye = 0.0;      // metres
  double pressure = 1010.0;      // millibars
  double temperature = 10.0;     // degrees Celsius
};

struct SightReduction {
  double apparentAltitude = 0.0;  // Ha, degrees
  double observedAltitude = 0.0;  // Ho, degrees
  double gha = 0.0, declination = 0.0, lha = 0.0;  // degrees
  double computedAltitude = 0.0;  // Hc, degrees
  double azimuth = 0.0;           // Zn, degrees
  double intercept = 0.0;         // nautical miles, positive toward the body
  ExplanationLines lines;
};

// Ho from the sight: index error, dip, refraction (with the pressure and temperature),
// semidiameter of a limb, parallax in altitude (the Moon's horizontal parallax reduced
// for the Earth's flattening at the latitude, its semidiameter augmented). None, with
// the reason, when the ephemeris has no place for the body.
struct ObservedAltitude {
  double apparent = 0.0, observed = 0.0;  // degrees
};
std::optional<ObservedAltitude> ObservedAltitudeOf(const Sight& sight, double latitude, ExplanationLines* lines,
                                                   std::string& why);
// The same, with the body's place at the sight's moment already computed.
ObservedAltitude ObservedAltitudeAt(const Sight& sight, const precise::NauticalBody& body,
                                    const precise::NauticalPlace& place, double latitude, ExplanationLines* lines);

// The body a sight's name gives (any letter case): the Sun, the Moon, the planets of the
// almanacs and the navigational stars; none for any other name (Aries among them).
std::optional<precise::NauticalBody> SightBodyNamed(const std::string& name);
bool IsSightBody(const std::string& name);
// The Sun and the Moon: a sextant brings a limb of them to the horizon, never the centre.
bool HasLimbs(const precise::NauticalBody& body);

// The whole reduction from the assumed position.
std::optional<SightReduction> ReduceSight(const Sight& sight, const GeoPosition& assumed, std::string& why);

// Hc and Zn of a body at GHA and declination from a position (degrees).
struct ComputedPlace {
  double altitude = 0.0;
  double azimuth = 0.0;
};
ComputedPlace ComputedAltitude(const GeoPosition& position, double gha, double declination);

}  // namespace orrelin::navigation
