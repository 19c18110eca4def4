// Command lines that once failed (tests/data/cli-regressions.txt) run on every test:
// each ends within a second, with status 0 and output free of "nan" and "inf", or
// with status 2 and one message.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <regex>
#include <string>

#include "temp_folder.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out, err;
  double seconds = 0;
};

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

CliRun RunWithSettings(const std::string& settingsLines, const std::string& arguments) {
  orrelin::testing::TempFolder config;
  if (!settingsLines.empty()) {
    const auto folder = config.Path() / "Tarvek" / "Orrelin";
    std::filesystem::create_directories(folder);
    std::string ini = "[OrrelinForm]\n" + settingsLines + "\n";
    for (char& c : ini) c = c == '|' ? '\n' : c;
    std::ofstream(folder / "settings.ini", std::ios::binary) << ini;
  }
  const auto out = config.Path() / "out", err = config.Path() / "err";
  const std::string command = "XDG_CONFIG_HOME='" + config.Path().string() + "' timeout 10 " + ORRELIN_CLI_PATH +
                              " " + arguments + " >'" + out.string() + "' 2>'" + err.string() + "'";
  const auto start = std::chrono::steady_clock::now();
  const int status = std::system(command.c_str());
  CliRun r;
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = ReadAll(out);
  r.err = ReadAll(err);
  return r;
}

TEST(CliRegressions, EveryOnceFailingCommandLineEndsCleanly) {
  std::ifstream list(ORRELIN_TEST_DATA_DIR "/cli-regressions.txt");
  ASSERT_TRUE(list) << "no regression list";
  const std::regex notANumber("\\b(nan|inf)\\b", std::regex::icase);
  int lines = 0;
  for (std::string line; std::getline(list, line);) {
    if (line.empty() || line[0] == '#') continue;
    ++lines;
    const auto tab = line.find('\t');
    const std::string settings = tab == std::string::npos ? "" : line.substr(0, tab);
    const std::string arguments = tab == std::string::npos ? line : line.substr(tab + 1);
    const CliRun r = RunWithSettings(settings, arguments);
    EXPECT_TRUE(r.status == 0 || r.status == 2) << line << "\nstatus " << r.status << "\n" << r.err;
    EXPECT_LT(r.seconds, 1.0) << line;
    EXPECT_FALSE(std::regex_search(r.out, notANumber)) << line << "\n" << r.out;
    if (r.status == 2) {
      EXPECT_TRUE(r.out.empty()) << line;
      EXPECT_FALSE(r.err.empty()) << line;
    }
  }
  EXPECT_GT(lines, 25);
}

}  // namespace
