#pragma once
// The bearings of a swing of the ship, one a line in a plain CSV file:
//   utc,heading,bearing,body
//   2026-06-21 07:10:00,0,71.5,Sun
// the time, the ship's heading and the body's bearing, both by the compass.
#include <optional>
#include <string>
#include <vector>

namespace orrelin::navigation {

inline constexpr const char* kDeviationHeader = "utc,heading,bearing,body";

struct DeviationObservation {
  double julianDayUt = 0.0;
  double heading = 0.0;  // degrees by compass
  double bearing = 0.0;  // degrees by compass
  std::string body;
};

// One line's fields; none, with what is wrong, when a field does not read.
std::optional<DeviationObservation> ReadDeviationLine(const std::string& line, std::string& problem);
std::string DeviationLine(const DeviationObservation& observation);

struct DeviationFile {
  std::vector<DeviationObservation> observations;  // every line that reads, in file order
  std::vector<std::string> problems;               // "line 4: the heading ..." for the others
};
DeviationFile ReadDeviationFile(const std::vector<std::string>& lines);

}  // namespace orrelin::navigation
