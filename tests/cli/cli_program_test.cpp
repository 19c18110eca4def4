// The command-line program as a script runs it: exit status and output.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "navigation/sights_file.h"
#include "pdf_reading.h"
#include "cli_run.h"
#include "synthesised_sights.h"
#include "temp_folder.h"

namespace {

using Result = orrelin::testing::CliResult;
using orrelin::testing::RunCli;

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
      // A limit that is no number is said, not only refused.
      {"identify --hs '13 3.6' --zn 184.6 --mag x", "--mag: Give the magnitude between -4.0 ja 8.0\n"},
      {"identify --hs '13 3.6' --zn 184.6 --mag ''", "--mag: Give the magnitude between -4.0 ja 8.0\n"},
      // A decimal comma, in any option, never read as a partial value or a range.
      {"identify --hs '13 3.6' --zn 184.6 --mag 1,5", "--mag: Use point\n"},
      {"report sun --lat '60 9,7 N'", "--lat: Use point\n"},
      {"report sun --offset -2,5", "--offset: Use point\n"},
      {"report sun --delta 69,2", "--delta: Use point\n"},
      // A time zone, or the fixed offset, never both; a zone the database does not have.
      {"almanac 2026 --zone Europe/Helsinki --offset -2", "--zone: give either a time zone or --offset, not both\n"},
      {"report sun --offset -2 --zone Europe/Helsinki", "--zone: give either a time zone or --offset, not both\n"},
      {"report sun --zone Europe/Helsinky", "--zone: no time zone \"Europe/Helsinky\" in the time-zone database\n"},
      {"sight --body vega --utc '2026-09-21 20:00:00' --hs '35 20' --ie 1,2", "--ie: Use point\n"},
      {"sight --body vega --utc '2026-09-21 20:00:00' --hs '35 20' --dr '35 30,5 N, 40 15 W'", "--dr: Use point\n"},
      // The Sun's and the Moon's sights are of a limb; stars and planets have none.
      {"sight --body Sun --utc '2026-12-08 14:32:10' --hs '23 41.6'", "--limb: lower or upper, for the Sun\n"},
      {"sight --body moon --limb '' --utc '2026-12-08 14:32:10' --hs '23 41.6'", "--limb: lower or upper, for the Moon\n"},
      {"sight --body Sirius --limb lower --utc '2026-12-08 14:32:10' --hs '23 41.6'",
       "--limb: only the Sun and the Moon have limbs, not Sirius\n"},
      {"sight --body venus --limb upper --utc '2026-12-08 14:32:10' --hs '23 41.6'",
       "--limb: only the Sun and the Moon have limbs, not Venus\n"},
      // A running fix needs both; the sheet's file is PNG or PDF.
      {"fix none.csv --course 225", "--course: give --speed with it (a running fix needs both)\n"},
      {"fix none.csv --speed 12", "--speed: give --course with it (a running fix needs both)\n"},
      {"fix none.csv --plot sheet.svg", "--plot: the file's name ends in .png or .pdf\n"},
      // A typed name is quoted as looked up, and a pasted page only in part.
      {"report star '  nan '", "No star named nan in the catalogue\n"},
      {"report star " + std::string(100000, '7'), "No star named " + std::string(40, '7') + "... in the catalogue\n"},
      {"fix " + std::string(100000, 'x'),
       "The sights file " + std::string(300, 'x') + "... could not be read (File name too long)\n"},
  };
  for (const auto& [arguments, message] : cases) {
    const Result r = RunCli(arguments);
    EXPECT_EQ(r.status, 2) << arguments;
    EXPECT_EQ(r.out, message) << arguments;
  }
  EXPECT_EQ(RunCli("report").status, 2);
  EXPECT_EQ(RunCli("--no-such-option").status, 2);
}

// A command offers only the options it reads: one it would ignore is refused.
TEST(CliProgram, OptionsACommandDoesNotUseAreRefused) {
  const std::string sight = "sight --body vega --utc '2026-09-21 20:00:00' --hs '35 20' ";
  for (const std::string& arguments : std::vector<std::string>{"almanac 2026 --date 2026-01-01", "almanac 2026 --time 10:00:00", "series none.csv --date 2026-09-21",
        sight + "--time 20:00:00", sight + "--bc", sight + "--offset -2", sight + "--delta 69.2",
        "fix none.csv --date 2026-09-21", "fix none.csv --time 20:00:00", "fix none.csv --bc",
        "satellites --lat '60 9.7 N'", "ephemeris sun --from '2026-12-08 00:00' --to '2026-12-08 01:00' --delta 69"}) {
    const Result r = RunCli(arguments);
    EXPECT_EQ(r.status, 2) << arguments;
    const std::string option = arguments.substr(arguments.rfind("--"), arguments.find(' ', arguments.rfind("--")) -
                                                                            arguments.rfind("--"));
    const std::string command = arguments.substr(0, arguments.find(' '));
    EXPECT_EQ(r.out, command + " does not take " + option + " (orrelin-cli " + command + " --help lists its options)\n")
        << arguments;
  }
}

