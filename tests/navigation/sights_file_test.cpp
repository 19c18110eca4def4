#include "navigation/sights_file.h"

#include <gtest/gtest.h>

#include "app/date_box.h"

namespace orrelin::navigation {
namespace {

TEST(SightsFile, EveryLineThatReadsIsKeptAndEveryOtherIsNamed) {
  const std::vector<std::string> lines = {
      kSightsHeader,
      "2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10",
      "2026-12-08 14:40:00,Vega,,35 20,,12,,",
      "2026-02-30 14:40:00,Vega,,35 20,0,12,1010,10",
      "2026-12-08 14:40:00,Vega,side,35 20,0,12,1010,10",
      "2026-12-08 14:40:00,Vega,,95 20,0,12,1010,10",
      "2026-12-08 14:40:00,Vega,,35 20,0,-3,1010,10",
      "garbage \xff\xfe",
      "",
      "2026-12-08 15:00:00,Moon,upper,40 1.5,0.5,2.5,1013,-4",
      "2026-12-08 15:10:00,Vegas,,35 20,0,12,1010,10",
      "2026-12-08 15:10:00,Vega,,35 20,0," + std::string(100000, '7') + ",1010,10",
  };
  const SightsFile file = ReadSights(lines);
  ASSERT_EQ(file.sights.size(), 3u);
  EXPECT_EQ(file.sights[1].body, "Vega");
  EXPECT_EQ(file.sights[1].indexError, 0.0);     // empty fields take the usual values
  EXPECT_EQ(file.sights[1].pressure, 1010.0);
  EXPECT_EQ(file.sights[2].limb, Limb::kUpper);
  EXPECT_NEAR(file.sights[2].sextantAltitude, 40.025, 1e-12);
  const std::vector<std::string> problems = {
      "line 4: the time (There is no such day: 2026-02-30)",
      "line 5: the limb is lower, upper or empty, not side",
      "line 6: the sextant altitude is degrees and minutes (\"23 41.6\"), not 95 20",
      "line 7: the height of eye is metres from 0 to 8900, not -3",
      "line 8: the time (Give the date as yyyy-mm-dd, the year from 1 to 9999)",
      "line 11: no body of the almanacs is called Vegas",
      "line 12: the height of eye is metres from 0 to 8900, not " + std::string(40, '7') + "..."};
  EXPECT_EQ(file.problems, problems);
  // Written and read again, the sights are the same.
  const SightsFile again = ReadSights(SightsLines(file.sights));
  EXPECT_TRUE(again.problems.empty());
  ASSERT_EQ(again.sights.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(SightLine(again.sights[i]), SightLine(file.sights[i]));
    EXPECT_NEAR(again.sights[i].julianDayUt, file.sights[i].julianDayUt, 1e-9);
  }
  EXPECT_EQ(SightLine(file.sights[0]), "2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10");
}

TEST(SightsFile, RowsThatDoNotReadAreKeptFieldForField) {
  // A field typed with a comma or a line break stays one field of one line; the rows
  // come back as they went, the header and empty lines left out.
  const std::vector<std::vector<std::string>> rows = {
      {"2026-12-08 14:32:10", "Sun", "lower", "23, 41.6", "-1.2", "3", "1010", "10"},
      {"2026-12-08 14:40:00", "Ve\nga", "", "ninety", "", "12\r", "", ""},
  };
  const std::vector<std::string> lines = SightsFileLines(rows);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], kSightsHeader);
  EXPECT_EQ(lines[1], "2026-12-08 14:32:10,Sun,lower,23  41.6,-1.2,3,1010,10");
  EXPECT_EQ(lines[2], "2026-12-08 14:40:00,Ve ga,,ninety,,12 ,,");
  std::vector<std::string> withBlank = lines;
  withBlank.insert(withBlank.begin() + 2, "");
  const auto back = SightsFileRows(withBlank);
  ASSERT_EQ(back.size(), 2u);
  EXPECT_EQ(back[0][3], "23  41.6");
  EXPECT_EQ(back[1][1], "Ve ga");
  EXPECT_EQ(back[1][7], "");
}

