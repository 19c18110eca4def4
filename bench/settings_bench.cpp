// Speed of the settings file.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "app/main_window.h"
#include "app/settings_file.h"

namespace {

using namespace orrelin;

MainWindowRecord Helsinki() {
  MainWindowRecord m;
  PutFirstStartDefaults(m);
  m.utcMinusLocal = "-2";
  return m;
}

std::filesystem::path BenchSettingsPath() {
  return std::filesystem::temp_directory_path() / "orrelin-bench-settings.ini";
}

void BM_SettingsSaveMain(benchmark::State& state) {
  const SettingsFile settings(BenchSettingsPath());
  const MainWindowRecord main = Helsinki();
  for (auto _ : state) SaveMainSettings(settings, main, WindowPosition{10, 20});
}
BENCHMARK(BM_SettingsSaveMain);

void BM_SettingsRestoreMain(benchmark::State& state) {
  const SettingsFile settings(BenchSettingsPath());
  SaveMainSettings(settings, Helsinki(), WindowPosition{10, 20});
  for (auto _ : state) {
    MainWindowRecord main;
    benchmark::DoNotOptimize(RestoreMainSettings(settings.ReadAll(), main));
  }
}
BENCHMARK(BM_SettingsRestoreMain);

}  // namespace