// The JSON's numbers are the shortest texts of their rounded values, its texts untrimmed
// of nothing that matters, and a star's name may come with blanks around it.
TEST(CliProgram, JsonNumbersAndTextsAreClean) {
  const std::regex longFraction("[0-9]\\.[0-9]{7,}");
  const Result sight = RunCli("sight --body Sun --limb lower --utc '2026-12-08 14:32:10' --hs '23 41.6' --ie -1.2 "
                              "--height 3 --dr '59 50 N, 24 50 E' --json");
  ASSERT_EQ(sight.status, 0) << sight.out;
  EXPECT_FALSE(std::regex_search(sight.out, longFraction)) << sight.out;
  const Result ephemeris = RunCli("ephemeris sun moon aries sirius venus --from '2026-12-08 00:00' "
                                  "--to '2026-12-10 02:00' --json");
  ASSERT_EQ(ephemeris.status, 0);
  EXPECT_FALSE(std::regex_search(ephemeris.out, longFraction));

  const auto almanac = nlohmann::json::parse(RunCli("almanac 2026 --offset 0 --json").out);
  ASSERT_GT(almanac["events"].size(), 40u);
  for (const auto& event : almanac["events"]) {
    const std::string time = event["time"];
    EXPECT_TRUE(time.empty() || time.back() != ' ') << "\"" << time << "\"";
  }
  const Result star = RunCli("report star '  Sirius ' --json");
  ASSERT_EQ(star.status, 0) << star.out;
  EXPECT_EQ(nlohmann::json::parse(star.out)["title"], "Sirius");
}

// The README's own example: the Sun 7.9 degrees below the horizon at the assumed position.
// The reduction is printed, with warnings.
TEST(CliProgram, WarnsOfASightThatCannotBeRight) {
  const std::string arguments =
      "sight --body Sun --limb lower --utc '2026-12-08 14:32:10' --hs '23 41.6' --ie -1.2 --height 3 "
      "--dr '59 50 N, 24 50 E'";
  const Result text = RunCli(arguments);
  ASSERT_EQ(text.status, 0) << text.out;
  EXPECT_EQ(text.out.rfind("Hc -7° 55.2' is below the horizon: check the body, the time and the assumed position\n"
                           "The intercept, 1909.0 nm, is over 60': check the body, the time and the assumed "
                           "position\nSun lower limb, 2026-12-08 14:32:10 UT\n",
                           0),
            0u)
      << text.out;
  const auto json = nlohmann::json::parse(RunCli(arguments + " --json").out);
  EXPECT_EQ(json["warnings"].size(), 2u);
  EXPECT_NEAR(json["hc_deg"].get<double>(), -7.919, 0.001);
  EXPECT_NEAR(json["intercept_nm"].get<double>(), 1909.0, 0.1);
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
  EXPECT_EQ(bytes.rfind("%PDF-", 0), 0u);
  // Two A4 pages in DejaVu Sans Mono that hold the text pages' every line.
  const auto pages = orrelin::testing::ReadPdf(bytes);
  ASSERT_EQ(pages.size(), 2u);
  std::string lines = RunCli("daily-page 2026-12-08").out;
  std::erase(lines, '\n');
  EXPECT_EQ(pages[0].text + pages[1].text, lines);
  for (const auto& page : pages) {
    EXPECT_NEAR(page.width, 595.2, 0.01);
    EXPECT_NEAR(page.height, 841.92, 0.01);
    for (const std::string& font : page.fonts) EXPECT_NE(font.find("DejaVuSansMono"), std::string::npos) << font;
  }
}

