#include "planets/planet_theory.h"

#include <array>
#include <cmath>
#include <numbers>

#include "core/angles.h"
#include "planets/perturbations.h"

namespace orrelin {

namespace {

struct Polynomial {
  double c0, c1, c2, c3;
  double At(double t) const { return c0 + t * (c1 + t * (c2 + t * c3)); }
};

struct MeanElementRow {
  Polynomial l, a, e, i, node, m;
};

// Mean elements: c0 + c1 T + c2 T^2 + c3 T^3.
constexpr std::array<MeanElementRow, 7> kMeanElements{{
    {{178.179078, 149474.07078, 0.0003011, 0}, {0.3870986, 0, 0, 0}, {0.20561421, 0.00002046, -0.00000003, 0},
     {7.002881, 0.0018608, -0.0000183, 0}, {47.145944, 1.1852083, 0.0001739, 0}, {102.27938, 149472.51529, 0.000007, 0}},
    {{342.767053, 58519.21191, 0.0003097, 0}, {0.7233316, 0, 0, 0}, {0.00682069, -0.00004774, 0.000000091, 0},
     {3.393631, 0.0010058, -0.000001, 0}, {75.779647, 0.89985, 0.00041, 0}, {212.60322, 58517.80387, 0.001286, 0}},
    {{293.737334, 19141.69551, 0.0003107, 0}, {1.5236883, 0, 0, 0}, {0.0933129, 0.000092064, -0.000000077, 0},
     {1.850333, -0.000675, 0.0000126, 0}, {48.786442, 0.7709917, -0.0000014, -0.00000533},
     {319.51913, 19139.85475, 0.000181, 0}},
    {{238.049257, 3036.301986, 0.0003347, -0.00000165}, {5.202561, 0, 0, 0},
     {0.04833475, 0.00016418, -0.0000004676, -0.0000000017}, {1.308736, -0.0056961, 0.0000039, 0},
     {99.443414, 1.01053, 0.00035222, -0.00000851}, {225.32833, 3034.69202, -0.000722, 0}},
    {{266.564377, 1223.509884, 0.0003245, -0.0000058}, {9.554747, 0, 0, 0},
     {0.05589232, -0.0003455, -0.000000728, 0.00000000074}, {2.492519, -0.0039189, -0.00001549, 0.00000004},
     {112.790414, 0.8731951, -0.00015218, -0.00000531}, {175.46622, 1221.55147, -0.000502, 0}},
    {{244.19747, 429.863546, 0.000316, -0.0000006}, {19.21814, 0, 0, 0}, {0.0463444, -0.00002658, 0.000000077, 0},
     {0.772464, 0.0006253, 0.0000395, 0}, {73.477111, 0.4986678, 0.0013117, 0}, {72.64878, 428.37911, 0.000079, 0}},
    {{84.457994, 219.885914, 0.0003205, -0.0000006}, {30.10957, 0, 0, 0}, {0.00899704, 0.00000633, -0.000000002, 0},
     {1.779242, -0.0095436, -0.0000091, 0}, {130.681389, 1.098935, 0.00024987, -0.000004718},
     {37.73063, 218.46134, -0.00007, 0}},
}};

constexpr double kKeplerTolerance = 1e-9;  // degrees
constexpr int kKeplerMaxIterations = 100;  // a safeguard; a few steps suffice for these orbits

// L += A, M += A - C/e (e before its own correction), e += B, a += D; L and M reduced.
void ApplyElementPerturbation(PlanetOrbit& o, const ElementPerturbation& p) {
  const double e = o.eccentricity;
  o.meanLongitude = ReduceAngle(o.meanLongitude + p.longitude);
  o.meanAnomaly = ReduceAngle(o.meanAnomaly + p.longitude - p.anomaly / e);
  o.eccentricity += p.eccentricity;
  o.semiMajorAxis += p.semiMajorAxis;
}

double Centuries(double jd) { return (jd - 2415020.0) / 36525.0; }

bool IsInner(Planet planet) {
  return planet == Planet::kMercury || planet == Planet::kVenus || planet == Planet::kMars;
}

HeliocentricPlace Place(const PlanetOrbit& o, const KeplerSolution& k, double longitudeShift = 0.0,
                        double radiusShift = 0.0) {
  const EclipticPosition e =
      OrbitToEcliptic(o.meanLongitude + longitudeShift, o.meanAnomaly, k.trueAnomaly, o.inclination, o.node);
  return {e.longitude, e.latitude, k.radius + radiusShift};
}

HeliocentricPlace InnerPlanet(Planet planet, double t, const InnerPerturbation& p) {
  PlanetOrbit o = PlanetMeanElements(planet, t);
  o.meanLongitude = ReduceAngle(o.meanLongitude + p.longPeriod);
  o.meanAnomaly = ReduceAngle(o.meanAnomaly + p.longPeriod);
  const KeplerSolution k = SolveKepler(o.meanAnomaly, o.eccentricity, o.semiMajorAxis);
  // The longitude correction moves the planet along its orbit without changing M.
  return Place(o, k, p.longitude, p.radius);
}

bool ElementsAtTj(Planet planet) { return planet == Planet::kUranus || planet == Planet::kNeptune; }

// `positionAtT`: Uranus's and Neptune's corrections of l, b and r (else unused).
HeliocentricPlace OuterPlanet(Planet planet, double t, double tj, const ElementPerturbation& p,
                              const PositionPerturbation& positionAtT) {
  const bool elementsAtTj = ElementsAtTj(planet);
  PlanetOrbit o = PlanetMeanElements(planet, elementsAtTj ? tj : t);
  ApplyElementPerturbation(o, p);
  const KeplerSolution k = SolveKepler(o.meanAnomaly, o.eccentricity, o.semiMajorAxis);
  HeliocentricPlace place = Place(o, k);
  place.latitude += p.latitude;  // Saturn's latitude series; 0 for the others
  if (elementsAtTj) {
    const PositionPerturbation& d = positionAtT;
    place.longitude += d.longitude;  // used unreduced
    place.latitude += d.latitude;
    place.radius += d.radius;
  }
  return place;
}

}  // namespace

PlanetOrbit PlanetMeanElements(Planet planet, double t) {
  const MeanElementRow& row = kMeanElements[static_cast<std::size_t>(planet)];
  PlanetOrbit o;
  o.meanLongitude = ReduceAngle(row.l.At(t));
  o.semiMajorAxis = row.a.At(t);
  o.eccentricity = row.e.At(t);
  o.inclination = row.i.At(t);
  o.node = row.node.At(t);
  o.meanAnomaly = ReduceAngle(row.m.At(t));
  return o;
}

MeanAnomalies PlanetMeanAnomalies(double t) {
  const double t2 = t * t;
  return {ReduceAngle(102.27938 + 149472.51529 * t + 0.000007 * t2),
          ReduceAngle(212.60322 + 58517.80387 * t + 0.001286 * t2),
          ReduceAngle(319.51913 + 19139.85475 * t + 0.000181 * t2),
          ReduceAngle(225.32833 + 3034.69202 * t - 0.000722 * t2)};
}

JupiterSaturnArgs JupiterSaturnArguments(double t) {
  JupiterSaturnArgs a;
  a.nu = t / 5.0 + 0.1;
  a.p = ReduceAngle(237.47555 + 3034.9061 * t);
  a.q = ReduceAngle(265.9165 + 1222.1139 * t);
  a.s = ReduceAngle(243.51721 + 428.4677 * t);
  a.v = ReduceAngle(5 * a.q - 2 * a.p);
  a.w = ReduceAngle(2 * a.p - 6 * a.q + 3 * a.s);
  a.zeta = a.q - a.p;
  return a;
}

OuterPlanetArgs OuterPlanetArguments(double t) {
  OuterPlanetArgs a;
  a.js = JupiterSaturnArguments(t);
  a.g = 83.76922 + 218.4901 * t;
  a.h = 2 * a.g - a.js.s;
  return a;
}

KeplerSolution SolveKepler(double meanAnomaly, double eccentricity, double semiMajorAxis) {
  const double eDegrees = eccentricity * 180.0 / std::numbers::pi;
  double e = meanAnomaly;
  for (int k = 0; k < kKeplerMaxIterations; ++k) {
    const double next = e + (meanAnomaly + eDegrees * SinDeg(e) - e) / (1.0 - eccentricity * CosDeg(e));
    const bool converged = std::fabs(next - e) < kKeplerTolerance;
    e = next;
    if (converged) break;
  }
  KeplerSolution s;
  const double v = 2.0 * ArcTanDeg(std::sqrt((1.0 + eccentricity) / (1.0 - eccentricity)) * TanDeg(e / 2.0));
  s.trueAnomaly = ReduceAngle(v + 360.0);
  s.radius = semiMajorAxis * (1.0 - eccentricity * CosDeg(e));
  return s;
}

EclipticPosition OrbitToEcliptic(double meanLongitude, double meanAnomaly, double trueAnomaly, double inclination,
                                 double node) {
  const double u = ReduceAngle(meanLongitude + trueAnomaly - meanAnomaly - node);
  EclipticPosition p;
  p.longitude = ReduceAngle(node + QuadrantArcTan(CosDeg(u), CosDeg(inclination) * SinDeg(u)));
  p.latitude = ArcSinDeg(SinDeg(inclination) * SinDeg(u));
  return p;
}

double SunMeanAnomaly1900(double t) {
  return ReduceAngle(358.47583 + 35999.04975 * t - 0.000150 * t * t - 0.0000033 * t * t * t);
}

HeliocentricPlace PlanetHeliocentric(Planet planet, double t, double jd) {
  if (IsInner(planet)) return InnerPlanet(planet, t, InnerPlanetPerturbation(planet, t));
  const double tj = Centuries(jd);
  const PositionPerturbation position = ElementsAtTj(planet) ? OuterPositionPerturbation(planet, t) : PositionPerturbation{};
  return OuterPlanet(planet, t, tj, OuterElementPerturbation(planet, tj), position);
}

HeliocentricPlace PlanetHeliocentric(Planet planet, double t, double tj, const PlanetSeriesTerms& terms) {
  if (IsInner(planet)) {
    return InnerPlanet(planet, t, InnerPlanetPerturbation(planet, t, terms.anomalies, terms.sunAnomaly));
  }
  const PositionPerturbation position =
      ElementsAtTj(planet) ? OuterPositionPerturbation(planet, terms.atT) : PositionPerturbation{};
  return OuterPlanet(planet, t, tj, OuterElementPerturbation(planet, terms.atTj), position);
}

std::optional<Planet> PlanetOf(Body body) {
  if (!IsPlanet(body)) return std::nullopt;
  // Body lists the planets in the theory's order, Mercury first.
  return static_cast<Planet>(static_cast<int>(body) - static_cast<int>(Body::kMercury));
}

}  // namespace orrelin
