#include "app/date_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

bool Same(const CivilDate& a, const CivilDate& b) { return a.year == b.year && a.month == b.month && a.day == b.day; }

TEST(DateBox, EveryYearFromOneTo9999Reads) {
  struct Case {
    std::string text;
    bool bc;
    CivilDate date;  // year 0: refused
    std::string message;
  };
  const std::vector<Case> cases = {
      {"1751-06-01", false, {1751, 6, 1}, ""},
      {"0500-03-01", false, {500, 3, 1}, ""},
      {"0001-01-01", false, {1, 1, 1}, ""},
      {"9999-12-31", false, {9999, 12, 31}, ""},
      {"1500-02-29", false, {1500, 2, 29}, ""},  // Julian leap year
      {"0001-02-29", true, {1, 2, 29}, ""},      // 1 B.C. is a leap year
      {"44-3-15", true, {44, 3, 15}, ""},        // the command line's short form
      {"0000-01-01", false, {0, 0, 0}, kMessageYearZero},
      {"0001-02-29", false, {0, 0, 0}, "There is no such day: 0001-02-29"},
      {"1700-02-29", false, {0, 0, 0}, "There is no such day: 1700-02-29"},
      {"0002-02-29", true, {0, 0, 0}, "There is no such day: 0002-02-29 B.C."},
      {"1582-10-10", false, {0, 0, 0},
       "There is no such day: 1582-10-10 (the Gregorian calendar follows 1582-10-04 with 1582-10-15)"},
      {"2026-13-01", false, {0, 0, 0}, "There is no such day: 2026-13-01"},
      {"10000-01-01", false, {0, 0, 0}, kMessageDateForm},
      {"2026-01-01-01", false, {0, 0, 0}, kMessageDateForm},
      {"    -  -  ", false, {0, 0, 0}, kMessageDateForm},
      {"21.3.2026", false, {0, 0, 0}, kMessageDateForm},
  };
  for (const auto& c : cases) {
    const DateRead r = ReadDateText(c.text, c.bc);
    EXPECT_EQ(r.date.has_value(), c.date.year != 0) << c.text;
    if (r.date && c.date.year != 0) {
      EXPECT_TRUE(Same(*r.date, c.date)) << c.text;
    }
    EXPECT_EQ(r.message, c.message) << c.text;
  }
  EXPECT_EQ(DateBoxText({500, 3, 1}), "0500-03-01");
}

TEST(DateBox, ArrowKeysStepAFieldWithoutWrapping) {
  struct Case {
    CivilDate from;
    DateField field;
    int steps;
    bool bc;
    CivilDate to;
  };
  const std::vector<Case> cases = {
      {{1752, 6, 1}, DateField::kYear, -1, false, {1751, 6, 1}},   // below the old floor of 1752
      {{1, 6, 1}, DateField::kYear, -1, false, {1, 6, 1}},         // year 1 is the first
      {{9999, 6, 1}, DateField::kYear, 10, false, {9999, 6, 1}},
      {{2024, 2, 29}, DateField::kYear, 1, false, {2025, 2, 28}},  // the day kept inside its month
      {{1, 2, 29}, DateField::kYear, 1, true, {2, 2, 28}},         // 2 B.C. is no leap year
      {{2026, 1, 31}, DateField::kMonth, 1, false, {2026, 2, 28}},
      {{2026, 12, 1}, DateField::kMonth, 1, false, {2026, 12, 1}},
      {{2026, 1, 31}, DateField::kDay, 1, false, {2026, 1, 31}},
      {{1582, 10, 4}, DateField::kDay, 1, false, {1582, 10, 15}},  // over the ten days of the reform
      {{1582, 10, 15}, DateField::kDay, -1, false, {1582, 10, 4}},
      {{1582, 9, 10}, DateField::kMonth, 1, false, {1582, 10, 15}},
  };
  for (const auto& c : cases) {
    const CivilDate d = StepDate(c.from, c.field, c.steps, c.bc);
    EXPECT_TRUE(Same(d, c.to)) << c.from.year << "-" << c.from.month << "-" << c.from.day << " -> " << d.year << "-"
                               << d.month << "-" << d.day;
  }
}

}  // namespace
}  // namespace orrelin
