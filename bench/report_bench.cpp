// Speed of the body report run and of the settings file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/main_window.h"
#include "app/settings_file.h"
#include "report/body_report.h"

namespace {

using namespace orrelin;

MainWindowRecord Helsinki(const char* body) {
  MainWindowRecord m;
  PutFirstStartDefaults(m);
  m.date = {2026, 3, 21};
  m.time = "10:00:00";
  m.utcMinusLocal = "-2";
  m.bodyCode = body;
  return m;
}

void BM_BodyReportSun(benchmark::State& state) {
  RecordingMessageSink sink;
  for (auto _ : state) {
    MainWindowRecord main = Helsinki("SUN");
    ReportWindowRecord report;
    BodyReport(main, report, sink);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(BM_BodyReportSun);

std::filesystem::path BenchSettingsPath() {
  return std::filesystem::temp_directory_path() / "orrelin-bench-settings.ini";
}

void BM_SettingsSaveMain(benchmark::State& state) {
  const SettingsFile settings(BenchSettingsPath());
  const MainWindowRecord main = Helsinki("SUN");
  for (auto _ : state) SaveMainSettings(settings, main, WindowPosition{10, 20});
}
BENCHMARK(BM_SettingsSaveMain);

void BM_SettingsRestoreMain(benchmark::State& state) {
  const SettingsFile settings(BenchSettingsPath());
  SaveMainSettings(settings, Helsinki("SUN"), WindowPosition{10, 20});
  for (auto _ : state) {
    MainWindowRecord main;
    benchmark::DoNotOptimize(RestoreMainSettings(settings, main));
  }
}
BENCHMARK(BM_SettingsRestoreMain);

}  // namespace
