#include "navigation/body_crossing.h"

#include <algorithm>
#include <cmath>

#include "navigation/body_place.h"

namespace orrelin::navigation {

namespace {

constexpr double kSecond = 1.0 / 86400.0;  // days
constexpr double kScanStep = 1.0 / 48.0;   // days: no body rises and sets within half an hour
constexpr int kScanSteps = 48;

// The body's Hc at the ship at a moment; none when the ephemeris fails.
struct AltitudeAtShip {
  const std::string& body;
  const ShipTrack& track;
  std::string& why;
  bool failed = false;
  double operator()(double jd) {
    const auto c = ComputedPlaceAt(body, jd, ShipPositionAt(track, jd), why);
    if (!c) failed = true;
    return c ? c->altitude : 0.0;
  }
};

// Between a and b the signed height above the level changes from below to above:
// regula falsi, the Illinois way (the end kept twice running is halved), to a second.
double Refined(AltitudeAtShip& altitude, double sign, double level, double lo, double flo, double hi, double fhi) {
  int kept = 0;
  while (hi - lo > 0.5 * kSecond && !altitude.failed) {
    const double t = std::clamp(lo - flo * (hi - lo) / (fhi - flo), lo, hi);
    const double ft = sign * (altitude(t) - level);
    if (ft < 0.0) {
      lo = t;
      flo = ft;
      if (kept == -1) fhi /= 2.0;
      kept = -1;
    } else {
      hi = t;
      fhi = ft;
      if (kept == 1) flo /= 2.0;
      kept = 1;
    }
    if (std::fabs(ft) < 1e-9) lo = hi = t;
  }
  return (lo + hi) / 2.0;
}

}  // namespace

std::optional<std::vector<std::optional<double>>> CrossingTimes(const std::string& body, const ShipTrack& track,
                                                                double start, const std::vector<double>& levels,
                                                                HorizonCrossing crossing, std::string& why) {
  const double sign = crossing == HorizonCrossing::kRising ? 1.0 : -1.0;
  AltitudeAtShip altitude{body, track, why};
  // One scan of the day serves every level.
  std::vector<double> scanned(kScanSteps + 1);
  for (int step = 0; step <= kScanSteps && !altitude.failed; ++step) scanned[step] = altitude(start + step * kScanStep);
  if (altitude.failed) return std::nullopt;
  std::vector<std::optional<double>> times(levels.size());
  for (std::size_t i = 0; i < levels.size(); ++i) {
    for (int step = 1; step <= kScanSteps; ++step) {
      const double fa = sign * (scanned[step - 1] - levels[i]), fb = sign * (scanned[step] - levels[i]);
      if (fa < 0.0 && fb >= 0.0) {
        const double a = start + (step - 1) * kScanStep;
        times[i] = Refined(altitude, sign, levels[i], a, fa, a + kScanStep, fb);
        if (altitude.failed) return std::nullopt;
        break;
      }
    }
  }
  return times;
}

}  // namespace orrelin::navigation
