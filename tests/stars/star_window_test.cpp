#include "stars/star_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

StarRecord Row(const std::string& name, const std::string& ra = "6:45:08.92") {
  return {{name, ra, "-16:42:58.0", "-0.0380", "-1.223", "151881", "-1.46"}};
}

TEST(StarWindow, ShowingLoadsTheListAndCountsTheNamedStars) {
  TempFolder folder;
  const auto path = folder.Path() / "Mstars.dat";
  std::ofstream(path, std::ios::binary) << EncodeStarRecord(Row("Sirius")) << EncodeStarRecord(Row(""))
                                        << EncodeStarRecord(Row("Vega"));
  StarWindowRecord w;
  w.boxes[0] = "typed";
  RecordingMessageSink sink;
  ShowStarWindow(w, path, sink);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_EQ(w.rows.size(), 3u);
  EXPECT_EQ(w.countLabel, "The number of stars in the file: 2");
  EXPECT_EQ(w.boxes[0], "");

  // A missing file keeps the list and the count, and says so.
  std::filesystem::remove(path);
  ShowStarWindow(w, path, sink);
  EXPECT_EQ(sink.messages, std::vector<std::string>{" File missing or cannot be opened " + path.string()});
  EXPECT_EQ(w.rows.size(), 3u);
  EXPECT_EQ(w.countLabel, "The number of stars in the file: 2");
}

TEST(StarWindow, ChoosingARowCutsTheBoxes) {
  StarWindowRecord w;
  w.rows = {Row("Sirius"), Row("")};
  SelectStarRow(w, 0);
  EXPECT_EQ(w.boxes[0], "Sirius");
  EXPECT_EQ(w.boxes[6], "-1.4");  // the magnitude keeps four characters
  RecordingMessageSink sink;
  EXPECT_TRUE(CheckStarChosen(w, sink));
  const auto s = SelectedStar(w);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->declination, -16.716111, 1e-6);
  SelectStarRow(w, 1);
  EXPECT_FALSE(CheckStarChosen(w, sink));
  EXPECT_EQ(sink.messages, std::vector<std::string>{"A star must be chosen"});
  SelectStarRow(w, 7);  // no such row: nothing changes
  EXPECT_EQ(w.boxes[0], "");
}

TEST(StarWindow, PrintedListBreaksAfter47RowsThen48UnderItsHeadings) {
  std::vector<StarRecord> rows;
  for (int i = 0; i < 150; ++i) rows.push_back(Row("Star" + std::to_string(i)));
  const PageArea area{2400, 6000, 300};
  const auto pages = StarListPages(rows, "The number of stars in the file: 150", area, MonospacedTextWidth(area));
  ASSERT_EQ(pages.size(), 4u);
  auto rowsOn = [](const PrintedPage& p) {
    int n = 0;
    for (const auto& t : p.texts) n += (t.x == 300 && t.text.rfind("Star", 0) == 0) ? 1 : 0;
    return n;
  };
  EXPECT_EQ(rowsOn(pages[0]), 47);
  EXPECT_EQ(rowsOn(pages[1]), 48);
  EXPECT_EQ(rowsOn(pages[2]), 48);
  EXPECT_EQ(rowsOn(pages[3]), 7);
  // Every page, the first too, has its number at the top right and the column headings.
  for (std::size_t p = 0; p < pages.size(); ++p) {
    const auto& t = pages[p].texts;
    EXPECT_EQ(t[0].text, std::to_string(p + 1));
    EXPECT_EQ(t[0].x + 25 * static_cast<int>(t[0].text.size()), 2400);
    for (std::size_t c = 0; c < kStarFieldCount; ++c) EXPECT_EQ(t[1 + c].text, kStarColumnCaptions[c]);
    EXPECT_EQ(t[1].y, p == 0 ? 200 : 120);
    const std::size_t firstRow = p == 0 ? 10 : 8;  // page 1: after its title and epoch
    EXPECT_EQ(t[firstRow].y, t[1].y + 110);        // a sixtieth of the page plus 10 below
  }
  EXPECT_EQ(pages[0].texts[8].text, "List of Stars for Navigation");
  EXPECT_EQ(pages[0].texts[8].pointSize, 16);
  EXPECT_EQ(pages[0].texts[9].text, kStarListEpoch);
  EXPECT_EQ(pages[0].texts[11].x, 610);  // columns 310 apart
  EXPECT_EQ(pages[3].texts.back().text, "The number of stars in the file: 150");
}

TEST(StarWindow, PrintedColumnsMakeRoomForTheirWidestText) {
  // "Rigil Kentaurus" at 10 points on a 300 dpi page is wider than the 310 pixels.
  const auto x = StarListColumns({420, 250, 250, 200, 200, 150, 100}, 40, 300, 310);
  const std::array<int, kStarFieldCount> expected{300, 760, 1070, 1380, 1690, 2000, 2310};
  EXPECT_EQ(x, expected);
}

}  // namespace
}  // namespace orrelin
