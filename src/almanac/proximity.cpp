#include "almanac/proximity.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "earth/nutation.h"
#include "planets/apparent_place.h"

namespace orrelin {

namespace {

// The planets in the search's order: Jupiter, Mars, Mercury, Saturn, Neptune, Uranus, Venus.
constexpr std::array<Body, 7> kOrder{Body::kJupiter, Body::kMars,   Body::kMercury, Body::kSaturn,
                                     Body::kNeptune, Body::kUranus, Body::kVenus};

struct Sky {
  double altitude = 0.0, azimuth = 0.0;
};

using Bests = std::array<std::optional<PairClosest>, kProximityPairs>;

// Sample `hour` (1..25) of day `day`: hour 25 is hour 1 of the next day, to the bit.
double SampleMoment(double firstDay, int day, int hour) {
  if (hour == 25) return SampleMoment(firstDay, day + 1, 1);
  return firstDay + day + hour / 24.0;
}

// The seven planets at one UT moment, seen from the place.
std::array<Sky, 7> PlanetsAt(double moment, const Observer& o, const GeocentricPosition& geocentric) {
  const double jd0 = std::floor(moment - 0.5) + 0.5;
  const double hours = (moment - jd0) * 24.0;
  const double theta = SiderealTime(hours, jd0).apparent;
  // The Sun, the nutation and the obliquity of the instant serve all seven.
  const PlanetMoment shared = PlanetMomentAt((moment - 2415020.0) / 36525.0, moment);
  std::array<Sky, 7> sky{};
  for (std::size_t i = 0; i < kOrder.size(); ++i) {
    const ApparentPlace p = PlanetApparentPlace(*PlanetOf(kOrder[i]), shared);
    const EquatorialPlace topocentric =
        TopocentricCorrection({p.rightAscension, p.declination}, p.parallax, o.longitude, geocentric, theta);
    const HorizontalResult h = HorizontalPlace(o.latitude, o.longitude, topocentric.declination,
                                               HourAngle(topocentric.rightAscension, theta));
    sky[i] = {h.altitude, h.azimuth};
  }
  return sky;
}

// Days [from, to) of the range, with the running best of each pair.
Bests SearchDays(const ProximityInput& in, int from, int to, std::atomic<int>& daysDone) {
  Bests best;
  std::array<double, kProximityPairs> smallest;
  smallest.fill(99.0);
  const GeocentricPosition geocentric = ObserverGeocentric(in.observer.latitude, in.observer.height);
  std::array<Sky, 7> sky{};
  for (int day = from; day < to; ++day) {
    if (in.stop != nullptr && in.stop->load()) break;
    for (int hour = 1; hour <= 25; ++hour) {
      // The local hour as a UT moment (the range's days already hold the offset). Hour 25
      // is the next day's hour 1: the same moment, computed once.
      const double moment = SampleMoment(in.firstDay, day, hour);
      if (!(hour == 1 && day > from)) sky = PlanetsAt(moment, in.observer, geocentric);
      int pair = 0;
      for (std::size_t i = 0; i < sky.size(); ++i) {
        for (std::size_t j = i + 1; j < sky.size(); ++j, ++pair) {
          const double s = ProximitySeparation(sky[i].altitude, sky[i].azimuth, sky[j].altitude, sky[j].azimuth);
          if (s < kProximityLimit && s < smallest[static_cast<std::size_t>(pair)]) {
            smallest[static_cast<std::size_t>(pair)] = s;
            best[static_cast<std::size_t>(pair)] = PairClosest{s, moment + in.deltaTSeconds / 86400.0};
          }
        }
      }
    }
    const int done = ++daysDone;
    if (in.progress) in.progress(done);
  }
  return best;
}

}  // namespace

PairNames ProximityPairNames(int pair) {
  int p = 0;
  for (std::size_t i = 0; i < kOrder.size(); ++i) {
    for (std::size_t j = i + 1; j < kOrder.size(); ++j, ++p) {
      if (p != pair) continue;
      // Two pairs name their second planet first: Saturn before Mercury, Venus before Uranus.
      const bool swapped = (kOrder[i] == Body::kMercury && kOrder[j] == Body::kSaturn) ||
                           (kOrder[i] == Body::kUranus && kOrder[j] == Body::kVenus);
      const char* first = BodyName(kOrder[i]).data();
      const char* second = BodyName(kOrder[j]).data();
      return swapped ? PairNames{second, first} : PairNames{first, second};
    }
  }
  return {"", ""};
}

double ProximitySeparation(double altitude1, double azimuth1, double altitude2, double azimuth2) {
  const double azimuths = std::fabs(azimuth1 - azimuth2);
  return std::fabs(altitude1 - altitude2) + std::min(azimuths, 360.0 - azimuths);
}

std::array<std::optional<PairClosest>, kProximityPairs> ProximitySearch(const ProximityInput& in) {
  const int days = std::max(0, in.days);
  const int threads = std::clamp(in.threads, 1, std::max(1, days));
  std::vector<Bests> parts(static_cast<std::size_t>(threads));
  std::atomic<int> daysDone{0};
  auto chunkStart = [&](int t) { return static_cast<int>(static_cast<long long>(days) * t / threads); };
  if (threads == 1) {
    parts[0] = SearchDays(in, 0, days, daysDone);
  } else {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
      workers.emplace_back([&, t] { parts[static_cast<std::size_t>(t)] = SearchDays(in, chunkStart(t), chunkStart(t + 1), daysDone); });
    }
    for (auto& w : workers) w.join();
  }
  // The parts in time order: a later part wins only with a strictly smaller separation,
  // so the earliest sample keeps a tie whatever the number of threads.
  Bests merged;
  for (const Bests& part : parts) {
    for (std::size_t p = 0; p < merged.size(); ++p) {
      if (part[p] && (!merged[p] || part[p]->separation < merged[p]->separation)) merged[p] = part[p];
    }
  }
  return merged;
}

}  // namespace orrelin
