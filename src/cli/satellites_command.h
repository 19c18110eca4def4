#pragma once
// The command line's satellites: the satellites window's boxes as rows, and a
// character picture of the configuration for a terminal.
#include <string>

#include "planets/jupiter_window.h"

namespace orrelin::cli {

// The four rows (number, name, X, Y, px, py) and the picture, east and west marked.
std::string SatellitesText(const SatellitePositions& positions, const JupiterPicture& picture, bool inverted);
// {"X": [4 texts], "Y": [4 texts], "px": [4 numbers], "py": [4 numbers]}
std::string SatellitesJson(const JupiterPicture& picture);
// The configuration in characters: a column for each Jupiter radius east or west
// (Callisto beyond 33 at the edge), a row for each half radius north or south.
std::string SatellitesCharacterPicture(const SatellitePositions& positions, bool inverted);

}  // namespace orrelin::cli
