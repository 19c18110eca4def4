#pragma once
// The almanac window's Count, as logic: the year's events from the year box and the
// main window, the proximity search to run for "total", and the year's list, which the
// window and the command line both show.
#include <optional>
#include <string>
#include <vector>

#include "almanac/almanac_year.h"
#include "core/messages.h"
#include "report/main_window_record.h"

namespace orrelin {

inline constexpr int kLastAlmanacYear = 2999;

struct AlmanacCount {
  AlmanacRange range;
  std::string header;                     // AlmanacPlaceLine: whose local times these are
  std::vector<AlmanacEvent> events;       // the "partial" events, collected in their order
  std::optional<ProximityInput> proximity;  // "total" with a place that passed its check
};

// Count, steps 1 to 4g: the year box read as a whole number (0..2999; B.C. from the main
// window, where 0 is refused), the main window's offset, and the events. For "total" the proximity search is
// prepared when the main window's place passes its check; otherwise its message is said
// and the rest of the year is still counted. None when the year or the offset is refused.
// With a zone (the zone box and its clock) the local times are that zone's, and the
// offset box is not read.
std::optional<AlmanacCount> StartAlmanacCount(const std::string& yearText, bool total, const MainWindowRecord& main,
                                              MessageSink& sink);

// "Local time at 60° 09.7' N, 24° 57.3' E: UTC + 2 h": the place of the main window's
// boxes (left out when they do not read) and its offset, for the list's first line, its
// printout and the command line.
std::string AlmanacPlaceLine(const MainWindowRecord& main, double utcMinusLocalHours);
// "Local time at 60° 09.7' N, 24° 57.3' E: Europe/Helsinki" for a zone's clock.
std::string AlmanacPlaceLine(const MainWindowRecord& main, const LocalClock& clock);

// The year's list: its title, whose local times it gives, and one line for each event.
struct AlmanacListing {
  std::string title;
  std::string header;  // AlmanacPlaceLine
  AlmanacRange range;
  std::vector<AlmanacLine> lines;
};

// The end of the count: the year's events and the pairs the proximity search found
// ("total"; none for "partial"), sorted, as the list.
AlmanacListing AlmanacListingOf(const AlmanacCount& count, const std::vector<AlmanacEvent>& nearEachOther);

// The list's lines as the window shows them: line 0 says whose local times they are,
// then one line for each event.
std::vector<std::string> AlmanacListLines(const AlmanacListing& listing);

// The year of the main window's date for the year box: at most 4 characters.
std::string AlmanacYearText(int year);

}  // namespace orrelin
