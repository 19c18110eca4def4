#include "report/body_report.h"

#include <array>
#include <cmath>
#include <string>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/calendar.h"
#include "core/clock.h"
#include "core/degmin.h"
#include "core/moment.h"
#include "core/numbers.h"
#include "earth/nutation.h"
#include "earth/observer.h"
#include "earth/rise_set.h"
#include "earth/semidiameters.h"
#include "report/body_place.h"
#include "report/observer_reading.h"
#include "report/precise_report.h"
#include "report/report_altitude.h"
#include "report/report_start.h"

namespace orrelin {

namespace {

std::string DeclinationText(double declination) {
  return DegMinSecText(declination) + (declination > 0 ? "  N" : "  S");
}

}  // namespace

bool DeltaBoxApplies(const TCalendarDate& date, bool bc) { return date.year > 2000 && !bc; }

namespace {

// The Delta box as read for a report of this date: only a value the user typed, and only
// for the years the box applies to.
std::optional<DeltaBoxRead> TypedDeltaBox(const MainWindowRecord& main, const TCalendarDate& date) {
  if (!DeltaBoxApplies(date, main.beforeChrist) || !main.deltaTyped || main.delta.empty()) return std::nullopt;
  return ReadDeltaBox(main.delta);
}

}  // namespace

double ReportDeltaT(const MainWindowRecord& main, const TCalendarDate& date, double hours) {
  const auto typed = TypedDeltaBox(main, date);
  if (typed && typed->status != DeltaBoxStatus::kRefused) return typed->value;
  return MomentOfDate(date, hours, main.beforeChrist).deltaT;
}

void WriteRisingAndSetting(Body body, const PlacesAtZero& places, double deltaT,
                           const Observer& observer, ReportWindowRecord& report) {
  const std::array<RiseTransitSetResult, 4> events = ReportRisingAndSetting(body, places, deltaT, observer).events;
  // A zone's clock reads each event with the offset of its own moment, and marks a time
  // it shows twice with that offset.
  const auto local = [&](double m) {
    if (!observer.clock.IsZone()) return LocalHourMinText(24 * m, observer.utcMinusLocal);
    const ZoneOffset zone = observer.clock.OffsetAt(places.jd0 + m);
    const std::string text = LocalHourMinText(24 * m, zone.utcMinusLocalHours);
    return zone.repeated ? text + " " + UtcOffsetSuffix(zone.utcMinusLocalHours) : text;
  };
  const RiseTransitSetResult& first = events[0];
  report.transit.clear();
  report.setting.clear();
  report.rising = first.status;
  if (first.rising != 0) {
    report.rising = local(first.rising);
    report.transit = local(first.transit);
    report.setting = local(first.setting);
  }
  if (body != Body::kSun) return;
  const std::array<std::pair<std::string*, std::string*>, 3> twilightBoxes{
      {{&report.civilBegins, &report.civilEnds},
       {&report.nauticalBegins, &report.nauticalEnds},
       {&report.astronomicalBegins, &report.astronomicalEnds}}};
  for (std::size_t k = 1; k < 4; ++k) {
    if (events[k].rising > 0) {
      *twilightBoxes[k - 1].first = local(events[k].rising);
      *twilightBoxes[k - 1].second = local(events[k].setting);
    }
  }
}

std::optional<ReportStart> StartReport(const MainWindowRecord& main, const StarWindowRecord* starWindow,
                                       BodyReportResult& run, MessageSink& sink) {
  ReportStart start;
  start.body = main.body;
  const Body body = start.body;
  const std::string code(BodyCode(body));
  if (body == Body::kStar && starWindow == nullptr) {
    sink.ShowMessage("The report of " + code + " is not available in this version");
    return std::nullopt;
  }
  // A star's catalogue values are read once, before anything is shown, and serve the
  // whole run; a star whose place does not read gets no report.
  if (body == Body::kStar) {
    start.star = SelectedStar(*starWindow);
    if (!start.star) {
      sink.ShowMessage(kMessageChooseStar);
      return std::nullopt;
    }
  }
  ReportWindowRecord& report = run.report;
  ClearReport(report);
  report.spareVisible = false;
  report.shown = true;
  report.phaseVisible = false;
  report.lines = {};
  report.title = code;
  ShowPartsOfBody(body, report);

  // An empty minutes box shows "0.0" after the run, whatever stops it later.
  run.mainWindow = PlaceBoxCorrections(main);
  const std::optional<Observer> place = ReadObserver(main);
  if (!place) {
    sink.ShowMessage(kMessageBadLocation);
    sink.BringMainWindowForward();
    return std::nullopt;
  }
  start.observer = *place;
  bool valid = true;
  ExplanationLines* lines = &report.lines;
  ReportLine(lines, "Observer Latitude:", DegMinSecText(start.observer.latitude));
  ReportLine(lines, "Observer Longitude:", DegMinSecText(start.observer.longitude));

  start.date = DateToRecord(main.date, valid);
  ReportLine(lines, "Date:", ShownDateText(main.date, main.beforeChrist));
  ParseClockTime(main.time, valid);
  ReportLine(lines, "Time Utc:", main.time.substr(0, 15));
  ReportLine(lines, "", "");
  if (!valid) {
    sink.ShowMessage(kMessageBadTime);
    return std::nullopt;
  }
  start.beforeChrist = main.beforeChrist;
  start.now = MomentOfDate(start.date, HmsToHours(main.time), start.beforeChrist);

  // Only a value the user typed stays; one a report filled in is Delta T of its own
  // moment, filled in afresh for each report (never read back rounded).
  if (const auto typed = TypedDeltaBox(main, start.date)) {
    if (typed->status == DeltaBoxStatus::kRefused) {
      sink.ShowMessage(kMessageBadDeltaT);
      return std::nullopt;
    }
    if (typed->status == DeltaBoxStatus::kUsePoint) sink.ShowMessage(kMessageUsePoint);
    start.now = WithDeltaT(start.now, typed->value);
  } else if (DeltaBoxApplies(start.date, start.beforeChrist)) {
    run.mainWindow.delta = FixedText(start.now.deltaT, 1);
  }
  if (body == Body::kStar) {
    run.starMode = true;
    report.title = start.star->name;
  }
  return start;
}

namespace {

// The report by the book's methods.
void BookReport(const ReportStart& start, ReportWindowRecord& report) {
  const Body body = start.body;
  const Observer& observer = start.observer;
  const Moment& now = start.now;
  const double jd = JulianDayAtZero(now);
  ExplanationLines* lines = &report.lines;
  // The place at TT; the line shows the T it was computed with.
  const StarValues* starValues = start.star ? &*start.star : nullptr;
  const BookTopocentric seen = BookTopocentricPlace(body, starValues, observer, now, lines);
  const BodyPlaceResult& place = seen.place;
  if (!place.magnitude.empty()) report.magnitude = place.magnitude;
  if (body == Body::kMoon) {
    report.phase = place.moonPhase;
    report.elongation = place.moonElongation;
  }
  const EquatorialPlace& topocentric = seen.topocentric;
  report.julianDays = FixedText(jd, 1);
  report.deltaTime = FixedText(now.deltaT, 1) + " sec";
  const double theta = seen.siderealHours;
  ExplainSiderealTime(theta, lines);
  const HorizontalResult horizontal = WritePlaceBoxes(topocentric, theta * 15.0, observer, report);
  if (body == Body::kMoon) {
    ExplainMoonSemidiameter(place.moonDistanceKm, horizontal.altitude, place.place.parallax, lines);
  }
  WriteRisingAndSetting(body, BookPlacesAtZero(body, start.date, start.beforeChrist, now.deltaT, starValues),
                        now.deltaT, observer, report);
}

}  // namespace

HorizontalResult WritePlaceBoxes(const EquatorialPlace& topocentric, double greenwichSiderealDegrees,
                                 const Observer& observer, ReportWindowRecord& report) {
  ExplanationLines* lines = &report.lines;
  // Brought into 0..360 first, so that 44 s east of 0h reads 23 h 59 m 16 s.
  const double alpha = NormalizeAngle(topocentric.rightAscension);
  const double delta = topocentric.declination;
  report.rightAscension = HourMinSecText(alpha / 15.0);
  report.declination = DeclinationText(delta);
  const double gha = HourAngle(alpha, greenwichSiderealDegrees / 15.0);
  report.greenwichHourAngle = DegMinSecText(gha);
  const HorizontalResult horizontal = ReportHorizontalPlace(topocentric, greenwichSiderealDegrees, observer);
  report.localHourAngle = DegMinText(horizontal.localHourAngle);
  ReportLine(lines, "Height", FixedText(horizontal.altitude, 5) + kDegreeSign);
  ReportLine(lines, "Azimuth", FixedText(horizontal.azimuth, 5) + kDegreeSign);
  report.altitude = AltitudeText(horizontal.altitude);
  report.azimuth = FixedText(horizontal.azimuth, 1) + kDegreeSign;
  const double refracted = horizontal.altitude + horizontal.refraction;
  report.refractionVisible = refracted >= 0;
  report.refractedAltitude = report.refractionVisible ? DegMinText(refracted) : "";
  return horizontal;
}

BodyReportResult BodyReport(const MainWindowRecord& main, const ReportWindowRecord& shown, MessageSink& sink,
                            const StarWindowRecord* starWindow) {
  BodyReportResult run;
  run.report = shown;
  const auto start = StartReport(main, starWindow, run, sink);
  if (!start) return run;
  if (main.precise && PreciseReport(*start, run.report, sink)) return run;
  BookReport(*start, run.report);
  return run;
}

}  // namespace orrelin
