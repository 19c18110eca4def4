#include "almanac/eclipses.h"

#include <cmath>

#include "almanac/moon_phases.h"
#include "almanac/seasons.h"
#include "core/angles.h"

namespace orrelin {

namespace {

double Sin(double degrees) { return SinDeg(NormalizeAngle(degrees)); }
double Cos(double degrees) { return CosDeg(NormalizeAngle(degrees)); }

constexpr double kMeanLunation = 29.530588853;
constexpr double kFirstNewMoon = 2451550.09765;
// Eclipses come at least every six lunations; a search never needs more.
constexpr int kMostLunations = 60;

// Mean lunations from the new moon of 2000 January 6 to the moment.
double LunationsSince2000(double jd) { return (jd - kFirstNewMoon) / kMeanLunation; }

}  // namespace

EclipseCore EclipseQuantities(double k) {
  EclipseCore core;
  const double meanJde = MeanPhaseInstant(k);
  const double t = CenturiesSinceJ2000(meanJde), t2 = t * t, t3 = t2 * t, t4 = t3 * t;
  const double m = 357.5291092 + 35999.0502909 * t - 0.0001536 * t2 + 0.00000004083299 * t3;
  const double mp = 134.9634114 + 477198.8676313 * t + 0.008997 * t2 + 0.00001434741 * t3 - 0.0000000679717 * t4;
  const double f = 93.2720993 + 483202.0175273 * t - 0.0034029 * t2 - 0.0000002836075 * t3 + 0.00000000115833 * t4;
  const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t2 + 0.000002139449 * t3 - 0.0000000164973 * t4;
  const double e = 1 - 0.002516 * t - 0.0000074 * t2;
  core.jde = meanJde;
  if (std::fabs(Sin(f)) >= 0.36) return core;  // too far from a node: no eclipse

  const double f1 = f - 0.02665 * Sin(node);
  const double a1 = 299.77 + 0.107408 * k - 0.009173 * t2;
  core.jde = meanJde - 0.4075 * Sin(mp) + 0.1721 * e * Sin(m) + 0.0161 * Sin(2 * mp) - 0.0097 * Sin(2 * f1) +
             0.0073 * e * Sin(mp - m) - 0.0050 * e * Sin(mp + m) - 0.0023 * Sin(mp - 2 * f1) +
             0.0021 * e * Sin(2 * m) + 0.0012 * Sin(mp + 2 * f1) + 0.0006 * e * Sin(2 * mp + m) -
             0.0004 * Sin(3 * mp) - 0.0003 * e * Sin(m + 2 * f1) + 0.0003 * Sin(a1) - 0.0002 * e * Sin(m - 2 * f1) -
             0.0002 * e * Sin(2 * mp - m) - 0.0002 * Sin(node);
  const double p = 0.2070 * e * Sin(m) + 0.0024 * e * Sin(2 * m) - 0.0392 * Sin(mp) + 0.0116 * Sin(2 * mp) -
                   0.0073 * e * Sin(mp + m) + 0.0067 * e * Sin(mp - m) + 0.0118 * Sin(2 * f1);
  const double q = 5.2207 - 0.0048 * e * Cos(m) + 0.0020 * e * Cos(2 * m) - 0.3299 * Cos(mp) -
                   0.0060 * e * Cos(mp + m) + 0.0041 * e * Cos(mp - m);
  const double w = std::fabs(Cos(f1));
  core.gamma = std::fabs((p * Cos(f1) + q * Sin(f1)) * (1 - 0.0048 * w));
  core.u = 0.0059 + 0.0046 * e * Cos(m) - 0.0182 * Cos(mp) + 0.0004 * Cos(2 * mp) - 0.0005 * Cos(mp + m);
  return core;
}

Eclipse NextSolarEclipse(double jd) {
  double k = std::floor(LunationsSince2000(jd) + 1.03);
  for (int n = 0; n < kMostLunations; ++n, k += 1.0) {
    const EclipseCore c = EclipseQuantities(k);
    if (!(c.gamma < 1.5433 + c.u)) continue;
    Eclipse e{c.jde, 0, 0.0};
    if (c.gamma < 0.9972) {
      if (c.u < 0) {
        e.type = kTotalSolar;
      } else if (c.u <= 0.0047) {
        e.type = c.u < 0.00464 * std::sqrt(1 - c.gamma * c.gamma) ? kAnnularTotalSolar : kAnnularSolar;
      } else {
        e.type = kAnnularSolar;
      }
    } else if (c.gamma < 0.9972 + std::fabs(c.u)) {
      // Non-central: total when the umbral cone reaches the Earth (u < 0), else annular.
      e.type = c.u < 0 ? kNonCentralTotalSolar : kNonCentralAnnularSolar;
    } else {
      e.type = kPartialSolar;
      e.magnitude = (1.5433 + c.u - c.gamma) / (0.5461 + 2 * c.u);
    }
    return e;
  }
  return {};
}

Eclipse NextLunarEclipse(double jd) {
  // The first full moon k = n + 0.5 beyond 0.03 of a mean lunation after the moment.
  double k = std::floor(LunationsSince2000(jd) + 0.03 - 0.5) + 1.5;
  for (int n = 0; n < kMostLunations; ++n, k += 1.0) {
    const EclipseCore c = EclipseQuantities(k);
    Eclipse e{c.jde, kTotalLunar, (1.0128 - c.u - c.gamma) / 0.545};
    if (e.magnitude < 0) {
      e.type = kPenumbralLunar;
      e.magnitude = (1.5573 + c.u - c.gamma) / 0.545;
    }
    if (!(e.magnitude > 0)) continue;
    if (e.type == kTotalLunar && c.gamma >= 0.4678 - c.u) e.type = kPartialLunar;
    return e;
  }
  return {};
}

}  // namespace orrelin
