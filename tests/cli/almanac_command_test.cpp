// The command line's almanac and its exports.
#include "cli/almanac_command.h"

#include <gtest/gtest.h>
#include <libical/ical.h>
#include <nlohmann/json.hpp>

#include <optional>
#include <set>
#include <string>

#include "app/main_window.h"

namespace orrelin::cli {
namespace {

MainWindowRecord Helsinki(bool beforeChrist = false) {
  MainWindowRecord m;
  PutFirstStartDefaults(m);
  m.utcMinusLocal = "-2";
  m.beforeChrist = beforeChrist;
  return m;
}

AlmanacListing Listing(const std::string& year, bool beforeChrist = false) {
  MainWindowRecord main = Helsinki(beforeChrist);
  std::vector<std::string> messages;
  auto listing = AlmanacOf(year, false, main, messages);
  EXPECT_TRUE(listing.has_value()) << year;
  return listing.value_or(AlmanacListing{});
}

TEST(CliAlmanac, JsonCarriesTheListsTexts) {
  const auto json = nlohmann::json::parse(AlmanacJson(Listing("2000"), {}));
  EXPECT_EQ(json["title"], "Almanac for the year 2000");
  bool easter = false;
  for (const auto& e : json["events"]) {
    if (e["text"] == "EASTER SUNDAY") {
      easter = true;
      EXPECT_EQ(e["date"], "2000-04-23");
      EXPECT_EQ(e["kind"], -1);
      EXPECT_EQ(e["time"], "");  // no time, and no blanks standing for one
    }
  }
  EXPECT_TRUE(easter);
  const auto bc = nlohmann::json::parse(AlmanacJson(Listing("3", true), {}));
  EXPECT_EQ(bc["title"], "Almanac for the year -2");
  EXPECT_EQ(bc["events"][0]["date"].get<std::string>().rfind("-0002-", 0), 0u);
}

TEST(CliAlmanac, TheTextSaysWhoseLocalTimesItGives) {
  const std::string text = AlmanacText(Listing("2000"));
  EXPECT_EQ(text.substr(0, text.find("\n\n")),
            "Almanac for the year 2000\nLocal time at 60° 09.7' N, 24° 57.3' E: UTC + 2 h");
  // The offset as local time = UTC - offset, in hours and minutes; a place that does
  // not read is left out.
  struct Case {
    const char* offset;
    const char* latDeg;
    const char* line;
  };
  for (const Case c : {Case{"0", "60", "Local time at 60° 09.7' N, 24° 57.3' E: UTC"},
                       Case{"5", "60", "Local time at 60° 09.7' N, 24° 57.3' E: UTC - 5 h"},
                       Case{"-5.75", "91", "Local time: UTC + 5 h 45 m"}}) {
    MainWindowRecord main = Helsinki();
    main.utcMinusLocal = c.offset;
    main.latDeg = c.latDeg;
    std::vector<std::string> messages;
    const auto listing = AlmanacOf("2000", false, main, messages);
    ASSERT_TRUE(listing) << c.offset;
    EXPECT_EQ(listing->header, c.line);
  }
}

TEST(CliAlmanac, ARefusedYearSaysWhy) {
  for (const char* year : {"3000", "-1", "abc"}) {
    MainWindowRecord main = Helsinki();
    std::vector<std::string> messages;
    EXPECT_FALSE(AlmanacOf(year, false, main, messages)) << year;
    EXPECT_EQ(messages, std::vector<std::string>{"0 .. 2999"}) << year;
  }
  // 0 with B.C. is no year (1 B.C. is the astronomical year 0); 0 alone is that year.
  MainWindowRecord bc = Helsinki(true);
  std::vector<std::string> messages;
  EXPECT_FALSE(AlmanacOf("0", false, bc, messages));
  EXPECT_EQ(messages, std::vector<std::string>{"Year 0 does not exist: 1 B.C. is year 1 with B.C. ticked"});
  EXPECT_EQ(Listing("0").title, "Almanac for the year 0");
  EXPECT_EQ(Listing("1", true).title, "Almanac for the year 0");
}

TEST(CliAlmanac, CsvQuotesTextsWithCommas) {
  const std::string csv = AlmanacCsv(Listing("2000"));
  EXPECT_EQ(csv.rfind("date,local_time,utc,kind,text\n", 0), 0u);
  EXPECT_NE(csv.find("2000-02-05,14h 50m,2000-02-05 12:49:39,"), std::string::npos) << csv.substr(0, 400);
  EXPECT_NE(csv.find(",2,\"Partial solar ECLIPSE, greatest magnitude = 0.580\"\n"), std::string::npos);
  EXPECT_NE(csv.find("2000-04-23,,2000-04-23,-1,EASTER SUNDAY\n"), std::string::npos);
}

// The almanac's events as the calendar module writes them.
std::optional<std::string> ICalendarOf(const AlmanacListing& listing, std::string& why) {
  const auto events = AlmanacCalendarEvents(listing, why);
  if (!events) return std::nullopt;
  return ICalendarText(*events, 1796688000);
}

TEST(CliAlmanac, ICalendarReadsBackWithStableUids) {
  const AlmanacListing listing = Listing("2026");
  std::string why;
  const auto ics = ICalendarOf(listing, why);
  ASSERT_TRUE(ics) << why;
  icalcomponent* calendar = icalparser_parse_string(ics->c_str());
  ASSERT_NE(calendar, nullptr);
  std::set<std::string> uids;
  int events = 0;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    ++events;
    uids.insert(icalcomponent_get_uid(e));
    const icaltimetype start = icalcomponent_get_dtstart(e);
    const std::string summary = icalcomponent_get_summary(e);
    if (summary == "EASTER SUNDAY") {
      EXPECT_TRUE(start.is_date);
      EXPECT_EQ(start.month * 100 + start.day, 405);  // 2026 April 5
    } else {
      EXPECT_FALSE(start.is_date);
      EXPECT_TRUE(icaltime_is_utc(start)) << summary;
    }
  }
  icalcomponent_free(calendar);
  EXPECT_EQ(events, static_cast<int>(listing.lines.size()));
  EXPECT_EQ(uids.size(), listing.lines.size());  // one UID each
  EXPECT_TRUE(uids.count("2026-new-moon-1@orrelin"));
  // The same year gives the same UIDs again, so a calendar replaces rather than doubles.
  const auto again = ICalendarOf(Listing("2026"), why);
  EXPECT_NE(again->find("UID:2026-full-moon-13@orrelin"), std::string::npos);
  EXPECT_FALSE(ICalendarOf(Listing("3", true), why));
  EXPECT_EQ(why, "iCalendar files cannot hold years before 1 (the almanac of -2)");
}

}  // namespace
}  // namespace orrelin::cli
