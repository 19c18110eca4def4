// Whole processes, as a script starts them: orrelin-cli's short commands, its longest
// (the "total" almanac year) and, for comparison, a hello-world program built with the
// same flags. The wall time of each start, from spawn to exit.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs the program with its output to /dev/null; false when it could not start or failed.
bool RunQuietly(const std::vector<std::string>& argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  pid_t child = 0;
  const int started = posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  int status = 0;
  return started == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Run(benchmark::State& state, const std::vector<std::string>& argv) {
  // The settings of a first start, the same on every machine.
  setenv("XDG_CONFIG_HOME", "/nonexistent/orrelin-bench", 1);
  for (auto _ : state) {
    if (!RunQuietly(argv)) {
      state.SkipWithError(("could not run " + argv[0]).c_str());
      break;
    }
  }
}

void BM_StartHelloWorld(benchmark::State& state) { Run(state, {ORRELIN_STARTUP_HELLO}); }
BENCHMARK(BM_StartHelloWorld)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartCliVersion(benchmark::State& state) { Run(state, {ORRELIN_CLI, "--version"}); }
BENCHMARK(BM_StartCliVersion)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartCliReportSun(benchmark::State& state) { Run(state, {ORRELIN_CLI, "report", "sun"}); }
BENCHMARK(BM_StartCliReportSun)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartCliAlmanacTotalYear(benchmark::State& state) {
  Run(state, {ORRELIN_CLI, "almanac", "2026", "--total"});
}
BENCHMARK(BM_StartCliAlmanacTotalYear)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StartCliPlanEvening(benchmark::State& state) {
  Run(state, {ORRELIN_CLI, "plan", "--date", "2026-12-10", "--twilight", "evening", "--dr", "59 50 N, 24 50 E",
              "--course", "225", "--speed", "12", "--dr-utc", "2026-12-10 12:00:00", "--json"});
}
BENCHMARK(BM_StartCliPlanEvening)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
