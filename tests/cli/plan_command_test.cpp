// The plan command as a script runs it: its JSON keys, Hc and Zn those of the sight
// command, the preset Hs reduced by the sight command to an intercept of nought, the
// sky plot's file, and the message and status 2 of bad input.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "temp_folder.h"

namespace {

using orrelin::testing::ProgramRun;

ProgramRun Cli(const std::vector<std::string>& arguments, const std::filesystem::path& config) {
  std::vector<std::string> argv{ORRELIN_CLI_PATH};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return orrelin::testing::RunProgram(argv, config, 30.0);
}

// "55 2.456780": degrees and decimal minutes, as the sight command reads a sextant altitude.
std::string SextantText(double degrees) {
  const double whole = std::floor(degrees);
  std::ostringstream text;
  text.imbue(std::locale::classic());  // a decimal point whatever the test's locale
  text.precision(8);
  text << whole << " " << (degrees - whole) * 60.0;
  return text.str();
}

TEST(PlanCommand, JsonKeysAndTheSightCommandsOwnNumbers) {
  orrelin::testing::TempFolder config;
  const std::vector<std::string> at{"--dr", "59 50 N, 24 50 E", "--height", "3", "--ie", "-1.2"};
  std::vector<std::string> plan{"plan", "--date", "2026-12-10", "--twilight", "evening", "--utc", "2026-12-10 14:40:00",
                                "--json"};
  plan.insert(plan.end(), at.begin(), at.end());
  const ProgramRun r = Cli(plan, config.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  for (const char* key :
       {"sunset_utc", "civil_utc", "nautical_utc", "planned_utc", "dr", "bodies", "triad", "rule", "messages"}) {
    EXPECT_TRUE(j.contains(key)) << key;
  }
  EXPECT_FALSE(j.contains("sunrise_utc"));
  EXPECT_EQ(j["planned_utc"], "2026-12-10 14:40:00");
  EXPECT_NEAR(j["dr"]["latitude_deg"].get<double>(), 59.0 + 50.0 / 60.0, 1e-6);
  EXPECT_NEAR(j["dr"]["longitude_deg"].get<double>(), 24.0 + 50.0 / 60.0, 1e-6);
  EXPECT_EQ(j["triad"].size(), 3u);
  int recommended = 0;
  for (const auto& body : j["bodies"]) {
    for (const char* key : {"name", "hc_deg", "zn_deg", "magnitude", "hs_deg", "recommended", "pair"}) {
      ASSERT_TRUE(body.contains(key)) << key;
    }
    recommended += body["recommended"].get<bool>();
  }
  EXPECT_EQ(recommended, 3);
  // A star, a planet and the triad's first: the sight command at the planned moment and
  // the DR, given the preset Hs.
  for (const std::string& name : {std::string("Vega"), std::string("Saturn"), j["triad"][0].get<std::string>()}) {
    const auto body = std::find_if(j["bodies"].begin(), j["bodies"].end(),
                                   [&](const nlohmann::json& b) { return b["name"] == name; });
    ASSERT_NE(body, j["bodies"].end()) << name;
    std::vector<std::string> sight{"sight", "--body", name, "--utc", "2026-12-10 14:40:00", "--hs",
                                   SextantText((*body)["hs_deg"].get<double>()), "--json"};
    sight.insert(sight.end(), at.begin(), at.end());
    const ProgramRun s = Cli(sight, config.Path());
    ASSERT_EQ(s.status, 0) << s.err;
    const auto reduced = nlohmann::json::parse(s.out);
    EXPECT_NEAR(reduced["hc_deg"].get<double>(), (*body)["hc_deg"].get<double>(), 1.1e-6) << name;
    EXPECT_NEAR(reduced["zn_deg"].get<double>(), (*body)["zn_deg"].get<double>(), 1e-4) << name;
    EXPECT_LE(std::fabs(reduced["intercept_nm"].get<double>()), 0.05) << name;
  }
}

TEST(PlanCommand, PlotsTheSkyIntoAPngAndSaysADayWithoutTwilight) {
  orrelin::testing::TempFolder config;
  const std::string png = (config.Path() / "sky.png").string();
  const ProgramRun r = Cli({"plan", "--date", "2026-12-10", "--twilight", "morning", "--dr", "59 50 N, 24 50 E",
                            "--course", "225", "--speed", "12", "--dr-utc", "2026-12-10 06:00:00", "--plot", png},
                           config.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream file(png, std::ios::binary);
  std::string head(8, '\0');
  file.read(head.data(), 8);
  EXPECT_EQ(head, "\x89PNG\r\n\x1a\n");
  EXPECT_NE(r.out.find("Triad (*):"), std::string::npos) << r.out;
  // At 75° N in December the Sun does not rise: no time, said plainly, and no window.
  const ProgramRun polar = Cli({"plan", "--date", "2026-12-21", "--twilight", "morning", "--dr", "75 00 N, 15 00 E",
                                "--json"},
                               config.Path());
  ASSERT_EQ(polar.status, 0) << polar.err;
  const auto j = nlohmann::json::parse(polar.out);
  EXPECT_TRUE(j["sunrise_utc"].is_null());
  EXPECT_TRUE(j["civil_utc"].is_null());
  EXPECT_TRUE(j["planned_utc"].is_null());
  EXPECT_EQ(j["bodies"].size(), 0u);
  EXPECT_EQ(j["messages"][0], "No sunrise this morning: the Sun stays below the horizon all day");
}

TEST(PlanCommand, BadInputIsRefusedWithTheOptionsMessage) {
  orrelin::testing::TempFolder config;
  const struct {
    std::vector<std::string> options;
    const char* message;
  } cases[] = {
      {{"--date", "2026-02-30"}, "--date: "},
      {{"--dr", "91 00 N, 24 50 E"}, "--dr: "},
      {{"--course", "90", "--speed", "-3", "--dr-utc", "2026-12-10 12:00:00"}, "--speed: "},
      {{"--course", "90", "--speed", "12"}, "--course: give --dr-utc"},
      {{"--band", "70 15"}, "--band: "},
      {{"--twilight", "noon"}, "--twilight: "},
      {{"--plot", "sky.gif"}, "--plot: "},
      {{"--mag", "bright"}, "--mag: "},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments{"plan", "--date", "2026-12-10", "--twilight", "evening", "--dr",
                                       "59 50 N, 24 50 E"};
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());  // the last of an option counts
    const ProgramRun r = Cli(arguments, config.Path());
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
  }
}

}  // namespace
