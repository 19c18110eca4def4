#include "earth/observer.h"

#include <cmath>

#include "core/angles.h"
#include "core/constants.h"
#include "core/geodesy.h"
#include "earth/nutation.h"

namespace orrelin {

double HourAngle(double rightAscension, double siderealHours) {
  double d = siderealHours - rightAscension / 15.0;
  if (d < 0) d += 24.0;
  return ReduceAngle(15.0 * d);
}

HorizontalResult HorizontalPlace(double latitude, double longitude, double declination, double greenwichHourAngle) {
  HorizontalResult r;
  r.localHourAngle = ReduceAngle(greenwichHourAngle - longitude);
  if (r.localHourAngle < 0) r.localHourAngle += 360.0;
  const double h = r.localHourAngle;
  const double sinLatitude = SinDeg(latitude), cosLatitude = CosDeg(latitude), sinDeclination = SinDeg(declination);
  r.altitude = ArcSinDeg(sinLatitude * sinDeclination + cosLatitude * CosDeg(declination) * CosDeg(h));
  r.azimuth = ArcCosDeg((sinDeclination - SinDeg(r.altitude) * sinLatitude) / (cosLatitude * CosDeg(r.altitude)));
  if (SinDeg(h) > 0) r.azimuth = 360.0 - r.azimuth;  // west of the meridian
  return r;
}

HorizontalResult HorizontalCoordinates(double latitude, double longitude, double temperature, double pressure,
                                       double declination, double greenwichHourAngle) {
  HorizontalResult r = HorizontalPlace(latitude, longitude, declination, greenwichHourAngle);
  r.refraction = Refraction(r.altitude, pressure, temperature) / 60.0;
  return r;
}

double Refraction(double altitude, double pressure, double temperature) {
  return (1.02 / TanDeg(altitude + 10.3 / (altitude + 5.11))) * (pressure / 1010.0) * (283.0 / (273.0 + temperature));
}

GeocentricPosition ObserverGeocentric(double latitude, double height) {
  const double u = ArcTanDeg(kEarthAxisRatio * TanDeg(latitude));
  const double h = height / kEarthEquatorialRadiusMetres;
  return {kEarthAxisRatio * SinDeg(u) + h * SinDeg(latitude), CosDeg(u) + h * CosDeg(latitude)};
}

EquatorialPlace TopocentricCorrection(const EquatorialPlace& place, double parallax, double longitude,
                                      double latitude, double height, double utHours, double jd0) {
  return TopocentricCorrection(place, parallax, longitude, ObserverGeocentric(latitude, height),
                               SiderealTime(utHours, jd0).apparent);
}

EquatorialPlace TopocentricCorrection(const EquatorialPlace& place, double parallax, double longitude,
                                      const GeocentricPosition& g, double theta) {
  const double h = 15.0 * theta - longitude - place.rightAscension;  // only its sine and cosine are used
  const double sinPi = SinDeg(parallax);
  const double denominator = CosDeg(place.declination) - g.rhoCosPhi * sinPi * CosDeg(h);
  const double deltaAlpha = ArcTanDeg(-g.rhoCosPhi * sinPi * SinDeg(h) / denominator);
  EquatorialPlace topocentric;
  topocentric.rightAscension = place.rightAscension + deltaAlpha;
  topocentric.declination =
      ArcTanDeg((SinDeg(place.declination) - g.rhoSinPhi * sinPi) * CosDeg(deltaAlpha) / denominator);
  return topocentric;
}

// The Earth's radius in AU is the sine of the solar parallax.
double PlanetParallax(double distance) {
  return HorizontalParallax(SinDeg(kSolarParallaxArcSeconds / 3600.0), distance);
}

double DipOfHorizon(double height) { return 0.97 * std::sqrt(3.28084 * height); }

SextantCorrection SextantCorrections(double height, double temperature, double pressure) {
  SextantCorrection c;
  c.dip = -DipOfHorizon(height) / 60.0;
  c.refractionFactor = (temperature == 10.0 && pressure == 1010.0) ? 1.0 : 0.28 * pressure / (temperature + 273.0);
  return c;
}

double ObservedRefraction(double apparentAltitude, double refractionFactor) {
  return refractionFactor * 0.0167 / TanDeg(apparentAltitude + 7.31 / (apparentAltitude + 4.4));
}

}  // namespace orrelin
