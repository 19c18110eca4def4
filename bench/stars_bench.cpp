// Speed of a star's apparent place and of reading the catalogue.
#include <benchmark/benchmark.h>

#include "stars/star_file.h"
#include "stars/star_place.h"

namespace {

using namespace orrelin;

void BM_StarApparentPlace(benchmark::State& state) {
  const StarValues sirius{"Sirius", 6.752478, -16.716111, -0.038, -1.223};
  double t = 0.26;
  for (auto _ : state) {
    benchmark::DoNotOptimize(StarApparentPlace(sirius, t, nullptr));
    t += 1e-7;
  }
}
BENCHMARK(BM_StarApparentPlace);

void BM_LoadStarFile(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(LoadStarFile(ORRELIN_SHIPPED_STAR_FILE));
}
BENCHMARK(BM_LoadStarFile);

}  // namespace
