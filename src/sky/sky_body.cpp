#include "sky/sky_body.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/calendar.h"
#include "core/moment.h"
#include "report/report_altitude.h"

namespace orrelin::sky {

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

SkyBody ReportBody(Body body, bool precise) {
  SkyBody b;
  b.body = body;
  b.name = std::string(BodyName(body));
  if (precise) b.precise = precise::NauticalBodyNamed(b.name);
  return b;
}

SkyBody StarBody(const StarCatalogue& catalogue, std::size_t i, bool precise) {
  SkyBody b;
  b.body = Body::kStar;
  b.name = catalogue.records[i].Name();
  b.star = catalogue.values[i];
  b.catalogueMagnitude = catalogue.magnitudes[i];
  if (precise) b.precise = precise::NauticalBodyNamed(b.name);
  return b;
}

// The calendar date of a date's 0h UT (the report's calendar: Gregorian from 1582).
TCalendarDate DateOf(double dayJulianDayUt) {
  const CalendarInstant c = CalendarFromJulianDay(dayJulianDayUt);
  TCalendarDate date;
  date.year = c.year;
  date.month = c.month;
  date.day = static_cast<int>(std::floor(c.day + 1e-9));
  return date;
}

}  // namespace

std::optional<SkyBody> SkyBodyNamed(const std::string& name, const StarCatalogue& catalogue, bool precise,
                                    std::string& why) {
  if (const auto body = BodyNamed(name); body && *body != Body::kStar) return ReportBody(*body, precise);
  const std::string wanted = Lower(name);
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    if (catalogue.values[i] && Lower(catalogue.records[i].Name()) == wanted) return StarBody(catalogue, i, precise);
  }
  why = "\"" + name + "\" is no body: the Sun, the Moon, a planet or a star of the catalogue";
  return std::nullopt;
}

std::vector<SkyBody> SolarSystemBodies(bool precise) {
  std::vector<SkyBody> bodies;
  for (Body b : {Body::kSun, Body::kMoon, Body::kMercury, Body::kVenus, Body::kMars, Body::kJupiter, Body::kSaturn,
                 Body::kUranus, Body::kNeptune}) {
    bodies.push_back(ReportBody(b, precise));
  }
  return bodies;
}

std::vector<SkyBody> CatalogueStarsTo(const StarCatalogue& catalogue, double magnitudeLimit) {
  std::vector<SkyBody> stars;
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    if (!catalogue.values[i] || catalogue.records[i].Name().empty()) continue;
    if (catalogue.magnitudes[i] <= magnitudeLimit) stars.push_back(StarBody(catalogue, i, false));
  }
  return stars;
}

std::optional<double> AltitudeAt(const SkyBody& body, const Observer& observer, double julianDayUt,
                                 std::string& why) {
  const Moment now = ReportMomentAt(julianDayUt);
  if (body.precise) return PreciseAltitude(*body.precise, observer, now, why);
  return BookAltitude(body.body, body.star ? &*body.star : nullptr, observer, now);
}

std::optional<RiseTransitSetResult> RisingTransitSettingOf(const SkyBody& body, const Observer& observer,
                                                           double dayJulianDayUt, std::string& why) {
  const Moment now = ReportMomentAt(dayJulianDayUt);
  std::optional<PlacesAtZero> places;
  if (body.precise) {
    places = PrecisePlacesAtZero(*body.precise, now, why);
  } else {
    places = BookPlacesAtZero(body.body, DateOf(dayJulianDayUt), false, now.deltaT,
                              body.star ? &*body.star : nullptr);
  }
  if (!places) return std::nullopt;
  return ReportRisingAndSetting(body.body, *places, now.deltaT, observer).events[0];
}

}  // namespace orrelin::sky
