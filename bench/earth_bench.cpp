// Speed of the Earth, Sun and observer computations.
#include <benchmark/benchmark.h>

#include <array>

#include "earth/nutation.h"
#include "earth/observer.h"
#include "earth/rise_set.h"
#include "earth/sun.h"

namespace {

using namespace orrelin;

constexpr double kJd0 = 2461119.5;  // 2026 March 20
constexpr double kDeltaT = 69.2;

void BM_SunApparent(benchmark::State& state) {
  double t = 0.26;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SunApparent(t, nullptr));
    t += 1e-7;
  }
}
BENCHMARK(BM_SunApparent);

void BM_SunApparentExplained(benchmark::State& state) {
  for (auto _ : state) {
    ExplanationLines lines;
    benchmark::DoNotOptimize(SunApparent(0.26, &lines));
  }
}
BENCHMARK(BM_SunApparentExplained);

void BM_SiderealTime(benchmark::State& state) {
  double h = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SiderealTime(h, kJd0));
    h = h > 24 ? 0 : h + 0.001;
  }
}
BENCHMARK(BM_SiderealTime);

void BM_TopocentricCorrection(benchmark::State& state) {
  double h = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TopocentricCorrection({339.53, -15.77}, 0.95, -24.95, 60.16, 10.0, h, kJd0));
    h = h > 24 ? 0 : h + 0.001;
  }
}
BENCHMARK(BM_TopocentricCorrection);

void BM_HorizontalCoordinates(benchmark::State& state) {
  double gha = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HorizontalCoordinates(60.16, -24.95, 10.0, 1010.0, 20.0, gha));
    gha = gha > 360 ? 0 : gha + 0.01;
  }
}
BENCHMARK(BM_HorizontalCoordinates);

// As the Sun's report calls it: the places of three days, then four standard altitudes.
void BM_SunRiseTransitSetFourLevels(benchmark::State& state) {
  constexpr std::array<double, 4> kLevels{kSunRiseAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude,
                                          kAstronomicalTwilightAltitude};
  for (auto _ : state) {
    RiseTransitSetInput in;
    for (int k = 0; k < 3; ++k) {
      const ApparentPlace p = SunApparent((kJd0 - 1 + k - 2451545.0) / 36525.0, nullptr);
      in.rightAscension[k] = p.rightAscension;
      in.declination[k] = p.declination;
    }
    in.deltaT = kDeltaT;
    in.longitude = -24.955;
    in.latitude = 60.1617;
    in.jd0 = kJd0;
    in.utcMinusLocal = -2;
    for (double h0 : kLevels) {
      in.standardAltitude = h0;
      benchmark::DoNotOptimize(RiseTransitSet(in));
    }
  }
}
BENCHMARK(BM_SunRiseTransitSetFourLevels);

}  // namespace
