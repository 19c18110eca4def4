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

// How far a pair's separation can move in a day.
double PairMotion(std::size_t pair) {
  return LargestDailyMotion(kOrder[kPairPlanets[pair].first]) + LargestDailyMotion(kOrder[kPairPlanets[pair].second]);
}

// Runs work(t) for t = 0 .. threads - 1, on as many threads.
template <class Work>
void OnThreads(int threads, const Work& work) {
  if (threads <= 1) {
    work(0);
    return;
  }
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) workers.emplace_back([&work, t] { work(t); });
  for (auto& w : workers) w.join();
}

// The geocentric places of the first hour of each day of the range and of the day after
// it: day d's hour 25 is day d + 1's hour 1, to the bit.
std::vector<Places> DailyPlaces(const ProximityInput& in, int days, int threads) {
  std::vector<Places> daily(static_cast<std::size_t>(days) + 1);
  std::atomic<int> daysDone{0};
  OnThreads(threads, [&](int t) {
    for (int day = t; day <= days; day += threads) {
      if (in.stop != nullptr && in.stop->load()) return;
      daily[static_cast<std::size_t>(day)] = PlacesAt(SampleMoment(in.firstDay, day, 1));
      if (day == days) continue;
      const int done = ++daysDone;
      if (in.progress) in.progress(done);
    }
  });
  return daily;
}

// An hour the pair can be below the limit in, with the least its separation can be then.
struct Candidate {
  double floor = 0.0;
  int day = 0, hour = 0;  // hour 1..25 of the day, as the samples count them
};

// Every sample of the range once (hour 25 only on the last day: elsewhere it is the next
// day's hour 1) whose floor leaves the pair a chance below the limit, the lowest first.
std::vector<Candidate> PairCandidates(const std::vector<std::array<double, kProximityPairs>>& distances,
                                      std::size_t pair) {
  const double motion = PairMotion(pair);
  const int days = static_cast<int>(distances.size()) - 1;
  std::vector<Candidate> candidates;
  for (int day = 0; day < days; ++day) {
    const double atStart = distances[static_cast<std::size_t>(day)][pair];
    const double atEnd = distances[static_cast<std::size_t>(day) + 1][pair];
    for (int hour = 1; hour <= (day + 1 == days ? 25 : 24); ++hour) {
      const double floor = SeparationFloor(atStart, atEnd, motion, (hour - 1) / 24.0) - kTopocentricAllowance;
      if (floor < kProximityLimit) candidates.push_back({floor, day, hour});
    }
  }
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const Candidate& a, const Candidate& b) { return a.floor < b.floor; });
  return candidates;
}

// The pair's closest sample: its candidates computed from the observer, the lowest floor
// first, until the floors pass the smallest separation found. A sample left out has a
// floor above that separation, so it can be neither smaller nor equal; the earliest of
// equal separations wins, as in the hour-by-hour search.
std::optional<PairClosest> ClosestOfPair(const ProximityInput& in, std::size_t pair, const std::vector<Places>& daily,
                                         const std::vector<Candidate>& candidates) {
  const GeocentricPosition geocentric = ObserverGeocentric(in.observer.latitude, in.observer.height);
  Planets planets{};
  const std::size_t first = kPairPlanets[pair].first, second = kPairPlanets[pair].second;
  planets[first] = planets[second] = true;
  std::optional<PairClosest> best;
  for (const Candidate& c : candidates) {
    if (in.stop != nullptr && in.stop->load()) break;
    if (best && c.floor > best->separation) break;
    const double moment = SampleMoment(in.firstDay, c.day, c.hour);
    const std::size_t day = static_cast<std::size_t>(c.day);
    const Places places = c.hour == 1 ? daily[day] : c.hour == 25 ? daily[day + 1] : PlacesAt(moment, planets);
    const std::array<Sky, 7> sky = SkyOf(places, moment, in.observer, geocentric, planets);
    const double s = ProximitySeparation(sky[first].altitude, sky[first].azimuth, sky[second].altitude, sky[second].azimuth);
    const double instant = moment + in.deltaTSeconds / 86400.0;
    if (s < kProximityLimit && (!best || s < best->separation || (s == best->separation && instant < best->instant))) {
      best = PairClosest{s, instant};
    }
  }
  return best;
}

// The range's closest sample of each pair: the same result as computing every hour, with
// the geocentric places of each day's first hour computed for all planets, and the places
// seen from the observer only in the hours, and for the pairs, whose floor can still
// hold the pair's smallest separation.
Bests SearchScreened(const ProximityInput& in) {
  const int days = std::max(0, in.days);
  const int threads = std::clamp(in.threads, 1, std::max(1, days));
  const std::vector<Places> daily = DailyPlaces(in, days, threads);
  std::vector<std::array<double, kProximityPairs>> distances;
  distances.reserve(daily.size());
  for (const Places& places : daily) distances.push_back(PairDistances(places));
  Bests best;
  if (in.stop != nullptr && in.stop->load()) return best;
  const int workers = std::min(threads, kProximityPairs);
  OnThreads(workers, [&](int t) {
    for (std::size_t pair = static_cast<std::size_t>(t); pair < best.size(); pair += static_cast<std::size_t>(workers)) {
      best[pair] = ClosestOfPair(in, pair, daily, PairCandidates(distances, pair));
    }
  });
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
  return SearchScreened(in);
}

std::array<std::optional<PairClosest>, kProximityPairs> ProximitySearchEveryHour(const ProximityInput& in) {
  return SearchInParts(in, SearchEveryHour);
}

}  // namespace orrelin
