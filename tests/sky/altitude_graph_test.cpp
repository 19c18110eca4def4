// The altitude graph: each sample's altitude the report's Altitude box of that moment
// (book and precise chains), the Sun's band edges the daily pages' twilights, and the
// events within the graph's hours.
#include "sky/altitude_graph.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

#include "navigation/twilight_times.h"
#include "report/body_report.h"
#include "stars/star_window.h"

namespace orrelin::sky {
namespace {

constexpr double kMinute = 1.0 / 1440.0;

StarCatalogue Catalogue() { return LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE); }

// A decimal with a point in any locale.
double Number(const std::string& text) {
  double value = 0.0;
  const std::size_t first = text.find_first_not_of(' ');
  std::from_chars(text.data() + first, text.data() + text.size(), value);
  return value;
}

// "27° 31.2'", "-5° 02.0'": degrees.
double AltitudeOfBox(const std::string& text) {
  const bool negative = text.rfind('-', 0) == 0;
  const std::size_t degreeSign = text.find("\xC2\xB0");
  const double degrees = std::fabs(Number(text.substr(0, degreeSign)));
  const std::string minutes = text.substr(degreeSign + 2);
  const double value = degrees + Number(minutes) / 60.0;
  return negative ? -value : value;
}

MainWindowRecord Place(double latitude, double eastLongitude, double jd, bool precise) {
  MainWindowRecord m;
  m.latDeg = std::to_string(static_cast<int>(std::fabs(latitude)));
  m.latMin = std::to_string((std::fabs(latitude) - std::floor(std::fabs(latitude))) * 60.0).substr(0, 6);
  m.north = latitude >= 0;
  m.lonDeg = std::to_string(static_cast<int>(std::fabs(eastLongitude)));
  m.lonMin = std::to_string((std::fabs(eastLongitude) - std::floor(std::fabs(eastLongitude))) * 60.0).substr(0, 6);
  m.west = eastLongitude < 0;
  m.height = "0";
  m.pressure = "1010";
  m.temperature = "10";
  m.utcMinusLocal = "0";
  const CalendarInstant c = CalendarFromJulianDay(std::floor(jd - 0.5) + 0.5 + 1e-6);
  m.date = {c.year, c.month, static_cast<int>(c.day)};
  const long long seconds = std::llround((jd - (std::floor(jd - 0.5) + 0.5)) * 86400.0);
  char time[64];
  std::snprintf(time, sizeof time, "%02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
  m.time = time;
  m.precise = precise;
  return m;
}

// The decimal point in any locale: the boxes are read as the window reads them.
std::string Decimal(std::string text) {
  for (char& ch : text) {
    if (ch == ',') ch = '.';
  }
  return text;
}

TEST(AltitudeGraph, EverySampleIsTheReportsAltitudeBox) {
  const StarCatalogue catalogue = Catalogue();
  ASSERT_TRUE(catalogue.read);
  struct Case {
    double latitude, eastLongitude, day;
    bool precise;
  } cases[] = {{60.1617, 24.955, 2461114.5, false},  // Helsinki, 2026-03-15
               {-33.87, 151.21, 2461212.5, false},   // Sydney, 2026-06-21
               {40.71, -74.01, 2461315.5, true}};    // New York, 2026-10-02, precise
  for (const Case& c : cases) {
    GraphInput in;
    MainWindowRecord main = Place(c.latitude, c.eastLongitude, c.day, c.precise);
    main.latMin = Decimal(main.latMin);
    main.lonMin = Decimal(main.lonMin);
    in.observer.latitude = Number(main.latDeg) + Number(main.latMin) / 60.0;
    if (!main.north) in.observer.latitude = -in.observer.latitude;
    in.observer.longitude = Number(main.lonDeg) + Number(main.lonMin) / 60.0;
    if (!main.west) in.observer.longitude = -in.observer.longitude;
    in.dayJulianDayUt = c.day;
    in.stepMinutes = 60;
    std::string why;
    for (const char* name : {"Sun", "Moon", "Jupiter", "Sirius"}) {
      in.bodies.push_back(*SkyBodyNamed(name, catalogue, c.precise, why));
    }
    const auto graph = DrawAltitudeGraph(in, why);
    ASSERT_TRUE(graph) << why;
    ASSERT_EQ(graph->samples.size(), 25u);
    for (std::size_t s = 0; s < graph->samples.size(); s += 3) {
      for (std::size_t b = 0; b < in.bodies.size(); ++b) {
        MainWindowRecord at = Place(c.latitude, c.eastLongitude, graph->samples[s].julianDayUt, c.precise);
        at.latMin = main.latMin;
        at.lonMin = main.lonMin;
        at.body = in.bodies[b].body;
        RecordingMessageSink sink;
        std::optional<StarWindowRecord> window;
        if (in.bodies[b].body == Body::kStar) {
          window.emplace();
          window->rows = catalogue.records;
          for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
            if (catalogue.records[i].Name() == in.bodies[b].name) SelectStarRow(*window, i);
          }
        }
        const BodyReportResult report = BodyReport(at, {}, sink, window ? &*window : nullptr);
        ASSERT_FALSE(report.report.altitude.empty()) << in.bodies[b].name;
        EXPECT_NEAR(graph->samples[s].altitudes[b], AltitudeOfBox(report.report.altitude), 1.0 / 60.0)
            << in.bodies[b].name << " " << at.time;
      }
    }
  }
}

TEST(AltitudeGraph, BandEdgesAreTheDailyPagesTwilights) {
  struct Case {
    double latitude, eastLongitude, day;
  } cases[] = {{60.1617, 24.955, 2461114.5}, {-33.87, 151.21, 2461212.5}, {40.71, -74.01, 2461315.5},
               {0.0, 0.0, 2461400.5},        {51.48, 0.0, 2461300.5}};
  for (const Case& c : cases) {
    GraphInput in;
    in.observer.latitude = c.latitude;
    in.observer.longitude = -c.eastLongitude;
    in.observer.utcMinusLocal = -std::round(c.eastLongitude / 15.0);
    in.dayJulianDayUt = c.day;
    std::string why;
    const auto graph = DrawAltitudeGraph(in, why);
    ASSERT_TRUE(graph) << why;
    // The edges the daily pages give: sunset, civil and nautical twilight of the
    // evening, and the morning's after it.
    std::vector<double> expected;
    const navigation::ShipTrack track{{c.latitude, c.eastLongitude}, c.day, 0, 0};
    for (const auto& [day, twilight] : {std::pair{c.day, navigation::Twilight::kEvening},
                                        std::pair{c.day + 1.0, navigation::Twilight::kMorning}}) {
      const auto t = navigation::TwilightTimesAt(track, day, twilight, why);
      ASSERT_TRUE(t) << why;
      for (const auto& m : {t->horizon, t->civil, t->nautical}) {
        if (m && *m > graph->fromJulianDayUt && *m < graph->toJulianDayUt) expected.push_back(*m);
      }
    }
    ASSERT_FALSE(expected.empty());
    for (double m : expected) {
      double nearest = 1.0;
      for (const SunBand& b : graph->sunBands) nearest = std::min(nearest, std::fabs(b.fromJulianDayUt - m));
      EXPECT_LT(nearest, kMinute) << c.latitude << " " << m;
    }
  }
}

TEST(AltitudeGraph, EventsFallWithinTheHoursAndRefusesABadStep) {
  GraphInput in;
  in.observer.latitude = 60.1617;
  in.observer.longitude = -24.955;
  in.observer.utcMinusLocal = -2;
  in.dayJulianDayUt = 2461114.5;
  std::string why;
  in.bodies = SolarSystemBodies(false);
  const auto graph = DrawAltitudeGraph(in, why);
  ASSERT_TRUE(graph) << why;
  EXPECT_NEAR(graph->midnightJulianDayUt, 2461115.5 - 2.0 / 24.0, 1e-9);
  EXPECT_EQ(graph->samples.size(), 145u);
  for (const GraphEvent& e : graph->events) {
    EXPECT_GE(e.julianDayUt, graph->fromJulianDayUt);
    EXPECT_LE(e.julianDayUt, graph->toJulianDayUt);
  }
  in.stepMinutes = 0.5;
  EXPECT_FALSE(DrawAltitudeGraph(in, why));
  EXPECT_EQ(why, "The step is 1 to 60 minutes");
}

}  // namespace
}  // namespace orrelin::sky
