#include "app/main_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "app/settings_folder.h"
#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

constexpr std::time_t kJanuary15 = 1768518605;  // 2026-01-15 23:10:05 UTC

// A machine where the program shipped a place list (and, where a test puts one, a catalogue).
StartEnvironment Environment(const TempFolder& folder) {
  std::filesystem::create_directories(folder.Path() / "share");
  std::ofstream(folder.Path() / "share" / "Position.txt") << "Helsinki=60_9.7_N,24_57.3_E,-2\n";
  StartEnvironment env;
  env.settingsFolder = SettingsFolderFrom((folder.Path() / "cfg").string(), "");
  env.starFileSources = {folder.Path() / "share"};
  env.screenDotsPerInch = 96;
  env.screenWidth = 1280;
  env.now = kJanuary15;
  env.secondsEastOfUtc = 7200;
  return env;
}

StartResult Start(const StartEnvironment& env, MainWindowRecord& main, MessageSink& sink) {
  SettingsFile settings(env.settingsFolder / kSettingsFileName);
  return StartMainWindow(env, settings, main, sink);
}

TEST(MainWindowStart, FirstStartShowsHelsinkiAndInstallsTheStarFile) {
  TempFolder folder;
  std::filesystem::create_directories(folder.Path() / "share");
  std::ofstream(folder.Path() / "share" / "Mstars.dat") << "x";
  const StartEnvironment env = Environment(folder);
  MainWindowRecord main;
  RecordingMessageSink sink;
  const StartResult r = Start(env, main, sink);
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
  // The place list was copied into the settings folder and fills the drop-down.
  EXPECT_EQ(r.placeNames, std::vector<std::string>{"Helsinki"});
  EXPECT_TRUE(std::filesystem::exists(env.settingsFolder / "Position.txt"));
  // No presets until the second start.
  EXPECT_FALSE(SettingsFile(env.settingsFolder / "settings.ini").Read("ResFonts").has_value());
}

TEST(MainWindowStart, FirstStartWithoutAShippedStarFileSaysSo) {
  TempFolder folder;
  MainWindowRecord main;
  RecordingMessageSink sink;
  Start(Environment(folder), main, sink);
  EXPECT_EQ(sink.messages, std::vector<std::string>{"Star file not in use"});
  // The folder exists now: the next start says nothing.
  RecordingMessageSink again;
  Start(Environment(folder), main, again);
  EXPECT_TRUE(again.messages.empty());
}

TEST(MainWindowStart, SavedPlaceIsRestoredAtTheNextStart) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  MainWindowRecord first;
  RecordingMessageSink sink;
  Start(env, first, sink);
  first.latDeg = "33";
  first.latMin = "52.2";
  first.north = false;
  first.lonDeg = "151";
  first.lonMin = "12.6";
  first.west = false;
  first.place = "Sydney, Australia";
  first.height = "12.5";
  first.delta = "69.3";
  first.deltaTyped = true;
  first.zone = "Australia/Sydney";
  const SettingsFile settings(env.settingsFolder / "settings.ini");
  SaveMainSettings(settings, first, WindowPosition{40, 50});

  MainWindowRecord second;
  const StartResult r = Start(env, second, sink);
  EXPECT_FALSE(r.firstStart);
  EXPECT_EQ(second.latDeg, "33");
  EXPECT_EQ(second.latMin, "52.2");
  EXPECT_FALSE(second.north);
  EXPECT_EQ(second.lonDeg, "151");
  EXPECT_FALSE(second.west);
  EXPECT_EQ(second.place, "Sydney, Australia");
  EXPECT_EQ(second.height, "12.5");
  EXPECT_EQ(second.delta, "69.3");
  EXPECT_TRUE(second.deltaTyped);
  EXPECT_EQ(second.zone, "Australia/Sydney");
  ASSERT_TRUE(r.mainWindowPosition.has_value());
  EXPECT_EQ(r.mainWindowPosition->top, 40);
  EXPECT_EQ(r.mainWindowPosition->left, 50);
  // The second start writes the presets of the screen (class 1).
  EXPECT_EQ(settings.Read("ResFonts"), "1");
  EXPECT_EQ(settings.Read("fPlanet"), "0,-1,349");
}

