#include "cli/satellites_command.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

namespace orrelin::cli {

namespace {

constexpr int kHalfWidth = 33;  // columns each side of the planet
constexpr int kHalfHeight = 3;  // rows each side

std::string Padded(const std::string& text, std::size_t width, bool right) {
  const std::string fill(width > text.size() ? width - text.size() : 0, ' ');
  return right ? fill + text : text + fill;
}

}  // namespace

std::string SatellitesCharacterPicture(const SatellitePositions& positions, bool inverted) {
  std::vector<std::string> rows(2 * kHalfHeight + 1, std::string(2 * kHalfWidth + 1, '.'));
  rows[kHalfHeight].replace(kHalfWidth - 1, 3, "(O)");
  for (int n = 0; n < 4; ++n) {
    // Seen directly north is up and west (X > 0) to the right; an inverting telescope turns both.
    const double across = inverted ? -positions.x[n] : positions.x[n];
    const double up = inverted ? -positions.y[n] : positions.y[n];
    const int column = kHalfWidth + std::clamp(static_cast<int>(std::lround(across)), -kHalfWidth, kHalfWidth);
    const int row = kHalfHeight - std::clamp(static_cast<int>(std::lround(2.0 * up)), -kHalfHeight, kHalfHeight);
    // In front of the disk, or two in one place: beside it, away from the planet.
    const int step = across < 0 ? -1 : 1;
    int c = column;
    while (c > 0 && c < 2 * kHalfWidth && rows[row][c] != '.') c += step;
    rows[row][c] = static_cast<char>('1' + n);
  }
  const CompassLetters compass = SatelliteCompass(inverted);
  const char top = compass.top, bottom = compass.bottom, left = compass.left, right = compass.right;
  std::ostringstream out;
  out << std::string(2 + kHalfWidth, ' ') << top << '\n';
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    out << (r == kHalfHeight ? left : ' ') << ' ' << rows[r] << ' ' << (r == kHalfHeight ? right : ' ') << '\n';
  }
  out << std::string(2 + kHalfWidth, ' ') << bottom << '\n';
  return out.str();
}

std::string SatellitesText(const SatellitePositions& positions, const JupiterPicture& picture, bool inverted) {
  std::ostringstream out;
  out << "n  satellite        X       Y    px   py\n";
  for (int n = 0; n < 4; ++n) {
    out << n + 1 << "  " << Padded(kSatelliteNames[n], 10, false) << Padded(picture.xTexts[n], 8, true)
        << Padded(picture.yTexts[n], 8, true) << Padded(std::to_string(picture.px[n]), 6, true)
        << Padded(std::to_string(picture.py[n]), 5, true) << '\n';
  }
  out << '\n' << (inverted ? "Inverted view (south up, west left)\n" : "Direct view (north up, west right)\n");
  out << SatellitesCharacterPicture(positions, inverted);
  return out.str();
}

std::string SatellitesJson(const JupiterPicture& picture) {
  nlohmann::ordered_json j;
  j["X"] = picture.xTexts;
  j["Y"] = picture.yTexts;
  j["px"] = picture.px;
  j["py"] = picture.py;
  return j.dump() + "\n";
}

}  // namespace orrelin::cli
