#include "navigation/sight_series.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/fields.h"

namespace orrelin::navigation {

namespace {

constexpr double kMadToSigma = 1.4826;  // the median absolute deviation of normal errors, in standard deviations

double Median(std::vector<double> x) {
  std::sort(x.begin(), x.end());
  const std::size_t n = x.size();
  return n % 2 ? x[n / 2] : (x[n / 2 - 1] + x[n / 2]) / 2.0;
}

// The mean and the standard deviation of the residuals not flagged, one left out.
struct Fitted {
  double mean = 0.0, spread = 0.0;
  int count = 0;
};
Fitted FitKept(const SightSeries& s, std::size_t leftOut) {
  Fitted f;
  double sum = 0.0;
  for (std::size_t i = 0; i < s.residuals.size(); ++i) {
    if (!s.flagged[i] && i != leftOut) sum += s.residuals[i], ++f.count;
  }
  f.mean = sum / f.count;
  double squares = 0.0;
  for (std::size_t i = 0; i < s.residuals.size(); ++i) {
    if (!s.flagged[i] && i != leftOut) squares += (s.residuals[i] - f.mean) * (s.residuals[i] - f.mean);
  }
  f.spread = f.count > 1 ? std::sqrt(squares / (f.count - 1)) : 0.0;
  return f;
}

double Cut(double spread) { return std::max(kLeastSeriesCut, kSeriesCutSpreads * spread); }

// The constant through the residuals: the median, with the cut from the spread of the
// absolute deviations from it; then by least squares (the mean) over the sights within
// the cut, each sight farthest off tried against the spread of the others, while three
// are kept besides it.
void FitConstant(SightSeries& s) {
  const std::size_t none = s.residuals.size();
  const double median = Median(s.residuals);
  std::vector<double> deviations;
  for (double r : s.residuals) deviations.push_back(std::fabs(r - median));
  const double cut = Cut(kMadToSigma * Median(deviations));
  for (double d : deviations) s.flagged.push_back(d > cut);  // the median's own sight stays
  for (Fitted kept = FitKept(s, none); kept.count > 3; kept = FitKept(s, none)) {
    std::size_t farthest = none;
    for (std::size_t i = 0; i < s.residuals.size(); ++i) {
      if (s.flagged[i]) continue;
      if (farthest == none || std::fabs(s.residuals[i] - kept.mean) > std::fabs(s.residuals[farthest] - kept.mean)) {
        farthest = i;
      }
    }
    const Fitted others = FitKept(s, farthest);
    if (std::fabs(s.residuals[farthest] - others.mean) <= Cut(others.spread)) break;
    s.flagged[farthest] = true;
  }
  const Fitted kept = FitKept(s, none);
  s.intercept = kept.mean;
  s.spread = kept.spread;
}

// The upper transit lies within the series when the body is east of the meridian at
// the first sight and west of it at the last (LHA from 270 through 0 to 90 degrees).
bool SpansTransit(const std::vector<SightReduction>& r) {
  auto east = [](double lha) { return lha > 270.0; };
  auto west = [](double lha) { return lha < 90.0; };
  return east(r.front().lha) && west(r.back().lha);
}

// Ho = a + b t + c t² by least squares over the kept sights (t in minutes from the
// first sight); the maximum, when the parabola has one within the series.
std::optional<MeridianAltitude> Maximum(const FixInput& in, const std::vector<SightReduction>& r,
                                        const std::vector<bool>& flagged) {
  const double t0 = in.sights.front().julianDayUt;
  double m[3][4] = {};  // normal equations, the right side in the last column
  int kept = 0;
  for (std::size_t i = 0; i < r.size(); ++i) {
    if (flagged[i]) continue;
    const double t = (in.sights[i].julianDayUt - t0) * 1440.0;
    const double p[3] = {1.0, t, t * t};
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) m[row][col] += p[row] * p[col];
      m[row][3] += p[row] * r[i].observedAltitude;
    }
    ++kept;
  }
  if (kept < 3) return std::nullopt;
  // Gaussian elimination with partial pivoting.
  for (int col = 0; col < 3; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 3; ++row) {
      if (std::fabs(m[row][col]) > std::fabs(m[pivot][col])) pivot = row;
    }
    std::swap(m[col], m[pivot]);
    if (m[col][col] == 0.0) return std::nullopt;
    for (int row = 0; row < 3; ++row) {
      if (row == col) continue;
      const double f = m[row][col] / m[col][col];
      for (int k = col; k < 4; ++k) m[row][k] -= f * m[col][k];
    }
  }
  const double a = m[0][3] / m[0][0], b = m[1][3] / m[1][1], c = m[2][3] / m[2][2];
  if (!(c < 0.0)) return std::nullopt;
  const double tMax = -b / (2.0 * c);
  const double span = (in.sights.back().julianDayUt - t0) * 1440.0;
  if (!(tMax >= 0.0 && tMax <= span)) return std::nullopt;
  return MeridianAltitude{t0 + tMax / 1440.0, a + b * tMax + c * tMax * tMax};
}

}  // namespace

std::optional<SightSeries> FitSeries(const FixInput& in, std::string& message) {
  if (in.sights.size() < static_cast<std::size_t>(kLeastSeries)) {
    message = "A series needs three sights or more";
    return std::nullopt;
  }
  std::vector<SightReduction> reductions;
  SightSeries s;
  for (const Sight& sight : in.sights) {
    std::string why;
    const auto r = ReduceSightOfFix(in, sight, why);
    if (!r) {
      message = sight.body + ": " + why;
      return std::nullopt;
    }
    reductions.push_back(*r);
    s.residuals.push_back(r->intercept);  // nautical miles of intercept: arc minutes of altitude
  }
  FitConstant(s);
  const double middle = (in.sights.front().julianDayUt + in.sights.back().julianDayUt) / 2.0;
  double nearest = 0.0;
  bool found = false;
  for (std::size_t i = 0; i < in.sights.size(); ++i) {
    const double off = std::fabs(in.sights[i].julianDayUt - middle);
    if (s.flagged[i] || (found && off >= nearest)) continue;
    s.representative = i;
    nearest = off;
    found = true;
  }
  s.representativeHs =
      in.sights[s.representative].sextantAltitude - (s.residuals[s.representative] - s.intercept) / 60.0;
  if (SpansTransit(reductions)) s.meridian = Maximum(in, reductions, s.flagged);
  return s;
}

std::vector<std::vector<std::size_t>> SeriesAmong(const std::vector<Sight>& sights) {
  std::vector<std::size_t> order(sights.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&sights](std::size_t a, std::size_t b) {
    const std::string x = LowerCaseText(sights[a].body), y = LowerCaseText(sights[b].body);
    return x != y ? x < y : sights[a].julianDayUt < sights[b].julianDayUt;
  });
  std::vector<std::vector<std::size_t>> series;
  std::vector<std::size_t> run;
  auto close = [&]() {
    if (run.size() >= static_cast<std::size_t>(kLeastSeries)) series.push_back(run);
    run.clear();
  };
  for (std::size_t i : order) {
    if (!run.empty() && (LowerCaseText(sights[run.back()].body) != LowerCaseText(sights[i].body) ||
                         (sights[i].julianDayUt - sights[run.back()].julianDayUt) * 1440.0 > kSeriesGap)) {
      close();
    }
    run.push_back(i);
  }
  close();
  std::sort(series.begin(), series.end(), [](const auto& a, const auto& b) {
    return *std::min_element(a.begin(), a.end()) < *std::min_element(b.begin(), b.end());
  });
  return series;
}

}  // namespace orrelin::navigation