TEST(MainWindowStart, OnlyATypedDeltaIsSavedAndASavedOneCountsAsTyped) {
  struct Case {
    std::string name;
    std::string box;
    bool typed;
    std::string saved;
  };
  // A file of an older version holds a filled-in value like a typed one: it is kept.
  const std::vector<Case> cases = {{"typed", "69.3", true, "69.3"},
                                   {"filled in by a report", "70.2", false, ""},
                                   {"empty", "", false, ""}};
  for (const auto& c : cases) {
    TempFolder folder;
    const StartEnvironment env = Environment(folder);
    MainWindowRecord first;
    RecordingMessageSink sink;
    Start(env, first, sink);
    first.delta = c.box;
    first.deltaTyped = c.typed;
    const SettingsFile settings(env.settingsFolder / "settings.ini");
    SaveMainSettings(settings, first, std::nullopt);
    EXPECT_EQ(settings.Read("Delta").value_or("<none>"), c.saved) << c.name;
    MainWindowRecord second;
    Start(env, second, sink);
    EXPECT_EQ(second.delta, c.saved) << c.name;
    EXPECT_EQ(second.deltaTyped, !c.saved.empty()) << c.name;
  }
}

TEST(MainWindowStart, PresetsFollowAChangeOfScreenClass) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  std::filesystem::create_directories(env.settingsFolder);
  const SettingsFile settings(env.settingsFolder / "settings.ini");
  settings.WriteAll({{"LatDeg", "60"}, {"ResFonts", "2"}, {"fPlanet", "0,-1,424"}, {"NewSet", "1"}});
  MainWindowRecord main;
  RecordingMessageSink sink;
  Start(env, main, sink);
  EXPECT_EQ(settings.Read("ResFonts"), "1");
  EXPECT_EQ(settings.Read("fPlanet"), "0,-1,349");
  // Same class, NewSet absent: presets once more and NewSet written.
  settings.WriteAll({{"fPlanet", "0,5,5"}});
  Start(env, main, sink);
  EXPECT_EQ(settings.Read("fPlanet"), "0,5,5");  // NewSet is present: kept
}

TEST(MainWindowStart, MissingOrImpossibleValuesTakeTheFirstStartValuesAndAreNamed) {
  struct Case {
    std::vector<std::pair<std::string, std::string>> keys;
    std::string latDeg, latMin, lonDeg, temperature, pressure;
    bool north;
    std::string reset;  // the keys the message names
  };
  const std::vector<Case> cases = {
      // A file cut after LatDeg: every other place key takes its first-start value.
      {{{"LatDeg", "60"}}, "60", "9.7", "24", "10", "1010", true,
       "LatMin, LonDeg, LonMin, Height, Temp, Pressure, LatPos, LonPos"},
      {{{"LatDeg", "500"}, {"LatMin", "1"}, {"LonDeg", "1000000000000"}, {"LonMin", "2"}, {"Height", "3"},
        {"Temp", "-273"}, {"Pressure", "1e308"}, {"LatPos", "S"}, {"LonPos", "W"}},
       "60", "1", "24", "10", "1010", false, "LatDeg, LonDeg, Temp, Pressure"},
      {{{"LatDeg", "nan"}, {"LatMin", "60"}, {"LonDeg", "10"}, {"LonMin", "-1"}, {"Height", "-3"},
        {"Temp", "15"}, {"Pressure", "abc"}, {"LatPos", "x"}, {"LonPos", "E"}},
       "60", "9.7", "10", "15", "1010", true, "LatDeg, LatMin, LonMin, Height, Pressure, LatPos"},
      // 90 degrees with minutes is no latitude, nor is 90 with the first-start minutes: both
      // are reset. Empty boxes stay empty as the user left them.
      {{{"LatDeg", "90"}, {"LatMin", "5"}, {"LonDeg", ""}, {"LonMin", ""}, {"Height", ""}, {"Temp", ""},
        {"Pressure", ""}, {"LatPos", "N"}, {"LonPos", "E"}, {"Delta", "nan"}},
       "60", "9.7", "", "", "", true, "LatDeg, LatMin, Delta"},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const StartEnvironment env = Environment(folder);
    std::filesystem::create_directories(env.settingsFolder);
    const SettingsFile settings(env.settingsFolder / "settings.ini");
    settings.WriteAll(c.keys);
    MainWindowRecord main;
    RecordingMessageSink sink;
    Start(env, main, sink);
    EXPECT_EQ(main.latDeg, c.latDeg) << c.reset;
    EXPECT_EQ(main.latMin, c.latMin) << c.reset;
    EXPECT_EQ(main.lonDeg, c.lonDeg) << c.reset;
    EXPECT_EQ(main.temperature, c.temperature) << c.reset;
    EXPECT_EQ(main.pressure, c.pressure) << c.reset;
    EXPECT_EQ(main.north, c.north) << c.reset;
    ASSERT_FALSE(sink.messages.empty()) << c.reset;
    EXPECT_EQ(sink.messages.back(), "Some settings in " + settings.Path().string() +
                                        " could not be used and were reset to their first-start values: " + c.reset);
  }
}

