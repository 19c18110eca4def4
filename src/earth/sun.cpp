#include "earth/sun.h"

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/constants.h"
#include "core/numbers.h"
#include "earth/nutation.h"

namespace orrelin {

double SunMeanAnomaly(double t) {
  return NormalizeAngle(357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t);
}

double SunEquationOfCentre(double t, double m) {
  return (1.9146 - 0.004817 * t - 0.000014 * t * t) * SinDeg(m) + (0.019993 - 0.000101 * t) * SinDeg(2 * m) +
         0.00029 * SinDeg(3 * m);
}

SunGeometricResult SunGeometric(double t, ExplanationLines* lines) {
  const double l0 = NormalizeAngle(280.46645 + 36000.76983 * t + 0.0003032 * t * t);
  const double m = SunMeanAnomaly(t);
  const double e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t * t;
  const double c = SunEquationOfCentre(t, m);
  SunGeometricResult r;
  r.trueLongitude = l0 + c;
  const double trueAnomaly = m + c;
  r.radiusVector = 1.000001018 * (1 - e * e) / (1 + e * CosDeg(trueAnomaly));
  if (lines != nullptr) {
    ExplainSunLongitude(r.trueLongitude, l0, lines);
    ExplainSunDistance(RoundedSemidiameter(r.radiusVector, kSunSemidiameterAtOneAu), r.radiusVector, lines);
  }
  return r;
}

ApparentPlace SunApparent(double t, ExplanationLines* lines) {
  const SunGeometricResult g = SunGeometric(t, lines);
  const double node = NormalizeAngle(125.04 - 1934.136 * t);
  ApparentPlace p;
  p.parallax = kSolarParallaxArcSeconds / (g.radiusVector * 3600.0);  // the book's small-angle form
  const double meanObliquity = MeanObliquity(t);
  const double obliquity = meanObliquity + 0.00256 * CosDeg(node);
  const double lambda = g.trueLongitude - 0.00569 - 0.00478 * SinDeg(node);
  p.declination = ArcSinDeg(SinDeg(obliquity) * SinDeg(lambda));
  p.rightAscension = QuadrantArcTan(CosDeg(lambda), CosDeg(obliquity) * SinDeg(lambda));
  if (lines != nullptr) {
    // The report shows the mean obliquity, not the corrected one used above.
    ExplainSunApparent(p.declination, p.rightAscension, meanObliquity, lambda, node, lines);
  }
  return p;
}

double RoundedSemidiameter(double distance, double semidiameterAtUnitDistance) {
  return RoundToDecimals(semidiameterAtUnitDistance / distance, 1);
}

void ExplainSunLongitude(double trueLongitude, double geometricMeanLongitude, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Geom mean long of Sun:", DegMinSecText(geometricMeanLongitude));
  ReportLine(lines, "True longitude of Sun:", FixedText(trueLongitude, 5) + kDegreeSign);
  ReportLine(lines, "", DegMinSecText(trueLongitude));
}

void ExplainSunDistance(double semidiameter, double radiusVector, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Radius vector of Sun:", FixedText(radiusVector, 6) + "  AU");
  ReportLine(lines, "Semidiameter of Sun:", FixedText(semidiameter, 2) + "''");
}

void ExplainSunApparent(double declination, double rightAscension, double meanObliquity,
                        double apparentLongitude, double node, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Omega:", FixedText(node, 4) + kDegreeSign);
  ReportLine(lines, "Obliquity of ecliptic:", FixedText(meanObliquity, 4) + kDegreeSign);
  ReportLine(lines, "Apparent longitude of Sun:", FixedText(apparentLongitude, 5));
  ReportLine(lines, "", DegMinSecText(apparentLongitude));
  ReportLine(lines, "Apparent Right Ascension:", HourMinSecText(rightAscension / 15.0));
  ReportLine(lines, "Apparent Declination:", DegMinSecText(declination));
}

}  // namespace orrelin
