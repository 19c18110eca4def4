#include "earth/semidiameters.h"

#include <string>

#include "core/angles.h"
#include "core/constants.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

std::string SemidiameterText(double arcSeconds, std::size_t cut) {
  std::string text = FixedText(RoundToDecimals(arcSeconds, 1), 2);
  if (text.size() > cut) text.resize(cut);
  return text + "''";
}

constexpr std::size_t kNoCut = std::string::npos;
constexpr std::size_t kPlanetCut = 7;

}  // namespace

void ExplainMoonSemidiameter(double distanceKm, double altitude, double parallax, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  const double s = (1.0 + SinDeg(parallax) * SinDeg(altitude)) * kMoonSemidiameterArcSecondsKm / distanceKm;
  ReportLine(lines, "Semidiameter of Moon:", SemidiameterText(s, kNoCut));
}

void JupiterSemidiameters(double distance, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Equatorial semidiameter:", SemidiameterText(98.44 / distance, kPlanetCut));
  ReportLine(lines, "Polar semidiameter:", SemidiameterText(92.06 / distance, kPlanetCut));
}

void SaturnSemidiameter(double distance, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Equatorial semidiameter:", SemidiameterText(82.73 / distance, kPlanetCut));
}

}  // namespace orrelin
