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

struct DeltaTRow {
  int year;
  double firstHalf;
  double secondHalf;
};
constexpr std::array<DeltaTRow, 12> kDeltaTTable{{{2001, 64.09, 64.2}, {2002, 64.3, 64.41}, {2003, 64.47, 64.55},
                                                  {2004, 64.57, 64.65}, {2005, 64.65, 64.8}, {2006, 64.85, 64.99},
                                                  {2007, 65.15, 65.34}, {2008, 65.45, 65.63}, {2009, 65.7, 65.7},
                                                  {2010, 66.5, 66.5}, {2011, 67.1, 67.1}, {2012, 68.0, 68.0}}};

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
  if (IsPlanet(bodyCode)) {
    const JulianDayEpochs e = JulianDayTwoEpochs(date, hours, bc);
    return {e.jd, e.t1900, DeltaT(e.t2000)};
  }
  const JulianDayResult r = JulianDay(date, hours, bc);
  return {r.jd, r.t, DeltaT(r.t)};
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

std::optional<double> DeltaTTable(int year, int month) {
  for (const auto& row : kDeltaTTable) {
    if (row.year == year) return month <= 6 ? row.firstHalf : row.secondHalf;
  }
  return std::nullopt;
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
  ReportLine(lines, "Date:", start.date.dateText);
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

  if (start.date.year > 2000 && !start.beforeChrist) {
    // The kept half-year values where there are any; otherwise the measured Delta T of the moment.
    if (const auto kept = DeltaTTable(start.date.year, start.date.month)) start.now.deltaT = *kept;
    if (!main.delta.empty()) {
      const DeltaBoxRead typed = ReadDeltaBox(main.delta);
      if (typed.status == DeltaBoxStatus::kRefused) {
        sink.ShowMessage(kMessageBadDeltaT);
        return std::nullopt;
      }
      if (typed.status == DeltaBoxStatus::kUsePoint) sink.ShowMessage(kMessageUsePoint);
      start.now.deltaT = typed.value;
    } else {
      main.delta = FixedText(start.now.deltaT, 1);
    }
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
  ReportLine(lines, "T diff (Julian centuries):", FixedText(now.t, 12));

  const StarValues* starValues = start.star ? &*start.star : nullptr;
  const BodyPlaceResult body = BodyPlace(bodyCode, now.t, now.jd, lines, starValues);
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
