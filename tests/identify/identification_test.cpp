#include "identify/identification.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/numbers.h"
#include "earth/observer.h"
#include "report/body_report.h"
#include "stars/star_file.h"
#include "stars/star_window.h"

namespace orrelin {
namespace {

const std::filesystem::path kCatalogue = ORRELIN_SHIPPED_STAR_FILE;

MainWindowRecord Place(const std::string& latDeg, const std::string& latMin, bool north, const std::string& lonDeg,
                       const std::string& lonMin, bool west, CivilDate date, const std::string& time) {
  MainWindowRecord m;
  m.latDeg = latDeg;
  m.latMin = latMin;
  m.north = north;
  m.lonDeg = lonDeg;
  m.lonMin = lonMin;
  m.west = west;
  m.height = "2";
  m.pressure = "1010";
  m.temperature = "10";
  m.utcMinusLocal = "0";
  m.date = date;
  m.time = time;
  return m;
}

MainWindowRecord Helsinki() { return Place("60", "9.7", true, "24", "57.3", false, {2026, 1, 15}, "18:00:00"); }

IdentifySight Sight(const std::string& deg, const std::string& min, const std::string& azimuth,
                    const std::string& limit = "2.0") {
  IdentifySight f;
  f.hmDeg = deg;
  f.hmMin = min;
  f.azimuth = azimuth;
  f.magnitudeLimit = limit;
  return f;
}

TEST(Identify, TheOkButtonsChecks) {
  struct Case {
    IdentifySight form;
    bool runs;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {Sight("30", "", "180"), true, {}},
      {Sight("30", "0", "0"), true, {}},
      {Sight("30", "0", "360"), true, {}},
      {Sight("30", "0", "360.1"), false, {kMessageAzimuthRange}},
      {Sight("30", "0", ""), false, {kMessageAzimuthRange}},
      {Sight("30", "0", "x"), false, {kMessageAzimuthRange}},
      {Sight("", "0", "100"), false, {kMessageHeightInDegreesAndMinutes}},
      {Sight("3.5", "0", "100"), false, {kMessageHeightInDegreesAndMinutes}},
      {Sight("30", "x", "100"), false, {kMessageHeightInDegreesAndMinutes}},
      {Sight("95", "0", "100"), false, {kMessageHeightInDegreesAndMinutes}},
      {Sight("30", "0", "100", "x"), false, {}},  // a limit that does not read stops without a word
      {Sight("30", "0", "100", "9"), true, {kMessageMagnitudeRange}},  // said, and the search goes on
      {Sight("", "", "400"), false, {kMessageHeightInDegreesAndMinutes, kMessageAzimuthRange}},
  };
  for (auto c : cases) {
    MainWindowRecord main = Helsinki();
    RecordingMessageSink sink;
    const IdentifyResult result = IdentifyOk(c.form, main, kCatalogue, sink);
    EXPECT_EQ(result.identified, c.runs) << c.form.hmDeg << " " << c.form.azimuth;
    EXPECT_EQ(sink.messages, c.messages) << c.form.hmDeg << " " << c.form.azimuth;
    EXPECT_TRUE(result.observedVisible);
  }
  // The main window's place and time are read at every OK.
  for (const auto& [spoil, message] : std::vector<std::pair<void (*)(MainWindowRecord&), std::string>>{
           {[](MainWindowRecord& m) { m.latDeg = "91"; }, kMessageBadLocation},
           {[](MainWindowRecord& m) { m.height = "2.5"; }, kMessageBadLocation},
           {[](MainWindowRecord& m) { m.temperature = "-273"; }, kMessageBadLocation},
           {[](MainWindowRecord& m) { m.time = "25:00:00"; }, kMessageBadTime}}) {
    MainWindowRecord main = Helsinki();
    spoil(main);
    RecordingMessageSink sink;
    EXPECT_FALSE(IdentifyOk(Sight("30", "0", "100"), main, kCatalogue, sink).identified);
    EXPECT_EQ(sink.messages, std::vector<std::string>{message});
  }
  // An empty minutes box shows "0.0" once the place is read, not when the sight was
  // refused before it.
  MainWindowRecord empty = Helsinki();
  empty.latMin.clear();
  RecordingMessageSink sink;
  EXPECT_EQ(IdentifyOk(Sight("30", "0", "100"), empty, kCatalogue, sink).mainWindow.latMin, "0.0");
  EXPECT_FALSE(IdentifyOk(Sight("30", "0", "400"), empty, kCatalogue, sink).mainWindow.latMin.has_value());
}

TEST(Identify, DeclinationAndHourAngleOfASight) {
  struct Case {
    double latitude, altitude, azimuth, declination, lha;
  };
  const std::vector<Case> cases = {
      {60, 30, 180, 0, 0},      // on the meridian, south: the hour angle is 0 itself
      {60, 30, 179.9, 0, 360},  // just east of it: 360 - t
      {0, 90, 0, 0, 360},       // the zenith on the equator
      {45, 0, 90, 0, 270},      // rising due east
      {45, 0, 270, 0, 90},      // setting due west
  };
  for (const auto& c : cases) {
    const ObservedPlace p = PlaceOfSight(c.latitude, c.altitude, c.azimuth);
    EXPECT_NEAR(p.declination, c.declination, 0.01) << c.azimuth;
    const double apart = std::fabs(p.lha - c.lha);
    EXPECT_LT(std::min(apart, 360.0 - apart), 0.2) << c.azimuth;
  }
  // The hour angles are compared the short way round.
  EXPECT_DOUBLE_EQ(IdentifyDistance({10, 1}, 10, 359), 2.0);
  EXPECT_DOUBLE_EQ(IdentifyDistance({10, 359}, 12, 1), 4.0);
}

TEST(Identify, TheThreeNearestBestFirst) {
  auto body = [](const char* name, double d) {
    Candidate c;
    c.name = name;
    c.distance = d;
    c.declination = d;  // to see that a move carries the whole slot
    return c;
  };
  struct Case {
    std::vector<Candidate> evaluated;
    std::vector<std::string> names;
  };
  const std::vector<Case> cases = {
      {{body("a", 5), body("b", 3), body("c", 4)}, {"b", "c", "a"}},
      {{body("a", 5), body("b", 5), body("c", 5)}, {"a", "b", "c"}},  // equals go behind
      {{body("a", 1), body("b", 2), body("c", 3), body("d", 0.5)}, {"d", "a", "b"}},
      {{body("a", 1), body("b", 2), body("c", 3), body("d", 2.5)}, {"a", "b", "d"}},
      {{body("a", 1500)}, {"", "", ""}},  // farther than 1000 is never kept
  };
  for (const auto& c : cases) {
    IdentifyCandidates slots;
    for (const auto& b : c.evaluated) KeepNearest(slots, b);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(slots[i].name, c.names[i]);
      if (!slots[i].name.empty()) {
        EXPECT_EQ(slots[i].declination, slots[i].distance);
      }
    }
  }
}

TEST(Identify, MagnitudeLimitsAndPanelsThatShow) {
  // 2026 January 15, 18h UT at Helsinki: Jupiter (-2.7) is up; Venus is near the Sun.
  MainWindowRecord main = Helsinki();
  auto names = [](const IdentifyResult& f) {
    std::vector<std::string> n;
    for (const auto& p : f.panels) {
      if (p.visible) n.push_back(p.name);
    }
    return n;
  };
  // A limit of -2.0 keeps neither Sirius (-1.46) nor Saturn (counted as 0).
  RecordingMessageSink sink;
  const IdentifyResult bright = IdentifyOk(Sight("20", "0", "150", "-2.0"), main, kCatalogue, sink);
  ASSERT_TRUE(bright.identified);
  for (const auto& name : names(bright)) {
    EXPECT_NE(name, "Sirius");
    EXPECT_NE(name, "SATURN");
  }
  // Only Venus and Jupiter are brighter than -2.5: the third panel stays hidden when
  // only one passes; with none, the first panel shows empty, its declination "  S".
  const IdentifyResult none = IdentifyOk(Sight("20", "0", "150", "-8.0"), main, kCatalogue, sink);
  ASSERT_TRUE(none.identified);
  EXPECT_EQ(sink.messages.back(), kMessageMagnitudeRange);
  EXPECT_TRUE(none.panels[0].visible);
  EXPECT_EQ(none.panels[0].name, "");
  EXPECT_EQ(none.panels[0].declination, "0° 00.0'  S");
  EXPECT_FALSE(none.panels[1].visible);
  EXPECT_FALSE(none.panels[2].visible);
}

TEST(Identify, HowFarEachCandidateStandsFromTheSight) {
  struct Case {
    double observedAltitude, observedAzimuth, altitude, azimuth, degrees;
  };
  const std::vector<Case> cases = {
      {30, 100, 30, 100, 0},   {30, 100, 32.5, 100, 2.5}, {0, 10, 0, 15, 5},   {0, 359, 0, 1, 2},  // across north
      {60, 0, 60, 180, 60},    {89, 0, 89, 180, 2},        {45, 0, -45, 0, 90}, {0, 0, 0, 180, 180},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(SightSeparation(c.observedAltitude, c.observedAzimuth, c.altitude, c.azimuth), c.degrees, 1e-9)
        << c.observedAltitude << " " << c.observedAzimuth;
  }
  // Near the zenith an azimuth's degree is a short way: 1 degree at 80 is 10.4'.
  EXPECT_NEAR(SightSeparation(80, 100, 80, 101) * 60, 10.42, 0.01);

  // Sirius sighted on 2026 January 15 at 21:44 UT from 3 m (it is at azimuth 184.6):
  // close; the same altitude 6 degrees farther round is nothing near, and says so.
  MainWindowRecord main = Helsinki();
  main.time = "21:44:00";
  main.height = "3";
  RecordingMessageSink sink;
  IdentifySight nearSight = Sight("13", "3.6", "184.6");
  const IdentifyResult near = IdentifyOk(nearSight, main, kCatalogue, sink);
  ASSERT_TRUE(near.identified);
  EXPECT_EQ(near.panels[0].name, "Sirius");
  EXPECT_EQ(near.panels[0].separation, "0.1\xC2\xB0");
  EXPECT_EQ(near.notice, "");
  const IdentifyResult far = IdentifyOk(Sight("13", "3.6", "190.6"), main, kCatalogue, sink);
  ASSERT_TRUE(far.identified);
  EXPECT_EQ(far.panels[0].name, "Sirius");
  EXPECT_EQ(far.panels[0].separation, "5.8\xC2\xB0");  // 6 x cos 13 = 5.85 degrees
  EXPECT_EQ(far.notice, kMessageNothingNear);
  // An empty slot is no body: no separation.
  const IdentifyResult none = IdentifyOk(Sight("20", "0", "150", "-8.0"), main, kCatalogue, sink);
  ASSERT_TRUE(none.identified);
  EXPECT_EQ(none.panels[0].separation, "");
  EXPECT_EQ(none.notice, kMessageNothingNear);
  // A sight the checks refuse leaves nothing of the earlier one.
  nearSight.azimuth = "400";
  const IdentifyResult refused = IdentifyOk(nearSight, main, kCatalogue, sink);
  EXPECT_FALSE(refused.identified);
  for (const auto& panel : refused.panels) {
    EXPECT_FALSE(panel.visible);
    EXPECT_EQ(panel.name, "");
  }
  EXPECT_EQ(refused.declination, "");
  EXPECT_EQ(nearSight.azimuth, "400");  // what was typed stays
}

TEST(Identify, ANegativeObservedAltitudeKeepsItsSign) {
  // 0° 05' from 10 m: dip -5.6', refraction about 29': Ho is about -0.6°.
  MainWindowRecord main = Helsinki();
  main.height = "10";
  RecordingMessageSink sink;
  const IdentifyResult f = IdentifyOk(Sight("0", "5", "200"), main, kCatalogue, sink);
  ASSERT_TRUE(f.identified);
  EXPECT_EQ(f.observedDeg, "-0");
  const double minutes = ReadDecimal(f.observedMin).value;
  EXPECT_NEAR(minutes, 36, 4);
  EXPECT_EQ(f.observedAltitude.rfind("-0°", 0), 0u);
  EXPECT_EQ(f.apparentAltitude, "-0° 00.6'");
  EXPECT_EQ(f.observedAzimuth, "200°");
}

}  // namespace
}  // namespace orrelin