TEST(MainWindowStart, OtherTimeTakesTheSavedOffset) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  std::filesystem::create_directories(env.settingsFolder);
  MainWindowRecord main;
  PutFirstStartDefaults(main);
  SaveMainSettings(SettingsFile(env.settingsFolder / "settings.ini"), main, std::nullopt);
  SettingsFile(env.settingsFolder / "settings.ini").WriteAll({{"PcTime", "0"}, {"Dif", "-3"}});
  RecordingMessageSink sink;
  Start(env, main, sink);
  EXPECT_TRUE(sink.messages.empty());
  EXPECT_FALSE(main.pcTime);
  EXPECT_EQ(main.utcMinusLocal, "-3");
  EXPECT_EQ(main.localTime, "02:10:05");
}

TEST(MainWindowStart, ASettingsFileThatCannotBeReadIsToldAndNeverWrittenOver) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  std::filesystem::create_directories(env.settingsFolder);
  const auto ini = env.settingsFolder / "settings.ini";
  const std::string big = "[OrrelinForm]\nLatDeg=33\n; " + std::string(1100 * 1024, 'x') + "\n";
  struct Case {
    const char* name;
    std::function<void()> make;
    std::string problem;
  };
  const std::vector<Case> cases = {
      {"a symbolic-link loop", [&] { std::filesystem::create_symlink(ini, ini); },
       "Too many levels of symbolic links"},
      {"a folder", [&] { std::filesystem::create_directory(ini); }, "Is a directory"},
      {"larger than 1 MB", [&] { std::ofstream(ini, std::ios::binary) << big; }, "it is larger than 1024 kB"},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(ini);
    c.make();
    SettingsFile settings(ini);
    MainWindowRecord main;
    RecordingMessageSink sink;
    const StartResult r = StartMainWindow(env, settings, main, sink);
    ASSERT_EQ(sink.messages.size(), 1u) << c.name;
    EXPECT_EQ(sink.messages[0], "The settings could not be read from " + ini.string() + " (" + c.problem +
                                    "). They will not be saved this time.");
    EXPECT_TRUE(r.firstStart) << c.name;  // the window starts with the defaults
    EXPECT_EQ(main.latDeg, "60");
    SaveMainSettings(settings, main, WindowPosition{1, 2});  // closing writes nothing
    EXPECT_TRUE(settings.Unwritten());
  }
  EXPECT_EQ(std::filesystem::file_size(ini), big.size());  // the big file is kept as it was
}

TEST(MainWindowStart, ACutOffStarFileIsReplacedAndAWholeOneKept) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  std::filesystem::create_directories(folder.Path() / "share");
  const std::string shipped(4234, 'S');
  std::ofstream(folder.Path() / "share" / "Mstars.dat", std::ios::binary) << shipped;
  std::filesystem::create_directories(env.settingsFolder);
  const auto mine = env.settingsFolder / "Mstars.dat";
  for (const auto& [present, expected] : std::vector<std::pair<std::string, std::string>>{
           {shipped.substr(0, 4096), shipped},  // a full disk cut the first copy
           {"my own catalogue", "my own catalogue"},  // the user's own file stays
       }) {
    std::ofstream(mine, std::ios::binary | std::ios::trunc) << present;
    MainWindowRecord main;
    RecordingMessageSink sink;
    Start(env, main, sink);
    std::ifstream in(mine, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), expected);
  }
}

TEST(MainWindowStart, AClassZeroScreenKeepsThePlacesTheUserSaved) {
  TempFolder folder;
  StartEnvironment env = Environment(folder);
  env.screenWidth = 800;  // 800 x 600 at 96 dpi: class 0
  const SettingsFile settings(env.settingsFolder / "settings.ini");
  MainWindowRecord main;
  RecordingMessageSink sink;
  for (int start = 0; start < 3; ++start) {
    Start(env, main, sink);
    SaveMainSettings(settings, main, WindowPosition{100, 200});
  }
  settings.Write("fPlanet", "0,300,400");
  Start(env, main, sink);
  Start(env, main, sink);
  EXPECT_EQ(settings.Read("fPlanet"), "0,300,400");
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
                          "Delta", "LatPos", "LonPos", "Zone"}) {
    EXPECT_TRUE(settings.Read(key).has_value()) << key;
  }
  EXPECT_EQ(settings.Read("LatPos"), "N");
  EXPECT_EQ(settings.Read("LonPos"), "E");
  EXPECT_EQ(settings.Read("Delta"), "");
  EXPECT_FALSE(settings.Read("fOrrelin").has_value());  // not in normal state: not written
}

}  // namespace
}  // namespace orrelin
