#include "almanac/moon_phases.h"

#include <string_view>

#include "almanac/tables.h"
#include "core/angles.h"

namespace orrelin {

namespace {

double Sin(double degrees) { return SinDeg(NormalizeAngle(degrees)); }
double Cos(double degrees) { return CosDeg(NormalizeAngle(degrees)); }

}  // namespace

double MeanPhaseInstant(double k) {
  const double t = k / 1236.85;
  return 2451550.09765 + 29.530588853 * k + t * t * (0.0001337 + t * (-0.000000150 + t * 0.00000000073));
}

double MoonPhaseInstant(long long whole, int phase) {
  const double k = static_cast<double>(whole) + phase / 4.0;
  const double t = k / 1236.85, t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  double jde = MeanPhaseInstant(k);
  const double m = 2.5534 + 29.10535669 * k - 0.0000218 * t2 - 0.00000011 * t3;
  const double mp = 201.5643 + 385.81693528 * k + 0.0107438 * t2 + 0.00001239 * t3 - 0.000000058 * t4;
  const double f = 160.7108 + 390.67050274 * k - 0.0016341 * t2 - 0.00000227 * t3 + 0.000000011 * t4;
  const double node = 124.7746 - 1.5637558 * k + 0.0020691 * t2 + 0.00000215 * t3;
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;

  jde += -0.00017 * Sin(node);
  for (const auto& term : almanac_tables::PhaseTerms()) {
    const double coefficient = phase == kNewMoon ? term.newMoon : phase == kFullMoon ? term.fullMoon : term.quarters;
    double factor = 1.0;
    for (int p = 0; p < term.ePower; ++p) factor *= e;
    jde += coefficient * factor * Sin(term.a * m + term.b * mp + term.c * f);
  }
  if (phase == kFirstQuarter || phase == kLastQuarter) {
    const double w = 0.00306 - 0.00038 * e * Cos(m) + 0.00026 * Cos(mp) - 0.00002 * Cos(mp - m) +
                     0.00002 * Cos(mp + m) + 0.00002 * Cos(2 * f);
    jde += phase == kFirstQuarter ? w : -w;
  }
  for (const auto& term : almanac_tables::PhaseAdditionals()) {
    double argument = term.a0 + term.a1 * k;
    if (std::string_view(term.argument) == "A1") argument -= 0.009173 * t2;
    jde += term.c * Sin(argument);
  }
  return jde;
}

}  // namespace orrelin
