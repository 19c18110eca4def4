#pragma once
// Which bodies of a twilight plan to shoot: the triad that cuts best and the best pair,
// marked among all the bodies listed, never instead of them, and the rule that chose
// them said in words.
#include <optional>
#include <string>
#include <vector>

namespace orrelin::navigation {

struct PlannedBody {
  std::string name;
  double hc = 0.0;         // computed altitude, degrees
  double zn = 0.0;         // true azimuth, degrees 0..360
  double magnitude = 0.0;
};

struct AltitudeBand {
  double lowest = 15.0, highest = 70.0;  // degrees, both in the band
};

struct Recommendation {
  std::vector<std::size_t> triad;             // three indices into the bodies, in their order; none
  std::optional<std::pair<std::size_t, std::size_t>> pair;  // the best two-body fix
  double triadSpread = 0.0;                   // the triad's smallest difference of azimuth, degrees
  double pairAngle = 0.0;                     // the pair's difference of azimuth, degrees
  std::string rule;                           // how they were chosen, or why there is no triad
};

// Two triads whose smallest differences of azimuth are within this of each other cut as
// well: the brighter (the smaller sum of magnitudes) is taken.
inline constexpr double kTriadTolerance = 1.0;  // degrees

// The difference of two azimuths the short way round, 0..180 degrees.
double AzimuthDifference(double zn1, double zn2);

// Among the bodies in the band: the three whose smallest pairwise difference of azimuth
// is largest (of those within kTriadTolerance of the largest, the brightest), and the two
// whose difference of azimuth is closest to 90 degrees (the brighter of those within
// kTriadTolerance). Fewer than three bodies in the band: no triad, and the rule says so.
Recommendation RecommendBodies(const std::vector<PlannedBody>& bodies, const AltitudeBand& band);

}  // namespace orrelin::navigation
