// Local times in a time zone on the command line: the report on the clock-change days,
// and the almanac's iCalendar file and CSV with the zone's times.
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "almanac/almanac_calendar.h"
#include "app/main_window.h"
#include "cli/almanac_command.h"
#include "cli/modules/icalendar_text.h"
#include "cli_run.h"
#include "temp_folder.h"
#include "zones/zone_clock.h"

namespace orrelin::cli {
namespace {

using orrelin::testing::CliResult;
using orrelin::testing::RunCli;

// On the day each zone changes its clock, the report asked at 0h UT gives the Sun's rising,
// transit, setting and twilights of that UT day with the offset of each one's own moment:
// the new one, as every one falls after the change. Offsets from python3's zoneinfo.
// (New York's end of astronomical twilight falls after 0h UT of the next day, so the
// report's day gives the evening before, still at the old offset: left out.)
TEST(CliZones, TheReportOnTheClockChangeDays) {
  struct Case {
    const char* zone;
    const char* place;
    const char* date;
    const char* offsetAfter;  // UTC minus local after the change
  };
  const Case cases[] = {
      {"Europe/Helsinki", "--lat '60 10 N' --lon '24 57 E'", "2026-03-29", "-3"},
      {"Europe/Helsinki", "--lat '60 10 N' --lon '24 57 E'", "2026-10-25", "-2"},
      {"America/New_York", "--lat '40 43 N' --lon '74 0 W'", "2026-03-08", "4"},
      {"America/New_York", "--lat '40 43 N' --lon '74 0 W'", "2026-11-01", "5"},
      {"Australia/Sydney", "--lat '33 52 S' --lon '151 12 E'", "2026-04-05", "-10"},
      {"Australia/Sydney", "--lat '33 52 S' --lon '151 12 E'", "2026-10-04", "-11"},
  };
  for (const Case& c : cases) {
    const std::string common = std::string("report sun ") + c.place + " --date " + c.date + " --time 00:00:00 --json";
    SCOPED_TRACE(common + " --zone " + c.zone);
    const CliResult zoned = RunCli(common + " --zone " + c.zone);
    const CliResult fixed = RunCli(common + " --offset " + c.offsetAfter);
    ASSERT_EQ(zoned.status, 0) << zoned.out;
    ASSERT_EQ(fixed.status, 0) << fixed.out;
    const auto z = nlohmann::json::parse(zoned.out)["boxes"], f = nlohmann::json::parse(fixed.out)["boxes"];
    for (const char* box : {"Rising", "Transit", "Setting", "Civil Twilight", "Civil Twilight ends",
                            "Nautical Twilight", "Nautical Twilight ends", "Astronomical Twilight"}) {
      EXPECT_EQ(z[box], f[box]) << box;
    }
  }
  // The offset box follows the zone at the moment of the boxes: Sydney set its clock back
  // at 16h UT on April 4.
  MainWindowRecord m;
  PutFirstStartDefaults(m);
  m.zone = "Australia/Sydney";
  m.clock = *ZoneClock(m.zone);
  m.date = {2026, 4, 4};
  for (const auto& [time, offset] : std::vector<std::pair<std::string, std::string>>{{"15:59:00", "-11"}, {"16:01:00", "-10"}}) {
    m.time = time;
    FollowZoneClock(m);
    EXPECT_EQ(m.utcMinusLocal, offset) << time;
  }
}

// The iCalendar file holds each event at its UTC instant, which a standard parser reads
// back; the zone's local date and time of the list come from that same instant.
TEST(CliZones, ICalendarAndListAgreeOnEveryInstant) {
  for (const char* zone : {"Europe/Helsinki", "America/New_York", "Australia/Sydney"}) {
    SCOPED_TRACE(zone);
    MainWindowRecord main;
    PutFirstStartDefaults(main);
    main.zone = zone;
    main.clock = *ZoneClock(zone);
    std::vector<std::string> messages;
    const auto listing = AlmanacOf("2026", false, main, messages);
    ASSERT_TRUE(listing);
    EXPECT_NE(listing->header.find(zone), std::string::npos);
    std::string why;
    const auto events = AlmanacCalendarEvents(*listing, why);
    ASSERT_TRUE(events) << why;
    icalcomponent* calendar = icalparser_parse_string(ICalendarText(*events, 1796688000).c_str());
    ASSERT_NE(calendar, nullptr);
    std::size_t i = 0;
    for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
         e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++i) {
      ASSERT_LT(i, listing->lines.size());
      const AlmanacLine& line = listing->lines[i];
      const icaltimetype start = icalcomponent_get_dtstart(e);
      if (line.kind == kEaster) continue;
      ASSERT_TRUE(icaltime_is_utc(start)) << line.Line();
      const double utc = 2440587.5 + static_cast<double>(icaltime_as_timet(start)) / 86400.0;
      const double local = utc - main.clock.UtcMinusLocalAt(utc) / 24.0;
      EXPECT_NEAR(line.localJulianDay, local, 1.0 / 86400.0) << line.Line();
    }
    EXPECT_EQ(i, listing->lines.size());
    icalcomponent_free(calendar);
  }
}

// The CSV's local times are the list's: the zone's, the offset of summer beside winter's.
TEST(CliZones, CsvGivesTheZonesLocalTimes) {
  orrelin::testing::TempFolder folder;
  const std::string csv = (folder.Path() / "a.csv").string();
  const CliResult r = RunCli("almanac 2026 --zone Europe/Helsinki --csv '" + csv + "'");
  ASSERT_EQ(r.status, 0) << r.out;
  std::ifstream in(csv);
  std::stringstream bytes;
  bytes << in.rdbuf();
  // The solstices of the year (08:24 and 20:50 UT): in June at UTC + 3 h, in December at UTC + 2 h.
  EXPECT_NE(bytes.str().find("2026-06-21,11h 24m"), std::string::npos) << bytes.str();
  EXPECT_NE(bytes.str().find("2026-12-21,22h 50m"), std::string::npos) << bytes.str();
  EXPECT_NE(r.out.find("Local time at 60° 09.7' N, 24° 57.3' E: Europe/Helsinki"), std::string::npos);
}

}  // namespace
}  // namespace orrelin::cli
