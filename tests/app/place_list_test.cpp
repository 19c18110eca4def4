#include "app/place_list.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct ListFile {
  TempFolder folder;
  std::filesystem::path path = folder.Path() / "Position.txt";
  explicit ListFile(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
};

TEST(PlaceList, ChoosingAPlaceFillsTheBoxes) {
  ListFile list("Helsinki=60_9.7_N,24_57.3_E,-2\nQuito=-0_13_S,78_30_W,5\nName=1_0_N,2_0_E\n"
                "G\xF6teborg=57_42_N,11_58_E,-1\nReykjav\xC3\xADk=64_9_N,21_57_W,0\nBad=-1234_5_N,1_1_E,3_x\n"
                "Turku=60_27_N,22_16_E,-2,Europe/Helsinki\nNew York=40_43_N,74_0_W,5, America/New_York \r\n");
  struct Case {
    std::string chosen;
    std::string latDeg, latMin;
    bool north;
    std::string lonDeg, lonMin;
    bool west;
    std::string offset;
    std::string zone = "";  // older lines have none: the fixed offset
  };
  const std::vector<Case> cases = {
      {"hELSINKI", "60", "9.7", true, "24", "57.3", false, "-2"},
      {"Quito", "0", "13", false, "78", "30", true, "5"},  // the "-" before the degrees dropped
      {"Name", "1", "0", true, "2", "0", false, ""},       // two parts: the offset box emptied
      {"GÖTEBORG", "57", "42", true, "11", "58", false, "-1"},  // Windows-1252 read, Ö lower-cased
      {"Reykjavík", "64", "9", true, "21", "57", true, "0"},
      {"Bad", "123", "5", true, "1", "1", false, "3"},      // three characters after "-"; text before "_"
      {"turku", "60", "27", true, "22", "16", false, "-2", "Europe/Helsinki"},
      {"New York", "40", "43", true, "74", "0", true, "5", "America/New_York"},  // blanks around the zone dropped
  };
  RecordingMessageSink sink;
  EXPECT_EQ(LoadPlaceList(list.path, sink),
            (std::vector<std::string>{"Helsinki", "Quito", "Name", "Göteborg", "Reykjavík", "Bad", "Turku", "New York"}));
  for (const auto& c : cases) {
    MainWindowRecord m;
    m.utcMinusLocal = "9";
    m.zone = "Asia/Tokyo";
    m.place = c.chosen;
    ASSERT_TRUE(ApplyPlace(list.path, m, sink)) << c.chosen;
    EXPECT_EQ(m.latDeg, c.latDeg) << c.chosen;
    EXPECT_EQ(m.latMin, c.latMin) << c.chosen;
    EXPECT_EQ(m.north, c.north) << c.chosen;
    EXPECT_EQ(m.lonDeg, c.lonDeg) << c.chosen;
    EXPECT_EQ(m.lonMin, c.lonMin) << c.chosen;
    EXPECT_EQ(m.west, c.west) << c.chosen;
    EXPECT_EQ(m.utcMinusLocal, c.offset) << c.chosen;
    EXPECT_EQ(m.zone, c.zone) << c.chosen;
  }
  MainWindowRecord unknown;
  unknown.place = "Atlantis";
  EXPECT_FALSE(ApplyPlace(list.path, unknown, sink));
  EXPECT_TRUE(sink.messages.empty());
}

