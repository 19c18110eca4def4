#include "navigation/polaris.h"

#include <cmath>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/numbers.h"
#include "navigation/body_place.h"
#include "navigation/watch_texts.h"

namespace orrelin::navigation {

std::optional<double> LatitudeOfAltitude(double altitude, double gha, double declination, double longitude) {
  // sin h = sin φ sin δ + cos φ cos δ cos LHA = R sin(φ + θ), with R sin θ = cos δ cos LHA
  // and R cos θ = sin δ.
  const double lha = NormalizeAngle(gha + longitude);
  const double a = SinDeg(declination), b = CosDeg(declination) * CosDeg(lha);
  const double r = std::hypot(a, b);
  if (r == 0.0 || std::fabs(SinDeg(altitude)) > r) return std::nullopt;
  const double theta = std::atan2(b, a) * 180.0 / M_PI;
  const double first = ArcSinDeg(SinDeg(altitude) / r) - theta;
  const double second = 180.0 - ArcSinDeg(SinDeg(altitude) / r) - theta;
  const double candidates[] = {std::remainder(first, 360.0), std::remainder(second, 360.0)};
  std::optional<double> best;
  for (double latitude : candidates) {
    if (std::fabs(latitude) > 90.0) continue;
    if (!best || std::fabs(latitude - altitude) < std::fabs(*best - altitude)) best = latitude;
  }
  return best;
}

std::optional<PolarisLatitude> LatitudeByPolaris(Sight sight, const GeoPosition& dr, std::string& why) {
  sight.body = "Polaris";
  if (dr.latitude < kSouthernmostPolarisLatitude) {
    why = "Polaris gives no latitude south of 5" + std::string(kDegreeSign) + " N: the DR is at " +
          NamedAngleText(dr.latitude, "N", "S");
    return std::nullopt;
  }
  PolarisLatitude p;
  const auto ho = ObservedAltitudeOf(sight, dr.latitude, &p.lines, why);
  if (!ho) return std::nullopt;
  p.observedAltitude = ho->observed;
  if (ho->observed < kLowestPolarisAltitude) {
    why = "Polaris at " + AltitudeText(ho->observed) + " is below 5" + kDegreeSign +
          ": refraction near the horizon spoils the latitude";
    return std::nullopt;
  }
  const auto place = HourAngleAt(sight.body, sight.julianDayUt, why);
  if (!place) return std::nullopt;
  const auto latitude = LatitudeOfAltitude(ho->observed, place->gha, place->declination, dr.longitude);
  if (!latitude) {
    why = "No latitude sees Polaris at " + AltitudeText(ho->observed) + " at that time and longitude";
    return std::nullopt;
  }
  p.lha = NormalizeAngle(place->gha + dr.longitude);
  p.latitude = *latitude;
  p.correction = p.latitude - p.observedAltitude;
  ExplanationLines* lines = &p.lines;
  ReportLine(lines, "GHA of Polaris:", DegMinText(place->gha));
  ReportLine(lines, "Declination:", NamedAngleText(place->declination, "N", "S"));
  ReportLine(lines, "DR longitude:", NamedAngleText(dr.longitude, "E", "W"));
  ReportLine(lines, "LHA:", DegMinText(p.lha));
  ReportLine(lines, "Correction (latitude = Ho + corr.):", (p.correction < 0 ? "-" : "+") +
                                                             DegMinText(std::fabs(p.correction)));
  ReportLine(lines, "Latitude:", NamedAngleText(p.latitude, "N", "S"));
  return p;
}

}  // namespace orrelin::navigation
