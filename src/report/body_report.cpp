#include "report/body_report.h"

#include <array>
#include <cmath>
#include <string>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/calendar.h"
#include "core/clock.h"
#include "core/degmin.h"
#include "core/delta_t.h"
#include "core/numbers.h"
#include "earth/nutation.h"
#include "earth/observer.h"
#include "earth/rise_set.h"
#include "earth/semidiameters.h"
#include "report/body_place.h"
#include "report/observer_reading.h"
#include "report/precise_report.h"
#include "report/report_start.h"

namespace orrelin {

namespace {

std::string DeclinationText(double declination) {
  return DegMinSecText(declination) + (declination > 0 ? "  N" : "  S");
}

struct Levels {
  std::array<double, 4> altitudes{};
  std::size_t count = 0;
};

Levels StandardAltitudes(const std::string& bodyCode) {
  if (bodyCode == kSun) {
    return {{kSunRiseAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude, kAstronomicalTwilightAltitude}, 4};
  }
  if (bodyCode == kMoon) return {{kMoonRiseAltitude}, 1};
  return {{kStarRiseAltitude}, 1};
}

// The book's places of the day before, the day and the day after at 0h TD.
PlacesAtZero BookPlacesAtZero(const std::string& bodyCode, const TCalendarDate& date, bool bc, double deltaT,
                              const StarValues* star) {
  const TimeArguments at0h = TimeArgumentsOf(bodyCode, date, deltaT / 3600.0, bc);
  PlacesAtZero places;
  places.jd0 = at0h.jd;
  for (int d = -1; d <= 1; ++d) {
    const ApparentPlace p = BodyPlace(bodyCode, at0h.t + d / 36525.0, at0h.jd + d, nullptr, star).place;
    places.at[static_cast<std::size_t>(d + 1)] = {p.rightAscension, p.declination};
  }
  return places;
}

}  // namespace

TimeArguments TimeArgumentsOf(const std::string& bodyCode, const TCalendarDate& date, double hours, bool bc) {
  const JulianDayResult r = JulianDay(date, hours, bc);
  // Delta T of the instant itself, for the planets too (not of 0h).
  if (IsPlanet(bodyCode)) return {r.jd, JulianDayTwoEpochs(date, hours, bc).t1900, DeltaT(r.t)};
  return {r.jd, r.t, DeltaT(r.t)};
}

double DynamicalCenturies(const TimeArguments& now) { return now.t + now.deltaT / 86400.0 / 36525.0; }

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
  return DeltaT(JulianDay(date, hours, main.beforeChrist).t);
}

void WriteRisingAndSetting(const std::string& bodyCode, const PlacesAtZero& places, double deltaT,
                           const Observer& observer, ReportWindowRecord& report) {
  RiseTransitSetInput in;
  for (std::size_t d = 0; d < 3; ++d) {
    in.rightAscension[d] = places.at[d].rightAscension;
    in.declination[d] = places.at[d].declination;
  }
  in.deltaT = deltaT;
  in.longitude = observer.longitude;
  in.latitude = observer.latitude;
  in.jd0 = places.jd0;
  in.utcMinusLocal = observer.utcMinusLocal;

  const Levels levels = StandardAltitudes(bodyCode);
  std::array<RiseTransitSetResult, 4> events{};
  for (std::size_t k = 0; k < levels.count; ++k) {
    in.standardAltitude = levels.altitudes[k];
    events[k] = RiseTransitSet(in);
  }
  const double offset = observer.utcMinusLocal;
  const RiseTransitSetResult& first = events[0];
  report.transit.clear();
  report.setting.clear();
  report.rising = first.status;
  if (first.rising != 0) {
    report.rising = LocalHourMinText(24 * first.rising, offset);
    report.transit = LocalHourMinText(24 * first.transit, offset);
    report.setting = LocalHourMinText(24 * first.setting, offset);
  }
  if (bodyCode != kSun) return;
  const std::array<std::pair<std::string*, std::string*>, 3> twilightBoxes{
      {{&report.civilBegins, &report.civilEnds},
       {&report.nauticalBegins, &report.nauticalEnds},
       {&report.astronomicalBegins, &report.astronomicalEnds}}};
  for (std::size_t k = 1; k < 4; ++k) {
    if (events[k].rising > 0) {
      *twilightBoxes[k - 1].first = LocalHourMinText(24 * events[k].rising, offset);
      *twilightBoxes[k - 1].second = LocalHourMinText(24 * events[k].setting, offset);
    }
  }
}

