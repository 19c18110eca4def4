#include "cli/modules/icalendar_text.h"

#include <libical/ical.h>

#include <cstdlib>

namespace orrelin::cli {

std::string ICalendarText(const std::vector<CalendarEvent>& events, std::time_t stamp) {
  icalcomponent* calendar = icalcomponent_vanew(ICAL_VCALENDAR_COMPONENT, icalproperty_new_version("2.0"),
                                                icalproperty_new_prodid("-//Orrelin//Almanac//EN"),
                                                icalproperty_new_calscale("GREGORIAN"), nullptr);
  const icaltimetype stamped = icaltime_from_timet_with_zone(stamp, 0, icaltimezone_get_utc_timezone());
  for (const CalendarEvent& e : events) {
    icaltimetype start = icaltime_null_time();
    start.year = e.year;
    start.month = e.month;
    start.day = e.day;
    if (e.wholeDay) {
      start.is_date = 1;
    } else {
      start.hour = e.hour;
      start.minute = e.minute;
      start.second = e.second;
      start.zone = icaltimezone_get_utc_timezone();
    }
    icalcomponent* event = icalcomponent_vanew(ICAL_VEVENT_COMPONENT, icalproperty_new_uid(e.uid.c_str()),
                                               icalproperty_new_dtstamp(stamped),
                                               icalproperty_new_dtstart(start),
                                               icalproperty_new_summary(e.summary.c_str()), nullptr);
    icalcomponent_add_component(calendar, event);
  }
  char* text = icalcomponent_as_ical_string_r(calendar);
  std::string result = text != nullptr ? text : "";
  std::free(text);
  icalcomponent_free(calendar);
  return result;
}

}  // namespace orrelin::cli
