#pragma once
// Planets seen near each other from a place: every whole local hour of a range of days,
// the altitude and azimuth of the seven planets, and for each of the 21 pairs the
// hour of its smallest separation below 3 degrees.
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "earth/observer.h"

namespace orrelin {

inline constexpr int kProximityPairs = 21;
inline constexpr double kProximityLimit = 3.0;  // degrees

// The two names of pair p (0..20) as the almanac words them.
struct PairNames {
  const char* first;
  const char* second;
};
PairNames ProximityPairNames(int pair);

struct PairClosest {
  double separation = 0.0;  // degrees, |dh| + |dA| (the azimuths the short way round)
  double instant = 0.0;     // the sample's UT moment plus Delta T: a JDE
};

struct ProximityInput {
  double firstDay = 0.0;  // UT Julian day of the local midnight that begins the range
  int days = 0;
  Observer observer;      // already checked
  double deltaTSeconds = 0.0;  // the almanac's one Delta T of the year
  int threads = 1;        // the result does not depend on it
  // Days done so far; called from the working threads (it must be safe to call from them).
  std::function<void(int)> progress;
  // Set from outside to end the search early (its result is then incomplete).
  const std::atomic<bool>* stop = nullptr;
};

// For each pair, the earliest sample of its smallest separation below 3 degrees.
std::array<std::optional<PairClosest>, kProximityPairs> ProximitySearch(const ProximityInput& input);
// The same, computing every hour of every day: the reference the quicker search must
// equal, kept for the tests.
std::array<std::optional<PairClosest>, kProximityPairs> ProximitySearchEveryHour(const ProximityInput& input);

// The separation of two places in the sky as the search measures it.
double ProximitySeparation(double altitude1, double azimuth1, double altitude2, double azimuth2);

}  // namespace orrelin
