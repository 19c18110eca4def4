#include "cli/ephemeris_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orrelin::cli {
namespace {

TEST(EphemerisCommand, RequestsAreReadOrRefusedWithTheirMessage) {
  struct Case {
    std::vector<std::string> bodies;
    std::string from, to, step;
    std::size_t moments;  // 0: refused
    std::string message;
  };
  const std::vector<Case> cases = {
      {{"sun", "Moon", "ARIES", "al na'ir"}, "2026-12-08 00:00", "2026-12-09 00:00", "1h", 25, ""},
      {{"venus"}, "2026-12-08T00:00:30", "2026-12-08T00:10:30", "5m", 3, ""},
      {{"venus"}, "2026-12-08 00:00", "2026-12-08 00:00", "1d", 1, ""},
      {{"pluto"}, "2026-12-08 00:00", "2026-12-09 00:00", "1h", 0,
       "No body of the almanacs is called pluto: sun, moon, aries, mercury .. neptune, or a navigational star"},
      {{"sun"}, "2026-02-30 00:00", "2026-12-09 00:00", "1h", 0, "--from: There is no such day: 2026-02-30"},
      {{"sun"}, "2026-12-08 25:00", "2026-12-09 00:00", "1h", 0, "--from: Give the time as hh:mm or hh:mm:ss (UT)"},
      {{"sun"}, "2026-12-09 00:00", "2026-12-08 00:00", "1h", 0, "--to comes before --from"},
      {{"sun"}, "2026-12-08 00:00", "2026-12-09 00:00", "0h", 0, "--step: give a number and s, m, h or d (\"1h\", \"10m\")"},
      {{"sun"}, "2026-12-08 00:00", "2026-12-09 00:00", "1x", 0, "--step: give a number and s, m, h or d (\"1h\", \"10m\")"},
      {{"sun"}, "2026-12-08 00:00", "2126-12-09 00:00", "1m", 0, "That is 52596001 rows; at most 100000 at once"},
  };
  for (const Case& c : cases) {
    std::string message;
    const auto r = ReadEphemerisRequest(c.bodies, c.from, c.to, c.step, message);
    EXPECT_EQ(r.has_value(), c.moments > 0) << c.from << " " << c.step;
    EXPECT_EQ(message, c.message) << c.from;
    if (!r) continue;
    const auto rows = EphemerisRows(*r, message);
    ASSERT_TRUE(rows.has_value()) << message;
    EXPECT_EQ(rows->size(), c.moments * c.bodies.size()) << c.from;
  }
}

TEST(EphemerisCommand, TextJsonAndCsvCarryTheSameRows) {
  std::string message;
  auto request = ReadEphemerisRequest({"sun", "moon", "aries", "sirius"}, "2026-12-08 00:00", "2026-12-08 01:00", "1h",
                                      message);
  request->observer = Observer{60.1617, -24.955, 0, 1010, 10, -2, {}};
  const auto rows = EphemerisRows(*request, message);
  ASSERT_TRUE(rows.has_value());
  const std::string text = EphemerisText(*rows);
  EXPECT_EQ(text.substr(0, text.find('\n')),
            "UT                   Body            GHA         SHA         Dec           HP      SD      v      d      Hc"
            "          Zn");
  EXPECT_NE(text.find("2026-12-08 00:00:00  Sun             182° 05.2'              S 22° 41.5'"), std::string::npos);
  EXPECT_NE(text.find("2026-12-08 01:00:00  Sirius          350° 13.1'  258° 24.5'  S 16° 45.1'"), std::string::npos);
  const auto json = nlohmann::json::parse(EphemerisJson(*rows));
  ASSERT_EQ(json.size(), 8u);
  EXPECT_EQ(json[0]["ut"], "2026-12-08 00:00:00");
  EXPECT_NEAR(json[0]["gha_deg"].get<double>(), 182.0861, 0.0002);
  EXPECT_FALSE(json[0].contains("v_arcmin"));  // the Sun has no v
  EXPECT_TRUE(json[1].contains("v_arcmin") && json[1].contains("hp_deg") && json[1].contains("altitude_deg"));
  EXPECT_FALSE(json[2].contains("dec_deg"));  // Aries has no declination
  EXPECT_TRUE(json[3].contains("sha_deg"));
  const std::string csv = EphemerisCsv(*rows);
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "ut,body,gha_deg,sha_deg,dec_deg,hp_deg,sd_deg,v_arcmin,d_arcmin,magnitude,illuminated,altitude_deg,"
            "azimuth_deg");
  EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 9);
}

}  // namespace
}  // namespace orrelin::cli
