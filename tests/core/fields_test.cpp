#include "core/fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

TEST(Fields, ExtractFieldAndFields) {
  struct Case {
    std::string text, sep;
    int n, m;  // m < 0: ExtractField
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a,b,c", ",", 1, -1, "b"},        {"a,b,c", ",", 3, -1, ""},       {"a,b,c", ",", 0, -1, "a"},
      {"a,b,c", ",", 2, -1, "c"},        {"12:34:56", ":", 1, 2, "34:56"}, {"12:34:56", ":", 0, 2, "12:34:56"},
      {"12:34:56", ":", 2, 1, "56"},     {"12:34:56", ":", 1, 0, "34"},    {"a;;c", ";", 1, -1, ""},
      {"Helsinki, 60 9.7 N", ", ", 1, -1, "60 9.7 N"},  {"", ":", 0, -1, ""},
  };
  for (const auto& c : cases) {
    const std::string got = c.m < 0 ? ExtractField(c.text, c.sep, c.n) : ExtractFields(c.text, c.sep, c.n, c.m);
    EXPECT_EQ(got, c.expected) << c.text << " n=" << c.n << " m=" << c.m;
  }
}

TEST(Fields, LowerCaseText) {
  EXPECT_EQ(LowerCaseText("HELSINKI"), "helsinki");
  EXPECT_EQ(LowerCaseText("ÅBO ÄÖÜ"), "åbo äöü");
  EXPECT_EQ(LowerCaseText("Éire"), "Éire");  // other letters stay
  EXPECT_EQ(LowerCaseText("São Paulo 1"), "são paulo 1");
}

}  // namespace
}  // namespace orrelin
