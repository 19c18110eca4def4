#pragma once
// The main window's date box: a date of any year from 1 to 9999 (B.C. through its
// own check box), in the calendar the computation uses: Julian up to 1582
// October 4, Gregorian from October 15. Its text is "yyyy-mm-dd".
#include <optional>
#include <string>

#include "core/calendar.h"
#include "core/message_texts.h"

namespace orrelin {

inline constexpr int kFirstDateBoxYear = 1;
inline constexpr int kLastDateBoxYear = 9999;

// "yyyy-mm-dd" with a four-digit year: 0500-03-01.
std::string DateBoxText(const CivilDate& date);

struct DateRead {
  std::optional<CivilDate> date;
  std::string message;  // why not, when there is no date
};
// Reads "y-m-d": a year of 1 to 4 digits from 1 to 9999, a month and a day that exist
// in that year (before or after Christ).
DateRead ReadDateText(const std::string& text, bool beforeChrist);

enum class DateField { kYear, kMonth, kDay };
// Steps one field as a date box's arrow keys do: no wrapping, the day kept inside its
// month, and the ten days the Gregorian reform left out stepped over.
CivilDate StepDate(const CivilDate& date, DateField field, int steps, bool beforeChrist);
// The day brought inside its month and out of 1582 October 5..14 (after the year,
// the month or the B.C. tick changed).
CivilDate FitDate(CivilDate date, bool beforeChrist);

// "2026-12-08 14:32:10", "2026-12-08T14:32", or a date alone (0h): the Julian day UT
// (Gregorian from 1582 October 15). None, with the message, when it does not read.
std::optional<double> ReadUtcMoment(const std::string& text, std::string& message);
// "2026-12-08": the date's 0h UT as a Julian day; none, with the message, when it is no
// date or no such day.
std::optional<double> ReadDayJulianDay(const std::string& text, std::string& message);
// "2026-12-08 14:32:10": a Julian day UT to the nearest second.
std::string UtcMomentText(double julianDay);

}  // namespace orrelin
