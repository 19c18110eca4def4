#include "almanac/proximity.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "almanac/proximity_screen.h"
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

using Places = std::array<ApparentPlace, 7>;
using Planets = std::array<bool, 7>;               // which of the seven, in the search's order
using Pairs = std::array<bool, kProximityPairs>;  // which of the pairs
constexpr Planets kAllPlanets{true, true, true, true, true, true, true};

// The two planets (indices in the search's order) of each pair.
struct PairPlanets {
  std::size_t first = 0, second = 0;
};
constexpr std::array<PairPlanets, kProximityPairs> kPairPlanets = [] {
  std::array<PairPlanets, kProximityPairs> pairs{};
  std::size_t pair = 0;
  for (std::size_t i = 0; i < kOrder.size(); ++i) {
    for (std::size_t j = i + 1; j < kOrder.size(); ++j, ++pair) pairs[pair] = {i, j};
  }
  return pairs;
}();

// The planets' apparent geocentric places at one UT moment (only those asked for): the
// Sun, the nutation and the obliquity of the instant serve all of them.
Places PlacesAt(double moment, const Planets& wanted = kAllPlanets) {
  const PlanetMoment shared = PlanetMomentAt((moment - 2415020.0) / 36525.0, moment);
  Places places{};
  for (std::size_t i = 0; i < kOrder.size(); ++i) {
    if (wanted[i]) places[i] = PlanetApparentPlace(*PlanetOf(kOrder[i]), shared);
  }
  return places;
}

// The planets of one UT moment (only those asked for), seen from the place.
std::array<Sky, 7> SkyOf(const Places& places, double moment, const Observer& o, const GeocentricPosition& geocentric,
                         const Planets& wanted = kAllPlanets) {
  const double jd0 = std::floor(moment - 0.5) + 0.5;
  const double hours = (moment - jd0) * 24.0;
  const double theta = SiderealTime(hours, jd0).apparent;
  std::array<Sky, 7> sky{};
  for (std::size_t i = 0; i < places.size(); ++i) {
    if (!wanted[i]) continue;
    const ApparentPlace& p = places[i];
    const EquatorialPlace topocentric =
        TopocentricCorrection({p.rightAscension, p.declination}, p.parallax, o.longitude, geocentric, theta);
    const HorizontalResult h = HorizontalPlace(o.latitude, o.longitude, topocentric.declination,
                                               HourAngle(topocentric.rightAscension, theta));
    sky[i] = {h.altitude, h.azimuth};
  }
  return sky;
}

// Each pair's separation at one sample (only the pairs asked for), kept when it is below
// the limit and smaller than the pair's best so far (so the earliest sample keeps a tie).
void KeepClosest(const std::array<Sky, 7>& sky, double instant, std::array<double, kProximityPairs>& smallest,
                 Bests& best, const Pairs& wanted) {
  for (std::size_t pair = 0; pair < kPairPlanets.size(); ++pair) {
    if (!wanted[pair]) continue;
    const Sky& a = sky[kPairPlanets[pair].first];
    const Sky& b = sky[kPairPlanets[pair].second];
    const double s = ProximitySeparation(a.altitude, a.azimuth, b.altitude, b.azimuth);
    if (s < kProximityLimit && s < smallest[pair]) {
      smallest[pair] = s;
      best[pair] = PairClosest{s, instant};
    }
  }
}

// Days [from, to) of the range, every hour computed, with the running best of each pair.
Bests SearchEveryHour(const ProximityInput& in, int from, int to, std::atomic<int>& daysDone) {
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
      if (!(hour == 1 && day > from)) sky = SkyOf(PlacesAt(moment), moment, in.observer, geocentric);
      Pairs all;
      all.fill(true);
      KeepClosest(sky, moment + in.deltaTSeconds / 86400.0, smallest, best, all);
    }
    const int done = ++daysDone;
    if (in.progress) in.progress(done);
  }
  return best;
}

// Each pair's geocentric separation at one moment.
std::array<double, kProximityPairs> PairDistances(const Places& places) {
  std::array<double, kProximityPairs> distances{};
  for (std::size_t pair = 0; pair < kPairPlanets.size(); ++pair) {
    const ApparentPlace& a = places[kPairPlanets[pair].first];
    const ApparentPlace& b = places[kPairPlanets[pair].second];
    distances[pair] = AngularDistance(a.rightAscension, a.declination, b.rightAscension, b.declination);
  }
  return distances;
}

