#include "navigation/deviation_card.h"

#include <cmath>
#include <utility>

#include "core/angles.h"
#include "navigation/body_place.h"
#include "navigation/compass_check.h"

namespace orrelin::navigation {

namespace {

constexpr int kTerms = 5;
using Row = std::array<double, kTerms>;

Row TermsOf(double heading) {
  return {1.0, SinDeg(heading), CosDeg(heading), SinDeg(2.0 * heading), CosDeg(2.0 * heading)};
}

// Gaussian elimination with partial pivoting; none for a singular system.
std::optional<Row> Solved(std::array<Row, kTerms> m, Row v) {
  for (int col = 0; col < kTerms; ++col) {
    int pivot = col;
    for (int r = col + 1; r < kTerms; ++r) {
      if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) pivot = r;
    }
    if (std::fabs(m[pivot][col]) < 1e-6) return std::nullopt;
    std::swap(m[col], m[pivot]);
    std::swap(v[col], v[pivot]);
    for (int r = col + 1; r < kTerms; ++r) {
      const double f = m[r][col] / m[col][col];
      for (int k = col; k < kTerms; ++k) m[r][k] -= f * m[col][k];
      v[r] -= f * v[col];
    }
  }
  Row x{};
  for (int r = kTerms - 1; r >= 0; --r) {
    double s = v[r];
    for (int k = r + 1; k < kTerms; ++k) s -= m[r][k] * x[k];
    x[r] = s / m[r][r];
  }
  return x;
}

}  // namespace

double DeviationOnHeading(const DeviationCoefficients& k, double heading) {
  const Row t = TermsOf(heading);
  return k.a * t[0] + k.b * t[1] + k.c * t[2] + k.d * t[3] + k.e * t[4];
}

std::optional<DeviationCoefficients> FitDeviation(const std::vector<HeadingDeviation>& points) {
  if (points.size() < kTerms) return std::nullopt;
  std::array<Row, kTerms> normal{};
  Row right{};
  for (const HeadingDeviation& p : points) {
    const Row t = TermsOf(p.heading);
    for (int i = 0; i < kTerms; ++i) {
      for (int j = 0; j < kTerms; ++j) normal[i][j] += t[i] * t[j];
      right[i] += t[i] * p.deviation;
    }
  }
  // Scaled by the count, so that the test for a singular system does not depend on it.
  const double n = static_cast<double>(points.size());
  for (int i = 0; i < kTerms; ++i) {
    for (int j = 0; j < kTerms; ++j) normal[i][j] /= n;
    right[i] /= n;
  }
  const auto x = Solved(normal, right);
  if (!x) return std::nullopt;
  return DeviationCoefficients{(*x)[0], (*x)[1], (*x)[2], (*x)[3], (*x)[4]};
}

std::optional<DeviationCard> MakeDeviationCard(const std::vector<DeviationObservation>& observations,
                                               const GeoPosition& dr, double variation, std::string& why) {
  DeviationCard card;
  std::vector<HeadingDeviation> points;
  for (const DeviationObservation& o : observations) {
    const auto place = ComputedPlaceAt(o.body, o.julianDayUt, dr, why);
    if (!place) return std::nullopt;
    SwingBearing s;
    s.observation = o;
    s.azimuth = place->azimuth;
    s.error = CompassErrorOf(place->azimuth, o.bearing);
    s.deviation = std::remainder(s.error - variation, 360.0);
    card.bearings.push_back(s);
    points.push_back({o.heading, s.deviation});
  }
  const auto k = FitDeviation(points);
  if (!k) {
    why = "The card needs bearings on five headings or more, spread round the compass (eight or more is usual)";
    return std::nullopt;
  }
  card.coefficients = *k;
  for (SwingBearing& s : card.bearings) s.residual = s.deviation - DeviationOnHeading(*k, s.observation.heading);
  for (double h = 0.0; h < 360.0; h += kCardStep) card.card.push_back({h, DeviationOnHeading(*k, h)});
  return card;
}

}  // namespace orrelin::navigation
