#pragma once
// What the book's report and the precise report share: the checks and readings every
// report starts with, the boxes of the place, and the rising, transit and setting.
#include <array>
#include <optional>
#include <string>

#include "core/body.h"
#include "core/calendar.h"
#include "core/messages.h"
#include "core/moment.h"
#include "earth/observer.h"
#include "report/body_report.h"
#include "report/main_window_record.h"
#include "report/report_altitude.h"
#include "report/report_record.h"
#include "stars/star_place.h"
#include "stars/star_window.h"

namespace orrelin {

// Whether a report of this date reads and fills the Delta box: the years after 2000.
bool DeltaBoxApplies(const TCalendarDate& date, bool bc);

// The Delta T a report of this moment uses: a value the user typed into the Delta box
// (for the years it applies to), otherwise Delta T of the moment.
double ReportDeltaT(const MainWindowRecord& main, const TCalendarDate& date, double hours);

struct ReportStart {
  Body body = Body::kSun;
  std::optional<StarValues> star;  // a star: the star window's star
  Observer observer;
  TCalendarDate date;
  bool beforeChrist = false;
  // The date's 0h UT and the UT hours, with the Delta box's Delta T when the user typed
  // one. The bodies' places are computed at TT = UT + Delta T, while sidereal time and
  // the hour angles stay at UT.
  Moment now;
};

// The body, the star, the place, the date and time and Delta T checked and read, the
// run's report emptied and its first lines written, the corrections of the main
// window's boxes noted; none when a message stopped the report.
std::optional<ReportStart> StartReport(const MainWindowRecord& main, const StarWindowRecord* starWindow,
                                       BodyReportResult& run, MessageSink& sink);

// The right ascension, declination, hour angles, altitude, azimuth and refraction boxes
// of a topocentric place at the Greenwich sidereal time (degrees); the horizontal place.
HorizontalResult WritePlaceBoxes(const EquatorialPlace& topocentric, double greenwichSiderealDegrees,
                                 const Observer& observer, ReportWindowRecord& report);

// Rising, transit and setting (and the Sun's twilights) in local time.
void WriteRisingAndSetting(Body body, const PlacesAtZero& places, double deltaT,
                           const Observer& observer, ReportWindowRecord& report);

}  // namespace orrelin
