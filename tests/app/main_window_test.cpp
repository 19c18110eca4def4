#include "app/main_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/settings_folder.h"
#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

constexpr std::time_t kJanuary15 = 1768518605;  // 2026-01-15 23:10:05 UTC

StartEnvironment Environment(const TempFolder& folder) {
  StartEnvironment env;
  env.settingsFolder = SettingsFolderFrom((folder.Path() / "cfg").string(), "");
  env.starFileSources = {folder.Path() / "share"};
  env.screenDotsPerInch = 96;
  env.screenWidth = 1280;
  env.now = kJanuary15;
  env.secondsEastOfUtc = 7200;
  return env;
}

TEST(MainWindowStart, FirstStartShowsHelsinkiAndInstallsTheStarFile) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "share");
  std::ofstream(folder.Path() / "share" / "Mstars.dat") << "x";
  const StartEnvironment env = Environment(folder);
  MainWindowRecord main;
  RecordingMessageSink sink;
  const StartResult r = StartMainWindow(env, main, sink);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_TRUE(r.firstStart);
  EXPECT_TRUE(std::filesystem::exists(env.settingsFolder / "Mstars.dat"));
  EXPECT_EQ(main.latDeg, "60");
  EXPECT_EQ(main.latMin, "9.7");
  EXPECT_TRUE(main.north);
  EXPECT_EQ(main.lonDeg, "24");
  EXPECT_EQ(main.lonMin, "57.3");
  EXPECT_FALSE(main.west);
  EXPECT_EQ(main.height, "0");
  EXPECT_EQ(main.pressure, "1010");
  EXPECT_EQ(main.temperature, "10");
  EXPECT_EQ(main.place, "Helsinki");
  // The computer's clock: UTC+2 gives the offset -2 and a local time two hours ahead.
  EXPECT_EQ(main.time, "23:10:05");
  EXPECT_EQ(main.localTime, "01:10:05");
  EXPECT_EQ(main.utcMinusLocal, "-2");
  EXPECT_TRUE(main.pcTime);
  // Today is the local date.
  EXPECT_EQ(main.date.year, 2026);
  EXPECT_EQ(main.date.month, 1);
  EXPECT_EQ(main.date.day, 16);
  EXPECT_EQ(r.weekday, "Friday");
  EXPECT_TRUE(r.deltaPanelVisible);
  // No presets until the second start.
  EXPECT_FALSE(SettingsFile(env.settingsFolder / "settings.ini").Read("ResFonts").has_value());
}

TEST(MainWindowStart, FirstStartWithoutAShippedStarFileSaysSo) {
  TempFolder folder;
  MainWindowRecord main;
  RecordingMessageSink sink;
  StartMainWindow(Environment(folder), main, sink);
  EXPECT_EQ(sink.messages, std::vector<std::string>{"Star file not in use"});
  // The folder exists now: the next start says nothing.
  RecordingMessageSink again;
  StartMainWindow(Environment(folder), main, again);
  EXPECT_TRUE(again.messages.empty());
}

TEST(MainWindowStart, SavedPlaceIsRestoredAtTheNextStart) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  MainWindowRecord first;
  RecordingMessageSink sink;
  StartMainWindow(env, first, sink);
  first.latDeg = "33";
  first.latMin = "52.2";
  first.north = false;
  first.lonDeg = "151";
  first.lonMin = "12.6";
  first.west = false;
  first.place = "Sydney, Australia";
  first.height = "12.5";
  first.delta = "69.3";
  const SettingsFile settings(env.settingsFolder / "settings.ini");
  SaveMainSettings(settings, first, WindowPosition{40, 50});

  MainWindowRecord second;
  const StartResult r = StartMainWindow(env, second, sink);
  EXPECT_FALSE(r.firstStart);
  EXPECT_EQ(second.latDeg, "33");
  EXPECT_EQ(second.latMin, "52.2");
  EXPECT_FALSE(second.north);
  EXPECT_EQ(second.lonDeg, "151");
  EXPECT_FALSE(second.west);
  EXPECT_EQ(second.place, "Sydney, Australia");
  EXPECT_EQ(second.height, "12.5");
  EXPECT_EQ(second.delta, "69.3");
  ASSERT_TRUE(r.mainWindowPosition.has_value());
  EXPECT_EQ(r.mainWindowPosition->top, 40);
  EXPECT_EQ(r.mainWindowPosition->left, 50);
  // The second start writes the presets of the screen (class 1).
  EXPECT_EQ(settings.Read("ResFonts"), "1");
  EXPECT_EQ(settings.Read("fPlanet"), "0,-1,349");
}

