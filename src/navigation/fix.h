#pragma once
// A position fix from two or more sights: each sight's line of position, carried to
// the time of the fix with the ship's course and speed (a running fix), and the
// position that fits them best by least squares, iterated from the assumed position
// (the nautical almanacs' "position from intercept and azimuth by calculation").
#include <optional>
#include <string>
#include <vector>

#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

struct FixInput {
  std::vector<Sight> sights;
  GeoPosition assumed;        // the dead-reckoning position at the time of the fix
  double timeOfFix = 0.0;     // Julian day UT; 0: the time of the last sight
  double course = 0.0;        // degrees true
  double speed = 0.0;         // knots
};

struct FixLine {
  std::string body;
  double observedAltitude = 0.0;  // Ho, degrees
  double azimuth = 0.0;           // Zn at the fix, degrees
  double intercept = 0.0;         // nautical miles from the assumed position, toward Zn: the line to plot
  double run = 0.0;               // nautical miles the line was carried to the time of the fix
  double residual = 0.0;          // nautical miles from the fix (three sights or more)
  double azimuthAtFix = 0.0;      // Zn from the fix, degrees: the line as it runs through the fix
};

struct ErrorEllipse {
  double major = 0.0, minor = 0.0;  // semi-axes, nautical miles (one standard deviation)
  double orientation = 0.0;         // degrees true of the major axis
};

struct Fix {
  GeoPosition position;
  int iterations = 0;
  std::vector<FixLine> lines;
  std::optional<ErrorEllipse> ellipse;  // three sights or more
  double distanceFromAssumed = 0.0;     // nautical miles
  double bearingFromAssumed = 0.0;      // degrees true
  double crossing = 0.0;                // degrees: the angle at which two lines would fix as well as these
};

// The lines must cross at this angle at least for a fix (closer they fix nothing); for
// more than two lines, at the angle two lines would cross at to fix as well.
inline constexpr double kSmallestCrossing = 10.0;

// None, with the message, when a sight cannot be reduced, fewer than two sights are
// given, or the lines are so nearly parallel that the fix would mean nothing.
std::optional<Fix> FixPosition(const FixInput& input, std::string& message);

// The steps of a fix, for fixes that weigh the lines (navigation/robust_fix.h): each
// sight reduced once (Ho, the body's GHA and declination, the miles run to the fix),
// and the fix from them with a weight for each line (all 1: the least-squares fix).
struct ReducedSight {
  std::string body;
  double observed = 0.0, gha = 0.0, declination = 0.0;
  double run = 0.0;  // nautical miles from the sight's time to the fix's
};
std::optional<std::vector<ReducedSight>> ReduceSightsOfFix(const FixInput& input, std::string& message);
Fix FixFromSights(const std::vector<ReducedSight>& sights, const FixInput& input, const std::vector<double>& weights);

// A position moved along a course (degrees true) by a distance (nautical miles).
GeoPosition MovedBy(const GeoPosition& from, double course, double distance);

// The time the fix is for: the one given, else the last sight's (Julian day UT).
double TimeOfFix(const FixInput& input);
// The DR at the sight's time: the DR of the fix run back along the track.
GeoPosition AssumedAtSight(const FixInput& input, const Sight& sight);
// One sight of a fix reduced as the fix reduces it, from the DR at its time: the
// reduction shown for a sight and its line in the fix are one computation.
std::optional<SightReduction> ReduceSightOfFix(const FixInput& input, const Sight& sight, std::string& why);

// The sextant altitude that reduces to an observed altitude (for exercises and tests):
// the sight's corrections undone.
std::optional<double> SextantAltitudeFor(Sight sight, double observedAltitude, double latitude, std::string& why);

}  // namespace orrelin::navigation
