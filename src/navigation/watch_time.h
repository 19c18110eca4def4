#pragma once
// The watch time of a sight: the watch's reading in zone date and time, the watch error
// and the zone description give UT, the one conversion the sights file and the command
// line share. A fast watch's error is taken off; the zone description is added
// (nautical convention: "+2" west of Greenwich, "-10" east), and the date follows.
#include <optional>
#include <string>

namespace orrelin::navigation {

struct WatchTime {
  double reading = 0.0;        // the watch's reading as a Julian day of the zone's date and time
  double fastSeconds = 0.0;    // the watch error, seconds; positive fast, negative slow
  double zoneDescription = 0.0;  // hours added to zone time for UT, -12 to +12
};

// The Julian day UT of a watch reading.
double UtOfWatchTime(const WatchTime& watch);
// The watch's reading for a moment UT (the conversion undone).
double WatchReadingOf(double julianDayUt, double fastSeconds, double zoneDescription);

// "3 fast", "2.5 slow", "0" or empty (no error): seconds, fast positive, within an hour.
std::optional<double> ReadWatchError(const std::string& text);
std::string WatchErrorText(double fastSeconds);
// "+2", "-10", "0", "-5.5", "+5:30": hours, -12 to +12, whole quarter hours.
std::optional<double> ReadZoneDescription(const std::string& text);
std::string ZoneDescriptionText(double hours);

// Whether a moment UT falls within the years 1 to 9999, as a date is given (a watch time
// at the first or last hours of those years may fall outside them).
bool WithinDateYears(double julianDayUt);

// The three texts as typed, read into a watch time; none, with what is wrong, when one
// does not read or its UT falls outside the years. The reading is "yyyy-mm-dd hh:mm:ss"
// in zone date and time.
std::optional<WatchTime> ReadWatchTime(const std::string& reading, const std::string& error, const std::string& zone,
                                       std::string& problem);

}  // namespace orrelin::navigation
