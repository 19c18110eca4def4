// The moment of the sight, polaris, compass and plan commands typed as UT or as the
// watch's reading: the same sight gives the same JSON, and a moment typed wrong is
// refused with the option's message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_run.h"

namespace {

using orrelin::testing::RunCli;

// A watch fast or slow, in a zone east or west, its zone date a day off the UT date.
struct SameMoment {
  std::string command, utc, watch;
};

TEST(MomentOptions, TheWatchTimeGivesTheSameJsonAsItsUt) {
  const std::vector<SameMoment> cases = {
      {"sight --body Sun --limb lower --hs '23 41.6' --height 3 --dr '59 50 N, 24 50 E'", "2026-12-08 14:32:10",
       "--watch 00:32:13 --we '3 fast' --zd -10 --date 2026-12-09"},
      {"sight --body Sirius --hs '35 20' --dr '35 30 N, 40 15 W'", "2026-09-22 03:00:00",
       "--watch 16:59:56 --we '4 slow' --zd +10 --date 2026-09-21"},
      {"polaris --hs '42 18.7' --dr '42 30 N, 40 15 W'", "2026-09-22 03:00:00",
       "--watch 16:59:56 --we '4 slow' --zd +10 --date 2026-09-21"},
      {"polaris --hs '42 18.7' --dr '42 30 N, 40 15 W'", "2026-09-21 20:00:00",
       "--watch 06:00:07 --we '7 fast' --zd -10 --date 2026-09-22"},
      {"compass --body sun --bearing 200 --dr '45 6 N, 30 0 W'", "2026-06-21 16:00:00",
       "--watch 01:59:57 --we '3 slow' --zd -10 --date 2026-06-22"},
      {"compass --body sun --bearing 200 --dr '45 6 N, 30 0 W'", "2026-06-21 06:00:00",
       "--watch 20:00:05 --we '5 fast' --zd +10 --date 2026-06-20"},
      {"plan --date 2026-12-10 --twilight evening --dr '20 0 N, 150 0 W'", "2026-12-11 04:30:00",
       "--watch 18:30:05 --we '5 fast' --zd +10"},
      {"plan --date 2026-12-10 --twilight morning --dr '20 0 S, 150 0 E'", "2026-12-09 19:00:00",
       "--watch 04:59:58 --we '2 slow' --zd -10"},
  };
  for (const SameMoment& c : cases) {
    const auto byUt = RunCli(c.command + " --utc '" + c.utc + "' --json");
    const auto byWatch = RunCli(c.command + " " + c.watch + " --json");
    EXPECT_EQ(byUt.status, 0) << c.command << "\n" << byUt.out;
    EXPECT_EQ(byWatch.out, byUt.out) << c.command << " " << c.watch;
    EXPECT_EQ(byWatch.status, byUt.status) << c.command << " " << c.watch;
  }
}

TEST(MomentOptions, AMomentTypedWrongIsRefusedWithTheOptionsMessage) {
  // Each command with the zone date of its watch's reading: plan's is its own --date.
  const std::vector<std::pair<std::string, std::string>> commands = {
      {"sight --body Sun --limb lower --hs '23 41.6'", " --date 2026-12-08"},
      {"polaris --hs '42 18.7'", " --date 2026-12-08"},
      {"compass --body sun --bearing 200", " --date 2026-12-08"},
      {"plan --date 2026-12-08 --twilight evening", ""}};
  const std::vector<std::pair<std::string, std::string>> wrongs = {
      {"--utc '2026-12-08 14:32:10' --watch 16:32:13 --zd -2", "--watch: give the time by --utc or by --watch, not both\n"},
      {"--watch 16:32:13 --we '3 fast'", "--zd: give the zone description with --watch, \"+2\" or \"-10\"\n"},
      {"--utc '2026-12-08 14:32:10' --zd -2", "--zd: give --watch with it\n"},
      {"--watch 25:32:13 --zd -2", "--watch: give the watch's reading as hh:mm or hh:mm:ss\n"},
      {"--watch 16:32:13 --we '3 late' --zd -2", "--we: seconds fast or slow, \"3 fast\" or \"3 slow\"\n"},
      {"--watch 16:32:13 --zd +13", "--zd: hours from -12 to +12, \"+2\" or \"-10\"\n"},
  };
  for (const auto& [command, watchDate] : commands) {
    for (const auto& [moment, message] : wrongs) {
      const std::string typed = command + " --dr '59 50 N, 24 50 E' " + moment + watchDate;
      const auto r = RunCli(typed);
      EXPECT_EQ(r.status, 2) << typed;
      EXPECT_EQ(r.out, message) << typed;
    }
    if (watchDate.empty()) continue;
    const auto undated = RunCli(command + " --watch 16:32:13 --zd -2");
    EXPECT_EQ(undated.status, 2) << command;
    EXPECT_EQ(undated.out, "--date: give the zone date of the watch's reading with --watch, yyyy-mm-dd\n") << command;
  }
}

}  // namespace
