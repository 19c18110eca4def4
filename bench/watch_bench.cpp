// The sights of every watch: local apparent noon at rest and under way, the latitude by
// Polaris, and the deviation card's least-squares fit.
#include <benchmark/benchmark.h>

#include <cmath>

#include "navigation/deviation_card.h"
#include "navigation/noon.h"
#include "navigation/polaris.h"

namespace {

using namespace orrelin;
using namespace orrelin::navigation;

void BM_LocalApparentNoon(benchmark::State& state) {
  const double speed = static_cast<double>(state.range(0));
  double day = 2461212.5;
  std::string why;
  for (auto _ : state) {
    day += 1.0;  // a new day each time
    const ShipTrack track{{45.0, -30.0}, day + 0.5, 200.0, speed};
    benchmark::DoNotOptimize(LocalApparentNoon(track, day, why));
  }
}
BENCHMARK(BM_LocalApparentNoon)->Arg(0)->Arg(20)->ArgNames({"knots"})->Unit(benchmark::kMillisecond);

void BM_LatitudeByPolaris(benchmark::State& state) {
  Sight sight;
  sight.body = "Polaris";
  sight.sextantAltitude = 42.3;
  sight.heightOfEye = 10.0;
  sight.julianDayUt = 2461305.3;
  std::string why;
  for (auto _ : state) {
    sight.julianDayUt += 0.001;
    benchmark::DoNotOptimize(LatitudeByPolaris(sight, {42.5, -40.25}, why));
  }
}
BENCHMARK(BM_LatitudeByPolaris)->Unit(benchmark::kMicrosecond);

void BM_DeviationFit(benchmark::State& state) {
  std::vector<HeadingDeviation> swing;
  for (int i = 0; i < state.range(0); ++i) {
    const double h = std::fmod(i * 360.0 / 16.0, 360.0);
    swing.push_back({h, 1.0 + 2.0 * std::sin(h * M_PI / 180.0) - std::cos(2.0 * h * M_PI / 180.0)});
  }
  for (auto _ : state) benchmark::DoNotOptimize(FitDeviation(swing));
}
BENCHMARK(BM_DeviationFit)->Arg(8)->Arg(16)->Arg(64)->ArgNames({"headings"});

}  // namespace
