#include "navigation/fix.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/numbers.h"
#include "precise/nautical.h"

namespace orrelin::navigation {

namespace {

constexpr int kMostIterations = 30;
constexpr double kConverged = 0.01;  // nautical miles (arc minutes of latitude)

using Reduced = ReducedSight;

// Nautical miles run from the sight's time to the fix's.
double RunToFix(const FixInput& in, const Sight& s, double timeOfFix) {
  return in.speed * (timeOfFix - s.julianDayUt) * 24.0;
}

std::optional<Reduced> ReducedOnce(const Sight& s, const FixInput& in, double timeOfFix, std::string& why) {
  const auto r = ReduceSightOfFix(in, s, why);
  if (!r) return std::nullopt;
  return Reduced{s.body, r->observedAltitude, r->gha, r->declination, RunToFix(in, s, timeOfFix)};
}

// Hc and Zn of each sight from the ship's place at its time: the fix carried back.
struct Normal {
  double a = 0, b = 0, c = 0, d = 0, e = 0;  // sums of cos²Z, cosZ sinZ, sin²Z, p cosZ, p sinZ
  double Determinant() const { return a * c - b * b; }
};

std::vector<FixLine> LinesAt(const std::vector<Reduced>& sights, const GeoPosition& at, double course) {
  std::vector<FixLine> lines;
  for (const Reduced& r : sights) {
    const ComputedPlace c = ComputedAltitude(MovedBy(at, course, -r.run), r.gha, r.declination);
    lines.push_back({r.body, r.observed, c.azimuth, (r.observed - c.altitude) * 60.0, r.run, 0.0, c.azimuth});
  }
  return lines;
}

// Each line weighted; no weights: each line 1.
Normal NormalEquations(const std::vector<FixLine>& lines, const std::vector<double>& weights = {}) {
  Normal n;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const FixLine& l = lines[i];
    const double w = weights.empty() ? 1.0 : weights[i];
    const double cz = CosDeg(l.azimuth), sz = SinDeg(l.azimuth);
    n.a += w * cz * cz;
    n.b += w * cz * sz;
    n.c += w * sz * sz;
    n.d += w * l.intercept * cz;
    n.e += w * l.intercept * sz;
  }
  return n;
}

// How widely the lines cross, as the angle at which two lines would cross to fix as
// well: from the smaller eigenvalue of the normal equations (for two lines, their angle).
double CrossingAngle(const std::vector<FixLine>& lines) {
  const Normal n = NormalEquations(lines);
  const double smaller = (n.a + n.c) / 2.0 - std::sqrt((n.a - n.c) * (n.a - n.c) / 4.0 + n.b * n.b);
  const double cosine = std::clamp(1.0 - 2.0 * smaller / static_cast<double>(lines.size()), -1.0, 1.0);
  return std::acos(cosine) * 180.0 / M_PI;
}

ErrorEllipse EllipseOf(const Normal& n, double variance) {
  // The covariance of (north, east) is variance * inverse([[a, b], [b, c]]).
  const double g = n.Determinant();
  const double nn = variance * n.c / g, ne = -variance * n.b / g, ee = variance * n.a / g;
  const double mean = (nn + ee) / 2.0, spread = std::sqrt((nn - ee) * (nn - ee) / 4.0 + ne * ne);
  ErrorEllipse e;
  e.major = std::sqrt(std::max(0.0, mean + spread));
  e.minor = std::sqrt(std::max(0.0, mean - spread));
  e.orientation = NormalizeAngle(0.5 * std::atan2(2.0 * ne, nn - ee) * 180.0 / M_PI);
  if (e.orientation >= 180.0) e.orientation -= 180.0;
  return e;
}

}  // namespace

GeoPosition MovedBy(const GeoPosition& from, double course, double distance) {
  GeoPosition to;
  to.latitude = from.latitude + distance * CosDeg(course) / 60.0;
  const double middle = (from.latitude + to.latitude) / 2.0;
  const double cosMiddle = CosDeg(middle);
  // At a pole every course leads south (or north): the meridian stays.
  to.longitude = std::fabs(cosMiddle) < 1e-12 ? from.longitude
                                              : from.longitude + distance * SinDeg(course) / (60.0 * cosMiddle);
  // Past a pole the track comes down the other side, on the opposite meridian (a fix
  // iterated from a DR at or near a pole crosses it on the way).
  to.latitude = std::remainder(to.latitude, 360.0);
  if (std::fabs(to.latitude) > 90.0) {
    to.latitude = std::copysign(180.0, to.latitude) - to.latitude;
    to.longitude += 180.0;
  }
  to.longitude = std::remainder(to.longitude, 360.0);
  if (to.longitude <= -180.0) to.longitude += 360.0;
  return to;
}

