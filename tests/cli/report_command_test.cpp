#include "cli/report_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "app/main_window.h"
#include "temp_folder.h"

namespace orrelin::cli {
namespace {

using orrelin::testing::TempFolder;

constexpr std::time_t kMarch21 = 1774087200;  // 2026-03-21 10:00:00 UTC

MainWindowRecord Defaults() {
  TempFolder folder;
  RecordingMessageSink sink;
  return StartingRecord(SettingsFile(folder.Path() / "settings.ini"), kMarch21, 7200, sink);
}

TEST(CliOptions, WithoutSettingsTheFirstStartPlaceAndTheComputersClock) {
  const MainWindowRecord m = Defaults();
  EXPECT_EQ(m.latDeg, "60");
  EXPECT_EQ(m.lonMin, "57.3");
  EXPECT_FALSE(m.west);
  EXPECT_EQ(m.time, "10:00:00");
  EXPECT_EQ(m.utcMinusLocal, "-2");
  EXPECT_EQ(m.date.year, 2026);
  EXPECT_EQ(m.date.month, 3);
  EXPECT_EQ(m.date.day, 21);
}

TEST(CliOptions, SavedPlaceIsTheStartingPointAndNothingIsWritten) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  settings.WriteAll({{"LatDeg", "33"}, {"LatMin", "52.2"}, {"LatPos", "S"}, {"LonDeg", "151"}, {"LonPos", "E"}});
  const auto before = std::filesystem::last_write_time(settings.Path());
  RecordingMessageSink sink;
  const MainWindowRecord m = StartingRecord(settings, kMarch21, 36000, sink);
  EXPECT_EQ(m.latDeg, "33");
  EXPECT_FALSE(m.north);
  EXPECT_EQ(std::filesystem::last_write_time(settings.Path()), before);
  // The keys the file lacks took their first-start values, and the user is told.
  EXPECT_EQ(m.lonMin, "57.3");
  EXPECT_EQ(sink.messages.size(), 1u);
}

TEST(CliOptions, TheSavedDeltaAndTheDeltaOptionAreTypedValues) {
  // The window saves only what was typed into the Delta box; the command line takes
  // it as typed, for any date. Without one, each report fills in its own date's.
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  settings.WriteAll({{"LatDeg", "60"}, {"Delta", "75.5"}});
  RecordingMessageSink sink;
  MainWindowRecord saved = StartingRecord(settings, kMarch21, 7200, sink);
  MainWindowRecord none = Defaults();
  MainWindowRecord option = Defaults();
  PlaceOptions o;
  o.date = "2500-06-01";
  o.time = "12:00:00";
  ASSERT_TRUE(ApplyPlaceOptions(o, saved, sink));
  ASSERT_TRUE(ApplyPlaceOptions(o, none, sink));
  o.delta = "80";
  ASSERT_TRUE(ApplyPlaceOptions(o, option, sink));
  EXPECT_EQ(RunReport(saved, Body::kSun).report.deltaTime, "75.5 sec");
  EXPECT_EQ(RunReport(none, Body::kSun).report.deltaTime, "1496.6 sec");
  EXPECT_EQ(RunReport(option, Body::kSun).report.deltaTime, "80.0 sec");
}

TEST(CliOptions, GoodOptionsFillTheBoxes) {
  MainWindowRecord m = Defaults();
  PlaceOptions o;
  o.latitude = "0 30 s";
  o.longitude = "71 5 W";
  o.height = "12.5";
  o.date = "1988-03-20";
  o.time = "19:40:00";
  o.offset = "5";
  RecordingMessageSink sink;
  ASSERT_TRUE(ApplyPlaceOptions(o, m, sink));
  EXPECT_EQ(m.latDeg, "0");
  EXPECT_EQ(m.latMin, "30");
  EXPECT_FALSE(m.north);
  EXPECT_TRUE(m.west);
  EXPECT_EQ(m.height, "12.5");
  EXPECT_EQ(m.date.year, 1988);
  EXPECT_EQ(m.localTime, "14:40:00");
}

TEST(CliOptions, BadOptionsSayWhy) {
  struct Case {
    std::string name;
    PlaceOptions options;
    std::string message;
  };
  auto with = [](auto set) {
    PlaceOptions o;
    set(o);
    return o;
  };
  const std::vector<Case> cases = {
      {"latitude 91", with([](PlaceOptions& o) { o.latitude = "91 0 N"; }), "--lat: 0 .. 90"},
      {"latitude minutes 60", with([](PlaceOptions& o) { o.latitude = "45 60 N"; }), "--lat: 0 .. 59.9"},
      {"latitude 90 1", with([](PlaceOptions& o) { o.latitude = "90 1 N"; }), "--lat: Not greater than 90 degrees"},
      {"latitude hemisphere", with([](PlaceOptions& o) { o.latitude = "45 0 E"; }),
       "--lat: The hemisphere is N or S"},
      {"latitude form", with([](PlaceOptions& o) { o.latitude = "45"; }),
       "--lat: Give degrees, minutes and N or S, e.g. \"60 9.7 N\""},
      {"longitude 181", with([](PlaceOptions& o) { o.longitude = "181 0 W"; }), "--lon: 0 .. 180"},
      {"height", with([](PlaceOptions& o) { o.height = "9000"; }), "--height: 0.0 .. 8900.0"},
      {"empty height", with([](PlaceOptions& o) { o.height = ""; }), "--height: 0.0 .. 8900.0"},
      {"pressure", with([](PlaceOptions& o) { o.pressure = "1010,5"; }),
       "--pressure: give the air pressure in millibars, from 0 to 1100"},
      {"pressure 1e308", with([](PlaceOptions& o) { o.pressure = "1e308"; }),
       "--pressure: give the air pressure in millibars, from 0 to 1100"},
      {"temperature -273", with([](PlaceOptions& o) { o.temperature = "-273"; }),
       "--temp: give the temperature in degrees Celsius, from -90 to 60"},
      {"offset", with([](PlaceOptions& o) { o.offset = "x"; }),
       "--offset: give UTC minus local time in hours, from -14 to 14"},
      {"offset 100000", with([](PlaceOptions& o) { o.offset = "100000"; }),
       "--offset: give UTC minus local time in hours, from -14 to 14"},
      {"date form", with([](PlaceOptions& o) { o.date = "21.3.2026"; }),
       "--date: Give the date as yyyy-mm-dd, the year from 1 to 9999"},
      {"date day", with([](PlaceOptions& o) { o.date = "2026-02-29"; }), "--date: There is no such day: 2026-02-29"},
      {"reform gap", with([](PlaceOptions& o) { o.date = "1582-10-10"; }),
       "--date: There is no such day: 1582-10-10 (the Gregorian calendar follows 1582-10-04 with 1582-10-15)"},
      {"date year 0", with([](PlaceOptions& o) { o.date = "0000-01-01"; }),
       "--date: Year 0 does not exist: 1 B.C. is year 1 with B.C. ticked"},
      {"time 4294967308", with([](PlaceOptions& o) { o.time = "4294967308:00:00"; }),
       "--time: Give the time as hh:mm:ss"},
      {"delta abc", with([](PlaceOptions& o) { o.delta = "abc"; }),
       "--delta: Give Delta T in seconds, from -1000000 to 1000000"},
      {"delta 1e400", with([](PlaceOptions& o) { o.delta = "1e400"; }),
       "--delta: Give Delta T in seconds, from -1000000 to 1000000"},
      {"delta -1e30", with([](PlaceOptions& o) { o.delta = "-1e30"; }),
       "--delta: Give Delta T in seconds, from -1000000 to 1000000"},
  };
  for (const auto& c : cases) {
    MainWindowRecord m = Defaults();
    RecordingMessageSink sink;
    EXPECT_FALSE(ApplyPlaceOptions(c.options, m, sink)) << c.name;
    ASSERT_FALSE(sink.messages.empty()) << c.name;
    EXPECT_EQ(sink.messages.back(), c.message) << c.name;
  }
}

TEST(CliReport, BodyNames) {
  // The command's names are the bodies' names in any letter case.
  EXPECT_EQ(BodyNamed("sun"), Body::kSun);
  EXPECT_EQ(BodyNamed("Neptune"), Body::kNeptune);
  EXPECT_FALSE(BodyNamed("pluto").has_value());
}

TEST(CliReport, TextAndJsonCarryTheWindowsTexts) {
  MainWindowRecord m = Defaults();
  const ReportOutcome outcome = RunReport(m, Body::kSun);
  ASSERT_TRUE(outcome.ok);
  const std::string text = ReportText(outcome.report);
  EXPECT_EQ(text.rfind("SUN\n\nJulian Days", 0), 0u);
  EXPECT_NE(text.find("Observer Latitude:          60° 09' 42.00''\n"), std::string::npos);
  EXPECT_NE(text.find("Rising                                                6 h 19 m\n"), std::string::npos);

  const auto json = nlohmann::json::parse(ReportJson(outcome.report, outcome.messages));
  EXPECT_EQ(json["title"], "SUN");
  EXPECT_EQ(json["boxes"]["Julian Days"], "2461120.5");
  EXPECT_EQ(json["boxes"]["Rising"], " 6 h 19 m");
  EXPECT_EQ(json["lines"][0][0], "Observer Latitude:");
  EXPECT_EQ(json["lines"][0][1], "60° 09' 42.00''");
  EXPECT_EQ(json["lines"].size(), outcome.report.lines.labels.size());
  EXPECT_TRUE(json["messages"].empty());
}

// 44 B.C. and A.D. 44 have the same digits: the report's date says which it is.
TEST(CliReport, DatesBeforeChristAreMarked) {
  for (const auto& [beforeChrist, line] : std::vector<std::pair<bool, std::string>>{
           {true, "\nDate:                       0044-03-15 B.C.\n"},
           {false, "\nDate:                       0044-03-15\n"}}) {
    MainWindowRecord m = Defaults();
    m.date = {44, 3, 15};
    m.beforeChrist = beforeChrist;
    const ReportOutcome outcome = RunReport(m, Body::kSun);
    ASSERT_TRUE(outcome.ok);
    EXPECT_NE(ReportText(outcome.report).find(line), std::string::npos) << line;
  }
}

TEST(CliReport, StoppedRunIsNotOk) {
  MainWindowRecord m = Defaults();
  m.time = "25:00:00";
  const ReportOutcome outcome = RunReport(m, Body::kSun);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.messages, std::vector<std::string>{"Give the time as hh:mm:ss"});
}

}  // namespace
}  // namespace orrelin::cli
