#include "core/calendar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

TCalendarDate Date(int year, int month, int day) {
  bool valid = false;
  TCalendarDate d = DateToRecord({year, month, day}, valid);
  EXPECT_TRUE(valid);
  return d;
}

TEST(Calendar, JulianDayAtZeroHours) {
  struct Case {
    std::string name;
    int year, month, day;
    bool bc;
    double jd;
  };
  const std::vector<Case> cases = {
      {"J2000 day", 2000, 1, 1, false, 2451544.5},
      {"first Gregorian day", 1582, 10, 15, false, 2299160.5},
      {"last Julian day", 1582, 10, 3, false, 2299158.5},
      {"1 B.C. March 1", 1, 3, 1, true, 1721117.5},
      {"1 B.C. January 1", 1, 1, 1, true, 1721057.5},
      {"Meeus 1957 October 4", 1957, 10, 4, false, 2436115.5},
      {"Meeus 333 January 27", 333, 1, 27, false, 1842712.5},
      {"Meeus -1000 July 12 (1001 B.C.)", 1001, 7, 12, true, 1356000.5},
      {"Meeus -4712 January 1 (4713 B.C.)", 4713, 1, 1, true, -0.5},
      {"1987 April 10", 1987, 4, 10, false, 2446895.5},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(JulianDay(Date(c.year, c.month, c.day), 0.0, c.bc).jd, c.jd) << c.name;
  }
}

TEST(Calendar, JulianCenturiesFromBothEpochs) {
  const TCalendarDate d = Date(2000, 1, 1);
  const JulianDayResult r = JulianDay(d, 12.0, false);
  EXPECT_DOUBLE_EQ(r.jd, 2451544.5);
  EXPECT_DOUBLE_EQ(r.t, 0.0);
  const JulianDayEpochs e = JulianDayTwoEpochs(d, 12.0, false);
  EXPECT_DOUBLE_EQ(e.jd, 2451544.5);
  EXPECT_DOUBLE_EQ(e.t2000, -0.5 / 36525.0);  // taken at 0h
  EXPECT_DOUBLE_EQ(e.t1900, 1.0);
}

TEST(Calendar, WeekdayFollowsTheCalendarOfTheDate) {
  struct Case {
    int year, month, day;
    bool bc;
    std::string weekday;
  };
  const std::vector<Case> cases = {
      {2000, 1, 1, false, "Saturday"},   {1582, 10, 4, false, "Thursday"}, {1582, 10, 15, false, "Friday"},
      {1957, 10, 4, false, "Friday"},    {2026, 12, 8, false, "Tuesday"},  {1, 1, 1, false, "Saturday"},
      {1, 1, 1, true, "Thursday"},       {1954, 6, 30, false, "Wednesday"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekdayName({c.year, c.month, c.day}, c.bc), c.weekday)
        << c.year << "-" << c.month << "-" << c.day << (c.bc ? " B.C." : "");
  }
}

TEST(Calendar, DaysThatExistInTheCalendarOfTheDate) {
  struct Case {
    int astronomicalYear, month, day;
    bool exists;
  };
  const std::vector<Case> cases = {
      {1500, 2, 29, true},   // a Julian leap year
      {1700, 2, 29, false},  // not a Gregorian one
      {2000, 2, 29, true},   {2026, 2, 29, false}, {0, 2, 29, true},  // 1 B.C. is leap
      {-1, 2, 29, false},    {-4, 2, 29, true},    {2026, 4, 31, false},
      {1582, 10, 4, true},   {1582, 10, 5, false}, {1582, 10, 14, false}, {1582, 10, 15, true},
      {2026, 13, 1, false},  {2026, 1, 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsCalendarDate(c.astronomicalYear, c.month, c.day), c.exists)
        << c.astronomicalYear << "-" << c.month << "-" << c.day;
  }
}

TEST(Calendar, DateRecordCarriesAShortDateText) {
  EXPECT_EQ(Date(2026, 3, 9).dateText, "2026-03-09");
  EXPECT_EQ(Date(1, 1, 1).dateText, "0001-01-01");
  EXPECT_EQ(AstronomicalYear(1, true), 0);
  EXPECT_EQ(AstronomicalYear(2, true), -1);
  EXPECT_EQ(AstronomicalYear(1999, false), 1999);
}

}  // namespace
}  // namespace orrelin
