// The precise chain: one body's place, the almanac's quantities of a body, the precise
// report, and a whole pair of daily pages.
#include <benchmark/benchmark.h>

#include "daily/daily_pages.h"
#include "precise/nautical.h"
#include "navigation/fix.h"
#include "navigation/sights_file.h"
#include "report/body_report.h"

namespace {

using namespace orrelin;

void BM_PreciseBodyPlace(benchmark::State& state) {
  const auto body = static_cast<precise::Body>(state.range(0));
  double jd = 2461383.5;
  std::string why;
  for (auto _ : state) {
    jd += 0.001;  // a new moment each time: nothing the library may keep
    benchmark::DoNotOptimize(
        precise::BodyPlace(body, MomentOfJulianDayUt(jd), precise::Frame::kApparent, std::nullopt, why));
  }
}
BENCHMARK(BM_PreciseBodyPlace)->Arg(0)->Arg(1)->Arg(6)->ArgNames({"body"});

void BM_PreciseStarPlace(benchmark::State& state) {
  double jd = 2461383.5;
  std::string why;
  for (auto _ : state) {
    jd += 0.001;
    benchmark::DoNotOptimize(precise::StarPlace("Sirius", MomentOfJulianDayUt(jd), precise::Frame::kApparent, why));
  }
}
BENCHMARK(BM_PreciseStarPlace);

void BM_NauticalPlaceOfTheMoon(benchmark::State& state) {
  const auto moon = *precise::NauticalBodyNamed("moon");
  const Observer helsinki{60.1617, -24.955, 10, 1010, 10, -2, {}};
  double jd = 2461383.5;
  std::string why;
  for (auto _ : state) {
    jd += 0.001;
    benchmark::DoNotOptimize(precise::NauticalPlaceOf(moon, MomentOfJulianDayUt(jd), helsinki, why));
  }
}
BENCHMARK(BM_NauticalPlaceOfTheMoon);

void BM_PreciseReport(benchmark::State& state) {
  MainWindowRecord m;
  m.latDeg = "60";
  m.latMin = "9.7";
  m.lonDeg = "24";
  m.lonMin = "57.3";
  m.height = "0";
  m.pressure = "1010";
  m.temperature = "10";
  m.date = {2026, 12, 8};
  m.utcMinusLocal = "-2";
  m.time = "18:00:00";
  m.body = Body::kMoon;
  m.precise = true;
  for (auto _ : state) {
    ReportWindowRecord report;
    RecordingMessageSink sink;
    report = BodyReport(m, report, sink).report;
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_PreciseReport)->Unit(benchmark::kMicrosecond);

void BM_DailyPages(benchmark::State& state) {
  std::string why;
  for (auto _ : state) benchmark::DoNotOptimize(daily::ComputeDailyPages({2026, 12, 8}, why));
}
BENCHMARK(BM_DailyPages)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

using namespace orrelin;

// Three stars from a ship under way, as the manual's worked example.
navigation::FixInput WorkedExample(std::size_t sights) {
  navigation::FixInput in;
  const char* lines[] = {"2026-09-21 20:00:00,Vega,,74 43.9,-1.2,12,1020,18",
                         "2026-09-21 20:20:00,Arcturus,,42 12.1,-1.2,12,1020,18",
                         "2026-09-21 20:40:00,Altair,,53 32.8,-1.2,12,1020,18",
                         "2026-09-21 20:40:00,Deneb,,61 59.8,-1.2,12,1020,18",
                         "2026-09-21 20:40:00,Antares,,21 20.5,-1.2,12,1020,18"};
  for (std::size_t i = 0; i < sights; ++i) {
    std::string problem;
    in.sights.push_back(*navigation::ReadSightLine(lines[i], problem));
  }
  in.assumed = {35 + 20.0 / 60, -(40 + 40.0 / 60)};
  in.course = 225;
  in.speed = 12;
  return in;
}

void BM_SightReduction(benchmark::State& state) {
  const navigation::FixInput in = WorkedExample(1);
  std::string why;
  for (auto _ : state) benchmark::DoNotOptimize(navigation::ReduceSight(in.sights[0], in.assumed, why));
}
BENCHMARK(BM_SightReduction)->Unit(benchmark::kMicrosecond);

void BM_FixFromFiveSights(benchmark::State& state) {
  const navigation::FixInput in = WorkedExample(5);
  std::string message;
  for (auto _ : state) benchmark::DoNotOptimize(navigation::FixPosition(in, message));
}
BENCHMARK(BM_FixFromFiveSights)->Unit(benchmark::kMicrosecond);

}  // namespace
