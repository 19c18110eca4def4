#pragma once
// The deviation card from a swing of the ship: the deviation found on each heading by a
// body's bearing, the five coefficients of
//   deviation = A + B sin h + C cos h + D sin 2h + E cos 2h
// fitted by least squares, and the deviation they give every 15° of heading.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "navigation/deviation_file.h"
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

struct DeviationCoefficients {
  double a = 0.0, b = 0.0, c = 0.0, d = 0.0, e = 0.0;  // degrees
};
double DeviationOnHeading(const DeviationCoefficients& k, double heading);

struct HeadingDeviation {
  double heading = 0.0;    // degrees by compass
  double deviation = 0.0;  // degrees, east positive
};
// None when fewer than five headings are given, or when they are too few apart for
// the five coefficients (all within one half of the card, for instance).
std::optional<DeviationCoefficients> FitDeviation(const std::vector<HeadingDeviation>& points);

// Headings the card should have at least, spread round the compass.
inline constexpr std::size_t kFewestHeadingsOfASwing = 8;
inline constexpr double kCardStep = 15.0;  // degrees

struct SwingBearing {
  DeviationObservation observation;
  double azimuth = 0.0;    // Zn, degrees true
  double error = 0.0;      // compass error, east positive
  double deviation = 0.0;  // the error less the variation
  double residual = 0.0;   // the deviation less the fitted one
};

struct DeviationCard {
  std::vector<SwingBearing> bearings;
  DeviationCoefficients coefficients;
  std::vector<HeadingDeviation> card;  // 0, 15, .. 345
};
// The variation is east positive (0: the errors themselves are fitted). None, with
// the message, when a bearing's body has no place or the headings cannot fit the card.
std::optional<DeviationCard> MakeDeviationCard(const std::vector<DeviationObservation>& observations,
                                               const GeoPosition& dr, double variation, std::string& why);

}  // namespace orrelin::navigation
