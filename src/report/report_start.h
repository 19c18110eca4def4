#pragma once
// What the book's report and the precise report share: the checks and readings every
// report starts with, the boxes of the place, and the rising, transit and setting.
#include <array>
#include <optional>
#include <string>

#include "core/calendar.h"
#include "core/messages.h"
#include "earth/observer.h"
#include "report/main_window_record.h"
#include "report/report_record.h"
#include "stars/star_place.h"
#include "stars/star_window.h"

namespace orrelin {

// The time arguments of one instant: J2000 centuries for the Sun, the Moon and
// stars; 1900 centuries for the planets; Delta T of the instant.
struct TimeArguments {
  double jd = 0.0;  // at 0h UT of the date
  double t = 0.0;   // UT
  double deltaT = 0.0;  // seconds, the Delta box's when the user typed one
};
TimeArguments TimeArgumentsOf(const std::string& bodyCode, const TCalendarDate& date, double hours, bool bc);

// T in dynamical time, TT = UT + Delta T: the bodies' places are computed for it,
// while sidereal time and the hour angles stay at UT.
double DynamicalCenturies(const TimeArguments& now);

// Whether a report of this date reads and fills the Delta box: the years after 2000.
bool DeltaBoxApplies(const TCalendarDate& date, bool bc);

// The Delta T a report of this moment uses: a value the user typed into the Delta box
// (for the years it applies to), otherwise Delta T of the moment.
double ReportDeltaT(const MainWindowRecord& main, const TCalendarDate& date, double hours);

struct ReportStart {
  std::string bodyCode;
  std::optional<StarValues> star;  // "STAR": the star window's star
  Observer observer;
  TCalendarDate date;
  double hours = 0.0;  // UT
  bool beforeChrist = false;
  TimeArguments now;
};

// The body, the star, the place, the date and time and Delta T checked and read, the
// report emptied and its first lines written; none when a message stopped the report.
std::optional<ReportStart> StartReport(MainWindowRecord& main, ReportWindowRecord& report, MessageSink& sink,
                                       StarWindowRecord* starWindow);

// The right ascension, declination, hour angles, altitude, azimuth and refraction boxes
// of a topocentric place at the Greenwich sidereal time (degrees); the horizontal place.
HorizontalResult WritePlaceBoxes(const EquatorialPlace& topocentric, double greenwichSiderealDegrees,
                                 const Observer& observer, ReportWindowRecord& report);

// A body's apparent places at 0h TD of the day before, the day and the day after.
struct PlacesAtZero {
  double jd0 = 0.0;  // 0h UT of the day
  std::array<EquatorialPlace, 3> at{};
};
// Rising, transit and setting (and the Sun's twilights) in local time.
void WriteRisingAndSetting(const std::string& bodyCode, const PlacesAtZero& places, double deltaT,
                           const Observer& observer, ReportWindowRecord& report);

}  // namespace orrelin
