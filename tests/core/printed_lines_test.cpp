// A text's lines laid out on pages.
#include "core/printed_lines.h"

#include <gtest/gtest.h>

namespace orrelin {
namespace {

TEST(PrintedLines, SplitsTextAndBreaksPagesWhereTheNextLineDoesNotFit) {
  EXPECT_EQ(SplitLines("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
  // 10 points at 300 dpi: lines 50 pixels apart; a page 120 high holds two.
  const PageArea area{1000, 120, 300};
  const struct {
    std::vector<std::string> lines;
    std::vector<std::size_t> perPage;  // texts on each page (empty lines print nothing)
  } cases[] = {
      {{}, {0}},
      {{"1", "2"}, {2}},
      {{"1", "2", "3"}, {2, 1}},
      {{"1", "", "3", "4", "5"}, {1, 2, 1}},
  };
  for (const auto& c : cases) {
    const auto pages = LinesOnPages(c.lines, area, 10);
    ASSERT_EQ(pages.size(), c.perPage.size()) << c.lines.size();
    for (std::size_t p = 0; p < pages.size(); ++p) EXPECT_EQ(pages[p].texts.size(), c.perPage[p]);
  }
  const auto pages = LinesOnPages({"1", "2", "3"}, area, 10);
  EXPECT_EQ(pages[0].texts[1].y, 50);
  EXPECT_EQ(pages[1].texts[0].y, 0);
  EXPECT_EQ(pages[1].texts[0].text, "3");
}

}  // namespace
}  // namespace orrelin
