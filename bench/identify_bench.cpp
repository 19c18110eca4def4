// Speed of one whole identification: the checks, the calculation, the seven planets
// and the 58 catalogue stars read from the file.
#include <benchmark/benchmark.h>

#include "identify/identification.h"

namespace {

using namespace orrelin;

void BM_IdentifyWholeSearch(benchmark::State& state) {
  MainWindowRecord main;
  main.latDeg = "60";
  main.latMin = "9.7";
  main.lonDeg = "24";
  main.lonMin = "57.3";
  main.west = false;
  main.height = "3";
  main.pressure = "1010";
  main.temperature = "10";
  main.utcMinusLocal = "0";
  main.date = {2026, 1, 15};
  main.time = "21:44:00";
  for (auto _ : state) {
    IdentifySight form;
    form.hmDeg = "13";
    form.hmMin = "3.6";
    form.azimuth = "184.6";
    form.magnitudeLimit = "6.0";  // every star of the catalogue is evaluated
    RecordingMessageSink sink;
    benchmark::DoNotOptimize(IdentifyOk(form, main, ORRELIN_SHIPPED_STAR_FILE, sink));
  }
}
BENCHMARK(BM_IdentifyWholeSearch);

}  // namespace
