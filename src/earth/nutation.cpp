#include "earth/nutation.h"

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/numbers.h"
#include "earth/sun.h"

namespace orrelin {

NutationResult Nutation(double t, ExplanationLines* lines) {
  const double sunMeanLongitude = NormalizeAngle(280.4665 + 36000.7698 * t);
  const double moonMeanLongitude = NormalizeAngle(218.3165 + 481267.8813 * t);
  const double node = NormalizeAngle(125.04452 - 1934.136261 * t);
  const double m = SunMeanAnomaly(t);

  NutationResult r;
  r.sunTrueLongitude = sunMeanLongitude + SunEquationOfCentre(t, m);
  // The second terms take twice the true longitude of the Sun.
  r.deltaPsi = -17.2 * SinDeg(node) - 1.32 * SinDeg(2 * r.sunTrueLongitude) -
               0.23 * SinDeg(2 * moonMeanLongitude) + 0.21 * SinDeg(2 * node);
  r.deltaEpsilon = 9.2 * CosDeg(node) + 0.57 * CosDeg(2 * r.sunTrueLongitude) +
                   0.1 * CosDeg(2 * moonMeanLongitude) - 0.09 * CosDeg(2 * node);
  if (lines != nullptr) ExplainNutation(r.deltaPsi, r.deltaEpsilon, lines);
  return r;
}

double MeanObliquity(double t) {
  return (84381.448 - 46.815 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0;
}

SiderealTimeResult SiderealTime(double hours, double jd0) {
  const double d = jd0 + hours / 24.0 - 2451545.0;
  const double t = d / 36525.0;
  SiderealTimeResult r;
  r.mean = NormalizeAngle(280.46061837 + 360.98564736629 * d + 0.000387933 * t * t - t * t * t / 38710000.0) / 15.0;
  const NutationResult n = Nutation(t, nullptr);
  const double obliquity = MeanObliquity(t) + n.deltaEpsilon / 3600.0;
  r.deltaPsi = n.deltaPsi;
  r.apparent = r.mean + n.deltaPsi * CosDeg(obliquity) / 15.0 / 3600.0;
  return r;
}

void ExplainNutation(double deltaPsi, double deltaEpsilon, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Nutation in longitude:", FixedText(deltaPsi, 4) + "''");
  ReportLine(lines, "Nutation in obliquity:", FixedText(deltaEpsilon, 4) + "''");
}

void ExplainSiderealTime(double apparentHours, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Apparent Sidereal Time:", HourMinSecText(apparentHours));
}

}  // namespace orrelin