// The program copied away from its modules: the computing commands run as before (they
// load nothing), and each export that needs a module says which, writing nothing.
TEST(CliProgram, ExportsNameTheModuleTheyMiss) {
  orrelin::testing::TempFolder folder;
  const auto program = folder.Path() / "orrelin-cli";
  std::filesystem::copy_file(ORRELIN_CLI_PATH, program);
  const auto run = [&](const std::string& arguments) {
    orrelin::testing::TempFolder config;
    return orrelin::testing::RunShell("cd '" + folder.Path().string() + "' && XDG_CONFIG_HOME='" +
                                      config.Path().string() + "' '" + program.string() + "' " + arguments);
  };
  const std::string drawing = "--plot and --pdf need Orrelin's drawing module orrelin-drawing.so, which is not in " +
                              folder.Path().string() + " or ";
  const std::string calendar = "--ics needs Orrelin's calendar module orrelin-calendar.so, which is not in " +
                               folder.Path().string() + " or ";
  const std::string zones = "A time zone needs Orrelin's zones module orrelin-zones.so, which is not in " +
                            folder.Path().string() + " or ";
  {
    std::ofstream sights(folder.Path() / "s.csv");
    sights << "2026-09-21 20:00:00,Vega,,42 0.0,0,12,1020,18\n2026-09-21 20:00:00,Altair,,50 0.0,0,12,1020,18\n";
  }
  const struct {
    std::string arguments, message, file;
  } cases[] = {
      {"daily-page 2026-12-08 --pdf pages.pdf", drawing, "pages.pdf"},
      {"fix s.csv --dr '35 10 N, 40 40 W' --plot sheet.png", drawing, "sheet.png"},
      {"almanac 2026 --total --ics year.ics", calendar, "year.ics"},
      {"almanac 2026 --zone Europe/Helsinki --csv year.csv", zones, "year.csv"},
  };
  for (const auto& c : cases) {
    const Result r = run(c.arguments);
    EXPECT_EQ(r.status, 2) << c.arguments;
    EXPECT_EQ(r.out.rfind(c.message, 0), 0u) << r.out;
    EXPECT_NE(r.out.find(": reinstall Orrelin\n"), std::string::npos) << r.out;
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / c.file)) << c.arguments;
  }
  EXPECT_EQ(run("report sun --json").status, 0);
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
  const auto pdf = folder.Path() / "sheet.pdf", png = folder.Path() / "sheet.PNG";
  const Result r = RunCli("fix '" + file.string() + "' --dr '35 10 N, 40 40 W' --json --plot '" + pdf.string() + "'");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto json = nlohmann::json::parse(r.out);  // the messages are in it, not before it
  EXPECT_NEAR(json["latitude_deg"].get<double>(), 35.5, 0.1 / 60);
  EXPECT_NEAR(json["longitude_deg"].get<double>(), -40.25, 0.1 / 60);
  EXPECT_EQ(json["lines"].size(), 3u);
  EXPECT_FALSE(json.contains("suspect") || json.contains("robust_fix"));  // three lines: the fix as it was
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_NE(json["messages"][0].get<std::string>().find("line 5: the sextant altitude"), std::string::npos);
  const auto starts = [](const std::filesystem::path& path, const std::string& magic) {
    std::ifstream in(path, std::ios::binary);
    std::string head(magic.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    return head == magic;
  };
  EXPECT_TRUE(starts(pdf, "%PDF-"));
  // Without --dr the fix says which assumed position it took (the first-start place).
  const Result fromPlace = RunCli("fix '" + file.string() + "' --plot '" + png.string() + "'");
  ASSERT_EQ(fromPlace.status, 0) << fromPlace.out;
  EXPECT_NE(fromPlace.out.find("No --dr: the assumed position is the place, 60 9.7 N, 24 57.3 E\n"), std::string::npos);
  EXPECT_TRUE(starts(png, "\x89PNG"));

  const Result sight = RunCli("sight --body vega --utc '2026-09-21 20:00:00' --hs '" +
                              orrelin::navigation::SextantAltitudeText(sights[0].sextantAltitude) +
                              "' --ie -1.2 --height 12 --pressure 1020 --temp 18 --dr '35 30 N, 40 15 W' --json");
  ASSERT_EQ(sight.status, 0) << sight.out;
  EXPECT_NEAR(nlohmann::json::parse(sight.out)["intercept_nm"].get<double>(), 0.0, 0.1);
  EXPECT_TRUE(nlohmann::json::parse(sight.out)["warnings"].empty());
  EXPECT_EQ(RunCli("fix '" + (folder.Path() / "none.csv").string() + "'").status, 2);
  EXPECT_EQ(RunCli("sight --body vega --utc '2026-09-21 20:00:00' --hs '35 20' --dr 'here'").out,
            "--dr: give the position as \"59 50 N, 24 50 E\"\n");
}