TEST(PlaceList, SavingAddsANewPlaceOnItsOwnLineOnce) {
  ListFile list("Helsinki=60_9.7_N,24_57.3_E,-2");  // no line end after the last line
  MainWindowRecord home;
  home.place = "Home";
  home.latDeg = "59";
  home.latMin = "50.5";
  home.north = true;
  home.lonDeg = "24";
  home.lonMin = "50";
  home.west = false;
  home.utcMinusLocal = "-2";
  RecordingMessageSink sink;
  SavePlace(list.path, home, sink);
  EXPECT_EQ(ReadFile(list.path), "Helsinki=60_9.7_N,24_57.3_E,-2\nHome=59_50.5_N,24_50_E,-2\n");
  EXPECT_EQ(sink.messages, std::vector<std::string>{"Position saved in Position.txt"});
  home.place = "HOME";
  SavePlace(list.path, home, sink);  // already there: nothing, and nothing said
  EXPECT_EQ(sink.messages.size(), 1u);
  home.latDeg = "";
  home.place = "Elsewhere";
  SavePlace(list.path, home, sink);
  EXPECT_EQ(sink.messages.back(), "Coordinates missing");
  // What would be read back as another place or as garbage is refused, and said.
  for (const auto& [box, text] : std::vector<std::pair<std::string MainWindowRecord::*, std::string>>{
           {&MainWindowRecord::place, "A=B"}, {&MainWindowRecord::place, "Two\nLines"},
           {&MainWindowRecord::latMin, "9,7"}, {&MainWindowRecord::lonDeg, "2_4"},
           {&MainWindowRecord::utcMinusLocal, "-2=3"}, {&MainWindowRecord::zone, "Europe/Helsinki,2"},
           {&MainWindowRecord::zone, "Europe=Helsinki"}}) {
    MainWindowRecord spoilt = home;
    spoilt.latDeg = "59";
    spoilt.*box = text;
    SavePlace(list.path, spoilt, sink);
    EXPECT_EQ(sink.messages.back(), kMessagePlaceNotSaved) << text;
  }
  EXPECT_EQ(ReadFile(list.path), "Helsinki=60_9.7_N,24_57.3_E,-2\nHome=59_50.5_N,24_50_E,-2\n");
  // A list of another machine keeps every byte: Windows-1252 names and CR LF line ends.
  const std::string windows = "\xC5" "bo=60_27_N,22_16_E,-2\r\n\r\r\n";
  ListFile other(windows);
  home.place = "Home";
  home.latDeg = "59";
  SavePlace(other.path, home, sink);
  EXPECT_EQ(ReadFile(other.path), windows + "Home=59_50.5_N,24_50_E,-2\n");
  // A place with a zone keeps it after the offset, which older programs still read.
  home.place = "Cabin";
  home.zone = "Europe/Helsinki";
  SavePlace(other.path, home, sink);
  home.place = "Camp";
  home.zone = "America/New_York";  // a "_" of the zone's name is no field separator
  SavePlace(other.path, home, sink);
  EXPECT_EQ(ReadFile(other.path), windows + "Home=59_50.5_N,24_50_E,-2\nCabin=59_50.5_N,24_50_E,-2,Europe/Helsinki\n"
                                            "Camp=59_50.5_N,24_50_E,-2,America/New_York\n");
}

TEST(PlaceList, AMissingFileIsSaidEachTime) {
  TempFolder folder;
  const auto path = folder.Path() / "Position.txt";
  RecordingMessageSink sink;
  EXPECT_TRUE(LoadPlaceList(path, sink).empty());
  MainWindowRecord m;
  m.place = "Helsinki";
  m.latDeg = "60";
  m.lonDeg = "24";
  EXPECT_FALSE(ApplyPlace(path, m, sink));
  SavePlace(path, m, sink);
  EXPECT_EQ(sink.messages, std::vector<std::string>(3, " File missing or cannot be opened Position.txt"));
  EXPECT_FALSE(std::filesystem::exists(path));  // nothing written
}

TEST(PlaceList, TheShippedListHoldsHundredsOfPlacesInTheirForm) {
  RecordingMessageSink sink;
  const auto names = LoadPlaceList(ORRELIN_SHIPPED_PLACE_FILE, sink);
  EXPECT_GT(names.size(), 300u);
  MainWindowRecord m;
  m.place = "helsinki";
  ASSERT_TRUE(ApplyPlace(ORRELIN_SHIPPED_PLACE_FILE, m, sink));
  EXPECT_EQ(m.latDeg + " " + m.latMin + (m.north ? " N " : " S ") + m.lonDeg + " " + m.lonMin + (m.west ? " W " : " E ") +
                m.utcMinusLocal,
            "60 10 N 24 58 E -2");
  for (const auto& name : names) EXPECT_LE(name.size(), 20u) << name;
}

}  // namespace
}  // namespace orrelin
