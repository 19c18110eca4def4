#include "moon/moon_position.h"

#include <cmath>
#include <cstdlib>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/constants.h"
#include "core/geodesy.h"
#include "core/numbers.h"
#include "earth/explain_place.h"
#include "earth/nutation.h"

namespace orrelin {

namespace {

// The book's tables 45.A and 45.B, compiled in from data/moon-*.csv:
// multiples of D, M, M', F; longitude in 1e-6 degree, distance in 0.001 km.
struct LongitudeDistanceTerm {
  int d, m, mPrime, f;
  double sigmaL, sigmaR;
};
constexpr LongitudeDistanceTerm kLongitudeDistance[] = {
#include "moon_longitude_distance_terms.inc"
};

struct LatitudeTerm {
  int d, m, mPrime, f;
  double sigmaB;
};
constexpr LatitudeTerm kLatitude[] = {
#include "moon_latitude_terms.inc"
};

// Terms with the Sun's anomaly once are multiplied by E, twice by E squared.
double EccentricityFactor(int m, double e) {
  switch (std::abs(m)) {
    case 1: return e;
    case 2: return e * e;
    default: return 1.0;
  }
}

double Argument(int d, int m, int mPrime, int f, const MoonArguments& a) {
  return d * a.elongation + m * a.sunAnomaly + mPrime * a.moonAnomaly + f * a.latitude;
}

void ExplainMoon(const MoonArguments& a, const MoonPlace& p, double apparentLongitude, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Mean longitude:", DegMinSecText(a.meanLongitude));
  ReportLine(lines, "Lambda:", DegMinSecText(p.longitude));
  ReportLine(lines, "Beta:", DegMinSecText(p.latitude));
  ReportLine(lines, "Apparent longitude", DegMinSecText(apparentLongitude));
  ReportLine(lines, "Horizontal parallax:", DegMinSecText(p.place.parallax));
  ReportLine(lines, "Distance to Earth:", FixedText(p.distanceKm, 1) + " km");
  ReportLine(lines, "Longitud difference:", FixedText(p.elongation, 1) + kDegreeSign);
  ExplainApparentPlace(p.place.rightAscension, p.place.declination, lines);
}

}  // namespace

MoonArguments MoonFundamentalArguments(double t) {
  const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  MoonArguments a;
  a.meanLongitude = NormalizeAngle(218.3164591 + 481267.88134236 * t - 0.0013268 * t2 + t3 / 538841.0 - t4 / 65194000.0);
  a.elongation = NormalizeAngle(297.8502042 + 445267.1115168 * t - 0.00163 * t2 + t3 / 545868.0 - t4 / 113065000.0);
  a.sunAnomaly = NormalizeAngle(357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + t3 / 24490000.0);
  a.moonAnomaly = NormalizeAngle(134.9634114 + 477198.8676313 * t + 0.008997 * t2 + t3 / 69699.0 - t4 / 14712000.0);
  a.latitude = NormalizeAngle(93.2720993 + 483202.0175273 * t - 0.0034029 * t2 - t3 / 3526000.0 + t4 / 863310000.0);
  a.eccentricity = 1.0 - 0.002516 * t - 0.0000074 * t2;
  return a;
}

MoonSums MoonPeriodicSums(double t, const MoonArguments& a) {
  MoonSums s;
  for (const auto& row : kLongitudeDistance) {
    const double arg = Argument(row.d, row.m, row.mPrime, row.f, a);
    const double factor = EccentricityFactor(row.m, a.eccentricity);
    if (row.sigmaL != 0) s.longitude += factor * row.sigmaL * SinDeg(arg);
    if (row.sigmaR != 0) s.distance += factor * row.sigmaR * CosDeg(arg);
  }
  for (const auto& row : kLatitude) {
    s.latitude += EccentricityFactor(row.m, a.eccentricity) * row.sigmaB * SinDeg(Argument(row.d, row.m, row.mPrime, row.f, a));
  }
  // Action of Venus and Jupiter, and the flattening of the Earth.
  const double a1 = 119.75 + 131.849 * t;
  const double a2 = 53.09 + 479264.29 * t;
  const double a3 = 313.45 + 481266.484 * t;
  const double lp = a.meanLongitude, f = a.latitude, mp = a.moonAnomaly;
  s.longitude = s.longitude * 1e-6 + 0.003958 * SinDeg(a1) + 0.001962 * SinDeg(lp - f) + 0.000318 * SinDeg(a2);
  s.latitude = s.latitude * 1e-6 - 0.002235 * SinDeg(lp) + 0.000382 * SinDeg(a3) + 0.000175 * SinDeg(a1 - f) +
               0.000175 * SinDeg(a1 + f) + 0.000127 * SinDeg(lp - mp) - 0.000115 * SinDeg(lp + mp);
  s.distance *= 1e-6;
  return s;
}

MoonPlace MoonPosition(double t, ExplanationLines* lines) {
  const MoonArguments a = MoonFundamentalArguments(t);
  const MoonSums s = MoonPeriodicSums(t, a);
  MoonPlace p;
  p.longitude = a.meanLongitude + s.longitude;
  p.latitude = s.latitude;
  p.distanceKm = 385000.56 + 1000.0 * s.distance;
  p.place.parallax = HorizontalParallax(kEarthEquatorialRadiusKm, p.distanceKm);

  const NutationResult n = Nutation(t, lines);
  const double apparentLongitude = p.longitude + n.deltaPsi / 3600.0;
  const double obliquity = MeanObliquity(t) + n.deltaEpsilon / 3600.0;
  const double beta = p.latitude;
  p.place.declination = ArcSinDeg(SinDeg(beta) * CosDeg(obliquity) +
                                  CosDeg(beta) * SinDeg(obliquity) * SinDeg(apparentLongitude));
  p.place.rightAscension = QuadrantArcTan(CosDeg(apparentLongitude), SinDeg(apparentLongitude) * CosDeg(obliquity) -
                                                                         TanDeg(beta) * SinDeg(obliquity));

  // Both longitudes are unreduced (the Moon's may pass 360 or fall below 0), so the
  // difference is brought into 0..360 as a whole, not only by adding 360 once.
  p.elongation = NormalizeAngle(p.longitude - n.sunTrueLongitude);
  const double d = a.elongation, m = a.sunAnomaly, mp = a.moonAnomaly;
  const double phaseAngle = 180.0 - d - 6.289 * SinDeg(mp) + 2.1 * SinDeg(m) - 1.274 * SinDeg(2 * d - mp) -
                            0.658 * SinDeg(2 * d) - 0.214 * SinDeg(2 * mp) - 0.11 * SinDeg(d);
  p.illuminated = (1.0 + CosDeg(phaseAngle)) / 2.0;
  p.phaseText = FixedText(std::nearbyint(p.illuminated * 1000.0) / 10.0, 1) + "%";
  p.elongationText = FixedText(std::nearbyint(p.elongation), 0);
  if (lines != nullptr) ExplainMoon(a, p, apparentLongitude, lines);
  return p;
}

}  // namespace orrelin