// How far each pair's separation can move in a day.
std::array<double, kProximityPairs> PairMotions() {
  std::array<double, kProximityPairs> motions{};
  for (std::size_t pair = 0; pair < kPairPlanets.size(); ++pair) {
    motions[pair] = LargestDailyMotion(kOrder[kPairPlanets[pair].first]) + LargestDailyMotion(kOrder[kPairPlanets[pair].second]);
  }
  return motions;
}

// The pairs that can be below the limit `fraction` of the day after its first hour.
Pairs PairsThatCanBeNear(const std::array<double, kProximityPairs>& atStart, const std::array<double, kProximityPairs>& atEnd,
                         const std::array<double, kProximityPairs>& motions, double fraction) {
  Pairs near{};
  for (std::size_t p = 0; p < motions.size(); ++p) {
    near[p] = SeparationFloor(atStart[p], atEnd[p], motions[p], fraction) - kTopocentricAllowance < kProximityLimit;
  }
  return near;
}

// The planets of some of the pairs.
Planets PlanetsOf(const Pairs& pairs) {
  Planets planets{};
  for (std::size_t p = 0; p < pairs.size(); ++p) {
    if (!pairs[p]) continue;
    planets[kPairPlanets[p].first] = true;
    planets[kPairPlanets[p].second] = true;
  }
  return planets;
}

// Days [from, to) of the range, with the running best of each pair: the same result as
// computing every hour, with the places seen from the observer computed only in the
// hours, and for the pairs, that the geocentric places of the day's first hour and the
// next day's leave a chance to be below the limit.
Bests SearchDays(const ProximityInput& in, int from, int to, std::atomic<int>& daysDone) {
  Bests best;
  std::array<double, kProximityPairs> smallest;
  smallest.fill(99.0);
  const GeocentricPosition geocentric = ObserverGeocentric(in.observer.latitude, in.observer.height);
  const std::array<double, kProximityPairs> motions = PairMotions();
  Places start = PlacesAt(SampleMoment(in.firstDay, from, 1));
  std::array<double, kProximityPairs> atStart = PairDistances(start);
  for (int day = from; day < to; ++day) {
    if (in.stop != nullptr && in.stop->load()) break;
    // Hour 25 is the next day's hour 1, to the bit: its places serve both days.
    const Places end = PlacesAt(SampleMoment(in.firstDay, day, 25));
    const std::array<double, kProximityPairs> atEnd = PairDistances(end);
    for (int hour = 1; hour <= 25; ++hour) {
      const Pairs near = PairsThatCanBeNear(atStart, atEnd, motions, (hour - 1) / 24.0);
      const Planets planets = PlanetsOf(near);
      if (std::none_of(planets.begin(), planets.end(), [](bool p) { return p; })) continue;
      const double moment = SampleMoment(in.firstDay, day, hour);
      const Places places = hour == 1 ? start : hour == 25 ? end : PlacesAt(moment, planets);
      KeepClosest(SkyOf(places, moment, in.observer, geocentric, planets), moment + in.deltaTSeconds / 86400.0,
                  smallest, best, near);
    }
    start = end;
    atStart = atEnd;
    const int done = ++daysDone;
    if (in.progress) in.progress(done);
  }
  return best;
}

using DaysSearch = Bests (*)(const ProximityInput&, int, int, std::atomic<int>&);

// The range cut into one run of days per thread, the parts merged in time order: a later
// part wins only with a strictly smaller separation, so the earliest sample keeps a tie
// whatever the number of threads.
Bests SearchInParts(const ProximityInput& in, DaysSearch search) {
  const int days = std::max(0, in.days);
  const int threads = std::clamp(in.threads, 1, std::max(1, days));
  std::vector<Bests> parts(static_cast<std::size_t>(threads));
  std::atomic<int> daysDone{0};
  auto chunkStart = [&](int t) { return static_cast<int>(static_cast<long long>(days) * t / threads); };
  if (threads == 1) {
    parts[0] = search(in, 0, days, daysDone);
  } else {
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
      workers.emplace_back([&, t] { parts[static_cast<std::size_t>(t)] = search(in, chunkStart(t), chunkStart(t + 1), daysDone); });
    }
    for (auto& w : workers) w.join();
  }
  Bests merged;
  for (const Bests& part : parts) {
    for (std::size_t p = 0; p < merged.size(); ++p) {
      if (part[p] && (!merged[p] || part[p]->separation < merged[p]->separation)) merged[p] = part[p];
    }
  }
  return merged;
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
  return SearchInParts(in, SearchDays);
}

std::array<std::optional<PairClosest>, kProximityPairs> ProximitySearchEveryHour(const ProximityInput& in) {
  return SearchInParts(in, SearchEveryHour);
}

}  // namespace orrelin