TEST(SightsFile, ASightTimedByTheWatchGetsItsUtFromItAndBothTimesMustAgree) {
  const std::vector<std::string> lines = {
      kSightsWatchHeader,
      ",Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 12:32:13,3 fast,+2",
      "2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 12:32:13,3 fast,+2",
      "2026-12-08 14:32:12,Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 12:32:13,3 fast,+2",
      "2026-12-08 22:10:00,Vega,,35 20,,12,,,2026-12-09 08:10:00,,-10",
      ",Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 12:32:13,3 late,+2",
      ",Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 12:32:13,3 fast,",
      ",Sun,lower,23 41.6,-1.2,3,1010,10,,3 fast,+2",
  };
  const SightsFile file = ReadSights(lines);
  ASSERT_EQ(file.sights.size(), 3u);
  EXPECT_EQ(file.lineNumbers, (std::vector<int>{2, 3, 5}));
  EXPECT_EQ(UtcMomentText(file.sights[0].julianDayUt), "2026-12-08 14:32:10");
  EXPECT_EQ(UtcMomentText(file.sights[2].julianDayUt), "2026-12-08 22:10:00");  // the zone's next morning
  ASSERT_TRUE(file.watches[0].has_value());
  EXPECT_EQ(file.watches[0]->fastSeconds, 3.0);
  const std::vector<std::string> problems = {
      "line 4: the utc and the watch time disagree by 2 s (the watch gives 2026-12-08 14:32:10 UT)",
      "line 6: the watch error is seconds fast or slow (\"3 fast\"), not 3 late",
      "line 7: the zone description is hours from -12 to +12 (\"+2\"), not an empty field",
      "line 8: the time (Give the date as yyyy-mm-dd, the year from 1 to 9999)"};
  EXPECT_EQ(file.problems, problems);
  // Written with the watch's columns, a sight reads back as itself, its UT in both.
  const std::string line = SightLine(file.sights[0], file.watches[0]);
  EXPECT_EQ(line, "2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10,2026-12-08 12:32:13,3 fast,+2");
  std::string problem;
  const auto again = ReadSightRecord(line, problem);
  ASSERT_TRUE(again.has_value()) << problem;
  EXPECT_EQ(SightLine(again->sight, again->watch), line);
  // The header has the watch's columns only when a row fills them.
  EXPECT_EQ(SightsFileLines(SightsFileRows(lines)).front(), kSightsWatchHeader);
  EXPECT_EQ(SightsFileLines({{"2026-12-08 14:32:10", "Sun", "lower", "23 41.6", "", "3", "", "", "", "", ""}}).front(),
            kSightsHeader);
  EXPECT_EQ(SightsFileRows({kSightsHeader, "2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10"}).front().size(), 8u);
}

TEST(SightsFile, PositionsAndAltitudesAsTyped) {
  const auto p = ReadPosition("59 50 N, 24 50.5 E");
  ASSERT_TRUE(p.has_value());
  EXPECT_NEAR(p->latitude, 59 + 50.0 / 60, 1e-12);
  EXPECT_NEAR(p->longitude, 24 + 50.5 / 60, 1e-12);
  EXPECT_NEAR(ReadPosition("0 30 s 179 59.9 w")->longitude, -(179 + 59.9 / 60), 1e-12);
  for (const char* bad : {"59 50 N", "91 0 N, 0 0 E", "59 50 X, 24 50 E", "59 60 N, 24 50 E", ""}) {
    EXPECT_FALSE(ReadPosition(bad).has_value()) << bad;
  }
  EXPECT_EQ(PositionText({-(20 + 0.25 / 60), -30.5}), "20 0.2 S, 30 30.0 W");  // ties to even
  EXPECT_NEAR(*ReadSextantAltitude("23"), 23.0, 1e-12);
  EXPECT_FALSE(ReadSextantAltitude("23 41.6 7").has_value());
}

}  // namespace
}  // namespace orrelin::navigation
