// Speed of the numeric foundation: degree trigonometry, text forms, Julian day, Delta T.
#include <benchmark/benchmark.h>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/calendar.h"
#include "core/delta_t.h"

namespace {

using namespace orrelin;

void BM_SinCosDeg(benchmark::State& state) {
  double x = 12.345;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SinDeg(x) + CosDeg(x));
    x += 0.001;
  }
}
BENCHMARK(BM_SinCosDeg);

void BM_ArcSinDeg(benchmark::State& state) {
  double x = 0.25;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ArcSinDeg(x));
    x = x > 0.9 ? -0.9 : x + 0.0001;
  }
}
BENCHMARK(BM_ArcSinDeg);

void BM_QuadrantArcTan(benchmark::State& state) {
  double a = -0.3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(QuadrantArcTan(a, 0.7));
    a = a > 0.9 ? -0.9 : a + 0.0001;
  }
}
BENCHMARK(BM_QuadrantArcTan);

void BM_NormalizeAngle(benchmark::State& state) {
  double x = -12345.678;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NormalizeAngle(x));
    x += 0.37;
  }
}
BENCHMARK(BM_NormalizeAngle);

void BM_DegMinSecText(benchmark::State& state) {
  double x = -23.4392;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DegMinSecText(x));
    x += 0.0001;
  }
}
BENCHMARK(BM_DegMinSecText);

void BM_HourMinSecText(benchmark::State& state) {
  double h = 13.2254;
  for (auto _ : state) {
    benchmark::DoNotOptimize(HourMinSecText(h));
    h += 0.0001;
  }
}
BENCHMARK(BM_HourMinSecText);

void BM_LocalHourMinText(benchmark::State& state) {
  double h = 6.0833;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LocalHourMinText(h, -2.0));
    h += 0.0001;
  }
}
BENCHMARK(BM_LocalHourMinText);

void BM_JulianDay(benchmark::State& state) {
  bool valid = false;
  const TCalendarDate date = DateToRecord({1987, 4, 10}, valid);
  double hours = 0.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(JulianDay(date, hours, false));
    hours += 0.001;
  }
}
BENCHMARK(BM_JulianDay);

void BM_DeltaT(benchmark::State& state) {
  double t = -0.3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DeltaT(t));
    t = t > 0.3 ? -0.3 : t + 0.00001;
  }
}
BENCHMARK(BM_DeltaT);

}  // namespace
