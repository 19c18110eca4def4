// The command-line program as a script runs it: exit status and output.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "navigation/sights_file.h"
#include "synthesised_sights.h"
#include "temp_folder.h"

namespace {

struct Result {
  int status = -1;
  std::string out;
};

Result RunCli(const std::string& arguments) {
  orrelin::testing::TempFolder config;
  const std::string command =
      "XDG_CONFIG_HOME='" + config.Path().string() + "' " + ORRELIN_CLI_PATH + " " + arguments + " 2>&1";
  Result r;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return r;
  std::array<char, 4096> buffer{};
  while (fgets(buffer.data(), buffer.size(), pipe) != nullptr) r.out += buffer.data();
  const int status = pclose(pipe);
  r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return r;
}

TEST(CliProgram, ReportsTheSunAsJson) {
  const Result r = RunCli("report sun --lat '42 20 N' --lon '71 5 W' --date 1988-03-20 --time 12:00:00 --offset 5 --json");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto json = nlohmann::json::parse(r.out);
  EXPECT_EQ(json["title"], "SUN");
  EXPECT_EQ(json["boxes"]["Julian Days"], "2447240.5");
  EXPECT_EQ(json["lines"][1][1], "71° 05' 0.00''");
}

TEST(CliProgram, BadInputGivesTheMessageAndStatusTwo) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"report sun --lat '91 0 N'", "--lat: 0 .. 90\n"},
      {"report sun --time 25:00:00", "--time: Give the time as hh:mm:ss\n"},
      {"report pluto", "Unknown body: pluto\n"},
      {"satellites --time 25:00:00", "--time: Give the time as hh:mm:ss\n"},
      {"satellites --date 0000-01-01", "--date: Year 0 does not exist: 1 B.C. is year 1 with B.C. ticked\n"},
      {"daily-page 2026-02-30", "There is no such day: 2026-02-30\n"},
      {"daily-page 1700-01-01",
       "No daily pages for 1700-01-01: precise places are given for the years 1800 to 2399 (the ephemeris files in "
       "/usr/share/libswe/ephe)\n"},
      {"ephemeris sun --from '2026-12-08 00:00' --to '2026-12-07 00:00'", "--to comes before --from\n"},
  };
  for (const auto& [arguments, message] : cases) {
    const Result r = RunCli(arguments);
    EXPECT_EQ(r.status, 2) << arguments;
    EXPECT_EQ(r.out, message) << arguments;
  }
  EXPECT_EQ(RunCli("report").status, 2);
  EXPECT_EQ(RunCli("--no-such-option").status, 2);
}

TEST(CliProgram, StarsFromTheShippedCatalogue) {
  const Result report = RunCli("report star SIRIUS --date 2026-01-15 --time 22:00:00 --json");
  ASSERT_EQ(report.status, 0) << report.out;
  const auto json = nlohmann::json::parse(report.out);
  EXPECT_EQ(json["title"], "Sirius");
  EXPECT_EQ(json["boxes"]["Visual magnitude"], "");
  EXPECT_EQ(json["lines"][6][0], "Mean Right Ascension:");

  const Result list = RunCli("stars");
  ASSERT_EQ(list.status, 0);
  EXPECT_EQ(list.out.rfind("Name             RAscension", 0), 0u);
  EXPECT_NE(list.out.find("\nSirius           6:45:08.92   -16:42:58.0"), std::string::npos);
  EXPECT_NE(list.out.find("The number of stars in the file: 58\n"), std::string::npos);
  EXPECT_EQ(nlohmann::json::parse(RunCli("stars --json").out).size(), 58u);

  const Result unknown = RunCli("report star Vulcan");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "No star named Vulcan in the catalogue\n");
  EXPECT_EQ(RunCli("report star").status, 2);
  EXPECT_EQ(RunCli("report sun Sirius").status, 2);
}

TEST(CliProgram, WritesTheDailyPagesAsAPdfFile) {
  orrelin::testing::TempFolder folder;
  const auto pdf = folder.Path() / "pages.pdf";
  const Result r = RunCli("daily-page 2026-12-08 --pdf '" + pdf.string() + "'");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_TRUE(r.out.empty());
  std::ifstream in(pdf, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(bytes.rfind("%PDF-1.4", 0), 0u);
  EXPECT_NE(bytes.find("/Count 2"), std::string::npos);
}

TEST(CliProgram, ReducesASightAndFixesFromAFileOfSights) {
  using orrelin::navigation::testing::SightOf;
  const double jd = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
  const orrelin::navigation::GeoPosition ship{35.5, -40.25};
  std::vector<orrelin::navigation::Sight> sights;
  for (const char* star : {"Vega", "Arcturus", "Altair"}) sights.push_back(SightOf(star, jd, ship));
  orrelin::testing::TempFolder folder;
  const auto file = folder.Path() / "sights.csv";
  {
    std::ofstream out(file);
    for (const auto& line : orrelin::navigation::SightsLines(sights)) out << line << "\n";
    out << "2026-09-21 20:00:00,Vega,,ninety,0,12,1020,18\n";
  }
  const Result r = RunCli("fix '" + file.string() + "' --dr '35 10 N, 40 40 W' --json");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto json = nlohmann::json::parse(r.out.substr(r.out.find('{')));
  EXPECT_NEAR(json["latitude_deg"].get<double>(), 35.5, 0.1 / 60);
  EXPECT_NEAR(json["longitude_deg"].get<double>(), -40.25, 0.1 / 60);
  EXPECT_EQ(json["lines"].size(), 3u);
  EXPECT_NE(r.out.find("line 5: the sextant altitude"), std::string::npos);  // told, the others kept

  const Result sight = RunCli("sight --body vega --utc '2026-09-21 20:00:00' --hs '" +
                              orrelin::navigation::SextantAltitudeText(sights[0].sextantAltitude) +
                              "' --ie -1.2 --height 12 --pressure 1020 --temp 18 --dr '35 30 N, 40 15 W' --json");
  ASSERT_EQ(sight.status, 0) << sight.out;
  EXPECT_NEAR(nlohmann::json::parse(sight.out)["intercept_nm"].get<double>(), 0.0, 0.1);
  EXPECT_EQ(RunCli("fix '" + (folder.Path() / "none.csv").string() + "'").status, 2);
  EXPECT_EQ(RunCli("sight --body vega --utc '2026-09-21 20:00:00' --hs '35 20' --dr 'here'").out,
            "--dr: give the position as \"59 50 N, 24 50 E\"\n");
}

TEST(CliProgram, PrintsItsVersion) {
  const Result r = RunCli("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Orrelin ", 0), 0u);
}

}  // namespace
