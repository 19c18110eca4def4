// The report's Moon against a high-accuracy ephemeris: the altitude and azimuth the
// report shows (its "Height" and "Azimuth" lines, without refraction) for the site of
// the samples, the whole chain from the boxes to the horizon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/angles.h"
#include "core/numbers.h"
#include "horizons.h"
#include "report/body_report.h"

namespace orrelin {
namespace {

using namespace orrelin::testing;

double DegreesOfLine(const ReportWindowRecord& report, const std::string& label) {
  for (std::size_t i = 0; i < report.lines.labels.size(); ++i) {
    const std::string& value = report.lines.values[i];  // "12.34567°"
    if (report.lines.labels[i] == label) return ReadDecimal(value.substr(0, value.find("\u00b0"))).value;
  }
  return 1000.0;
}

// The angle between two directions given by altitude and azimuth, arc seconds.
double Separation(double altitude1, double azimuth1, double altitude2, double azimuth2) {
  return SeparationArcSeconds({azimuth1, altitude1}, {azimuth2, altitude2});
}

TEST(HorizonsReport, TheMoonsReportWithinTwentySecondsOfArcFrom1950To2050) {
  double worst = 0.0, worstOutside = 0.0;
  std::string worstDate;
  for (const EphemerisRow& r : LoadHorizons("Moon_apparent")) {
    MainWindowRecord main;
    main.latDeg = "29";
    main.latMin = "0";
    main.north = true;
    main.lonDeg = "81";
    main.lonMin = "0";
    main.west = true;
    main.height = "10";
    main.pressure = "1010";
    main.temperature = "10";
    main.utcMinusLocal = "0";
    main.date = {r.year, r.month, r.day};
    const int minutes = static_cast<int>(r.hours * 60.0 + 0.5);
    main.time = TwoDigitText(minutes / 60) + ":" + TwoDigitText(minutes % 60) + ":00";
    main.body = Body::kMoon;
    RecordingMessageSink sink;
    const ReportWindowRecord report = BodyReport(main, {}, sink).report;
    ASSERT_TRUE(sink.messages.empty()) << main.time;
    const double s = Separation(DegreesOfLine(report, "Height"), DegreesOfLine(report, "Azimuth"), r.elevation,
                                r.azimuth);
    if (r.year >= 1950 && r.year < 2050) {
      if (s > worst) worstDate = std::to_string(r.year) + "-" + std::to_string(r.month) + "-" + std::to_string(r.day);
      worst = std::max(worst, s);
    } else {
      worstOutside = std::max(worstOutside, s);
    }
  }
  std::printf("The report's Moon: %.1f'' at most 1950-2050 (%s), %.1f'' 1900-1950 and 2050-2100\n", worst,
              worstDate.c_str(), worstOutside);
  EXPECT_LT(worst, 20.0);
  EXPECT_LT(worstOutside, 30.0);
}

}  // namespace
}  // namespace orrelin
