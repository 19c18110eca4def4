#include "planets/perturbations.h"

#include <array>
#include <cmath>

#include "core/angles.h"

namespace orrelin {

namespace {

struct InnerTerm {
  double coefficient;
  int sun, mercury, venus, mars, jupiter;
  double phase;
};
#include "planets/inner_perturbation_terms.inc"

enum Function { kOne, kSin, kCos };
enum Angle { kV, kW, kZeta, kQ, kSminusQ, kAngleCount };
struct Factor {
  Function function;
  Angle angle;
  int multiple;
};
struct SeriesTerm {
  std::array<double, 3> coefficient;  // c0 + c1 nu + c2 nu^2
  Factor first, second;
};
#include "planets/jupiter_saturn_terms.inc"

template <std::size_t N>
double SumInner(const InnerTerm (&terms)[N], double sun, const MeanAnomalies& m) {
  double sum = 0.0;
  for (const InnerTerm& x : terms) {
    sum += x.coefficient * CosDeg(x.sun * sun + x.mercury * m.mercury + x.venus * m.venus + x.mars * m.mars +
                                  x.jupiter * m.jupiter + x.phase);
  }
  return sum;
}

// The sine or cosine (or 1) of a multiple of one of the series' angles.
double Of(const OuterPlanetTerms& m, const Factor& f) {
  const auto j = static_cast<std::size_t>(f.angle);
  const auto k = static_cast<std::size_t>(f.multiple);
  switch (f.function) {
    case kSin: return m.sines[j][k];
    case kCos: return m.cosines[j][k];
    default: return 1.0;
  }
}

template <std::size_t N>
double SumSeries(const SeriesTerm (&terms)[N], const OuterPlanetTerms& m, double nu) {
  double sum = 0.0;
  for (const SeriesTerm& x : terms) {
    const double c = x.coefficient[0] + nu * (x.coefficient[1] + nu * x.coefficient[2]);
    sum += c * Of(m, x.first) * Of(m, x.second);
  }
  return sum;
}

ElementPerturbation UranusElements(const OuterPlanetArgs& a) {
  const double nu = a.js.nu, h = a.h;
  const double sh = SinDeg(h), ch = CosDeg(h), s2h = SinDeg(2 * h), c2h = CosDeg(2 * h);
  ElementPerturbation p;
  p.longitude = (0.864319 - 0.001583 * nu) * sh + (0.082222 - 0.006833 * nu) * ch + 0.036017 * s2h -
                0.003019 * c2h + 0.008122 * SinDeg(a.js.w);
  p.anomaly = 0.120303 * sh + (0.019472 - 0.000947 * nu) * ch + 0.006197 * s2h;
  p.eccentricity = (-0.0003349 + 0.0000163 * nu) * sh + 0.0020981 * ch + 0.0001311 * c2h;
  p.semiMajorAxis = -0.003825 * ch;
  return p;
}

ElementPerturbation NeptuneElements(const OuterPlanetArgs& a) {
  const double nu = a.js.nu, h = a.h;
  const double sh = SinDeg(h), ch = CosDeg(h), s2h = SinDeg(2 * h), c2h = CosDeg(2 * h);
  ElementPerturbation p;
  p.longitude = (-0.589833 + 0.001089 * nu) * sh + (-0.056094 + 0.004658 * nu) * ch - 0.024286 * s2h;
  p.anomaly = 0.024039 * sh - 0.025303 * ch + 0.006206 * s2h - 0.005992 * c2h;
  p.eccentricity = 0.0004389 * sh + 0.0001129 * s2h + 0.0004262 * ch + 0.0001089 * c2h;
  p.semiMajorAxis = -0.000817 * sh + 0.008189 * ch + 0.000781 * c2h;
  return p;
}

PositionPerturbation UranusPosition(const OuterPlanetArgs& a) {
  const double nu = a.js.nu, s = a.js.s;
  const double zeta = s - a.js.p, eta = s - a.js.q, theta = a.g - s;
  const double ss = SinDeg(s), cs = CosDeg(s), s2s = SinDeg(2 * s), c2s = CosDeg(2 * s);
  const double se = SinDeg(eta), ce = CosDeg(eta);
  PositionPerturbation d;
  d.longitude = (0.010122 - 0.000988 * nu) * SinDeg(s + eta) +
                (-0.038581 + 0.002031 * nu - 0.001910 * nu * nu) * CosDeg(s + eta) +
                (0.034964 - 0.001038 * nu + 0.000868 * nu * nu) * CosDeg(2 * s + eta) +
                0.005594 * SinDeg(s + 3 * theta) - 0.014808 * SinDeg(zeta) - 0.005794 * se + 0.002347 * ce +
                0.009872 * SinDeg(theta) + 0.008803 * SinDeg(2 * theta) - 0.004308 * SinDeg(3 * theta);
  d.latitude = (0.000458 * se - 0.000642 * ce - 0.000517 * CosDeg(4 * theta)) * ss -
               (0.000347 * se + 0.000853 * ce + 0.000517 * SinDeg(4 * eta)) * cs +
               0.000403 * (CosDeg(2 * theta) * s2s + SinDeg(2 * theta) * c2s);
  d.radius = -0.025948 + 0.004985 * CosDeg(zeta) + 0.001230 * cs + 0.003354 * ce +
             (0.005795 * cs - 0.001165 * ss + 0.001388 * c2s) * se +
             (0.001351 * cs + 0.005702 * ss + 0.001388 * s2s) * ce + 0.000904 * CosDeg(2 * theta) +
             0.000894 * (CosDeg(theta) - CosDeg(3 * theta));
  return d;
}

PositionPerturbation NeptunePosition(const OuterPlanetArgs& a) {
  // Unlike Uranus, the differences are taken from G.
  const double g = a.g;
  const double zeta = g - a.js.p, eta = g - a.js.q, theta = g - a.js.s;
  const double sg = SinDeg(g), cg = CosDeg(g), s2t = SinDeg(2 * theta), c2t = CosDeg(2 * theta);
  PositionPerturbation d;
  d.longitude = -0.009556 * SinDeg(zeta) - 0.005178 * SinDeg(eta) + 0.002572 * s2t - 0.002972 * c2t * sg -
                0.002833 * s2t * cg;
  d.latitude = 0.000336 * c2t * sg + 0.000364 * s2t * cg;
  d.radius = -0.040596 + 0.004992 * CosDeg(zeta) + 0.002744 * CosDeg(eta) + 0.002044 * CosDeg(theta) +
             0.001051 * c2t;
  return d;
}

}  // namespace

// Sines and cosines of the multiples 1..5 of each angle, by the recurrence
// sin((k+1)x) = 2 cos x sin(kx) - sin((k-1)x), so each angle costs one sine and cosine.
OuterPlanetTerms::OuterPlanetTerms(double t) : args(OuterPlanetArguments(t)) {
  const JupiterSaturnArgs& a = args.js;
  const std::array<double, kAngles> angles{a.v, a.w, a.zeta, a.q, a.s - a.q};
  for (std::size_t j = 0; j < angles.size(); ++j) {
    const double s1 = SinDeg(angles[j]);
    const double c1 = CosDeg(angles[j]);
    sines[j][0] = 0.0;
    cosines[j][0] = 1.0;
    sines[j][1] = s1;
    cosines[j][1] = c1;
    for (std::size_t k = 2; k < kMultiples; ++k) {
      sines[j][k] = 2 * c1 * sines[j][k - 1] - sines[j][k - 2];
      cosines[j][k] = 2 * c1 * cosines[j][k - 1] - cosines[j][k - 2];
    }
  }
}

PlanetSeriesTerms::PlanetSeriesTerms(double t, double tj)
    : anomalies(PlanetMeanAnomalies(t)), sunAnomaly(SunMeanAnomaly1900(t)), atTj(tj), atT(t) {}

InnerPerturbation InnerPlanetPerturbation(Planet planet, double t) {
  return InnerPlanetPerturbation(planet, t, PlanetMeanAnomalies(t), SunMeanAnomaly1900(t));
}

InnerPerturbation InnerPlanetPerturbation(Planet planet, double t, const MeanAnomalies& m, double sun) {
  InnerPerturbation p;
  switch (planet) {
    case Planet::kMercury:
      p.longitude = SumInner(kMercuryLongitude, sun, m);
      p.radius = SumInner(kMercuryRadius, sun, m);
      break;
    case Planet::kVenus:
      p.longPeriod = 0.00077 * SinDeg(237.24 + 150.27 * t);
      p.longitude = SumInner(kVenusLongitude, sun, m);
      p.radius = SumInner(kVenusRadius, sun, m);
      break;
    case Planet::kMars: {
      const double x = 3 * m.jupiter - 8 * m.mars + 4 * sun;
      p.longPeriod = -0.01133 * SinDeg(x) - 0.00933 * CosDeg(x);
      p.longitude = SumInner(kMarsLongitude, sun, m);
      p.radius = SumInner(kMarsRadius, sun, m);
      break;
    }
    default:
      break;
  }
  return p;
}

ElementPerturbation OuterElementPerturbation(Planet planet, double tj) {
  return OuterElementPerturbation(planet, OuterPlanetTerms(tj));
}

ElementPerturbation OuterElementPerturbation(Planet planet, const OuterPlanetTerms& m) {
  if (planet == Planet::kUranus) return UranusElements(m.args);
  if (planet == Planet::kNeptune) return NeptuneElements(m.args);
  const double nu = m.args.js.nu;
  if (planet == Planet::kJupiter) {
    return {SumSeries(kJupiterA, m, nu), SumSeries(kJupiterB, m, nu), SumSeries(kJupiterC, m, nu),
            SumSeries(kJupiterD, m, nu)};
  }
  return {SumSeries(kSaturnA, m, nu), SumSeries(kSaturnB, m, nu), SumSeries(kSaturnC, m, nu),
          SumSeries(kSaturnD, m, nu), SumSeries(kSaturnLatitude, m, nu)};
}

PositionPerturbation OuterPositionPerturbation(Planet planet, double t) {
  return OuterPositionPerturbation(planet, OuterPlanetTerms(t));
}

PositionPerturbation OuterPositionPerturbation(Planet planet, const OuterPlanetTerms& m) {
  return planet == Planet::kUranus ? UranusPosition(m.args) : NeptunePosition(m.args);
}

}  // namespace orrelin
