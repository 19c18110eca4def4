#include "report/body_report.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/angle_text.h"
#include "core/numbers.h"
#include "report/observer_reading.h"
#include "report/satellites_moment.h"

namespace orrelin {
namespace {

MainWindowRecord Helsinki(int year, int month, int day, const std::string& time) {
  MainWindowRecord m;
  m.place = "Helsinki";
  m.latDeg = "60";
  m.latMin = "9.7";
  m.north = true;
  m.lonDeg = "24";
  m.lonMin = "57.3";
  m.west = false;
  m.height = "0";
  m.pressure = "1010";
  m.temperature = "10";
  m.date = {year, month, day};
  m.utcMinusLocal = "-2";
  m.time = time;
  m.body = Body::kSun;
  return m;
}

struct ReportRun {
  ReportWindowRecord report;
  RecordingMessageSink sink;
  bool starMode = false;
};

// A run as the window makes it: the report window keeps the report and the main
// window's boxes take the corrections.
void RunAsTheWindow(MainWindowRecord& main, ReportRun& r, const StarWindowRecord* star = nullptr) {
  const BodyReportResult run = BodyReport(main, r.report, r.sink, star);
  r.report = run.report;
  r.starMode = run.starMode;
  ApplyCorrections(run.mainWindow, main);
}

ReportRun RunReport(MainWindowRecord& main) {
  ReportRun r;
  RunAsTheWindow(main, r);
  return r;
}

std::string ValueOf(const ReportWindowRecord& report, const std::string& label) {
  for (std::size_t i = 0; i < report.lines.labels.size(); ++i) {
    if (report.lines.labels[i] == label) return report.lines.values[i];
  }
  return "<missing " + label + ">";
}

TEST(BodyReport, SunReportLinesComeInTheirOrder) {
  MainWindowRecord main = Helsinki(1992, 10, 13, "00:00:00");
  const ReportRun r = RunReport(main);
  EXPECT_TRUE(r.sink.messages.empty());
  const std::vector<std::string> labels = {
      "Observer Latitude:", "Observer Longitude:", "Date:", "Time Utc:", "", "T diff (Julian centuries):",
      "Geom mean long of Sun:", "True longitude of Sun:", "", "Radius vector of Sun:", "Semidiameter of Sun:",
      "Omega:", "Obliquity of ecliptic:", "Apparent longitude of Sun:", "", "Apparent Right Ascension:",
      "Apparent Declination:", "Apparent Sidereal Time:", "Height", "Azimuth"};
  EXPECT_EQ(r.report.lines.labels, labels);
  EXPECT_EQ(r.report.lines.labels.size(), r.report.lines.values.size());
  EXPECT_EQ(r.report.title, "SUN");
  EXPECT_TRUE(r.report.shown);
  EXPECT_EQ(ValueOf(r.report, "Date:"), "1992-10-13");
  EXPECT_EQ(ValueOf(r.report, "Time Utc:"), "00:00:00");
  // The book's 1992 October 13.0 TD (T = -0.072183436003, 13 h 13 m 31.4 s) 59 s later.
  EXPECT_EQ(ValueOf(r.report, "T diff (Julian centuries):"), "-0.072183417321");
  EXPECT_EQ(r.report.julianDays, "2448908.5");
  EXPECT_EQ(ValueOf(r.report, "Apparent Right Ascension:"), "13 h 13 m 32 s");
  // The Sun's visible parts: twilight, no phase, no magnitude, no satellites.
  EXPECT_TRUE(r.report.twilightVisible);
  EXPECT_FALSE(r.report.phaseVisible);
  EXPECT_FALSE(r.report.magnitudeVisible);
  EXPECT_FALSE(r.report.satellitesVisible);
}

TEST(BodyReport, HemispheresGiveTheSigns) {
  struct Case {
    std::string latDeg, latMin;
    bool north;
    std::string lonDeg, lonMin;
    bool west;
    std::string latitude, longitude;
  };
  const std::vector<Case> cases = {
      {"0", "30", true, "24", "57.3", false, "0° 30' 0.00''", "-24° 57' 18.00''"},
      {"0", "30", false, "24", "57.3", true, "-0° 30' 0.00''", "24° 57' 18.00''"},
      {"33", "52.2", false, "151", "12.6", false, "-33° 52' 12.00''", "-151° 12' 36.00''"},
  };
  for (const auto& c : cases) {
    MainWindowRecord main = Helsinki(2026, 6, 1, "12:00:00");
    main.latDeg = c.latDeg;
    main.latMin = c.latMin;
    main.north = c.north;
    main.lonDeg = c.lonDeg;
    main.lonMin = c.lonMin;
    main.west = c.west;
    const ReportRun r = RunReport(main);
    EXPECT_EQ(ValueOf(r.report, "Observer Latitude:"), c.latitude);
    EXPECT_EQ(ValueOf(r.report, "Observer Longitude:"), c.longitude);
  }
}

TEST(BodyReport, EmptyMinutesBoxesBecomeZero) {
  MainWindowRecord main = Helsinki(2026, 6, 1, "12:00:00");
  main.latMin = "";
  main.lonMin = "";
  const ReportRun r = RunReport(main);
  EXPECT_EQ(main.latMin, "0.0");
  EXPECT_EQ(main.lonMin, "0.0");
  EXPECT_TRUE(r.sink.messages.empty());
  EXPECT_EQ(ValueOf(r.report, "Observer Latitude:"), "60° 00' 0.00''");
}

TEST(BodyReport, FailuresStopWithTheirMessages) {
  struct Case {
    std::string name;
    void (*spoil)(MainWindowRecord&);
    std::string message;
    std::size_t linesLeft;
  };
  const std::vector<Case> cases = {
      {"latitude degrees empty", [](MainWindowRecord& m) { m.latDeg = ""; }, kMessageBadLocation, 0},
      {"longitude degrees empty", [](MainWindowRecord& m) { m.lonDeg = ""; }, kMessageBadLocation, 0},
      {"height not a number", [](MainWindowRecord& m) { m.height = "2,5"; }, kMessageBadLocation, 0},
      {"pressure not a number", [](MainWindowRecord& m) { m.pressure = "x"; }, kMessageBadLocation, 0},
      {"temperature empty", [](MainWindowRecord& m) { m.temperature = ""; }, kMessageBadLocation, 0},
      {"time out of range", [](MainWindowRecord& m) { m.time = "25:00:00"; }, kMessageBadTime, 5},
      {"time not a number", [](MainWindowRecord& m) { m.time = "  :  :  "; }, kMessageBadTime, 5},
      {"time that wraps in 32 bits", [](MainWindowRecord& m) { m.time = "4294967308:00:00"; }, kMessageBadTime, 5},
      {"time with a fourth field", [](MainWindowRecord& m) { m.time = "12:00:00:00"; }, kMessageBadTime, 5},
      // What no place can have is refused, not computed.
      {"latitude 91", [](MainWindowRecord& m) { m.latDeg = "91"; }, kMessageBadLocation, 0},
      {"latitude 90 with minutes", [](MainWindowRecord& m) { m.latDeg = "90"; }, kMessageBadLocation, 0},
      {"longitude 200", [](MainWindowRecord& m) { m.lonDeg = "200"; }, kMessageBadLocation, 0},
      {"longitude 1e12", [](MainWindowRecord& m) { m.lonDeg = "1000000000000"; }, kMessageBadLocation, 0},
      {"negative degrees", [](MainWindowRecord& m) { m.lonDeg = "-5"; }, kMessageBadLocation, 0},
      {"minutes of 60", [](MainWindowRecord& m) { m.latMin = "60"; }, kMessageBadLocation, 0},
      {"minutes that do not read", [](MainWindowRecord& m) { m.lonMin = "x"; }, kMessageBadLocation, 0},
      {"offset abc", [](MainWindowRecord& m) { m.utcMinusLocal = "abc"; }, kMessageBadLocation, 0},
      {"offset 100000", [](MainWindowRecord& m) { m.utcMinusLocal = "100000"; }, kMessageBadLocation, 0},
      {"temperature -273", [](MainWindowRecord& m) { m.temperature = "-273"; }, kMessageBadLocation, 0},
      {"pressure 1e308", [](MainWindowRecord& m) { m.pressure = "1e308"; }, kMessageBadLocation, 0},
      {"height -1", [](MainWindowRecord& m) { m.height = "-1"; }, kMessageBadLocation, 0},
      {"delta abc", [](MainWindowRecord& m) { m.delta = "abc"; m.deltaTyped = true; }, kMessageBadDeltaT, 5},
      {"delta nan", [](MainWindowRecord& m) { m.delta = "nan"; m.deltaTyped = true; }, kMessageBadDeltaT, 5},
      {"delta 1e400", [](MainWindowRecord& m) { m.delta = "1e400"; m.deltaTyped = true; }, kMessageBadDeltaT, 5},
      {"delta -1e30", [](MainWindowRecord& m) { m.delta = "-1e30"; m.deltaTyped = true; }, kMessageBadDeltaT, 5},
  };
  for (const auto& c : cases) {
    MainWindowRecord main = Helsinki(2026, 6, 1, "12:00:00");
    c.spoil(main);
    const ReportRun r = RunReport(main);
    ASSERT_EQ(r.sink.messages.size(), 1u) << c.name;
    EXPECT_EQ(r.sink.messages[0], c.message) << c.name;
    EXPECT_EQ(r.report.lines.labels.size(), c.linesLeft) << c.name;
    EXPECT_TRUE(r.report.shown) << c.name;
    EXPECT_EQ(r.report.julianDays, "") << c.name;
  }
}

TEST(BodyReport, AStoppedRunLeavesNoNumbersOfThePreviousRun) {
  MainWindowRecord main = Helsinki(2026, 6, 1, "12:00:00");
  ReportRun r;
  RunAsTheWindow(main, r);
  EXPECT_NE(r.report.julianDays, "");
  main.time = "25:00:00";
  main.body = Body::kMars;
  RunAsTheWindow(main, r);
  EXPECT_EQ(r.report.title, "MARS");
  for (const std::string* box : {&r.report.julianDays, &r.report.rightAscension, &r.report.declination,
                                 &r.report.altitude, &r.report.rising, &r.report.civilBegins}) {
    EXPECT_EQ(*box, "");
  }
}

TEST(BodyReport, DeltaBoxKeepsOnlyATypedValue) {
  struct Case {
    std::string name;
    int year;
    bool bc;
    std::string box;
    bool typed;
    std::string boxAfter;
    bool typedAfter;
    std::string shown;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"2010 filled in from the measured Delta T", 2010, false, "", false, "66.2", false, "66.2 sec", {}},
      {"2026 filled in", 2026, false, "", false, "70.2", false, "70.2 sec", {}},
      // A value a report filled in is filled in afresh for the next report's date.
      {"2500 after a report of 2026", 2500, false, "70.2", false, "1496.6", false, "1496.6 sec", {}},
      {"typed value stays for any date", 2500, false, "70.3", true, "70.3", true, "70.3 sec", {}},
      {"typed with a comma", 2026, false, "67,2", true, "67,2", true, "67.0 sec", {"Use point"}},
      {"typed box emptied is filled in", 2026, false, "", true, "70.2", false, "70.2 sec", {}},
      {"1999 leaves the box alone", 1999, false, "", false, "", false, "63.6 sec", {}},
      {"1999 does not read a typed value", 1999, false, "70.3", true, "70.3", true, "63.6 sec", {}},
      {"B.C. leaves the box alone", 2026, true, "", false, "", false, "", {}},
  };
  for (const auto& c : cases) {
    MainWindowRecord main = Helsinki(c.year, 6, 1, "12:00:00");
    main.beforeChrist = c.bc;
    main.delta = c.box;
    main.deltaTyped = c.typed;
    const ReportRun r = RunReport(main);
    EXPECT_EQ(main.delta, c.boxAfter) << c.name;
    EXPECT_EQ(main.deltaTyped, c.typedAfter) << c.name;
    if (!c.shown.empty()) {
      EXPECT_EQ(r.report.deltaTime, c.shown) << c.name;
    }
    EXPECT_EQ(r.sink.messages, c.messages) << c.name;
  }
}

// The boxes the window corrects come back beside the report, also from a run that a
// message stopped after the place was read; the record read stays as it was.
TEST(BodyReport, CorrectionsOfTheMainWindowComeBackBesideTheReport) {
  struct Case {
    std::string name;
    std::string time;
    std::optional<std::string> delta;
  };
  const std::vector<Case> cases = {{"whole run", "12:00:00", "70.2"}, {"stopped by the time", "25:00:00", {}}};
  for (const auto& c : cases) {
    MainWindowRecord main = Helsinki(2026, 6, 1, c.time);
    main.latMin = "";
    const MainWindowRecord before = main;
    RecordingMessageSink sink;
    const BodyReportResult run = BodyReport(main, ReportWindowRecord{}, sink);
    EXPECT_EQ(run.mainWindow.latMin, std::optional<std::string>("0.0")) << c.name;
    EXPECT_FALSE(run.mainWindow.lonMin) << c.name;
    EXPECT_EQ(run.mainWindow.delta, c.delta) << c.name;
    EXPECT_EQ(main.latMin, before.latMin) << c.name;
    EXPECT_EQ(main.delta, before.delta) << c.name;
  }
}

TEST(BodyReport, TheSatellitesTakeTheReportsDeltaT) {
  MainWindowRecord main = Helsinki(2026, 6, 1, "12:00:00");
  main.delta = "3600";
  main.deltaTyped = true;
  EXPECT_DOUBLE_EQ(SatellitesMomentOf(main)->hours, 13.0);
  main.deltaTyped = false;  // filled in by a report: Delta T of the moment, 70.2 s
  EXPECT_NEAR(SatellitesMomentOf(main)->hours, 12.0 + 70.2 / 3600.0, 0.05 / 3600.0);
}

TEST(BodyReport, ASecondRunOfTheSameMomentGivesTheSameReport) {
  // The box the first run filled in is not read back rounded by the second.
  MainWindowRecord main = Helsinki(2054, 12, 12, "06:00:00");
  main.body = Body::kMoon;
  const ReportRun first = RunReport(main);
  const ReportRun second = RunReport(main);
  EXPECT_EQ(first.report.deltaTime, second.report.deltaTime);
  EXPECT_EQ(first.report.lines.values, second.report.lines.values);
  EXPECT_EQ(first.report.transit, second.report.transit);
}

TEST(BodyReport, PlacesAtDynamicalTimeHourAnglesAtUniversalTime) {
  // 2000 January 1 12h UT: Delta T 63.83 s puts T (TT) 63.83 s past J2000.0; the
  // planets count from 1900 January 0.5 (T = 1 at J2000.0).
  const std::vector<std::pair<Body, std::string>> cases = {{Body::kSun, "0.000000020227"},
                                                           {Body::kMoon, "0.000000020227"},
                                                           {Body::kMars, "1.000000020227"}};
  for (const auto& [body, t] : cases) {
    const std::string_view code = BodyCode(body);
    MainWindowRecord main = Helsinki(2000, 1, 1, "12:00:00");
    main.body = body;
    const ReportRun r = RunReport(main);
    EXPECT_EQ(ValueOf(r.report, "T diff (Julian centuries):"), t) << code;
    EXPECT_EQ(r.report.deltaTime, "63.8 sec") << code;
  }
}

TEST(BodyReport, SunAtSeventyNorthInJuneIsAlwaysUp) {
  MainWindowRecord main = Helsinki(2026, 6, 21, "12:00:00");
  main.latDeg = "70";
  main.latMin = "0";
  const ReportRun r = RunReport(main);
  EXPECT_EQ(r.report.rising, "Always");
  EXPECT_EQ(r.report.transit, "");
  EXPECT_EQ(r.report.setting, "");
  for (const std::string* box : {&r.report.civilBegins, &r.report.civilEnds, &r.report.nauticalBegins,
                                 &r.report.nauticalEnds, &r.report.astronomicalBegins, &r.report.astronomicalEnds}) {
    EXPECT_EQ(*box, "");
  }
  MainWindowRecord winter = Helsinki(2026, 12, 21, "12:00:00");
  winter.latDeg = "70";
  winter.latMin = "0";
  const ReportRun w = RunReport(winter);
  EXPECT_EQ(w.report.rising, "Never");
  EXPECT_NE(w.report.civilBegins, "");  // twilight still comes at 70 N at midwinter
}

TEST(BodyReport, HelsinkiSunriseAndTwilightsInLocalTime) {
  // 2026 March 21 at Helsinki (UTC+2): sunrise about 6 h 15, sunset about 18 h 30
  // local time, noon near 12 h 20; the twilights come in order.
  MainWindowRecord main = Helsinki(2026, 3, 21, "10:00:00");
  const ReportRun r = RunReport(main);
  EXPECT_EQ(r.report.rising.substr(0, 5), " 6 h ");
  EXPECT_EQ(r.report.transit.substr(0, 5), "12 h ");
  EXPECT_EQ(r.report.setting.substr(0, 5), "18 h ");
  EXPECT_LT(r.report.astronomicalBegins, r.report.nauticalBegins);
  EXPECT_LT(r.report.nauticalBegins, r.report.civilBegins);
  EXPECT_LT(r.report.civilEnds, r.report.nauticalEnds);
  EXPECT_LT(r.report.nauticalEnds, r.report.astronomicalEnds);
  // Near noon a day after the equinox: about 30 degrees high, a little east of south.
  const double height = ReadDecimal(ValueOf(r.report, "Height").substr(0, 8)).value;
  EXPECT_NEAR(height, 30.0, 0.5);
  EXPECT_EQ(r.report.altitude.substr(0, 4), "29°");
  EXPECT_EQ(r.report.declination.substr(r.report.declination.size() - 3), "  N");
  EXPECT_TRUE(r.report.refractionVisible);
}

TEST(BodyReport, SunBelowTheHorizonHidesTheRefractionPanel) {
  MainWindowRecord main = Helsinki(2026, 3, 20, "22:00:00");
  const ReportRun r = RunReport(main);
  EXPECT_EQ(r.report.altitude.substr(0, 1), "-");
  EXPECT_FALSE(r.report.refractionVisible);
  EXPECT_EQ(r.report.refractedAltitude, "");
}

TEST(BodyReport, MoonReportEndsWithItsSemidiameterAndShowsItsPhase) {
  MainWindowRecord main = Helsinki(1992, 4, 12, "00:00:00");
  main.body = Body::kMoon;
  const ReportRun r = RunReport(main);
  EXPECT_TRUE(r.sink.messages.empty());
  const auto& labels = r.report.lines.labels;
  ASSERT_GE(labels.size(), 4u);
  EXPECT_EQ(labels[labels.size() - 3], "Height");
  EXPECT_EQ(labels[labels.size() - 2], "Azimuth");
  EXPECT_EQ(labels.back(), "Semidiameter of Moon:");
  EXPECT_EQ(labels[6], "Nutation in longitude:");
  // The book's 368409.7 km is for 0h TD; the report is for 0h UT, 58.5 s earlier.
  EXPECT_EQ(ValueOf(r.report, "Distance to Earth:"), "368409.0 km");
  EXPECT_TRUE(r.report.phaseVisible);
  EXPECT_FALSE(r.report.twilightVisible);
  EXPECT_FALSE(r.report.magnitudeVisible);
  EXPECT_EQ(r.report.phase, "68.0%");
  EXPECT_EQ(r.report.title, "MOON");
  EXPECT_NE(r.report.rising, "");
  // The topocentric semidiameter of a Moon 368410 km away: about 973'' to 990''.
  const double s = ReadDecimal(ValueOf(r.report, "Semidiameter of Moon:").substr(0, 6)).value;
  EXPECT_GT(s, 972.0);
  EXPECT_LT(s, 991.0);
}

TEST(BodyReport, PlanetsCountTimeFrom1900AndShowTheirMagnitude) {
  struct Case {
    Body body;
    bool magnitude;
  };
  const std::vector<Case> cases = {{Body::kMercury, true}, {Body::kVenus, true},  {Body::kMars, true},
                                   {Body::kJupiter, true}, {Body::kSaturn, false}, {Body::kUranus, true},
                                   {Body::kNeptune, true}};
  for (const auto& c : cases) {
    const std::string_view code = BodyCode(c.body);
    MainWindowRecord main = Helsinki(2000, 1, 1, "12:00:00");
    main.body = c.body;
    const ReportRun r = RunReport(main);
    EXPECT_TRUE(r.sink.messages.empty()) << code;
    EXPECT_EQ(ValueOf(r.report, "T diff (Julian centuries):").substr(0, 8), "1.000000") << code;
    EXPECT_EQ(r.report.magnitudeVisible, c.magnitude) << code;
    EXPECT_EQ(r.report.magnitude.empty(), !c.magnitude) << code;
    EXPECT_EQ(r.report.satellitesVisible, c.body == Body::kJupiter) << code;
    EXPECT_EQ(ValueOf(r.report, "Ecliptical longitude:").empty(), false) << code;
    EXPECT_NE(r.report.rising, "") << code;
  }
}

TEST(BodyReport, ReportOfAnotherBodyClearsTheMagnitude) {
  MainWindowRecord main = Helsinki(2026, 3, 20, "22:00:00");
  main.body = Body::kMars;
  ReportRun r;
  RunAsTheWindow(main, r);
  EXPECT_NE(r.report.magnitude, "");
  main.body = Body::kSaturn;
  RunAsTheWindow(main, r);
  EXPECT_EQ(r.report.magnitude, "");
  EXPECT_FALSE(r.report.magnitudeVisible);
}

StarWindowRecord SiriusTyped() {
  StarWindowRecord w;
  w.boxes = {"Sirius", "6:45:08.92", "-16:42:58", "-0.0380", "-1.223", "", ""};
  return w;
}

TEST(BodyReport, StarReportFromTheStarWindowsBoxes) {
  MainWindowRecord main = Helsinki(2026, 1, 15, "22:00:00");
  main.body = Body::kStar;
  StarWindowRecord star = SiriusTyped();  // typed, with no file behind it
  ReportRun r;
  RunAsTheWindow(main, r, &star);
  EXPECT_TRUE(r.sink.messages.empty());
  EXPECT_EQ(r.report.title, "Sirius");
  EXPECT_TRUE(r.starMode);
  EXPECT_EQ(ValueOf(r.report, "Mean Declination:").substr(0, 5), "-16°");
  EXPECT_EQ(r.report.magnitude, "");
  EXPECT_TRUE(r.report.magnitudeVisible);
  EXPECT_EQ(r.report.declination.substr(0, 5), "-16°");
  EXPECT_NE(r.report.rising, "");
  EXPECT_EQ(r.report.lines.labels.back(), "Azimuth");
}

TEST(BodyReport, StarAfterTheMoonHasNoParallax) {
  MainWindowRecord main = Helsinki(2026, 1, 15, "22:00:00");
  StarWindowRecord star = SiriusTyped();
  ReportRun r;
  main.body = Body::kMoon;
  RunAsTheWindow(main, r, &star);
  main.body = Body::kStar;
  RunAsTheWindow(main, r, &star);
  // With a parallax of 0 the topocentric place is the apparent place itself.
  EXPECT_EQ(r.report.rightAscension, HourMinSecText(ReadDecimal(ValueOf(r.report, "Apparent Right Ascension:")
                                                                     .substr(0, 9)).value / 15.0));
}

TEST(BodyReport, StarWithoutItsWindowIsRefusedWithAMessage) {
  MainWindowRecord main = Helsinki(2026, 3, 20, "22:00:00");
  main.body = Body::kStar;
  const ReportRun r = RunReport(main);
  ASSERT_EQ(r.sink.messages.size(), 1u);
  EXPECT_EQ(r.sink.messages[0], "The report of STAR is not available in this version");
  EXPECT_FALSE(r.report.shown);
  EXPECT_TRUE(r.report.lines.labels.empty());
}

TEST(BodyReport, AStarWhosePlaceDoesNotReadGetsNoReport) {
  for (const auto& [ra, dec] : std::vector<std::pair<std::string, std::string>>{
           {"abc", "north"}, {"99:99:99", "10:00:00"}, {"6:45:08", "-91:61:61"}, {"1e308", "1e308"}}) {
    MainWindowRecord main = Helsinki(2026, 1, 15, "22:00:00");
    main.body = Body::kStar;
    StarWindowRecord star = SiriusTyped();
    star.boxes[1] = ra;
    star.boxes[2] = dec;
    const ReportRun r = [&] {
      ReportRun run;
      RunAsTheWindow(main, run, &star);
      return run;
    }();
    EXPECT_EQ(r.sink.messages, std::vector<std::string>{"A star must be chosen"}) << ra;
    EXPECT_FALSE(r.report.shown) << ra;
  }
}

}  // namespace
}  // namespace orrelin
