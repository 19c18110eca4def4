// Speed of the yearly almanac: a "partial" year, and a "total" year with the planets
// seen near each other (about 64,000 planet positions), on every core and on one.
#include <benchmark/benchmark.h>

#include <thread>

#include "almanac/almanac_year.h"
#include "almanac/proximity.h"

namespace {

using namespace orrelin;

void BM_AlmanacPartialYear(benchmark::State& state) {
  for (auto _ : state) {
    const AlmanacRange range = AlmanacRangeOf(2026, -2);
    std::vector<AlmanacEvent> events = CollectYearEvents(range);
    SortEvents(events);
    benchmark::DoNotOptimize(AlmanacLines(events, range));
  }
}
BENCHMARK(BM_AlmanacPartialYear)->Unit(benchmark::kMillisecond);

void BM_AlmanacTotalYear(benchmark::State& state) {
  const int threads = state.range(0) == 0 ? static_cast<int>(std::thread::hardware_concurrency()) : 1;
  for (auto _ : state) {
    const AlmanacRange range = AlmanacRangeOf(2026, -2);
    std::vector<AlmanacEvent> events = CollectYearEvents(range);
    ProximityInput in;
    in.firstDay = range.start;
    in.days = static_cast<int>(range.end - range.start + 0.5);
    in.observer.latitude = 60.16;
    in.observer.longitude = -24.955;
    in.deltaTSeconds = range.deltaTSeconds;
    in.threads = threads;
    const auto near = ProximityEvents(ProximitySearch(in));
    events.insert(events.end(), near.begin(), near.end());
    SortEvents(events);
    benchmark::DoNotOptimize(AlmanacLines(events, range));
  }
  state.SetLabel(std::to_string(threads) + " thread(s)");
}
BENCHMARK(BM_AlmanacTotalYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
