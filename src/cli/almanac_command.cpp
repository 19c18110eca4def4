#include "cli/almanac_command.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "almanac/almanac_calendar.h"
#include "almanac/almanac_window.h"
#include "almanac/proximity.h"
#include "cli/json_number.h"
#include "cli/text_columns.h"
#include "core/numbers.h"

namespace orrelin::cli {

namespace {

// Proleptic Gregorian date and time of a UT Julian day (iCalendar's calendar).
struct GregorianInstant {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
GregorianInstant GregorianOf(double jd) {
  // To the nearest second first, so that 23:59:59.7 becomes the next day's 00:00:00.
  const double seconds = std::round((jd + 0.5) * 86400.0);
  const long long z = static_cast<long long>(std::floor(seconds / 86400.0));
  long long rest = static_cast<long long>(seconds) - z * 86400;
  const long long alpha = static_cast<long long>(std::floor((z - 1867216.25) / 36524.25));
  const long long a = z + 1 + alpha - alpha / 4;
  const long long b = a + 1524;
  const long long c = static_cast<long long>(std::floor((b - 122.1) / 365.25));
  const long long d = static_cast<long long>(std::floor(365.25 * c));
  const long long e = static_cast<long long>(std::floor((b - d) / 30.6001));
  GregorianInstant g;
  g.day = static_cast<int>(b - d - static_cast<long long>(std::floor(30.6001 * e)));
  g.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
  g.year = static_cast<int>(g.month > 2 ? c - 4716 : c - 4715);
  g.hour = static_cast<int>(rest / 3600);
  rest %= 3600;
  g.minute = static_cast<int>(rest / 60);
  g.second = static_cast<int>(rest % 60);
  return g;
}

// The UT Julian day of an event: Easter is its date (at 0h), the others lose Delta T.
double UtOf(const AlmanacLine& line, const AlmanacRange& range) {
  return line.kind == kEaster ? line.localJulianDay : line.instant - range.deltaTSeconds / 86400.0;
}

std::string UtcText(const AlmanacLine& line, const AlmanacRange& range) {
  const CalendarInstant c = CalendarFromJulianDay(UtOf(line, range));
  const double dayFraction = c.day - std::floor(c.day);
  const long long secondOfDay = std::llround(dayFraction * 86400.0);
  std::string y = WholeText(std::abs(c.year));
  y = std::string(y.size() < 4 ? 4 - y.size() : 0, '0') + y;
  std::string text = (c.year < 0 ? "-" : "") + y + "-" + TwoDigitText(c.month) + "-" +
                     TwoDigitText(static_cast<long long>(std::floor(c.day)));
  if (line.kind == kEaster) return text;
  // A second that rounds to midnight stays on its day as 23:59:59.
  const long long s = std::min(secondOfDay, 86399LL);
  return text + " " + TwoDigitText(s / 3600) + ":" + TwoDigitText(s / 60 % 60) + ":" + TwoDigitText(s % 60);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? "\"\"" : std::string(1, c);
  return quoted + "\"";
}

// The event's name without its numbers, as a UID part: "Partial solar ECLIPSE, ..." ->
// "partial-solar-eclipse".
std::string Slug(const std::string& text) {
  const std::string name = text.substr(0, text.find_first_of(",:"));
  std::string slug;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u)) {
      slug += static_cast<char>(std::tolower(u));
    } else if (!slug.empty() && slug.back() != '-') {
      slug += '-';
    }
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  return slug;
}

}  // namespace

std::optional<AlmanacListing> AlmanacOf(const std::string& yearText, bool total, const MainWindowRecord& main,
                                        std::vector<std::string>& messages) {
  RecordingMessageSink sink;
  const auto count = StartAlmanacCount(yearText, total, main, sink);
  messages = sink.messages;
  if (!count) return std::nullopt;
  std::vector<AlmanacEvent> nearEachOther;
  if (count->proximity) {
    ProximityInput in = *count->proximity;
    in.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    nearEachOther = ProximityEvents(ProximitySearch(in));
  }
  return AlmanacListingOf(*count, nearEachOther);
}

std::string AlmanacText(const AlmanacListing& listing) {
  std::ostringstream out;
  out << listing.title << "\n" << listing.header << "\n\n";
  for (const auto& line : listing.lines) out << TrimmedRight(line.Line()) << '\n';
  return out.str();
}

std::string AlmanacJson(const AlmanacListing& listing, const std::vector<std::string>& messages) {
  nlohmann::ordered_json j;
  j["title"] = listing.title;
  j["events"] = nlohmann::ordered_json::array();
  for (const auto& line : listing.lines) {
    j["events"].push_back({{"date", line.date},
                           {"time", TrimmedRight(line.time)},
                           {"text", line.text},
                           {"kind", line.kind},
                           {"instant_jde", line.instant}});
  }
  j["messages"] = messages;
  return JsonText(j);
}

std::string AlmanacCsv(const AlmanacListing& listing) {
  std::string out = "date,local_time,utc,kind,text\n";
  for (const auto& line : listing.lines) {
    out += line.date + "," + TrimmedRight(line.time) + "," + UtcText(line, listing.range) + "," +
           WholeText(line.kind) + "," + CsvField(line.text) + "\n";
  }
  return out;
}

std::optional<std::vector<CalendarEvent>> AlmanacCalendarEvents(const AlmanacListing& listing, std::string& why) {
  if (listing.range.year < 1) {
    why = "iCalendar files cannot hold years before 1 (the almanac of " + WholeText(listing.range.year) + ")";
    return std::nullopt;
  }
  std::vector<CalendarEvent> events;
  std::map<std::string, int> ordinals;
  for (const auto& line : listing.lines) {
    const std::string slug = Slug(line.text);
    const GregorianInstant g = GregorianOf(UtOf(line, listing.range));
    events.push_back({WholeText(listing.range.year) + "-" + slug + "-" + WholeText(++ordinals[slug]) + "@orrelin",
                      line.text, g.year, g.month, g.day, g.hour, g.minute, g.second, line.kind == kEaster});
  }
  return events;
}

}  // namespace orrelin::cli
