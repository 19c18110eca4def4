#pragma once
// The Sun's geometric and apparent place, low-accuracy theory of
// Meeus, Astronomical Algorithms, ch. 24.
#include "core/constants.h"
#include "core/explanation.h"

namespace orrelin {

// Mean anomaly M of the Sun in degrees, reduced into 0..360.
double SunMeanAnomaly(double t);
// Equation of centre C in degrees for the mean anomaly m.
double SunEquationOfCentre(double t, double meanAnomaly);

struct SunGeometricResult {
  double trueLongitude = 0.0;  // degrees, not reduced after the equation of centre
  double radiusVector = 0.0;   // AU
};
SunGeometricResult SunGeometric(double t, ExplanationLines* lines);

struct ApparentPlace {
  double rightAscension = 0.0;  // degrees, 0..360
  double declination = 0.0;     // degrees
  double parallax = 0.0;        // equatorial horizontal parallax, degrees
};
ApparentPlace SunApparent(double t, ExplanationLines* lines);

// s0 / distance in arc seconds, rounded to a tenth (ties to the even tenth).
double RoundedSemidiameter(double distance, double semidiameterAtUnitDistance);

void ExplainSunLongitude(double trueLongitude, double geometricMeanLongitude, ExplanationLines* lines);
void ExplainSunDistance(double semidiameter, double radiusVector, ExplanationLines* lines);
void ExplainSunApparent(double declination, double rightAscension, double meanObliquity,
                        double apparentLongitude, double node, ExplanationLines* lines);

}  // namespace orrelin
