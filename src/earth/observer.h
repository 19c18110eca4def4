#pragma once
// From a geocentric apparent place to what the observer sees: hour angles,
// parallax, altitude and azimuth, refraction; and the sextant's dip and refraction.
// Meeus, Astronomical Algorithms, ch. 10, 12, 15 and 39.
#include "core/local_clock.h"

namespace orrelin {

// The observing place as the main window holds it.
struct Observer {
  double latitude = 0.0;       // degrees, north positive
  double longitude = 0.0;      // degrees, WEST positive, east negative
  double height = 0.0;         // metres
  double pressure = 1010.0;    // millibars
  double temperature = 10.0;   // degrees Celsius
  double utcMinusLocal = 0.0;  // hours; local time = UTC - offset
  LocalClock clock;            // a zone's clock reads each event with its own moment's offset; unused when fixed
};

// Hour angle in degrees 0..360 of a right ascension (degrees) at sidereal time (hours).
double HourAngle(double rightAscension, double siderealHours);

struct HorizontalResult {
  double altitude = 0.0;        // degrees, true (without refraction)
  double azimuth = 0.0;         // degrees from north through east
  double refraction = 0.0;      // degrees
  double localHourAngle = 0.0;  // degrees 0..360
};
HorizontalResult HorizontalCoordinates(double latitude, double longitude, double temperature, double pressure,
                                       double declination, double greenwichHourAngle);
// The same without the refraction (left 0), for searches that compare true places.
HorizontalResult HorizontalPlace(double latitude, double longitude, double declination, double greenwichHourAngle);

// Refraction of a true altitude in arc minutes.
double Refraction(double altitude, double pressure, double temperature);

struct GeocentricPosition {
  double rhoSinPhi = 0.0;  // rho sin(phi'), Earth equatorial radii
  double rhoCosPhi = 0.0;  // rho cos(phi')
};
GeocentricPosition ObserverGeocentric(double latitude, double height);

struct EquatorialPlace {
  double rightAscension = 0.0;  // degrees (topocentric: not reduced)
  double declination = 0.0;     // degrees
};
// The topocentric place of an apparent place with horizontal parallax (degrees).
EquatorialPlace TopocentricCorrection(const EquatorialPlace& place, double parallax, double longitude,
                                      double latitude, double height, double utHours, double jd0);
// The same with the observer's geocentric position and the apparent sidereal time
// (hours) already computed, for many bodies of one place and moment.
EquatorialPlace TopocentricCorrection(const EquatorialPlace& place, double parallax, double longitude,
                                      const GeocentricPosition& observer, double siderealHours);

// Horizontal parallax in degrees of a body at distance (AU).
double PlanetParallax(double distance);

// Dip of the sea horizon in arc minutes for a height of eye in metres.
double DipOfHorizon(double height);

struct SextantCorrection {
  double dip = 0.0;               // degrees, negative
  double refractionFactor = 1.0;  // f
};
SextantCorrection SextantCorrections(double height, double temperature, double pressure);

// Refraction in degrees of an apparent (observed) altitude.
double ObservedRefraction(double apparentAltitude, double refractionFactor);

}  // namespace orrelin
