#include "navigation/robust_fix.h"

#include <algorithm>
#include <cmath>

namespace orrelin::navigation {

namespace {

constexpr int kMostReweightings = 50;
constexpr double kSettledWeight = 1e-6;
constexpr double kMadToSigma = 1.4826;  // the median absolute deviation of normal errors, in standard deviations
constexpr double kOutstanding = 3.0;    // three lines: times each other residual

double Median(std::vector<double> x) {
  std::sort(x.begin(), x.end());
  const std::size_t n = x.size();
  return n % 2 ? x[n / 2] : (x[n / 2 - 1] + x[n / 2]) / 2.0;
}

std::vector<double> AbsoluteResiduals(const Fix& fix) {
  std::vector<double> r;
  for (const FixLine& l : fix.lines) r.push_back(std::fabs(l.residual));
  return r;
}

double ResidualScale(const Fix& fix) {
  return std::max(kLeastResidualScale, kMadToSigma * Median(AbsoluteResiduals(fix)));
}

std::vector<double> BiweightWeights(const Fix& fix, double scale) {
  std::vector<double> w;
  for (const FixLine& l : fix.lines) {
    const double u = l.residual / (kBiweightCut * scale);
    w.push_back(std::fabs(u) < 1.0 ? (1.0 - u * u) * (1.0 - u * u) : 0.0);
  }
  return w;
}

bool Finite(const Fix& fix) { return std::isfinite(fix.position.latitude) && std::isfinite(fix.position.longitude); }

// The start: of the fix of all lines and those leaving one line out, the one whose lines
// pass nearest it by their median.
Fix RobustStart(const std::vector<ReducedSight>& sights, const FixInput& in, const Fix& plain) {
  Fix best = plain;
  double bestMedian = Median(AbsoluteResiduals(plain));
  for (std::size_t left = 0; left < sights.size(); ++left) {
    std::vector<double> weights(sights.size(), 1.0);
    weights[left] = 0.0;
    const Fix candidate = FixFromSights(sights, in, weights);
    if (!Finite(candidate)) continue;
    const double median = Median(AbsoluteResiduals(candidate));
    if (median < bestMedian) {
      best = candidate;
      bestMedian = median;
    }
  }
  return best;
}

RobustFix Reweighted(const std::vector<ReducedSight>& sights, const FixInput& in, const Fix& plain) {
  RobustFix r;
  r.fix = RobustStart(sights, in, plain);
  r.weights.assign(sights.size(), 1.0);
  for (int i = 0; i < kMostReweightings; ++i) {
    r.scale = ResidualScale(r.fix);
    const std::vector<double> weights = BiweightWeights(r.fix, r.scale);
    const Fix next = FixFromSights(sights, in, weights);
    if (!Finite(next)) break;
    double change = 0.0;
    for (std::size_t k = 0; k < weights.size(); ++k) change = std::max(change, std::fabs(weights[k] - r.weights[k]));
    r.weights = weights;
    r.fix = next;
    if (change < kSettledWeight) break;
  }
  std::vector<double> kept(sights.size(), 1.0);
  for (std::size_t k = 0; k < r.weights.size(); ++k) {
    if (r.weights[k] == 0.0) {
      r.suspects.push_back(k);
      kept[k] = 0.0;
    }
  }
  if (!r.suspects.empty() && sights.size() - r.suspects.size() >= 2) {
    const Fix without = FixFromSights(sights, in, kept);
    if (Finite(without)) r.withoutSuspects = without;
  }
  return r;
}

std::optional<std::size_t> Outstanding(const Fix& fix) {
  const std::vector<double> r = AbsoluteResiduals(fix);
  const std::size_t largest = static_cast<std::size_t>(std::max_element(r.begin(), r.end()) - r.begin());
  for (std::size_t k = 0; k < r.size(); ++k) {
    if (k != largest && r[largest] <= kOutstanding * r[k]) return std::nullopt;
  }
  return largest;
}

}  // namespace

std::optional<CheckedFix> FixWithCheck(const FixInput& in, std::string& message) {
  const auto plain = FixPosition(in, message);
  if (!plain) return std::nullopt;
  CheckedFix checked{*plain, std::nullopt, std::nullopt};
  if (in.sights.size() == 3) checked.outstanding = Outstanding(*plain);
  if (in.sights.size() >= 4) {
    const auto sights = ReduceSightsOfFix(in, message);
    if (!sights) return std::nullopt;
    checked.robust = Reweighted(*sights, in, *plain);
  }
  return checked;
}

}  // namespace orrelin::navigation
