#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace orrelin {
namespace {

struct ReadCase {
  std::string text;
  bool ok;
  double value;  // the value, or the partial value when the text does not read
};

TEST(Numbers, WholeNumberTextsAndTheirPartialValues) {
  const std::vector<ReadCase> cases = {
      {"90", true, 90},    {"  -12", true, -12}, {"+7", true, 7},     {"0", true, 0},
      {"", false, 0},      {"-", false, 0},      {"9a", false, 9},    {"-5x", false, 5},
      {"12.5", false, 12}, {"67,2", false, 67},  {"abc", false, 0},   {"1e3", false, 1},
      {"90 ", false, 90},
  };
  for (const auto& c : cases) {
    const NumberRead r = ReadWholeNumber(c.text);
    EXPECT_EQ(r.ok, c.ok) << '"' << c.text << '"';
    EXPECT_EQ(r.value, c.value) << '"' << c.text << '"';
  }
}

TEST(Numbers, DecimalTextsAndTheirPartialValues) {
  const std::vector<ReadCase> cases = {
      {"8900", true, 8900}, {"8900.1", true, 8900.1}, {"-3", true, -3},   {" .5", true, 0.5},
      {"1e2", true, 100},   {"5.", true, 5},          {"64.7x", false, 647}, {"67,2", false, 67},
      {"", false, 0},       {"inf", false, 0},        {"nan", false, 0},  {"-x", false, 0},
      {"1.2.3", false, 123},
  };
  for (const auto& c : cases) {
    const NumberRead r = ReadDecimal(c.text);
    EXPECT_EQ(r.ok, c.ok) << '"' << c.text << '"';
    EXPECT_DOUBLE_EQ(r.value, c.value) << '"' << c.text << '"';
  }
}

TEST(Numbers, NumbersTooLargeForADoubleAndTheBeginningsOfNumbers) {
  EXPECT_TRUE(ReadDecimal("1e400").outOfRange);
  EXPECT_TRUE(ReadWholeNumber("9223372036854775808").outOfRange);
  EXPECT_FALSE(ReadDecimal("1e300").outOfRange);
  EXPECT_FALSE(ReadDecimal("abc").outOfRange);
  EXPECT_TRUE(std::isfinite(ReadDecimal(std::string(400, '9') + "x").value));  // a partial value stays finite
  for (const char* t : {"-", "+", ".", "-.", "+."}) EXPECT_TRUE(IsNumberBeginning(t)) << t;
  for (const char* t : {"", "-5", "x", "..", "--"}) EXPECT_FALSE(IsNumberBeginning(t)) << t;
}

TEST(Numbers, FixedTextRoundsTiesToEvenAndShowsNoNegativeZero) {
  struct Case {
    double x;
    int decimals;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {9.7, 1, "9.7"},        {42.5, 2, "42.50"}, {64.25, 1, "64.2"}, {64.75, 1, "64.8"},
      {0.125, 2, "0.12"},     {2.5, 0, "2"},      {3.5, 0, "4"},      {-0.04, 1, "0.0"},
      {-0.0, 2, "0.00"},      {-7.25, 1, "-7.2"}, {1e6, 1, "1000000.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(FixedText(c.x, c.decimals), c.expected) << c.x;
}

TEST(Numbers, ShortestAndWholeTexts) {
  EXPECT_EQ(ShortestText(-5.5), "-5.5");
  EXPECT_EQ(ShortestText(3.0), "3");
  EXPECT_EQ(ShortestText(-0.0), "0");
  EXPECT_EQ(WholeText(-42), "-42");
  EXPECT_EQ(TwoDigitText(5), "05");
  EXPECT_EQ(TwoDigitText(12), "12");
}

}  // namespace
}  // namespace orrelin
