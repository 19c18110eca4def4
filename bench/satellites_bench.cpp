// Speed of Jupiter's satellites and of what the satellites window shows of them.
#include <benchmark/benchmark.h>

#include "planets/jupiter_satellites.h"
#include "planets/jupiter_window.h"

namespace {

using namespace orrelin;

void BM_JupiterSatellites(benchmark::State& state) {
  double hours = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(JupiterSatellites(2448972.5, hours));
    hours += 0.001;
  }
}
BENCHMARK(BM_JupiterSatellites);

void BM_JupiterWindowContents(benchmark::State& state) {
  const SatellitePositions p = JupiterSatellites(2448972.5, 0.016);
  bool inverted = false;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DrawJupiterSatellites(p, inverted, 345));
    inverted = !inverted;
  }
}
BENCHMARK(BM_JupiterWindowContents);

}  // namespace
