#pragma once
// The command line's almanac: the year's list as the almanac window shows it, as
// text, JSON, CSV or an iCalendar file.
#include <optional>
#include <string>
#include <vector>

#include "almanac/almanac_window.h"
#include "cli/modules/icalendar_text.h"
#include "report/main_window_record.h"

namespace orrelin::cli {

// The year (as typed, B.C. from the record), "total" with the proximity search on every
// core: the window's list. The messages said while counting; none, with the messages
// that stopped it, when the year or the offset is refused.
std::optional<AlmanacListing> AlmanacOf(const std::string& yearText, bool total, const MainWindowRecord& main,
                                        std::vector<std::string>& messages);

std::string AlmanacText(const AlmanacListing& listing);
// {"title", "events": [{"date", "time", "text", "kind", "instant_jde"}, ...], "messages"}
std::string AlmanacJson(const AlmanacListing& listing, const std::vector<std::string>& messages);
// date, local time, UTC instant, kind and text; one line for each event.
std::string AlmanacCsv(const AlmanacListing& listing);
// The iCalendar file's events: each at its UTC instant, Easter a whole day, UIDs that
// stay the same for the same year and event (re-importing replaces). None for years
// before 1, which iCalendar cannot hold (`why` says so).
std::optional<std::vector<CalendarEvent>> AlmanacCalendarEvents(const AlmanacListing& listing, std::string& why);

}  // namespace orrelin::cli
