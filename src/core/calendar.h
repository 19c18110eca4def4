#pragma once
// The calendar date of a moment, its Julian day and Julian centuries.
#include <string>

#include "core/message_texts.h"

namespace orrelin {

// A date as the date picker holds it: a positive year number (the B.C. flag is apart).
struct CivilDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

struct TCalendarDate {
  int day = 1;
  int month = 1;
  int year = 2000;
  std::string dateText;  // at most 10 characters, "yyyy-mm-dd"
};

// Fills the record from the picker's date and sets the caller's validity flag to true.
TCalendarDate DateToRecord(const CivilDate& date, bool& valid);

// The astronomical year number: year Y B.C. is 1 - Y.
int AstronomicalYear(int year, bool beforeChrist);

// Days of a month of an astronomical year: Julian leap years up to 1582, Gregorian after.
int DaysInMonth(int astronomicalYear, int month);
// Whether the day exists: in the month, and not one of 1582 October 5..14, which the
// change from the Julian to the Gregorian calendar left out.
bool IsCalendarDate(int astronomicalYear, int month, int day);

struct JulianDayResult {
  double jd = 0.0;  // at 0h UT of the date
  double t = 0.0;   // Julian centuries from J2000.0, hours included
};
JulianDayResult JulianDay(const TCalendarDate& date, double hours, bool beforeChrist);

struct JulianDayEpochs {
  double jd = 0.0;     // at 0h UT of the date
  double t1900 = 0.0;  // centuries from JD 2415020.0, hours included
  double t2000 = 0.0;  // centuries from J2000.0 at 0h (hours not added)
};
JulianDayEpochs JulianDayTwoEpochs(const TCalendarDate& date, double hours, bool beforeChrist);

// "Sunday" .. "Saturday", in the Julian calendar up to 1582 October 4 and the
// Gregorian from October 15.
std::string WeekdayName(const CivilDate& date, bool beforeChrist);
// A date as reports and printouts show it: "2026-03-15", and "0044-03-15 B.C." before
// Christ (the year's digits alone read the same for 44 B.C. and A.D. 44).
std::string ShownDateText(const CivilDate& date, bool beforeChrist);

struct CalendarInstant {
  int year = 0;   // astronomical
  int month = 0;
  double day = 0.0;  // with the fraction of the day
};
// Meeus, Astronomical Algorithms, ch. 7: Julian calendar before 1582 October 15.
CalendarInstant CalendarFromJulianDay(double jd);

}  // namespace orrelin