double TimeOfFix(const FixInput& in) {
  double timeOfFix = in.timeOfFix;
  if (timeOfFix <= 0) {
    for (const Sight& s : in.sights) timeOfFix = std::max(timeOfFix, s.julianDayUt);
  }
  return timeOfFix;
}

GeoPosition AssumedAtSight(const FixInput& in, const Sight& sight) {
  return MovedBy(in.assumed, in.course, -RunToFix(in, sight, TimeOfFix(in)));
}

std::optional<SightReduction> ReduceSightOfFix(const FixInput& in, const Sight& sight, std::string& why) {
  return ReduceSight(sight, AssumedAtSight(in, sight), why);
}

std::optional<std::vector<ReducedSight>> ReduceSightsOfFix(const FixInput& in, std::string& message) {
  const double timeOfFix = TimeOfFix(in);
  std::vector<Reduced> sights;
  for (const Sight& s : in.sights) {
    std::string why;
    const auto r = ReducedOnce(s, in, timeOfFix, why);
    if (!r) {
      message = s.body + ": " + why;
      return std::nullopt;
    }
    sights.push_back(*r);
  }
  return sights;
}

std::optional<Fix> FixPosition(const FixInput& in, std::string& message) {
  if (in.sights.size() < 2) {
    message = "A fix needs two sights or more";
    return std::nullopt;
  }
  const auto sights = ReduceSightsOfFix(in, message);
  if (!sights) return std::nullopt;
  const double crossing = CrossingAngle(LinesAt(*sights, in.assumed, in.course));
  if (crossing < kSmallestCrossing) {
    message = "The lines of position cross at " + FixedText(crossing, 1) +
              "° only: they give no reliable fix (take a body at least " + WholeText(static_cast<long long>(kSmallestCrossing)) +
              "° away in azimuth)";
    return std::nullopt;
  }
  return FixFromSights(*sights, in, std::vector<double>(sights->size(), 1.0));
}

Fix FixFromSights(const std::vector<ReducedSight>& sights, const FixInput& in, const std::vector<double>& weights) {
  Fix fix;
  fix.position = in.assumed;
  fix.crossing = CrossingAngle(LinesAt(sights, in.assumed, in.course));
  Normal n;
  for (fix.iterations = 1; fix.iterations <= kMostIterations; ++fix.iterations) {
    n = NormalEquations(LinesAt(sights, fix.position, in.course), weights);
    const double g = n.Determinant();
    const double north = (n.c * n.d - n.b * n.e) / g, east = (n.a * n.e - n.b * n.d) / g;
    fix.position = MovedBy(fix.position, NormalizeAngle(std::atan2(east, north) * 180.0 / M_PI), std::hypot(north, east));
    if (std::hypot(north, east) < kConverged) break;
  }
  // The lines as they are plotted (from the assumed position), and how far each passes from the fix.
  fix.lines = LinesAt(sights, in.assumed, in.course);
  const std::vector<FixLine> atFix = LinesAt(sights, fix.position, in.course);
  double sumOfSquares = 0.0, sumOfWeights = 0.0;
  for (std::size_t i = 0; i < fix.lines.size(); ++i) {
    fix.lines[i].residual = atFix[i].intercept;
    fix.lines[i].azimuthAtFix = atFix[i].azimuth;
    sumOfSquares += weights[i] * atFix[i].intercept * atFix[i].intercept;
    sumOfWeights += weights[i];
  }
  if (sights.size() >= 3 && sumOfWeights > 2.0) {
    fix.ellipse = EllipseOf(NormalEquations(atFix, weights), sumOfSquares / (sumOfWeights - 2.0));
  }
  const double north = (fix.position.latitude - in.assumed.latitude) * 60.0;
  // The difference of longitude the short way, across the date line too.
  const double east = std::remainder(fix.position.longitude - in.assumed.longitude, 360.0) * 60.0 *
                      CosDeg((fix.position.latitude + in.assumed.latitude) / 2.0);
  fix.distanceFromAssumed = std::hypot(north, east);
  fix.bearingFromAssumed = NormalizeAngle(std::atan2(east, north) * 180.0 / M_PI);
  return fix;
}

std::optional<double> SextantAltitudeFor(Sight sight, double observedAltitude, double latitude, std::string& why) {
  sight.sextantAltitude = observedAltitude;
  for (int i = 0; i < 20; ++i) {
    const auto ho = ObservedAltitudeOf(sight, latitude, nullptr, why);
    if (!ho) return std::nullopt;
    const double miss = observedAltitude - ho->observed;
    sight.sextantAltitude += miss;
    if (std::fabs(miss) < 1e-10) break;
  }
  return sight.sextantAltitude;
}

}  // namespace orrelin::navigation
