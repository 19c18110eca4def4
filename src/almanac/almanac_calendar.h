#pragma once
// The calendar of the almanac's list: Easter, the Julian day of January 0, and the
// time texts of its events (the calendar date of a Julian day is in core/calendar).
#include <string>

#include "core/calendar.h"

namespace orrelin {

struct MonthDay {
  int month = 0;
  int day = 0;
};
// Easter Sunday of a Gregorian year, Meeus, Astronomical Algorithms, ch. 4.
MonthDay EasterSunday(int year);

// The Julian day of January 0.0 of an astronomical year (2000: 2451543.5).
double JulianDayOfJanuary0(int year);


// Event kinds of the list: the precision of the printed time.
enum EventKind { kEaster = -1, kPhenomenon = 0, kProximity = 1, kMoonEvent = 2, kSeasonEvent = 4 };

// The time text of an event: the kind's rounding added to the hours, then cut.
std::string EventTimeText(int kind, double dayFraction);

}  // namespace orrelin
