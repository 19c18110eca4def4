#pragma once
// Positions of a high-accuracy ephemeris (JPL Horizons, DE431) for the site 81 W,
// 29 N, 10 m, and the means to compare this program's apparent places with them.
#include <cmath>
#include <string>
#include <vector>

namespace orrelin::testing {

struct EphemerisRow {
  int year = 0, month = 0, day = 0;
  double hours = 0.0;          // UT
  double rightAscension = 0.0;  // degrees
  double declination = 0.0;     // degrees
  double azimuth = 0.0;         // apparent rows only, degrees
  double elevation = 0.0;       // apparent rows only, degrees, unrefracted
};

// The rows of one body of tests/data/horizons-sample.json ("Sun", "Mars", "Moon_apparent", ...).
std::vector<EphemerisRow> LoadHorizons(const std::string& body);

inline constexpr double kSiteLongitudeWest = 81.0;
inline constexpr double kSiteLatitude = 29.0;
inline constexpr double kSiteHeight = 10.0;

struct Equatorial {
  double rightAscension = 0.0;  // degrees
  double declination = 0.0;     // degrees
};

// An astrometric J2000 place carried to the apparent place of date: precession
// (Meeus ch. 21), nutation in right ascension and declination and annual aberration
// (Meeus ch. 23), with the nutation of the Earth module.
Equatorial AstrometricToApparent(const Equatorial& j2000, double jd);

// The angle between two directions, arc seconds.
double SeparationArcSeconds(const Equatorial& a, const Equatorial& b);

// The Julian day at 0h UT of a row's date (Gregorian calendar).
double JulianDayAtZero(const EphemerisRow& row);

struct HorizonsErrors {
  double max = 0.0;  // arc seconds
  double rms = 0.0;
};

// Compares ours(row, jd0), an apparent place of date, with each row's astrometric
// place carried to the apparent place of date.
template <typename F>
HorizonsErrors CompareWithHorizons(const std::vector<EphemerisRow>& rows, F ours) {
  HorizonsErrors e;
  double sum = 0.0;
  for (const auto& r : rows) {
    const double jd0 = JulianDayAtZero(r);
    const Equatorial reference = AstrometricToApparent({r.rightAscension, r.declination}, jd0 + r.hours / 24.0);
    const double s = SeparationArcSeconds(ours(r, jd0), reference);
    e.max = s > e.max ? s : e.max;
    sum += s * s;
  }
  e.rms = rows.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(rows.size()));
  return e;
}

}  // namespace orrelin::testing
