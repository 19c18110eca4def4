// Speed of the Moon's and the planets' places and of the whole body report.
#include <benchmark/benchmark.h>

#include "app/main_window.h"
#include "moon/moon_position.h"
#include "planets/apparent_place.h"
#include "report/body_report.h"

namespace {

using namespace orrelin;

void BM_MoonPosition(benchmark::State& state) {
  double t = 0.26;
  for (auto _ : state) {
    benchmark::DoNotOptimize(MoonPosition(t, nullptr));
    t += 1e-7;
  }
}
BENCHMARK(BM_MoonPosition);

void BM_PlanetApparentPlace(benchmark::State& state) {
  const auto planet = static_cast<Planet>(state.range(0));
  const double jd = 2461118.5;
  double t = (jd - 2415020.0) / 36525.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlanetApparentPlace(planet, t, jd, nullptr));
    t += 1e-7;
  }
}
BENCHMARK(BM_PlanetApparentPlace)->DenseRange(0, 6)->ArgNames({"planet"});

void BM_BodyReport(benchmark::State& state, const char* body) {
  RecordingMessageSink sink;
  for (auto _ : state) {
    MainWindowRecord main;
    PutFirstStartDefaults(main);
    main.date = {2026, 3, 21};
    main.time = "10:00:00";
    main.utcMinusLocal = "-2";
    main.body = *BodyOfCode(body);
    ReportWindowRecord report;
    report = BodyReport(main, report, sink).report;
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK_CAPTURE(BM_BodyReport, Sun, "SUN");
BENCHMARK_CAPTURE(BM_BodyReport, Moon, "MOON");
BENCHMARK_CAPTURE(BM_BodyReport, Saturn, "SATURN");

}  // namespace
