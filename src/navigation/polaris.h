#pragma once
// Latitude by Polaris: the latitude at which the Pole Star's computed altitude, at its
// LHA from the DR longitude, equals the observed altitude; and the correction that
// takes Ho to that latitude, as the almanacs' Polaris table gives it (latitude = Ho +
// correction).
#include <optional>
#include <string>

#include "core/explanation.h"
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

// Below these the sight gives no latitude worth having: refraction near the horizon,
// and a Pole Star too low, or under the horizon, south of the equator.
inline constexpr double kLowestPolarisAltitude = 5.0;  // degrees
inline constexpr double kSouthernmostPolarisLatitude = 5.0;  // degrees north

struct PolarisLatitude {
  double observedAltitude = 0.0;  // Ho, degrees
  double lha = 0.0;               // degrees
  double latitude = 0.0;          // degrees
  double correction = 0.0;        // latitude - Ho, degrees
  ExplanationLines lines;
};

// The sight's body is Polaris whatever it names. None, with the message, below 5° or
// with the DR south of 5° N.
std::optional<PolarisLatitude> LatitudeByPolaris(Sight sight, const GeoPosition& dr, std::string& why);

// The latitude at which a body of this GHA and declination stands at the altitude,
// seen from the longitude: the root nearest the altitude itself (for a body near
// the pole, the only one above the horizon). None when no latitude gives it.
std::optional<double> LatitudeOfAltitude(double altitude, double gha, double declination, double longitude);

}  // namespace orrelin::navigation
