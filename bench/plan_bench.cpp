// The twilight plan: the three twilight moments at a ship under way, every navigational
// star, planet, the Moon and the Sun at the planned moment with its preset sextant
// altitude, and the recommendation.
#include <benchmark/benchmark.h>

#include "navigation/twilight_plan.h"
#include "stars/star_file.h"

namespace {

void BM_PlanTwilightUnderWay(benchmark::State& state) {
  const orrelin::StarCatalogue catalogue = orrelin::LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  orrelin::navigation::PlanInput in;
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    in.stars.push_back({catalogue.records[i].Name(), catalogue.magnitudes[i]});
  }
  in.dayJulianDayUt = 2461384.5;  // 2026-12-10
  in.track = {{59.8333, 24.8333}, 2461385.0, 225.0, 12.0};
  in.twilight = orrelin::navigation::Twilight::kEvening;
  in.sextant.heightOfEye = 3.0;
  for (auto _ : state) {
    std::string why;
    auto plan = orrelin::navigation::PlanTwilight(in, why);
    if (!plan || plan->bodies.empty()) {
      state.SkipWithError(why.c_str());
      break;
    }
    benchmark::DoNotOptimize(plan);
  }
}
BENCHMARK(BM_PlanTwilightUnderWay)->Unit(benchmark::kMillisecond);

}  // namespace
