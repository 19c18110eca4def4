#pragma once
// A series of sights of one body taken within minutes: each sight's Ho less the
// altitude the body has at that moment at the DR (run along the ship's course and
// speed) is, for good sights, one constant, the intercept, plus the sextant's scatter.
// The constant is fitted robustly (the median, then the mean of the sights near it),
// the sights off the line are flagged, and the kept sight nearest the middle of the
// series is brought onto the line: the one sight worth sending to the fix. A series
// across the meridian also gives the time and altitude of the maximum, from a
// parabola fitted to Ho against time.
#include <optional>
#include <string>
#include <vector>

#include "navigation/fix.h"

namespace orrelin::navigation {

inline constexpr int kLeastSeries = 3;            // sights
inline constexpr double kSeriesGap = 15.0;        // minutes at most from one sight to the next
inline constexpr double kSeriesCutSpreads = 3.0;  // a sight is off the line beyond this many spreads,
inline constexpr double kLeastSeriesCut = 1.0;    // and never within this many arc minutes

struct MeridianAltitude {
  double julianDayUt = 0.0;
  double altitude = 0.0;  // Ho at the maximum, degrees
};

struct SightSeries {
  std::vector<double> residuals;  // each sight's Ho less the altitude at the DR, arc minutes
  std::vector<bool> flagged;      // off the line
  double intercept = 0.0;         // the fitted constant, arc minutes (nautical miles toward the body)
  double spread = 0.0;            // the kept sights' standard deviation about it, arc minutes
  std::size_t representative = 0;  // the kept sight nearest the middle time
  double representativeHs = 0.0;   // its sextant altitude brought onto the line, degrees
  std::optional<MeridianAltitude> meridian;  // a series across the upper transit
};

// The input's sights are one series of one body in time order; the DR is at the input's
// time of fix. None, with the message, when a sight does not reduce or fewer than three
// are given.
std::optional<SightSeries> FitSeries(const FixInput& input, std::string& message);

// The series among sights: those of one body (any letter case) each within 15 minutes
// of the one before, three or more, as indices in time order; in the order of their
// first sights in the list.
std::vector<std::vector<std::size_t>> SeriesAmong(const std::vector<Sight>& sights);

}  // namespace orrelin::navigation
