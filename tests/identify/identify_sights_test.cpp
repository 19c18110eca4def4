// Sights made from known bodies: the report's own chain gives a body's altitude and
// azimuth for a place and moment; dip and refraction are added back to make the
// sextant altitude a navigator would read; the identification must name the body.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "core/angle_text.h"
#include "core/numbers.h"
#include "earth/observer.h"
#include "identify/identification.h"
#include "report/body_report.h"
#include "stars/star_file.h"
#include "stars/star_window.h"

namespace orrelin {
namespace {

struct Sighted {
  double altitude = 0, azimuth = 0, lha = 0;
};

// The body's true altitude, azimuth and hour angle by the body report.
std::optional<Sighted> ReportOf(MainWindowRecord main, const std::string& code, StarWindowRecord* star) {
  main.body = *BodyOfCode(code);
  RecordingMessageSink sink;
  const ReportWindowRecord report = BodyReport(main, {}, sink, star).report;
  if (report.julianDays.empty()) return std::nullopt;
  Sighted s;
  for (std::size_t i = 0; i < report.lines.labels.size(); ++i) {
    if (report.lines.labels[i] == "Height") s.altitude = ReadDecimal(report.lines.values[i].substr(0, report.lines.values[i].size() - 2)).value;
    if (report.lines.labels[i] == "Azimuth") s.azimuth = ReadDecimal(report.lines.values[i].substr(0, report.lines.values[i].size() - 2)).value;
  }
  return s;
}

// The sextant altitude that gives this true altitude: refraction and dip added back.
double SextantAltitude(double trueAltitude, const MainWindowRecord& main) {
  const SextantCorrection c = SextantCorrections(ReadDecimal(main.height).value, ReadDecimal(main.temperature).value,
                                                 ReadDecimal(main.pressure).value);
  double apparent = trueAltitude;
  for (int i = 0; i < 20; ++i) apparent = trueAltitude + ObservedRefraction(apparent, c.refractionFactor);
  return apparent - c.dip;
}

// Identifies the sight of a catalogue star at a moment; the name found first.
std::string FirstNameForSightOf(const std::string& starName, MainWindowRecord main, Sighted* seen = nullptr) {
  const StarCatalogue catalogue = LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  StarWindowRecord star;
  star.rows = catalogue.records;
  for (std::size_t i = 0; i < star.rows.size(); ++i) {
    if (star.rows[i].Name() == starName) SelectStarRow(star, i);
  }
  const auto s = ReportOf(main, "STAR", &star);
  if (!s) return "<no report>";
  if (seen) *seen = *s;
  const DegMinFieldTexts typed = DegMinFields(SextantAltitude(s->altitude, main));
  IdentifySight sight;
  sight.hmDeg = typed.degrees;
  sight.hmMin = typed.minutes;
  sight.azimuth = FixedText(s->azimuth, 1);
  sight.magnitudeLimit = "6.0";
  RecordingMessageSink sink;
  const IdentifyResult form = IdentifyOk(sight, main, ORRELIN_SHIPPED_STAR_FILE, sink);
  if (!form.identified) return "<stopped>";
  return form.panels[0].name;
}

MainWindowRecord HelsinkiAt(CivilDate date, const std::string& time, const std::string& height) {
  MainWindowRecord m;
  m.latDeg = "60";
  m.latMin = "9.7";
  m.lonDeg = "24";
  m.lonMin = "57.3";
  m.west = false;
  m.height = height;
  m.pressure = "1010";
  m.temperature = "10";
  m.utcMinusLocal = "0";
  m.date = date;
  m.time = time;
  return m;
}

TEST(IdentifySights, OnTheMeridianAndJustBelowTheHorizon) {
  // Sirius crosses the meridian at Helsinki on 2026 January 15 at 21h 25m UT: around
  // it, every 5 seconds, its hour angle is just below 360 or just above 0, and the
  // typed azimuth can put the sight on the other side of 0 than the star.
  for (int second = 0; second <= 120; second += 5) {
    const std::string time = "21:" + TwoDigitText(24 + second / 60) + ":" + TwoDigitText(second % 60);
    Sighted seen;
    EXPECT_EQ(FirstNameForSightOf("Sirius", HelsinkiAt({2026, 1, 15}, time, "3"), &seen), "Sirius") << time;
    EXPECT_LT(std::fabs(seen.azimuth - 180.0), 1.0) << time;
  }
  // It sets at 01h 23m UT on the 16th: sighted from 10 m a few minutes before, its true
  // altitude is negative, and the search must look below the horizon, not above it.
  for (const char* time : {"01:20:00", "01:22:00"}) {
    Sighted seen;
    EXPECT_EQ(FirstNameForSightOf("Sirius", HelsinkiAt({2026, 1, 16}, time, "10"), &seen), "Sirius") << time;
    EXPECT_LT(seen.altitude, 0.0) << time;
  }
}

TEST(IdentifySights, TheBodySightedComesFirst) {
  const StarCatalogue catalogue = LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  ASSERT_TRUE(catalogue.read);
  struct PlaceCase {
    const char *latDeg, *latMin;
    bool north;
    const char *lonDeg, *lonMin;
    bool west;
  };
  const std::vector<PlaceCase> places = {{"60", "9.7", true, "24", "57.3", false},
                                         {"33", "52", false, "151", "12", false},
                                         {"41", "23", true, "70", "40", true},
                                         {"0", "13", false, "78", "30", true}};
  const std::vector<std::pair<CivilDate, std::string>> moments = {
      {{1965, 3, 10}, "03:10:00"}, {{1999, 8, 11}, "20:45:30"}, {{2014, 11, 2}, "06:00:00"},
      {{2026, 1, 15}, "18:00:00"}, {{2041, 7, 1}, "23:30:00"}};
  std::vector<std::string> bodies = {"JUPITER", "MARS", "SATURN", "VENUS"};
  int sights = 0, first = 0, belowHorizon = 0, nearMeridian = 0;
  std::vector<std::string> missed;
  for (const auto& p : places) {
    for (const auto& [date, time] : moments) {
      MainWindowRecord main;
      main.latDeg = p.latDeg;
      main.latMin = p.latMin;
      main.north = p.north;
      main.lonDeg = p.lonDeg;
      main.lonMin = p.lonMin;
      main.west = p.west;
      main.height = "3";
      main.pressure = "1010";
      main.temperature = "10";
      main.utcMinusLocal = "0";
      main.date = date;
      main.time = time;
      std::vector<std::pair<std::string, std::optional<StarWindowRecord>>> targets;
      for (const auto& code : bodies) targets.emplace_back(code, std::nullopt);
      for (std::size_t i = 0; i < catalogue.records.size(); i += 4) {
        StarWindowRecord star;
        star.rows = catalogue.records;
        SelectStarRow(star, i);
        targets.emplace_back(catalogue.records[i].Name(), star);
      }
      for (auto& [name, star] : targets) {
        const auto s = ReportOf(main, star ? "STAR" : name, star ? &*star : nullptr);
        if (!s || s->altitude < -0.6 || s->altitude > 80) continue;
        const double hs = SextantAltitude(s->altitude, main);
        if (hs < 0) continue;
        const DegMinFieldTexts typed = DegMinFields(hs);
        IdentifySight sight;
        sight.hmDeg = typed.degrees;
        sight.hmMin = typed.minutes;
        sight.azimuth = FixedText(s->azimuth, 1);
        sight.magnitudeLimit = "6.0";
        RecordingMessageSink sink;
        const IdentifyResult form = IdentifyOk(sight, main, ORRELIN_SHIPPED_STAR_FILE, sink);
        ASSERT_TRUE(form.identified) << name;
        ++sights;
        belowHorizon += s->altitude < 0 ? 1 : 0;
        nearMeridian += (std::fabs(s->azimuth - 180) < 3 || s->azimuth < 3 || s->azimuth > 357) ? 1 : 0;
        if (form.panels[0].name == name) {
          ++first;
        } else {
          missed.push_back(name + " (" + form.panels[0].name + " first)");
        }
      }
    }
  }
  std::printf("%d of %d sights (%.1f %%) named their body first; %d below the horizon, %d near the meridian\n",
              first, sights, 100.0 * first / sights, belowHorizon, nearMeridian);
  for (const auto& m : missed) std::printf("  missed: %s\n", m.c_str());
  EXPECT_GT(sights, 100);
  EXPECT_GE(first, sights * 97 / 100);
}

TEST(IdentifySights, ThePanelsShowTheReportsNumbers) {
  // The places at TT with the report's Delta T: filled in, or typed (a typed value far
  // from the true one shows any place taken without it).
  const std::vector<std::pair<std::string, bool>> deltas = {{"", false}, {"100000", true}};
  for (const auto& [delta, typed] : deltas) {
    MainWindowRecord main = HelsinkiAt({2026, 1, 15}, "18:00:00", "3");
    main.delta = delta;
    main.deltaTyped = typed;
    MainWindowRecord forReport = main;
    forReport.body = Body::kJupiter;
    RecordingMessageSink sink;
    const ReportWindowRecord report = BodyReport(forReport, {}, sink).report;
    const auto s = ReportOf(main, "JUPITER", nullptr);
    ASSERT_TRUE(s);
    const DegMinFieldTexts hs = DegMinFields(SextantAltitude(s->altitude, main));
    IdentifySight sight;
    sight.hmDeg = hs.degrees;
    sight.hmMin = hs.minutes;
    sight.azimuth = FixedText(s->azimuth, 1);
    sight.magnitudeLimit = "6.0";
    const IdentifyResult form = IdentifyOk(sight, main, ORRELIN_SHIPPED_STAR_FILE, sink);
    ASSERT_TRUE(form.identified) << delta;
    ASSERT_EQ(form.panels[0].name, "JUPITER") << delta;
    EXPECT_EQ(form.panels[0].lha, report.localHourAngle) << delta;
    EXPECT_EQ(form.panels[0].altitude, report.altitude) << delta;
    EXPECT_EQ(form.panels[0].azimuth, report.azimuth) << delta;
  }
}

}  // namespace
}  // namespace orrelin
