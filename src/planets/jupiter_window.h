#pragma once
// What the satellites window shows of one set of coordinates: the texts of its
// boxes, the explanatory lines, the disk and where each satellite's number is drawn.
#include <array>
#include <string>
#include <vector>

#include "planets/jupiter_satellites.h"

namespace orrelin {

inline constexpr const char* kSatelliteNames[4] = {"Io", "Europa", "Ganymedes", "Callisto"};

struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The compass letters around the picture, as the view shows the sky: seen directly north
// is up and west (X > 0) to the right; an inverting telescope turns both.
struct CompassLetters {
  char top = 'N', bottom = 'S', left = 'E', right = 'W';
};
CompassLetters SatelliteCompass(bool inverted);

struct JupiterPicture {
  std::array<std::string, 4> xTexts, yTexts;  // edX1..edX4, edY1..edY4: two decimals, at most six characters
  std::array<int, 4> px{}, py{};              // where digit n is drawn (edPx, edPy)
  PixelBox disk;                              // Jupiter's outline, white, pen width 2
  int scale = 0;                              // h: the picture's width / 100
  std::vector<std::string> lines;             // Memo1
  CompassLetters compass;                     // the letters beside the picture
};

// The largest |X| drawn; a satellite beyond is drawn at the edge (its box keeps the value).
inline constexpr double kLargestDrawnX = 25.0;

// `inverted`: the view of an inverting telescope (the "Inverted view" tick).
JupiterPicture DrawJupiterSatellites(const SatellitePositions& positions, bool inverted, int pictureWidth);

// A coordinate as its box shows it: two decimals (ties to even), cut to six characters.
std::string SatelliteCoordinateText(double value);

}  // namespace orrelin
