#pragma once
// An iCalendar file (RFC 5545) written through libical, for the command line's almanac.
#include <ctime>
#include <string>
#include <vector>

namespace orrelin::cli {

// One event of the calendar: its start in the proleptic Gregorian calendar, UT, or a
// whole day (the time then unused).
struct CalendarEvent {
  std::string uid, summary;
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  bool wholeDay = false;
};

// A VCALENDAR of the events, each a VEVENT with its UID, summary and start, all stamped
// with `stamp` (the time the file is written).
std::string ICalendarText(const std::vector<CalendarEvent>& events, std::time_t stamp);

}  // namespace orrelin::cli
