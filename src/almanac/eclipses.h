#pragma once
// Solar and lunar eclipses, Meeus, Astronomical Algorithms, ch. 52.

namespace orrelin {

enum SolarEclipseType {
  kTotalSolar = 1,
  kAnnularSolar = 2,
  kAnnularTotalSolar = 3,
  kNonCentralTotalSolar = 4,
  kNonCentralAnnularSolar = 5,
  kPartialSolar = 6,
};
enum LunarEclipseType { kTotalLunar = 1, kPartialLunar = 6, kPenumbralLunar = 7 };

struct EclipseCore {
  double jde = 0.0;     // of greatest eclipse
  double u = 0.0;       // radius of the umbral cone in the fundamental plane
  double gamma = 2.0;   // |gamma|; 2.0: no eclipse at this lunation
};
// k whole for a new moon, k + 0.5 for a full moon.
EclipseCore EclipseQuantities(double k);

struct Eclipse {
  double jde = 0.0;
  int type = 0;
  double magnitude = 0.0;  // the greatest magnitude of a partial solar eclipse; a lunar eclipse's
};
// The first solar eclipse after the moment (a Julian day).
Eclipse NextSolarEclipse(double jd);
// The first lunar eclipse after the moment.
Eclipse NextLunarEclipse(double jd);

}  // namespace orrelin
