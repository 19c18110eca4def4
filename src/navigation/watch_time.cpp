#include "navigation/watch_time.h"

#include <cmath>

#include "app/date_box.h"
#include "core/encoding.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "report/observer_reading.h"

namespace orrelin::navigation {

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kLargestWatchError = 3600.0;  // seconds: a watch an hour out is not a watch error
constexpr double kLargestZone = 12.0;          // hours

}  // namespace

double UtOfWatchTime(const WatchTime& w) {
  const double ut = w.reading - w.fastSeconds / kSecondsPerDay + w.zoneDescription / 24.0;
  // A UT of whole seconds is the very number the same moment typed in UT reads as, so
  // that a sight timed by the watch and the same sight timed in UT agree to the last digit.
  std::string why;
  const auto typed = ReadUtcMoment(UtcMomentText(ut), why);
  return typed && std::fabs(*typed - ut) * kSecondsPerDay < 1e-3 ? *typed : ut;
}

double WatchReadingOf(double julianDayUt, double fastSeconds, double zoneDescription) {
  return julianDayUt + fastSeconds / kSecondsPerDay - zoneDescription / 24.0;
}

std::optional<double> ReadWatchError(const std::string& text) {
  const std::vector<std::string> words = SplitAtBlanks(LowerCaseText(text));
  if (words.empty()) return 0.0;
  if (words.size() > 2) return std::nullopt;
  const auto seconds = ReadBoundedDecimal(words[0], 0.0, kLargestWatchError);
  if (!seconds) return std::nullopt;
  if (words.size() == 1) return *seconds == 0.0 ? std::optional<double>(0.0) : std::nullopt;  // fast or slow?
  if (words[1] == "fast") return *seconds;
  if (words[1] == "slow") return -*seconds;
  return std::nullopt;
}

std::string WatchErrorText(double fastSeconds) {
  if (fastSeconds == 0.0) return "0";
  return ShortestText(std::fabs(fastSeconds)) + (fastSeconds > 0 ? " fast" : " slow");
}

std::optional<double> ReadZoneDescription(const std::string& text) {
  const std::vector<std::string> words = SplitAtBlanks(text);
  if (words.size() != 1) return std::nullopt;
  const std::string& word = words[0];
  const std::size_t colon = word.find(':');
  std::optional<double> hours;
  if (colon == std::string::npos) {
    hours = ReadBoundedDecimal(word, -kLargestZone, kLargestZone);
  } else {
    const auto whole = ReadBoundedDecimal(word.substr(0, colon), -kLargestZone, kLargestZone);
    const std::string minutesText = word.substr(colon + 1);
    const auto minutes = minutesText.size() == 2 ? ReadBoundedDecimal(minutesText, 0.0, 59.0) : std::nullopt;
    if (!whole || !minutes || *whole != std::trunc(*whole) || *minutes != std::trunc(*minutes)) return std::nullopt;
    const bool west = word[0] != '-';
    hours = *whole + (west ? 1.0 : -1.0) * *minutes / 60.0;
  }
  // Zones are whole hours, with a few of half and three quarters of an hour.
  if (!hours || std::fabs(*hours) > kLargestZone || *hours * 4.0 != std::round(*hours * 4.0)) return std::nullopt;
  return *hours == 0.0 ? 0.0 : *hours;  // never -0
}

std::string ZoneDescriptionText(double hours) {
  if (hours == 0.0) return "0";
  return (hours > 0 ? "+" : "") + ShortestText(hours);
}

bool WithinDateYears(double julianDayUt) {
  std::string why;
  const double first = *ReadUtcMoment("0001-01-01", why), last = *ReadUtcMoment("9999-12-31 23:59:59", why);
  return julianDayUt >= first && julianDayUt < last + 0.5 / kSecondsPerDay;  // as it is written, to the second
}

std::optional<WatchTime> ReadWatchTime(const std::string& reading, const std::string& error, const std::string& zone,
                                       std::string& problem) {
  std::string why;
  const auto jd = ReadUtcMoment(reading, why);
  if (!jd) {
    // The reading is zone time, not UT.
    problem = "the watch time (" + (why.rfind("Give the time", 0) == 0 ? "Give the watch time as yyyy-mm-dd hh:mm:ss" : why) + ")";
    return std::nullopt;
  }
  const auto fast = ReadWatchError(error);
  if (!fast) {
    problem = "the watch error is seconds fast or slow (\"3 fast\"), not " + QuotedText(error, 40);
    return std::nullopt;
  }
  const auto zd = ReadZoneDescription(zone);
  if (!zd) {
    problem = "the zone description is hours from -12 to +12 (\"+2\"), not " +
              (zone.empty() ? std::string("an empty field") : QuotedText(zone, 40));
    return std::nullopt;
  }
  const WatchTime watch{*jd, *fast, *zd};
  if (!WithinDateYears(UtOfWatchTime(watch))) {
    problem = "the watch time (its UT falls outside the years 1 to 9999)";
    return std::nullopt;
  }
  return watch;
}

}  // namespace orrelin::navigation
