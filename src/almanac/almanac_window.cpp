#include "almanac/almanac_window.h"

#include <cmath>

#include "core/angle_text.h"
#include "core/calendar.h"
#include "core/numbers.h"
#include "report/body_report.h"
#include "report/observer_reading.h"

namespace orrelin {

std::optional<AlmanacCount> StartAlmanacCount(const std::string& yearText, bool total, const MainWindowRecord& main,
                                              MessageSink& sink) {
  const LocalClock* zone = !main.zone.empty() && main.clock.IsZone() ? &main.clock : nullptr;
  const NumberRead typed = ReadWholeNumber(yearText);
  if (typed.value < 0 || typed.value > kLastAlmanacYear || !HasDigit(yearText)) {
    sink.ShowMessage("0 .. " + WholeText(kLastAlmanacYear));
    return std::nullopt;
  }
  if (typed.value == 0 && main.beforeChrist) {  // not the year 1 B.C.: no year at all
    sink.ShowMessage(kMessageYearZero);
    return std::nullopt;
  }
  const auto offset = zone != nullptr ? std::optional<double>(0.0) : ReadOffsetBox(main.utcMinusLocal);
  if (!offset) {
    sink.ShowMessage(kMessageBadLocation);
    sink.BringMainWindowForward();
    return std::nullopt;
  }
  AlmanacCount count;
  const LocalClock clock = zone != nullptr ? *zone : LocalClock::Fixed(*offset);
  count.range = AlmanacRangeOf(AstronomicalYear(static_cast<int>(typed.value), main.beforeChrist), clock);
  count.header = AlmanacPlaceLine(main, clock);
  count.events = CollectYearEvents(count.range);
  if (total) {
    // Reading the place fills empty minute boxes in; that is the reading's own copy,
    // not the main window's record.
    MainWindowRecord boxes = main;
    const auto observer = ReadObserverInWholeMetres(boxes);
    if (observer) {
      ProximityInput in;
      in.firstDay = count.range.start;
      in.days = static_cast<int>(std::lround(count.range.end - count.range.start));
      in.observer = *observer;
      in.deltaTSeconds = count.range.deltaTSeconds;
      count.proximity = in;
    } else {
      sink.ShowMessage(kMessageBadLocation);
      sink.BringMainWindowForward();
    }
  }
  return count;
}

AlmanacListing AlmanacListingOf(const AlmanacCount& count, const std::vector<AlmanacEvent>& nearEachOther) {
  std::vector<AlmanacEvent> events = count.events;
  events.insert(events.end(), nearEachOther.begin(), nearEachOther.end());
  SortEvents(events);
  AlmanacListing listing;
  listing.title = AlmanacTitle(count.range.year);
  listing.header = count.header;
  listing.range = count.range;
  listing.lines = AlmanacLines(events, count.range);
  return listing;
}

std::vector<std::string> AlmanacListLines(const AlmanacListing& listing) {
  std::vector<std::string> lines{listing.header};
  for (const AlmanacLine& line : listing.lines) lines.push_back(line.Line());
  return lines;
}

namespace {

std::string LocalTimeAt(const MainWindowRecord& main) {
  std::string line = "Local time";
  const auto latitude = ReadPlaceAngle(main.latDeg, main.latMin, 90);
  const auto longitude = ReadPlaceAngle(main.lonDeg, main.lonMin, 180);
  if (latitude && longitude) {
    line += " at " + DegMinText(*latitude) + (main.north ? " N, " : " S, ") + DegMinText(*longitude) +
            (main.west ? " W" : " E");
  }
  return line;
}

}  // namespace

std::string AlmanacPlaceLine(const MainWindowRecord& main, const LocalClock& clock) {
  if (!clock.IsZone()) return AlmanacPlaceLine(main, clock.FixedOffsetHours());
  return LocalTimeAt(main) + ": " + clock.ZoneName();
}

std::string AlmanacPlaceLine(const MainWindowRecord& main, double utcMinusLocalHours) {
  std::string line = LocalTimeAt(main) + ": UTC";
  // Local time = UTC - offset, in whole minutes.
  const long long minutes = std::llround(std::fabs(utcMinusLocalHours) * 60.0);
  if (minutes == 0) return line;
  line += utcMinusLocalHours < 0 ? " + " : " - ";
  line += WholeText(minutes / 60) + " h";
  if (minutes % 60 != 0) line += " " + TwoDigitText(minutes % 60) + " m";
  return line;
}

std::string AlmanacYearText(int year) { return WholeText(year).substr(0, 4); }

}  // namespace orrelin
