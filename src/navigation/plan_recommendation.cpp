#include "navigation/plan_recommendation.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"

namespace orrelin::navigation {

namespace {

std::string Degrees(double angle) { return FixedText(angle, 0) + "\xC2\xB0"; }

std::string BandText(const AltitudeBand& band) { return "between " + Degrees(band.lowest) + " and " + Degrees(band.highest); }

double Spread(const std::vector<PlannedBody>& b, std::size_t i, std::size_t j, std::size_t k) {
  return std::min({AzimuthDifference(b[i].zn, b[j].zn), AzimuthDifference(b[i].zn, b[k].zn),
                   AzimuthDifference(b[j].zn, b[k].zn)});
}

}  // namespace

double AzimuthDifference(double zn1, double zn2) {
  const double d = std::fmod(std::fabs(zn1 - zn2), 360.0);
  return d > 180.0 ? 360.0 - d : d;
}

Recommendation RecommendBodies(const std::vector<PlannedBody>& bodies, const AltitudeBand& band) {
  std::vector<std::size_t> inBand;
  for (std::size_t i = 0; i < bodies.size(); ++i) {
    if (bodies[i].hc >= band.lowest && bodies[i].hc <= band.highest) inBand.push_back(i);
  }
  Recommendation r;
  const std::size_t n = inBand.size();
  // The best pair: the difference nearest 90 degrees; of those within the tolerance of
  // it, the brighter.
  double nearest = 180.0;
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = a + 1; b < n; ++b)
      nearest = std::min(nearest, std::fabs(AzimuthDifference(bodies[inBand[a]].zn, bodies[inBand[b]].zn) - 90.0));
  double brighterPair = 0.0;
  for (std::size_t a = 0; a < n; ++a) {
    for (std::size_t b = a + 1; b < n; ++b) {
      const std::size_t i = inBand[a], j = inBand[b];
      const double angle = AzimuthDifference(bodies[i].zn, bodies[j].zn);
      if (std::fabs(angle - 90.0) > nearest + kTriadTolerance) continue;
      const double light = bodies[i].magnitude + bodies[j].magnitude;
      if (!r.pair || light < brighterPair) {
        r.pair = {i, j};
        r.pairAngle = angle;
        brighterPair = light;
      }
    }
  }
  const std::string pairRule = r.pair ? "Pair: the two whose azimuths differ most nearly by 90\xC2\xB0 (" +
                                            Degrees(r.pairAngle) + "), the brighter of any within " +
                                            Degrees(kTriadTolerance) + "."
                                      : "";
  if (n < 3) {
    r.rule = "No triad: fewer than three bodies " + BandText(band) + "." + (pairRule.empty() ? "" : " " + pairRule);
    return r;
  }
  // The largest smallest difference of azimuth first, then the brightest triad within
  // the tolerance of it.
  double largest = 0.0;
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = a + 1; b < n; ++b)
      for (std::size_t c = b + 1; c < n; ++c) largest = std::max(largest, Spread(bodies, inBand[a], inBand[b], inBand[c]));
  double brightest = 0.0;
  for (std::size_t a = 0; a < n; ++a) {
    for (std::size_t b = a + 1; b < n; ++b) {
      for (std::size_t c = b + 1; c < n; ++c) {
        const std::size_t i = inBand[a], j = inBand[b], k = inBand[c];
        const double spread = Spread(bodies, i, j, k);
        if (spread < largest - kTriadTolerance) continue;
        const double light = bodies[i].magnitude + bodies[j].magnitude + bodies[k].magnitude;
        if (r.triad.empty() || light < brightest) {
          r.triad = {i, j, k};
          r.triadSpread = spread;
          brightest = light;
        }
      }
    }
  }
  r.rule = "Triad: of the bodies " + BandText(band) +
           ", the three whose smallest difference of azimuth is largest (" + Degrees(r.triadSpread) +
           "), the brightest of any within " + Degrees(kTriadTolerance) + ". " + pairRule;
  return r;
}

}  // namespace orrelin::navigation
