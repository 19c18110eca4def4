// The noon, polaris, compass, amplitude and deviation commands as a script runs them:
// their JSON keys, a latitude and an azimuth carried through the options, and the
// message and status 2 of bad input.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "navigation/noon.h"
#include "navigation/sights_file.h"
#include "pdf_reading.h"
#include "cli_run.h"
#include "synthesised_sights.h"
#include "temp_folder.h"

namespace {

using Result = orrelin::testing::CliResult;
using orrelin::testing::RunCli;

nlohmann::json Json(const std::string& arguments) {
  const Result r = RunCli(arguments + " --json");
  EXPECT_EQ(r.status, 0) << arguments << "\n" << r.out;
  return r.status == 0 ? nlohmann::json::parse(r.out) : nlohmann::json::object();
}

TEST(WatchCommands, JsonHasTheKeysScriptsRead) {
  orrelin::testing::TempFolder folder;
  const std::string swing = (folder.Path() / "swing.csv").string();
  {
    std::ofstream file(swing);
    file << "utc,heading,bearing,body\n";
    for (int i = 0; i < 8; ++i) {
      file << "2026-06-21 07:" << 10 + 3 * i << ":00," << 45 * i << "," << 70 + i % 3 << ".5,Sun\n";
    }
  }
  const std::string dr = " --dr '45 0 N, 30 0 W'";
  const std::vector<std::pair<std::string, std::vector<const char*>>> cases = {
      {"noon --date 2026-06-21" + dr + " --hs '68 40' --limb lower",
       {"lan_utc", "max_altitude_utc", "hc_deg", "dec_deg", "latitude_deg", "lines"}},
      {"polaris --utc '2026-09-21 20:00:00' --hs '42 18.7'" + dr, {"latitude_deg", "correction_deg", "lines"}},
      {"compass --body sun --utc '2026-06-21 16:00:00' --bearing 200 --variation '4.5 E' --heading 270" + dr,
       {"zn_deg", "error_deg", "error_name", "deviation_deg", "deviation_name"}},
      {"amplitude --body sun --date 2026-06-21 --rising --bearing 55" + dr,
       {"utc", "amplitude_deg", "amplitude_text", "zn_deg", "visible_correction_deg", "error_deg", "error_name"}},
      {"deviation '" + swing + "' --variation '2.5 W'" + dr, {"coefficients", "card"}},
  };
  for (const auto& [arguments, keys] : cases) {
    const nlohmann::json j = Json(arguments);
    for (const char* key : keys) EXPECT_TRUE(j.contains(key) && !j[key].is_null()) << arguments << ": " << key;
  }
  const nlohmann::json card = Json("deviation '" + swing + "'" + dr);
  for (const char* k : {"A", "B", "C", "D", "E"}) EXPECT_TRUE(card["coefficients"][k].is_number()) << k;
  ASSERT_EQ(card["card"].size(), 24u);
  EXPECT_EQ(card["card"][1]["heading"], 15);
  EXPECT_TRUE(card["card"][1]["name"] == "E" || card["card"][1]["name"] == "W");
  const nlohmann::json compass = Json(cases[2].first);
  EXPECT_EQ(compass["error_name"], "E");  // Zn 237.9, compass 200: compass least
  EXPECT_EQ(compass["deviation_name"], "E");
  EXPECT_EQ(Json(cases[3].first)["amplitude_text"], "E 34.2\xC2\xB0 N");
}

TEST(WatchCommands, NoonLatitudeAndCompassAzimuthCarryThrough) {
  using namespace orrelin::navigation;
  // A lower-limb sight at noon from 44° 36.4' N, 30° W; the DR 30' north of it.
  const GeoPosition truth{44.0 + 36.4 / 60.0, -30.0};
  std::string why;
  const auto passage = MeridianPassageOf("Sun", {{45.1, -30.0}, 0, 0, 0}, 2461212.5, Transit::kUpper, why);
  ASSERT_TRUE(passage.has_value()) << why;
  Sight s = orrelin::navigation::testing::SightOf("Sun", passage->julianDayUt, truth, Limb::kLower);
  const std::string hs = SextantAltitudeText(s.sextantAltitude);
  const nlohmann::json noon =
      Json("noon --date 2026-06-21 --dr '45 6 N, 30 0 W' --body sun --limb lower --hs '" + hs +
           "' --ie -1.2 --height 12 --pressure 1020 --temp 18");
  // Hs is typed to 0.1': the latitude within that.
  EXPECT_NEAR(noon["latitude_deg"].get<double>(), truth.latitude, 0.1 / 60.0);

  const std::string at = " --utc '2026-09-21 20:00:00' --dr '35 30 N, 40 15 W'";
  for (const char* body : {"vega", "moon", "jupiter"}) {
    const std::string limb = std::string(body) == "moon" ? " --limb lower" : "";
    const nlohmann::json sight = Json(std::string("sight --body ") + body + limb + " --hs '35 20'" + at);
    const nlohmann::json compass = Json(std::string("compass --body ") + body + " --bearing 100" + at);
    EXPECT_EQ(compass["zn_deg"], sight["zn_deg"]) << body;
  }
}

TEST(WatchCommands, TheDeviationFileNamesADamagedLineAndKeepsTheRest) {
  orrelin::testing::TempFolder folder;
  const std::string swing = (folder.Path() / "swing.csv").string();
  auto write = [&swing](int bearings, bool damaged) {
    std::ofstream file(swing);
    file << "utc,heading,bearing,body\n";
    for (int i = 0; i < bearings; ++i) {
      file << "2026-06-21 07:" << 10 + 3 * i << ":00," << 45 * i << "," << 70 + i % 3 << ".5,Sun\n";
      if (damaged && i == 2) file << "2026-06-21 07:18:00,x,71,Sun\n";
    }
  };
  write(8, true);
  const Result r = RunCli("deviation '" + swing + "' --dr '50 6 N, 4 18 W' --variation '2.5 W'");
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find(swing + ", line 5: the heading is degrees by compass, 0 to 360, not x\n"), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\nA "), std::string::npos) << r.out;
  // The card printed: an A4 PDF with the card's lines.
  const auto pdf = folder.Path() / "card.pdf";
  ASSERT_EQ(RunCli("deviation '" + swing + "' --dr '50 6 N, 4 18 W' --variation '2.5 W' --pdf '" + pdf.string() + "'").out,
            r.out);
  std::ifstream in(pdf, std::ios::binary);
  const auto pages = orrelin::testing::ReadPdf(std::string((std::istreambuf_iterator<char>(in)), {}));
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_NEAR(pages[0].height, 841.92, 0.01);
  std::string printed = r.out;
  std::erase(printed, '\n');
  EXPECT_TRUE(printed.ends_with(pages[0].text)) << pages[0].text;  // after the file's messages
  EXPECT_GT(pages[0].text.size(), 200u);
  write(4, false);
  const Result few = RunCli("deviation '" + swing + "' --dr '50 6 N, 4 18 W' --variation '2.5 W'");
  EXPECT_EQ(few.status, 2);
  EXPECT_NE(few.out.find("The card needs bearings on five headings or more"), std::string::npos) << few.out;
}

TEST(WatchCommands, BadInputGivesTheMessageAndStatusTwo) {
  const std::string dr = " --dr '45 0 N, 30 0 W'";
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"noon --date 2026-02-30" + dr, "--date: There is no such day: 2026-02-30\n"},
      {"noon --date 2026-06-21 --course 180" + dr, "--course: give --speed with it (under way needs both)\n"},
      {"noon --date 2026-06-21 --dr-utc '2026-06-21 12:00:00'" + dr, "--dr-utc: give --course and --speed with it\n"},
      {"noon --date 2026-06-21 --hs '68 40'" + dr, "--limb: lower or upper, for the Sun\n"},
      {"noon --date 2026-06-21 --body pluto" + dr, "--body: no body of the almanacs is called pluto\n"},
      {"polaris --utc '2026-09-21 20:00:00' --hs '3 10' --dr '4 0 N, 30 0 W'",
       "Polaris gives no latitude south of 5\xC2\xB0 N: the DR is at N 4\xC2\xB0 00.0'\n"},
      {"compass --body sun --utc '2026-06-21 16:00:00' --bearing 400" + dr, "--bearing: degrees by compass, 0 to 360\n"},
      {"compass --body sun --utc '2026-06-21 16:00:00' --bearing 200 --variation '4 N'" + dr,
       "--variation: degrees and E or W, \"4.5 E\"\n"},
      {"amplitude --date 2026-06-21" + dr, "--rising or --setting: give one of them\n"},
      {"amplitude --date 2026-06-21 --rising --setting" + dr, "--rising or --setting: give one of them\n"},
      {"amplitude --date 2026-12-21 --rising --dr '80 0 N, 0 0 E'",
       "Sun does not rise at 80 0.0 N, 0 0.0 E on that day\n"},
      {"deviation none.csv" + dr + " --variation 3W", "No bearings file none.csv\n"},
  };
  for (const auto& [arguments, message] : cases) {
    const Result r = RunCli(arguments);
    EXPECT_EQ(r.status, 2) << arguments;
    EXPECT_EQ(r.out, message) << arguments;
  }
  // Refused for what the sight's Ho is, which the message quotes.
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"noon --date 2026-06-21 --hs '60 40' --limb lower" + dr,
       "from the meridian altitude at the DR, 68\xC2\xB0 26.3': it cannot be a meridian altitude there\n"},
      {"polaris --utc '2026-09-21 20:00:00' --hs '3 10' --dr '8 0 N, 30 0 W'",
       " is below 5\xC2\xB0: refraction near the horizon spoils the latitude\n"},
  };
  for (const auto& [arguments, ending] : refused) {
    const Result r = RunCli(arguments);
    EXPECT_EQ(r.status, 2) << arguments;
    EXPECT_TRUE(r.out.size() > ending.size() && r.out.compare(r.out.size() - ending.size(), ending.size(), ending) == 0)
        << arguments << "\n" << r.out;
  }
}

}  // namespace
