// The altitude graph of four bodies at 10-minute steps, and tonight's list of the
// planets, the Moon and the catalogue's stars to magnitude 3.
#include <benchmark/benchmark.h>

#include "sky/altitude_graph.h"
#include "sky/tonight_list.h"
#include "stars/star_file.h"

namespace {

orrelin::Observer Helsinki() {
  orrelin::Observer o;
  o.latitude = 60.1617;
  o.longitude = -24.955;
  o.utcMinusLocal = -2;
  return o;
}

void BM_AltitudeGraphOfFourBodies(benchmark::State& state) {
  const orrelin::StarCatalogue catalogue = orrelin::LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  orrelin::sky::GraphInput in;
  in.observer = Helsinki();
  in.dayJulianDayUt = 2461114.5;  // 2026-03-15
  std::string why;
  for (const char* name : {"sun", "moon", "jupiter", "sirius"}) {
    in.bodies.push_back(*orrelin::sky::SkyBodyNamed(name, catalogue, false, why));
  }
  for (auto _ : state) {
    auto graph = orrelin::sky::DrawAltitudeGraph(in, why);
    benchmark::DoNotOptimize(graph);
  }
}
BENCHMARK(BM_AltitudeGraphOfFourBodies)->Unit(benchmark::kMillisecond);

void BM_TonightList(benchmark::State& state) {
  const orrelin::StarCatalogue catalogue = orrelin::LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  orrelin::sky::TonightInput in;
  in.observer = Helsinki();
  in.dayJulianDayUt = 2461114.5;
  in.stars = orrelin::sky::CatalogueStarsTo(catalogue, in.magnitudeLimit);
  for (auto _ : state) {
    std::string why;
    auto list = orrelin::sky::ListTonight(in, why);
    benchmark::DoNotOptimize(list);
  }
}
BENCHMARK(BM_TonightList)->Unit(benchmark::kMillisecond);

}  // namespace
