#pragma once
// One instant for every computation: UT as a Julian day with Delta T attached. The
// book's arguments (T from J2000.0, T from 1900 January 0.5, in UT or in dynamical
// time) are derived from it by the functions below, never stored beside it.
#include "core/calendar.h"

namespace orrelin {

struct Moment {
  // UT = julianDay + hours / 24. A date's moment keeps 0h of the day and the hours
  // apart, so that T is formed exactly as the book forms it; a moment given as one
  // Julian day has hours 0.
  double julianDay = 0.0;
  double hours = 0.0;
  double deltaT = 0.0;  // seconds, TT - UT
};

// The moment of a calendar date and UT hours, with Delta T of that moment.
Moment MomentOfDate(const TCalendarDate& date, double hours, bool beforeChrist);
// The moment of a UT Julian day, with Delta T of that moment.
Moment MomentOfJulianDayUt(double julianDayUt);
// The same instant with another Delta T (a value the user typed).
Moment WithDeltaT(Moment moment, double deltaT);

// The Julian day in UT and in TT = UT + Delta T.
double JulianDayUt(const Moment& moment);
double JulianDayTt(const Moment& moment);
// Julian day of the moment's 0h part (the date's 0h UT for a date's moment).
inline double JulianDayAtZero(const Moment& moment) { return moment.julianDay; }

// Julian centuries from J2000.0 (JD 2451545.0): in UT, and in dynamical time.
double CenturiesFromJ2000Ut(const Moment& moment);
double CenturiesFromJ2000Tt(const Moment& moment);
// Julian centuries from 1900 January 0.5 (JD 2415020.0), the epoch of the book's
// planetary theory: in UT, and in dynamical time.
double CenturiesFrom1900Ut(const Moment& moment);
double CenturiesFrom1900Tt(const Moment& moment);

}  // namespace orrelin
