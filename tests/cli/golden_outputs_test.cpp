// Whole outputs for fixed inputs, checked once against the book (and JPL Horizons)
// and compared text for text: any slip that changes a printed digit shows here.
// ORRELIN_UPDATE_GOLDEN=1 writes the files anew after a change that is meant.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace {

std::string Output(const std::string& arguments) {
  orrelin::testing::TempFolder config;
  const std::string command =
      "XDG_CONFIG_HOME='" + config.Path().string() + "' " + ORRELIN_CLI_PATH + " " + arguments + " 2>&1";
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) out += buffer.data();
  pclose(pipe);
  return out;
}

TEST(GoldenOutputs, WholeOutputsAreUnchanged) {
  // Each command takes only the options it reads: the offset where local times are shown.
  const std::string helsinki = "--lat '60 9.7 N' --lon '24 57.3 E' --pressure 1010 --temp 10";
  const std::string place = helsinki + " --height 0";
  const std::string local = place + " --offset -2";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"report sun " + local + " --date 2026-03-21 --time 10:00:00 --delta 69.2 --json", "report-sun-2026-03-21.json"},
      {"report moon " + local + " --date 1992-04-12 --time 00:00:00 --json", "report-moon-1992-04-12.json"},
      {"report moon " + local + " --date 2026-03-21 --time 10:00:00 --precise --json",
       "report-moon-2026-03-21-precise.json"},
      {"ephemeris sun moon aries venus sirius --from '2026-12-08 00:00' --to '2026-12-08 02:00' " + place,
       "ephemeris-2026-12-08.txt"},
      {"daily-page 2026-12-08", "daily-page-2026-12-08.txt"},
      {"satellites --date 1992-12-16 --time 00:00:00", "satellites-1992-12-16.txt"},
      {"satellites --date 1992-12-16 --time 00:00:00 --inverted --json", "satellites-1992-12-16-inverted.json"},
      {"stars --json", "stars.json"},
      {"identify --hs '13 3.6' --zn 184.6 " + helsinki + " --height 3 --date 2026-01-15 --time 21:44:00 --json",
       "identify-sirius-2026-01-15.json"},
      {"identify --hs '25 10' --zn 120 " + place + " --date 2026-01-15 --time 18:00:00 --mag 6.0",
       "identify-2026-01-15.txt"},
      {"almanac 2000 --offset 0", "almanac-2000.txt"},
      {"almanac 2020 --total " + local, "almanac-2020-total-helsinki.txt"},
      {"graph sun moon jupiter sirius " + local + " --date 2026-03-15 --step 60m --json", "graph-2026-03-15.json"},
      {"tonight " + local + " --date 2026-03-15 --json", "tonight-2026-03-15.json"},
  };
  const bool update = std::getenv("ORRELIN_UPDATE_GOLDEN") != nullptr;
  for (const auto& [arguments, file] : cases) {
    const std::string path = std::string(ORRELIN_TEST_DATA_DIR) + "/golden/" + file;
    const std::string out = Output(arguments);
    if (update) {
      std::ofstream(path, std::ios::binary) << out;
      continue;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "no golden file " << path;
    EXPECT_EQ(out, std::string(std::istreambuf_iterator<char>(in), {})) << arguments;
  }
}

}  // namespace
