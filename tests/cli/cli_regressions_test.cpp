// Command lines that once failed (tests/data/cli-regressions.txt) run on every test:
// each ends within a second, with status 0 and output free of "nan" and "inf", or
// with status 2 and one message.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <string>

#include "cli_run.h"
#include "temp_folder.h"

namespace {

// The arguments as a shell reads them (the list quotes), with settings.ini's lines.
orrelin::testing::ProgramRun RunWithSettings(const std::string& settingsLines, const std::string& arguments) {
  orrelin::testing::TempFolder config;
  if (!settingsLines.empty()) {
    const auto folder = config.Path() / "Tarvek" / "Orrelin";
    std::filesystem::create_directories(folder);
    std::string ini = "[OrrelinForm]\n" + settingsLines + "\n";
    for (char& c : ini) c = c == '|' ? '\n' : c;
    std::ofstream(folder / "settings.ini", std::ios::binary) << ini;
  }
  return orrelin::testing::RunProgram({"/bin/sh", "-c", std::string("exec ") + ORRELIN_CLI_PATH + " " + arguments},
                                      config.Path(), 10);
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
    const auto r = RunWithSettings(settings, arguments);
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

// A zone the window saved that the time-zone database does not have (renamed by a tzdata
// update) is said as the settings', and the options still override it.
TEST(CliRegressions, ASavedZoneTheDatabaseLacksIsToldAsTheSettings) {
  const std::string stale =
      "LatDeg=60|LatMin=9.7|LonDeg=24|LonMin=57.3|Height=0|Temp=10|Pressure=1010|LatPos=N|LonPos=E|Dif=-2|"
      "Zone=Europe/Nowhere";
  const auto refused = RunWithSettings(stale, "report sun");
  EXPECT_EQ(refused.status, 2);
  EXPECT_EQ(refused.out + refused.err,
            "The saved time zone (Zone in settings.ini): no time zone \"Europe/Nowhere\" in the time-zone database: "
            "--offset or --zone replaces it\n");
  for (const std::string arguments : {"report sun --offset -2", "report sun --zone Europe/Helsinki",
                                      "report sun --place Helsinki"}) {
    EXPECT_EQ(RunWithSettings(stale, arguments).status, 0) << arguments;
  }
}

}  // namespace
