#include "core/calendar.h"

#include <array>
#include <cmath>

#include "core/angles.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

std::string PaddedText(int n, std::size_t width) {
  std::string s = WholeText(n < 0 ? -n : n);
  while (s.size() < width) s = "0" + s;
  return n < 0 ? "-" + s : s;
}

// Meeus, Astronomical Algorithms, ch. 7, Gregorian form, and the correction B that
// turns it into the Julian calendar.
struct GregorianDay {
  double jd = 0.0;
  double b = 0.0;
};

GregorianDay GregorianJulianDay(int year, int month, int day) {
  double y = year;
  double m = month;
  if (m < 3) {
    y -= 1;
    m += 12;
  }
  const double a = Int(y / 100.0);
  const double b = 2.0 - a + Int(a / 4.0);
  const double jd = FloorReal(365.25 * y) + Int(30.6001 * (m + 1)) + day + 1720994.5 + b;
  return {jd, b};
}

double JulianDayAtZero(const TCalendarDate& date, bool beforeChrist) {
  const GregorianDay g = GregorianJulianDay(AstronomicalYear(date.year, beforeChrist), date.month, date.day);
  // Dates whose Gregorian day falls before 2299149 are reckoned in the Julian calendar.
  return g.jd < 2299149.0 ? g.jd - g.b : g.jd;
}

}  // namespace

TCalendarDate DateToRecord(const CivilDate& date, bool& valid) {
  valid = true;
  TCalendarDate record;
  record.day = date.day;
  record.month = date.month;
  record.year = date.year;
  record.dateText = PaddedText(date.year, 4) + "-" + PaddedText(date.month, 2) + "-" + PaddedText(date.day, 2);
  if (record.dateText.size() > 10) record.dateText.resize(10);
  return record;
}

std::string ShownDateText(const CivilDate& date, bool beforeChrist) {
  bool valid = true;
  return DateToRecord(date, valid).dateText + (beforeChrist ? " B.C." : "");
}

int AstronomicalYear(int year, bool beforeChrist) { return beforeChrist ? 1 - year : year; }

int DaysInMonth(int astronomicalYear, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  const int y = astronomicalYear;
  const bool leap = y <= 1582 ? (y % 4 == 0) : ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0);
  return kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
}

bool IsCalendarDate(int astronomicalYear, int month, int day) {
  if (day < 1 || day > DaysInMonth(astronomicalYear, month)) return false;
  return !(astronomicalYear == 1582 && month == 10 && day >= 5 && day <= 14);
}

JulianDayResult JulianDay(const TCalendarDate& date, double hours, bool beforeChrist) {
  const double jd = JulianDayAtZero(date, beforeChrist);
  return {jd, (hours / 24.0 + jd - 2451545.0) / 36525.0};
}

JulianDayEpochs JulianDayTwoEpochs(const TCalendarDate& date, double hours, bool beforeChrist) {
  const double jd = JulianDayAtZero(date, beforeChrist);
  return {jd, (hours / 24.0 + jd - 2415020.0) / 36525.0, (jd - 2451545.0) / 36525.0};
}

std::string WeekdayName(const CivilDate& date, bool beforeChrist) {
  static constexpr std::array<const char*, 7> kNames{"Sunday", "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};
  const int year = AstronomicalYear(date.year, beforeChrist);
  const GregorianDay g = GregorianJulianDay(year, date.month, date.day);
  const bool julianCalendar =
      year < 1582 || (year == 1582 && (date.month < 10 || (date.month == 10 && date.day < 15)));
  const double jd = julianCalendar ? g.jd - g.b : g.jd;
  const long long n = static_cast<long long>(std::floor(jd + 1.5));
  return kNames[static_cast<std::size_t>(((n % 7) + 7) % 7)];
}

CalendarInstant CalendarFromJulianDay(double jd) {
  const double z = std::trunc(jd + 0.5);
  const double f = jd + 0.5 - z;
  double a = z;
  if (z >= 2299161) {
    const double alpha = std::trunc((z - 1867216.25) / 36524.25);
    a = z + 1 + alpha - std::trunc(alpha / 4);
  }
  const double b = a + 1524;
  const double c = std::trunc((b - 122.1) / 365.25);
  const double d = std::trunc(365.25 * c);
  const double e = std::trunc((b - d) / 30.6001);
  CalendarInstant r;
  r.day = b - d - std::trunc(30.6001 * e) + f;
  r.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  r.year = static_cast<int>(r.month > 2 ? c - 4716 : c - 4715);
  return r;
}

}  // namespace orrelin
