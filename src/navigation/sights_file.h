#pragma once
// Sights as the user writes them down and as the Sights window keeps them: one line
// each in a plain CSV file that opens anywhere,
//   utc,body,limb,hs,ie,height,pressure,temperature
//   2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10
// and the texts of the command line's options. A line may give the time by the watch
// instead, in three more columns (utc left empty, or both agreeing within a second):
//   utc,body,limb,hs,ie,height,pressure,temperature,watch,we,zd
//   ,Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 16:32:13,3 fast,-2
#include <optional>
#include <string>
#include <vector>

#include "navigation/sight_reduction.h"
#include "navigation/watch_time.h"

namespace orrelin::navigation {

inline constexpr const char* kSightsFileName = "sights.csv";
inline constexpr const char* kSightsHeader = "utc,body,limb,hs,ie,height,pressure,temperature";
// The header of a file whose sights are timed by the watch too.
inline constexpr const char* kSightsWatchHeader = "utc,body,limb,hs,ie,height,pressure,temperature,watch,we,zd";

// "23 41.6": whole degrees and decimal minutes of a sextant altitude, 0..90.
std::optional<double> ReadSextantAltitude(const std::string& text);
// "59 50 N, 24 50 E" (or "59 50.5 N 24 50 E"): a position.
std::optional<GeoPosition> ReadPosition(const std::string& text);
// "lower", "upper", "" (the centre), any letter case.
std::optional<Limb> ReadLimb(const std::string& text);
std::string LimbText(Limb limb);
// "23 41.6" and "59 50.0 N, 24 50.0 E": as they are read.
std::string SextantAltitudeText(double degrees);
std::string PositionText(const GeoPosition& position);

// One line's fields into a sight; none, with what is wrong, when a field does not read.
std::optional<Sight> ReadSightLine(const std::string& line, std::string& problem);
std::string SightLine(const Sight& sight);

// A line's sight with the watch time it was timed by, if any: the sight's time is UT
// from the utc column or from the watch's (both given, they agree within a second).
struct SightRecord {
  Sight sight;
  std::optional<WatchTime> watch;
};
std::optional<SightRecord> ReadSightRecord(const std::string& line, std::string& problem);
// The line with the watch columns after the others (UT in the utc column as well).
std::string SightLine(const Sight& sight, const std::optional<WatchTime>& watch);

// The file's lines that hold sights as their fields, whether they read or not (the
// header and empty lines left out): the Sights window keeps a line that does not read.
std::vector<std::vector<std::string>> SightsFileRows(const std::vector<std::string>& lines);
// One line of fields; a field's commas and line breaks become blanks, so that it stays
// one field of one line.
std::string SightsFileLine(const std::vector<std::string>& fields);
// The whole file: the header (with the watch columns when a row has them filled), then
// a line for each row.
std::vector<std::string> SightsFileLines(const std::vector<std::vector<std::string>>& rows);

struct SightsFile {
  std::vector<Sight> sights;         // every line that reads, in file order
  std::vector<std::string> problems; // "line 4: the sextant altitude ..." for the others
  std::vector<int> lineNumbers;      // each sight's line in the file, the header being line 1
  std::vector<std::optional<WatchTime>> watches;  // each sight's watch time, when timed by the watch
};
SightsFile ReadSights(const std::vector<std::string>& lines);
std::vector<std::string> SightsLines(const std::vector<Sight>& sights);

}  // namespace orrelin::navigation