TEST(MainWindowStart, PresetsFollowAChangeOfScreenClass) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  std::filesystem::create_directories(env.settingsFolder);
  const SettingsFile settings(env.settingsFolder / "settings.ini");
  settings.WriteAll({{"LatDeg", "60"}, {"ResFonts", "2"}, {"fPlanet", "0,-1,424"}, {"NewSet", "1"}});
  MainWindowRecord main;
  RecordingMessageSink sink;
  StartMainWindow(env, main, sink);
  EXPECT_EQ(settings.Read("ResFonts"), "1");
  EXPECT_EQ(settings.Read("fPlanet"), "0,-1,349");
  // Same class, NewSet absent: presets once more and NewSet written.
  settings.WriteAll({{"fPlanet", "0,5,5"}});
  StartMainWindow(env, main, sink);
  EXPECT_EQ(settings.Read("fPlanet"), "0,5,5");  // NewSet is present: kept
}

TEST(MainWindowStart, MissingKeysFollowTheirRules) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  std::filesystem::create_directories(env.settingsFolder);
  const SettingsFile settings(env.settingsFolder / "settings.ini");
  settings.WriteAll({{"LatDeg", "45"}, {"Height", "3"}, {"PcTime", "0"}, {"Dif", "-3"}, {"LatPos", "x"}});
  MainWindowRecord main;
  RecordingMessageSink sink;
  StartMainWindow(env, main, sink);
  EXPECT_EQ(main.latMin, "45");       // a missing place key takes LatDeg
  EXPECT_EQ(main.temperature, "3");   // a missing weather key takes the one read before
  EXPECT_EQ(main.pressure, "3");
  EXPECT_FALSE(main.north);           // anything but "N" is South
  EXPECT_FALSE(main.west);
  EXPECT_FALSE(main.pcTime);          // PcTime "0" chooses Other Time with its offset
  EXPECT_EQ(main.utcMinusLocal, "-3");
  EXPECT_EQ(main.localTime, "02:10:05");
}

TEST(MainWindow, ClockDateAndLocalTime) {
  MainWindowRecord main;
  main.utcMinusLocal = "+5";
  ClockButtonClicked(main, kJanuary15);
  EXPECT_EQ(main.time, "23:10:05");
  EXPECT_EQ(main.localTime, "18:10:05");
  EXPECT_EQ(main.date.day, 15);  // the UTC date
  EXPECT_EQ(ClockCaption(kJanuary15), "23:10:05");
  main.time = "01:00:00";
  main.utcMinusLocal = "-5.5";
  UpdateLocalTime(main);
  EXPECT_EQ(main.localTime, "06:30:00");
  EXPECT_FALSE(DeltaPanelVisible({2010, 12, 31}));
  EXPECT_TRUE(DeltaPanelVisible({2011, 1, 1}));
}

TEST(MainWindow, SaveWritesEveryMainKey) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  MainWindowRecord main;
  PutFirstStartDefaults(main);
  main.utcMinusLocal = "-2";
  SaveMainSettings(settings, main, std::nullopt);
  for (const char* key : {"LatDeg", "LatMin", "LonDeg", "LonMin", "Height", "Temp", "Pressure", "Place", "Dif",
                          "Delta", "LatPos", "LonPos"}) {
    EXPECT_TRUE(settings.Read(key).has_value()) << key;
  }
  EXPECT_EQ(settings.Read("LatPos"), "N");
  EXPECT_EQ(settings.Read("LonPos"), "E");
  EXPECT_EQ(settings.Read("Delta"), "");
  EXPECT_FALSE(settings.Read("fOrrelin").has_value());  // not in normal state: not written
}

}  // namespace
}  // namespace orrelin
