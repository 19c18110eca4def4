#include "app/date_box.h"

#include <cmath>

#include "core/clock.h"

#include <algorithm>

#include "core/fields.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

std::string Padded(int n, std::size_t width) {
  std::string s = WholeText(n);
  return std::string(width > s.size() ? width - s.size() : 0, '0') + s;
}

bool InReformGap(int astronomicalYear, int month, int day) {
  return astronomicalYear == 1582 && month == 10 && day >= 5 && day <= 14;
}

// A field of digits only, 1..maxDigits long.
std::optional<int> DigitsField(const std::string& text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  return static_cast<int>(ReadWholeNumber(text).value);
}

}  // namespace

std::string DateBoxText(const CivilDate& date) {
  return Padded(date.year, 4) + "-" + Padded(date.month, 2) + "-" + Padded(date.day, 2);
}

DateRead ReadDateText(const std::string& text, bool beforeChrist) {
  const auto year = DigitsField(ExtractField(text, "-", 0), 4);
  const auto month = DigitsField(ExtractField(text, "-", 1), 2);
  const auto day = DigitsField(ExtractField(text, "-", 2), 2);
  if (!year || !month || !day || std::count(text.begin(), text.end(), '-') != 2) return {std::nullopt, kMessageDateForm};
  if (*year == 0) return {std::nullopt, kMessageYearZero};
  const int astronomical = AstronomicalYear(*year, beforeChrist);
  if (!IsCalendarDate(astronomical, *month, *day)) {
    const std::string shown = DateBoxText({*year, *month, *day}) + (beforeChrist ? " B.C." : "");
    if (InReformGap(astronomical, *month, *day)) {
      return {std::nullopt, "There is no such day: " + shown +
                                " (the Gregorian calendar follows 1582-10-04 with 1582-10-15)"};
    }
    return {std::nullopt, "There is no such day: " + shown};
  }
  return {CivilDate{*year, *month, *day}, ""};
}

CivilDate FitDate(CivilDate date, bool beforeChrist) {
  date.year = std::clamp(date.year, kFirstDateBoxYear, kLastDateBoxYear);
  date.month = std::clamp(date.month, 1, 12);
  const int astronomical = AstronomicalYear(date.year, beforeChrist);
  date.day = std::clamp(date.day, 1, DaysInMonth(astronomical, date.month));
  if (InReformGap(astronomical, date.month, date.day)) date.day = 15;
  return date;
}

CivilDate StepDate(const CivilDate& date, DateField field, int steps, bool beforeChrist) {
  CivilDate d = date;
  switch (field) {
    case DateField::kYear:
      d.year = std::clamp(d.year + steps, kFirstDateBoxYear, kLastDateBoxYear);
      break;
    case DateField::kMonth:
      d.month = std::clamp(d.month + steps, 1, 12);
      break;
    case DateField::kDay: {
      const int astronomical = AstronomicalYear(d.year, beforeChrist);
      d.day = std::clamp(d.day + steps, 1, DaysInMonth(astronomical, d.month));
      if (InReformGap(astronomical, d.month, d.day)) d.day = steps > 0 ? 15 : 4;
      return d;
    }
  }
  return FitDate(d, beforeChrist);
}

std::optional<double> ReadDayJulianDay(const std::string& text, std::string& message) {
  const DateRead read = ReadDateText(text, false);
  if (!read.date) {
    message = read.message.empty() ? "give the date as yyyy-mm-dd" : read.message;
    return std::nullopt;
  }
  return ReadUtcMoment(DateBoxText(*read.date), message);
}

std::optional<double> ReadUtcMoment(const std::string& text, std::string& message) {
  const std::size_t cut = text.find_first_of(" T");
  const DateRead date = ReadDateText(text.substr(0, cut), false);
  if (!date.date) {
    message = date.message;
    return std::nullopt;
  }
  const std::string clock = cut == std::string::npos ? "00:00:00" : text.substr(cut + 1);
  bool valid = true;
  ParseClockTime(clock, valid);
  if (!valid || clock.empty()) {
    message = "Give the time as hh:mm or hh:mm:ss (UT)";
    return std::nullopt;
  }
  bool dateValid = true;
  const TCalendarDate record = DateToRecord(*date.date, dateValid);
  return JulianDay(record, HmsToHours(clock), false).jd + HmsToHours(clock) / 24.0;
}

std::string UtcMomentText(double jd) {
  const long long seconds = std::llround((jd + 0.5) * 86400.0);
  const long long day = seconds / 86400;
  const long long of = seconds % 86400;
  const CalendarInstant c = CalendarFromJulianDay(static_cast<double>(day) - 0.5 + 1e-6);
  return WholeText(c.year) + "-" + TwoDigitText(c.month) + "-" + TwoDigitText(static_cast<long long>(c.day)) + " " +
         TwoDigitText(of / 3600) + ":" + TwoDigitText(of / 60 % 60) + ":" + TwoDigitText(of % 60);
}

}  // namespace orrelin
