#include "report/precise_report.h"

#include <cmath>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/geodesy.h"
#include "core/numbers.h"
#include "precise/nautical.h"
#include "report/body_place.h"
#include "report/report_altitude.h"

namespace orrelin {

namespace {

// The almanac body of a report's body (a star by the star window's name).
std::optional<precise::NauticalBody> PreciseBodyOf(const ReportStart& start) {
  return precise::NauticalBodyNamed(start.body == Body::kStar ? start.star->name : std::string(BodyName(start.body)));
}

void ExplainPlace(const char* which, const precise::PrecisePlace& p, ExplanationLines* lines) {
  ReportLine(lines, std::string(which) + " Right Ascension:", HourMinSecText(p.rightAscension / 15.0));
  ReportLine(lines, std::string(which) + " Declination:", DegMinSecText(p.declination));
}

// The Moon's phase boxes: the illuminated part and the elongation east of the Sun (0..360).
void WriteMoonPhase(const precise::Phenomena& ph, const precise::PrecisePlace& moon, const Moment& moment,
                    ReportWindowRecord& report, std::string& why) {
  report.phase = FixedText(std::nearbyint(ph.illuminated * 1000.0) / 10.0, 1) + "%";
  double elongation = ph.elongation;
  if (const auto sun = precise::BodyPlace(Body::kSun, moment, precise::Frame::kApparent, std::nullopt, why)) {
    if (NormalizeAngle(moon.rightAscension - sun->rightAscension) > 180.0) elongation = 360.0 - elongation;
  }
  report.elongation = FixedText(std::nearbyint(elongation), 0);
}

}  // namespace

bool PreciseReport(const ReportStart& start, ReportWindowRecord& report, MessageSink& sink) {
  const auto body = PreciseBodyOf(start);
  if (!body) {
    sink.ShowMessage("There is no precise place of " + start.star->name +
                     ": only the navigational stars are in the ephemeris. The report follows the book.");
    return false;
  }
  const Observer& o = start.observer;
  const Moment& moment = start.now;
  const bool isBody = body->kind == precise::NauticalBody::Kind::kBody;
  std::string why;
  const auto geocentric = PrecisePlaceAt(*body, moment, std::nullopt, why);
  const precise::GeoPlace seenFrom{o.latitude, EastLongitude(o.longitude), o.height};
  const auto topocentric = geocentric ? PrecisePlaceAt(*body, moment, seenFrom, why) : std::nullopt;
  const auto phenomena = isBody && topocentric ? precise::BodyPhenomena(body->body, moment, why) : std::nullopt;
  const auto zero = topocentric ? PrecisePlacesAtZero(*body, start.now, why) : std::nullopt;
  if (!geocentric || !topocentric || (isBody && !phenomena) || !zero) {
    sink.ShowMessage("There is no precise place for this moment: " + why + ". The report follows the book.");
    return false;
  }
  report.title += " (precise)";
  ExplanationLines* lines = &report.lines;
  ReportLine(lines, "Ephemeris:", precise::LibraryName());
  ReportLine(lines, "Delta T (TT - UT):", FixedText(moment.deltaT, 1) + " s");
  ReportLine(lines, "Julian Day (UT):", FixedText(JulianDayUt(moment), 6));
  ExplainPlace("Geocentric", *geocentric, lines);
  if (isBody) {
    ReportLine(lines, "Distance:", FixedText(geocentric->distance, 8) + " AU");
    const double parallax = precise::HorizontalParallaxOf(geocentric->distance);
    ReportLine(lines, "Horizontal Parallax:", DegMinSecText(parallax));
    ReportLine(lines, "Semidiameter:", DegMinSecText(phenomena->semidiameter));
    ExplainPlace("Topocentric", *topocentric, lines);
  }
  const double gast = precise::GreenwichApparentSiderealTime(moment);
  ReportLine(lines, "GHA Aries:", DegMinSecText(gast));

  report.julianDays = FixedText(JulianDayAtZero(start.now), 1);
  report.deltaTime = FixedText(moment.deltaT, 1) + " sec";
  WritePlaceBoxes({topocentric->rightAscension, topocentric->declination}, gast, o, report);
  if (IsPlanet(start.body)) {
    report.magnitudeVisible = true;  // Saturn's too, with its rings
    report.magnitude = FixedText(phenomena->magnitude, 1);
  }
  if (start.body == Body::kMoon) WriteMoonPhase(*phenomena, *geocentric, moment, report, why);
  WriteRisingAndSetting(start.body, *zero, moment.deltaT, o, report);
  return true;
}

}  // namespace orrelin
