// The report from the precise ephemeris: its altitudes and azimuths against an
// independent program (python3-ephem, airless topocentric, Helsinki 2026-03-21 10:00
// UT), its own explanation lines, and the book's report where it has no place.
#include "report/precise_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/angle_text.h"
#include "core/numbers.h"
#include "report/body_report.h"
#include "stars/star_window.h"

namespace orrelin {
namespace {

MainWindowRecord HelsinkiPrecise(const std::string& body, int year = 2026) {
  MainWindowRecord m;
  m.latDeg = "60";
  m.latMin = "9.7";
  m.lonDeg = "24";
  m.lonMin = "57.3";
  m.height = "0";
  m.pressure = "1010";
  m.temperature = "10";
  m.date = {year, 3, 21};
  m.utcMinusLocal = "-2";
  m.time = "10:00:00";
  m.body = *BodyOfCode(body);
  m.precise = true;
  return m;
}

std::string ValueOf(const ReportWindowRecord& report, const std::string& label) {
  for (std::size_t i = 0; i < report.lines.labels.size(); ++i) {
    if (report.lines.labels[i] == label) return report.lines.values[i];
  }
  return "<missing " + label + ">";
}

StarWindowRecord StarWindowWith(const std::string& name, const std::string& ra, const std::string& dec) {
  StarWindowRecord w;
  w.boxes = {name, ra, dec, "0", "0", "1", "1.0"};
  return w;
}

TEST(PreciseReport, AltitudesAndAzimuthsAgreeWithAnIndependentProgram) {
  struct Case {
    const char* body;
    double altitude, azimuth;  // python3-ephem, degrees
  };
  const Case cases[] = {{"SUN", 29.91901, 172.10603},
                        {"MOON", 38.63640, 135.25508},
                        {"JUPITER", 9.26484, 59.41093},
                        {"MARS", 22.60830, 188.02072},
                        {"STAR", -23.25297, 83.19444}};
  for (const Case& c : cases) {
    MainWindowRecord main = HelsinkiPrecise(c.body);
    StarWindowRecord stars = StarWindowWith("Sirius", "6:45:8.92", "-16:42:58.0");
    RecordingMessageSink sink;
    const ReportWindowRecord report = BodyReport(main, {}, sink, &stars).report;
    EXPECT_TRUE(sink.messages.empty()) << c.body;
    EXPECT_NE(report.title.find(" (precise)"), std::string::npos) << report.title;
    auto degrees = [&report](const char* label) {
      const std::string text = ValueOf(report, label);
      return ReadDecimal(text.substr(0, text.find(kDegreeSign))).value;
    };
    const double altitude = degrees("Height");
    const double azimuth = degrees("Azimuth");
    EXPECT_NEAR(altitude, c.altitude, 0.1 / 60) << c.body;
    EXPECT_NEAR(azimuth, c.azimuth, 0.1 / 60 / std::cos(c.altitude * M_PI / 180)) << c.body;
    EXPECT_EQ(ValueOf(report, "Ephemeris:").rfind("Swiss Ephemeris ", 0), 0u) << c.body;
  }
}

TEST(PreciseReport, WithoutAPrecisePlaceTheBooksReportFollowsAndSaysWhy) {
  struct Case {
    std::string body, star;
    int year;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"STAR", "Mizar", 2026,
       "There is no precise place of Mizar: only the navigational stars are in the ephemeris. The report follows the "
       "book."},
      {"SUN", "", 1700,
       "There is no precise place for this moment: precise places are given for the years 1800 to 2399 (the "
       "ephemeris files in /usr/share/libswe/ephe). The report follows the book."},
  };
  for (const Case& c : cases) {
    MainWindowRecord main = HelsinkiPrecise(c.body, c.year);
    StarWindowRecord stars = StarWindowWith(c.star, "13:23:55.5", "54:55:31");
    RecordingMessageSink sink;
    const ReportWindowRecord report = BodyReport(main, {}, sink, &stars).report;
    ASSERT_EQ(sink.messages.size(), 1u) << c.body;
    EXPECT_EQ(sink.messages[0].substr(0, 60), c.message.substr(0, 60));
    EXPECT_EQ(report.title.find("(precise)"), std::string::npos);
    EXPECT_FALSE(report.altitude.empty()) << c.body;  // the book's report
  }
}

}  // namespace
}  // namespace orrelin