TEST(CliProgram, FlagsTheSightOffItsSeriesNamesTheSuspectLineAndGivesTheWatchTimeAsUt) {
  using orrelin::navigation::testing::SightOf;
  const double jd = 2461384.5 + 12.0 / 24.0;  // 2026-12-10 12:00 UT
  const orrelin::navigation::GeoPosition ship{35.5, -40.25};
  orrelin::testing::TempFolder folder;
  const auto series = folder.Path() / "series.csv";
  {
    // Five Sun sights a minute apart, the fourth misread by 3'; the second and third
    // timed by a watch 3 s fast in zone +3 only.
    std::ofstream out(series);
    out << orrelin::navigation::kSightsWatchHeader << "\n";
    for (int i = 0; i < 5; ++i) {
      orrelin::navigation::Sight s = SightOf("Sun", jd + i / 1440.0, ship, orrelin::navigation::Limb::kLower);
      if (i == 3) s.sextantAltitude += 3.0 / 60;
      const orrelin::navigation::WatchTime watch{orrelin::navigation::WatchReadingOf(s.julianDayUt, 3, 3), 3, 3};
      std::string line = i == 1 || i == 2 ? orrelin::navigation::SightLine(s, watch) : orrelin::navigation::SightLine(s);
      if (i == 1 || i == 2) line = line.substr(line.find(','));
      out << line << "\n";
    }
  }
  const Result r = RunCli("series '" + series.string() + "' --dr '35 30 N, 40 15 W' --json");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto json = nlohmann::json::parse(r.out);
  ASSERT_EQ(json["bodies"].size(), 1u);
  const auto& sun = json["bodies"][0];
  EXPECT_EQ(sun["name"], "Sun");
  EXPECT_EQ(sun["n"], 5);
  EXPECT_EQ(sun["flagged"], nlohmann::json::array({5}));  // the header is line 1
  EXPECT_NEAR(sun["intercept_min"].get<double>(), 0.0, 0.05);
  EXPECT_EQ(sun["representative"]["row"], 4);
  EXPECT_EQ(sun["representative"]["utc"], "2026-12-10 12:02:00");
  EXPECT_TRUE(sun["meridian"].is_null());
  const Result text = RunCli("series '" + series.string() + "' --dr '35 30 N, 40 15 W'");
  EXPECT_NE(text.out.find("Off the line         line 5, 3.0"), std::string::npos) << text.out;

  // Five stars, Altair's altitude written down as Kochab's.
  const auto stars = folder.Path() / "stars.csv";
  {
    std::ofstream out(stars);
    out << orrelin::navigation::kSightsHeader << "\n";
    const double night = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
    for (const char* star : {"Vega", "Arcturus", "Altair", "Antares", "Deneb"}) {
      orrelin::navigation::Sight s = SightOf(star, night, ship);
      if (std::string(star) == "Altair") s.body = "Kochab";
      out << orrelin::navigation::SightLine(s) << "\n";
    }
  }
  const Result fix = RunCli("fix '" + stars.string() + "' --dr '35 10 N, 40 40 W' --json");
  ASSERT_EQ(fix.status, 0) << fix.out;
  const auto fixed = nlohmann::json::parse(fix.out);
  EXPECT_EQ(fixed["suspect"], nlohmann::json::array({4}));
  EXPECT_NEAR(fixed["robust_fix"]["latitude_deg"].get<double>(), 35.5, 0.5 / 60);
  EXPECT_NEAR(fixed["robust_fix"]["longitude_deg"].get<double>(), -40.25, 0.5 / 60);
  EXPECT_GT(std::fabs(fixed["latitude_deg"].get<double>() - 35.5) * 60, 1.0);  // the plain fix is dragged

  const Result time = RunCli("time --watch 19:42:17 --we '3 fast' --zd +2 --date 2026-12-10 --json");
  ASSERT_EQ(time.status, 0) << time.out;
  EXPECT_EQ(nlohmann::json::parse(time.out)["utc"], "2026-12-10 21:42:14");
  EXPECT_EQ(RunCli("time --watch 19:42:17 --we '3 late' --zd +2 --date 2026-12-10").out,
            "--we: seconds fast or slow, \"3 fast\" or \"3 slow\"\n");
}

TEST(CliProgram, PrintsItsVersion) {
  const Result r = RunCli("--version");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out.rfind("Orrelin ", 0), 0u);
}

}  // namespace