std::optional<ReportStart> StartReport(MainWindowRecord& main, ReportWindowRecord& report, MessageSink& sink,
                                       StarWindowRecord* starWindow) {
  ReportStart start;
  start.bodyCode = main.bodyCode;
  const std::string& bodyCode = start.bodyCode;
  if (!IsComputedBody(bodyCode) || (bodyCode == kStar && starWindow == nullptr)) {
    sink.ShowMessage("The report of " + bodyCode + " is not available in this version");
    return std::nullopt;
  }
  // A star's catalogue values are read once, before anything is shown, and serve the
  // whole run; a star whose place does not read gets no report.
  if (bodyCode == kStar) {
    start.star = SelectedStar(*starWindow);
    if (!start.star) {
      sink.ShowMessage(kMessageChooseStar);
      return std::nullopt;
    }
  }
  ClearReport(report);
  report.spareVisible = false;
  report.shown = true;
  report.phaseVisible = false;
  report.lines = {};
  report.title = bodyCode;
  ShowPartsOfBody(bodyCode, report);

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
  start.hours = HmsToHours(main.time);
  start.beforeChrist = main.beforeChrist;
  start.now = TimeArgumentsOf(bodyCode, start.date, start.hours, start.beforeChrist);

  // Only a value the user typed stays; one a report filled in is Delta T of its own
  // moment, filled in afresh for each report (never read back rounded).
  if (const auto typed = TypedDeltaBox(main, start.date)) {
    if (typed->status == DeltaBoxStatus::kRefused) {
      sink.ShowMessage(kMessageBadDeltaT);
      return std::nullopt;
    }
    if (typed->status == DeltaBoxStatus::kUsePoint) sink.ShowMessage(kMessageUsePoint);
    start.now.deltaT = typed->value;
  } else if (DeltaBoxApplies(start.date, start.beforeChrist)) {
    main.delta = FixedText(start.now.deltaT, 1);
    main.deltaTyped = false;
  }
  if (bodyCode == kStar) {
    starWindow->mode = kStar;
    report.title = start.star->name;
  }
  return start;
}

namespace {

// The report by the book's methods.
void BookReport(const ReportStart& start, ReportWindowRecord& report) {
  const std::string& bodyCode = start.bodyCode;
  const Observer& observer = start.observer;
  const TimeArguments& now = start.now;
  ExplanationLines* lines = &report.lines;
  // The place at TT; the line shows the T it was computed with.
  const double dynamical = DynamicalCenturies(now);
  ReportLine(lines, "T diff (Julian centuries):", FixedText(dynamical, 12));

  const StarValues* starValues = start.star ? &*start.star : nullptr;
  const BodyPlaceResult body = BodyPlace(bodyCode, dynamical, now.jd, lines, starValues);
  if (!body.magnitude.empty()) report.magnitude = body.magnitude;
  if (bodyCode == kMoon) {
    report.phase = body.moonPhase;
    report.elongation = body.moonElongation;
  }
  const EquatorialPlace topocentric =
      TopocentricCorrection({body.place.rightAscension, body.place.declination}, body.place.parallax,
                            observer.longitude, observer.latitude, observer.height, start.hours, now.jd);
  report.julianDays = FixedText(now.jd, 1);
  report.deltaTime = FixedText(now.deltaT, 1) + " sec";
  const double theta = SiderealTime(start.hours, now.jd).apparent;
  ExplainSiderealTime(theta, lines);
  const HorizontalResult horizontal = WritePlaceBoxes(topocentric, theta * 15.0, observer, report);
  if (bodyCode == kMoon) {
    ExplainMoonSemidiameter(body.moonDistanceKm, horizontal.altitude, body.place.parallax, lines);
  }
  WriteRisingAndSetting(bodyCode, BookPlacesAtZero(bodyCode, start.date, start.beforeChrist, now.deltaT, starValues),
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
  const HorizontalResult horizontal = HorizontalCoordinates(observer.latitude, observer.longitude,
                                                            observer.temperature, observer.pressure, delta, gha);
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

void BodyReport(MainWindowRecord& main, ReportWindowRecord& report, MessageSink& sink,
                StarWindowRecord* starWindow) {
  const auto start = StartReport(main, report, sink, starWindow);
  if (!start) return;
  if (main.precise && PreciseReport(*start, report, sink)) return;
  BookReport(*start, report);
}

}  // namespace orrelin
