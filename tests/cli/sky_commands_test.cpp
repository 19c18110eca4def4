// The graph and tonight commands as a script runs them: their JSON keys, the graph's
// drawing written as a PNG, and the message and status 2 of bad input.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "temp_folder.h"

namespace {

using orrelin::testing::ProgramRun;

ProgramRun Cli(const std::vector<std::string>& arguments, const std::filesystem::path& config) {
  std::vector<std::string> argv{ORRELIN_CLI_PATH, arguments.front(), "--lat", "60 9.7 N", "--lon", "24 57.3 E",
                                "--offset", "-2"};
  argv.insert(argv.end(), arguments.begin() + 1, arguments.end());
  return orrelin::testing::RunProgram(argv, config, 30.0);
}

std::vector<std::string> Keys(const nlohmann::json& object) {
  std::vector<std::string> keys;
  for (auto it = object.begin(); it != object.end(); ++it) keys.push_back(it.key());
  return keys;
}

TEST(SkyCommands, JsonKeysAreThoseOfTheirDescription) {
  orrelin::testing::TempFolder config;
  const ProgramRun graph = Cli({"graph", "sun", "moon", "jupiter", "sirius", "--date", "2026-03-15", "--json"},
                               config.Path());
  ASSERT_EQ(graph.status, 0) << graph.err;
  const auto g = nlohmann::json::parse(graph.out);
  using Keys_ = std::vector<std::string>;
  EXPECT_EQ(Keys(g), (Keys_{"events", "samples", "sun_bands"}));  // the library sorts a parsed object's keys
  EXPECT_EQ(g["samples"].size(), 145u);
  EXPECT_EQ(Keys(g["samples"][0]), (Keys_{"altitude_deg", "local", "utc"}));
  EXPECT_EQ(Keys(g["samples"][0]["altitude_deg"]), (Keys_{"Jupiter", "Moon", "Sirius", "Sun"}));
  EXPECT_EQ(g["samples"][0]["local"], "2026-03-15 12:00:00");
  EXPECT_EQ(g["samples"][0]["utc"], "2026-03-15 10:00:00");
  EXPECT_EQ(Keys(g["sun_bands"][0]), (Keys_{"from_utc", "kind", "to_utc"}));
  EXPECT_EQ(Keys(g["events"][0]), (Keys_{"body", "kind", "utc"}));

  const ProgramRun tonight = Cli({"tonight", "--date", "2026-03-15", "--json"}, config.Path());
  ASSERT_EQ(tonight.status, 0) << tonight.err;
  const auto t = nlohmann::json::parse(tonight.out);
  EXPECT_EQ(Keys(t), (Keys_{"bodies", "dark_from_utc", "dark_to_utc", "messages"}));
  ASSERT_FALSE(t["bodies"].empty());
  EXPECT_EQ(Keys(t["bodies"][0]), (Keys_{"above_from_utc", "above_to_utc", "best_utc", "magnitude", "name",
                                         "transit_altitude_deg", "transit_utc"}));
}

TEST(SkyCommands, TheGraphIsDrawnIntoAPng) {
  orrelin::testing::TempFolder config;
  const std::string file = (config.Path() / "graph.png").string();
  const ProgramRun r = Cli({"graph", "sun", "moon", "--date", "2026-03-15", "--plot", file}, config.Path());
  ASSERT_EQ(r.status, 0) << r.err;
  std::ifstream in(file, std::ios::binary);
  std::string head(8, '\0');
  in.read(head.data(), 8);
  EXPECT_EQ(head, "\x89PNG\r\n\x1a\n");
}

TEST(SkyCommands, BadInputIsRefusedWithStatusTwo) {
  orrelin::testing::TempFolder config;
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"graph", "sun", "pluto", "--date", "2026-03-15"},
       "\"pluto\" is no body: the Sun, the Moon, a planet or a star of the catalogue\n"},
      {{"graph", "sun", "--date", "2026-03-15", "--step", "0"}, "--step: minutes between the samples, 1 to 60, as \"10m\"\n"},
      {{"graph", "sun", "--date", "2026-03-15", "--plot", "graph.svg"}, "--plot: the file's name ends in .png or .pdf\n"},
      {{"tonight", "--date", "2026-03-15", "--dark", "dusk"}, "--dark: nautical or astronomical\n"},
      {{"tonight", "--date", "2026-03-15", "--min-altitude", "95"}, "--min-altitude: degrees, -5 to 89\n"},
      {{"tonight", "--date", "2026-03-15", "--mag", "3,5"}, "--mag: Use point\n"},
      {{"tonight", "--date", "2026-03-15", "--mag", "bright"}, "--mag: a magnitude, -30 to 30\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun r = Cli(c.arguments, config.Path());
    EXPECT_EQ(r.status, 2) << c.message;
    EXPECT_EQ(r.err, c.message);
    EXPECT_TRUE(r.out.empty());
  }
}

}  // namespace
