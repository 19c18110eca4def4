#include "planets/jupiter_satellites.h"

#include <cmath>

#include "core/angles.h"

namespace orrelin {

SatellitePositions JupiterSatellites(double jd0, double hours) {
  const double d = jd0 + hours / 24.0 - 2451545.0;
  const double v = NormalizeAngle(172.74 + 0.00111588 * d);
  const double m = NormalizeAngle(357.529 + 0.9856003 * d);
  const double n = NormalizeAngle(20.020 + 0.0830853 * d + 0.329 * SinDeg(v));
  const double j = NormalizeAngle(66.115 + 0.9025179 * d - 0.329 * SinDeg(v));
  // Equations of the centre of the Earth (A) and of Jupiter (B), and the angle K
  // between them as seen from the Sun.
  const double a = 1.915 * SinDeg(m) + 0.020 * SinDeg(2 * m);
  const double b = 5.555 * SinDeg(n) + 0.168 * SinDeg(2 * n);
  const double k = j + a - b;
  const double earthRadius = 1.00014 - 0.01671 * CosDeg(m) - 0.00014 * CosDeg(2 * m);
  const double jupiterRadius = 5.20872 - 0.25208 * CosDeg(n) - 0.00611 * CosDeg(2 * n);
  const double distance = std::fabs(std::sqrt(jupiterRadius * jupiterRadius + earthRadius * earthRadius -
                                              2 * jupiterRadius * earthRadius * CosDeg(k)));
  const double psi = ArcSinDeg(earthRadius * SinDeg(k) / distance);
  // Jupiter's heliocentric longitude and the Jovicentric declinations of the Sun and the Earth.
  const double lambda = 34.35 + 0.083091 * d + 0.329 * SinDeg(v) + b;
  const double ds = 3.12 * SinDeg(lambda + 42.8);
  const double de = ds - 2.22 * SinDeg(psi) * CosDeg(lambda + 22) -
                    1.30 * ((jupiterRadius - distance) / distance) * SinDeg(lambda - 100.5);
  // The satellites as they were when their light left them.
  const double t = d - distance / 173.0;
  const std::array<double, 4> u0{NormalizeAngle(163.8067 + 203.4058643 * t + psi - b),
                                 NormalizeAngle(358.4108 + 101.2916334 * t + psi - b),
                                 NormalizeAngle(5.7129 + 50.2345179 * t + psi - b),
                                 NormalizeAngle(224.8151 + 21.4879801 * t + psi - b)};
  const double g = NormalizeAngle(331.18 + 50.310482 * t);
  const double h = NormalizeAngle(87.40 + 21.569231 * t);
  // Corrections and radii, each from the uncorrected u values.
  const std::array<double, 4> u{u0[0] + 0.473 * SinDeg(2 * (u0[0] - u0[1])),
                                u0[1] + 1.065 * SinDeg(2 * (u0[1] - u0[2])), u0[2] + 0.165 * SinDeg(g),
                                u0[3] + 0.841 * SinDeg(h)};
  const std::array<double, 4> r{5.9073 - 0.0244 * CosDeg(2 * (u0[0] - u0[1])),
                                9.3991 - 0.0882 * CosDeg(2 * (u0[1] - u0[2])), 14.9924 - 0.0216 * CosDeg(g),
                                26.3699 - 0.1935 * CosDeg(h)};
  SatellitePositions p;
  for (std::size_t i = 0; i < 4; ++i) {
    p.x[i] = r[i] * SinDeg(u[i]);
    p.y[i] = -r[i] * CosDeg(u[i]) * SinDeg(de);
  }
  return p;
}

}  // namespace orrelin
