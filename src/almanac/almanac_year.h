#pragma once
// The yearly almanac: the year's events collected in their order, sorted by instant,
// and the list's lines in local time of the place.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "almanac/proximity.h"
#include "core/local_clock.h"
#include "core/printed_page.h"

namespace orrelin {

struct AlmanacEvent {
  double instant = 0.0;  // JDE (Easter: the start of its local date)
  std::string text;      // up to 60 characters
  int kind = 0;          // EventKind
  int easterMonth = 0, easterDay = 0;  // the Easter line shows this date
};

// The year's range: the UT Julian days of the local midnights that open this year and
// the next. An event belongs to it when start < its instant less Delta T < end.
struct AlmanacRange {
  int year = 0;              // astronomical
  double offsetDays = 0.0;   // UTC minus local, days
  double start = 0.0, end = 0.0;
  double deltaTSeconds = 0.0;  // one value for the whole year
  LocalClock clock;            // a fixed clock holds offsetDays; a zone's gives each event its own offset
};
AlmanacRange AlmanacRangeOf(int astronomicalYear, double utcMinusLocalHours);
// The year between the local midnights of a zone's clock (its offset at each of them);
// a fixed clock gives the range of its offset.
AlmanacRange AlmanacRangeOf(int astronomicalYear, const LocalClock& clock);

// The events of a "partial" count in the order they are collected: seasons, solar
// and lunar eclipses, planetary phenomena, greatest elongations, moon phases, Easter.
std::vector<AlmanacEvent> CollectYearEvents(const AlmanacRange& range);
// The pairs of planets seen near each other, as events.
std::vector<AlmanacEvent> ProximityEvents(const std::array<std::optional<PairClosest>, kProximityPairs>& pairs);

// By instant, the list's exchange sort: a later event moves before an earlier one
// only when it is strictly earlier.
void SortEvents(std::vector<AlmanacEvent>& events);

// One line of the list, and its parts (for the command line's exports).
struct AlmanacLine {
  std::string date;  // the local date, "yyyy-mm-dd" with the astronomical year ("-0002-03-21")
  std::string time;  // EventTimeText; a zone's local time that its clock shows twice has its offset after it ("03h 30m +03")
  std::string text;
  int kind = 0;
  double instant = 0.0;
  double localJulianDay = 0.0;  // the instant in local civil time (Easter: its 0h)
  std::string Line() const { return date + "   " + time + "    " + text; }
};
std::vector<AlmanacLine> AlmanacLines(const std::vector<AlmanacEvent>& sorted, const AlmanacRange& range);

// "Almanac for the year " and the astronomical year.
std::string AlmanacTitle(int astronomicalYear);

// The printed list on pages of that size: 45 lines on page 1 below its title, 49 on
// every further page below its number, each line and the widest one within the page
// (the print made smaller where 10 points do not fit).
std::vector<PrintedPage> AlmanacPages(const std::vector<std::string>& listLines, int astronomicalYear,
                                      const PageArea& area, const TextWidth& textWidth);

}  // namespace orrelin
