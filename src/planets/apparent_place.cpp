#include "planets/apparent_place.h"

#include <array>
#include <cmath>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/numbers.h"
#include "earth/explain_place.h"
#include "earth/observer.h"
#include "earth/semidiameters.h"

namespace orrelin {

namespace {

struct PlanetConstants {
  bool hasMagnitude;
  double m0, c1, c2, c3;
  double semidiameter;  // arc seconds at 1 AU; 0: Jupiter and Saturn have their own lines
  const char* semidiameterLabel;
};

constexpr std::array<PlanetConstants, 7> kConstants{{
    {true, -0.42, 0.038, -0.000273, 0.000002, 3.36, "Semidiameter of Mercury:"},
    {true, -4.40, 0.0009, 0.000239, -0.00000065, 8.34, "Semidiameter of Venus:"},
    {true, -1.52, 0.016, 0, 0, 4.68, "Semidiameter of Mars:"},
    {true, -9.40, 0.005, 0, 0, 0, ""},
    {false, 0, 0, 0, 0, 0, ""},
    {true, -7.19, 0, 0, 0, 35.02, "Semidiameter of Uranus:"},
    {true, -6.87, 0, 0, 0, 33.50, "Semidiameter of Neptune:"},
}};

void ExplainEcliptical(const HeliocentricPlace& h, double lambda, double beta, double distance,
                       ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Ecliptical longitude:", DegMinSecText(h.longitude));
  ReportLine(lines, "Ecliptical latitude:", DegMinSecText(h.latitude));
  ReportLine(lines, "Geocentric longitude:", DegMinSecText(lambda));
  ReportLine(lines, "Geocentric latitude:", DegMinSecText(beta));
  ReportLine(lines, "Distance to Earth:", FixedText(distance, 4) + "  AU");
}

void ExplainSemidiameter(Planet planet, const PlanetConstants& c, double distance, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  if (planet == Planet::kJupiter) {
    JupiterSemidiameters(distance, lines);
  } else if (planet == Planet::kSaturn) {
    SaturnSemidiameter(distance, lines);
  } else {
    ReportLine(lines, c.semidiameterLabel, FixedText(RoundedSemidiameter(distance, c.semidiameter), 2) + "''");
  }
}

}  // namespace

SunPlace1900 SunForPlanets(double t) {
  const double a = ReduceAngle(153.23 + 22518.7541 * t);
  const double b = ReduceAngle(216.57 + 45037.5082 * t);
  const double c = ReduceAngle(312.69 + 32964.3577 * t);
  const double d = ReduceAngle(350.74 + 445267.1142 * t - 0.00144 * t * t);
  const double e = 231.19 + 20.20 * t;
  const double h = ReduceAngle(353.40 + 65928.7155 * t);
  const double dl = 0.00134 * CosDeg(a) + 0.00154 * CosDeg(b) + 0.00200 * CosDeg(c) + 0.00179 * SinDeg(d) +
                    0.00178 * SinDeg(e);
  const double dr = 0.00000543 * SinDeg(a) + 0.00001575 * SinDeg(b) + 0.00001627 * SinDeg(c) +
                    0.00003076 * CosDeg(d) + 0.00000927 * SinDeg(h);
  const double l0 = 279.69668 + 36000.76892 * t + 0.0003025 * t * t;
  SunPlace1900 sun;
  sun.meanAnomaly = SunMeanAnomaly1900(t);
  const double m = sun.meanAnomaly;
  const double centre = (1.919460 - 0.004789 * t - 0.000014 * t * t) * SinDeg(m) +
                        (0.020094 - 0.000100 * t) * SinDeg(2 * m) + 0.000293 * SinDeg(3 * m);
  sun.longitude = ReduceAngle(l0 + dl) + centre;
  const double ecc = 0.01675104 - 0.0000418 * t - 0.000000126 * t * t;
  sun.radius = 1.0000002 * (1 - ecc * ecc) / (1 + ecc * CosDeg(m + centre)) + dr;
  return sun;
}

NutationPair NutationLow(double t) {
  const double t2 = t * t;
  const double l = 279.6967 + 36000.7689 * t + 0.000303 * t2;
  const double lp = 270.4342 + 481267.8831 * t - 0.001133 * t2;
  const double m = 358.4758 + 35999.0498 * t - 0.000150 * t2;
  const double mp = 296.1046 + 477198.8491 * t + 0.009192 * t2;
  const double node = 259.1833 - 1934.1420 * t + 0.002078 * t2;
  NutationPair n;
  n.deltaPsi = -(17.2327 + 0.01737 * t) * SinDeg(node) - (1.2729 + 0.00013 * t) * SinDeg(2 * l) +
               0.2088 * SinDeg(2 * node) - 0.2037 * SinDeg(2 * lp) + (0.1261 - 0.00031 * t) * SinDeg(m) +
               0.0675 * SinDeg(mp) - (0.0497 - 0.00012 * t) * SinDeg(2 * l + m) - 0.0342 * SinDeg(2 * lp - node) -
               0.0261 * SinDeg(2 * lp + mp) + 0.0214 * SinDeg(2 * l - m) - 0.0149 * SinDeg(2 * l - 2 * lp + mp) +
               0.0124 * SinDeg(2 * l - node) + 0.0114 * SinDeg(2 * lp - mp);
  n.deltaEpsilon = (9.2100 + 0.00091 * t) * CosDeg(node) + (0.5522 - 0.00029 * t) * CosDeg(2 * l) -
                   0.0904 * CosDeg(2 * node) + 0.0884 * CosDeg(2 * lp) + 0.0216 * CosDeg(2 * l + m) +
                   0.0183 * CosDeg(2 * lp - node) + 0.0113 * CosDeg(2 * lp + mp) - 0.0093 * CosDeg(2 * l - m) -
                   0.0066 * CosDeg(2 * l - node);
  return n;
}

double MeanObliquity1900(double t) {
  return 23.452294 - 0.0130125 * t - 0.00000164 * t * t + 0.000000503 * t * t * t;
}

namespace {

// The nutation and aberration in right ascension and declination, with the sines and
// cosines of the obliquity and of the Sun's longitude already taken.
EquatorialShift NutationShift(double alpha, double delta, double se, double ce, const NutationPair& n) {
  const double sa = SinDeg(alpha), ca = CosDeg(alpha), td = TanDeg(delta);
  return {((ce + se * sa * td) * n.deltaPsi - ca * td * n.deltaEpsilon) / 3600.0,
          (se * ca * n.deltaPsi + sa * n.deltaEpsilon) / 3600.0};
}

EquatorialShift AberrationShift(double alpha, double delta, double ss, double cs, double ce, double te) {
  constexpr double kappa = 20.49;  // arc seconds
  const double sa = SinDeg(alpha), ca = CosDeg(alpha), sd = SinDeg(delta), cd = CosDeg(delta);
  return {-kappa * (ca * cs * ce + sa * ss) / cd / 3600.0, -kappa * (cs * ce * (te * cd - sa * sd) + ca * sd * ss) / 3600.0};
}

}  // namespace

EquatorialShift EquatorialNutation(double alpha, double delta, double obliquity, double t) {
  return EquatorialNutation(alpha, delta, obliquity, NutationLow(t));
}

EquatorialShift EquatorialNutation(double alpha, double delta, double obliquity, const NutationPair& n) {
  return NutationShift(alpha, delta, SinDeg(obliquity), CosDeg(obliquity), n);
}

EquatorialShift EquatorialAberration(double alpha, double delta, double sunLongitude, double obliquity) {
  return AberrationShift(alpha, delta, SinDeg(sunLongitude), CosDeg(sunLongitude), CosDeg(obliquity),
                         TanDeg(obliquity));
}

Phase PhaseAngle(double distance, double sunDistance, double radius) {
  const double cosI =
      (radius * radius + distance * distance - sunDistance * sunDistance) / (2 * radius * distance);
  return {ArcCosDeg(cosI), (1 + cosI) / 2};
}

PlanetReduction PlanetReductionAt(double t) {
  PlanetReduction r{SunForPlanets(t), NutationLow(t), MeanObliquity1900(t)};
  r.sinObliquity = SinDeg(r.obliquity);
  r.cosObliquity = CosDeg(r.obliquity);
  r.tanObliquity = TanDeg(r.obliquity);
  r.sinSun = SinDeg(r.sun.longitude);
  r.cosSun = CosDeg(r.sun.longitude);
  return r;
}

PlanetMoment PlanetMomentAt(double t, double jd) {
  return {t, jd, PlanetReductionAt(t), PlanetSeriesTerms(t, (jd - 2415020.0) / 36525.0)};
}

namespace {

GeocentricPlanet ToApparent(const HeliocentricPlace& h, const PlanetReduction& moment, ExplanationLines* lines) {
  const SunPlace1900& sun = moment.sun;
  const double x = h.radius * CosDeg(h.latitude) * CosDeg(h.longitude - sun.longitude) + sun.radius;
  const double y = h.radius * CosDeg(h.latitude) * SinDeg(h.longitude - sun.longitude);
  const double z = h.radius * SinDeg(h.latitude);
  GeocentricPlanet g;
  const double lambda = ReduceAngle(sun.longitude + QuadrantArcTan(x, y));
  g.distance = std::sqrt(x * x + y * y + z * z);
  g.sunDistance = sun.radius;
  const double beta = ArcSinDeg(z / g.distance);
  const double se = moment.sinObliquity, ce = moment.cosObliquity;
  const double sinLambda = SinDeg(lambda);
  double alpha = QuadrantArcTan(CosDeg(lambda), sinLambda * ce - TanDeg(beta) * se);
  double delta = ArcSinDeg(SinDeg(beta) * ce + CosDeg(beta) * se * sinLambda);
  const EquatorialShift nutation = NutationShift(alpha, delta, se, ce, moment.nutation);
  alpha += nutation.rightAscension;
  delta += nutation.declination;
  const EquatorialShift aberration =
      AberrationShift(alpha, delta, moment.sinSun, moment.cosSun, ce, moment.tanObliquity);
  g.rightAscension = alpha + aberration.rightAscension;
  g.declination = delta + aberration.declination;
  if (lines != nullptr) ExplainEcliptical(h, lambda, beta, g.distance, lines);
  return g;
}

}  // namespace

GeocentricPlanet EclipticToApparent(const HeliocentricPlace& h, double t, ExplanationLines* lines) {
  return ToApparent(h, PlanetReductionAt(t), lines);
}

ApparentPlace PlanetApparentPlace(Planet planet, const PlanetMoment& moment) {
  const double tj = (moment.jd - 2415020.0) / 36525.0;
  const GeocentricPlanet g =
      ToApparent(PlanetHeliocentric(planet, moment.t, tj, moment.series), moment.reduction, nullptr);
  return {g.rightAscension, g.declination, PlanetParallax(g.distance)};
}

PlanetPlace PlanetApparentPlace(Planet planet, double t, double jd, ExplanationLines* lines) {
  const HeliocentricPlace h = PlanetHeliocentric(planet, t, jd);
  const GeocentricPlanet g = EclipticToApparent(h, t, lines);
  const PlanetConstants& c = kConstants[static_cast<std::size_t>(planet)];
  PlanetPlace p;
  p.place.rightAscension = g.rightAscension;
  p.place.declination = g.declination;
  p.place.parallax = PlanetParallax(g.distance);
  p.distance = g.distance;
  const Phase phase = PhaseAngle(g.distance, g.sunDistance, h.radius);
  p.illuminated = phase.illuminated;
  if (c.hasMagnitude) {
    const double i = phase.angle;
    const double m = 5 * Log10(h.radius * g.distance) + c.m0 + i * (c.c1 + i * (c.c2 + i * c.c3));
    p.magnitude = FixedText(m, 1);
  }
  if (lines != nullptr) {
    ReportLine(lines, "Horizontal parallax:", FixedText(p.place.parallax, 5) + kDegreeSign);
    ExplainSemidiameter(planet, c, g.distance, lines);
    ReportLine(lines, "Illuminated fraction:", FixedText(phase.illuminated, 3));
    ExplainApparentPlace(g.rightAscension, g.declination, lines);
  }
  return p;
}

PlanetPlace MercuryApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kMercury, t, jd, lines);
}
PlanetPlace VenusApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kVenus, t, jd, lines);
}
PlanetPlace MarsApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kMars, t, jd, lines);
}
PlanetPlace JupiterApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kJupiter, t, jd, lines);
}
PlanetPlace SaturnApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kSaturn, t, jd, lines);
}
PlanetPlace UranusApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kUranus, t, jd, lines);
}
PlanetPlace NeptuneApparentPlace(double t, double jd, ExplanationLines* lines) {
  return PlanetApparentPlace(Planet::kNeptune, t, jd, lines);
}

}  // namespace orrelin
