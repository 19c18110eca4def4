#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/placement.h"
#include "app/settings_folder.h"
#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

void WriteFile(const std::filesystem::path& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SettingsFile, MissingFileOrKeyIsNotAnError) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  EXPECT_FALSE(settings.Read("LatDeg").has_value());
  WriteFile(settings.Path(), "[OrrelinForm]\nLatDeg=60\n");
  EXPECT_FALSE(settings.Read("LonDeg").has_value());
  EXPECT_EQ(settings.Read("LatDeg"), "60");
}

TEST(SettingsFile, ReadsOnlyItsSectionIgnoringCase) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  WriteFile(settings.Path(), "[Other]\nLatDeg=1\n[orrelinform]\r\nlatdeg = 33 \r\nPlace=São Paulo, Brazil\n");
  EXPECT_EQ(settings.Read("LatDeg"), "33");
  EXPECT_EQ(settings.Read("Place"), "São Paulo, Brazil");  // commas stay in the value
}

TEST(SettingsFile, WritingKeepsLinesItDoesNotUnderstand) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  WriteFile(settings.Path(), "; a comment\n[OrrelinForm]\nnot a key line\nLatDeg=60\n[Other]\nX=1\n");
  ASSERT_TRUE(settings.WriteAll({{"LatDeg", "61"}, {"Place", "Åbo"}}));
  EXPECT_EQ(ReadFile(settings.Path()),
            "; a comment\n[OrrelinForm]\nnot a key line\nLatDeg=61\nPlace=Åbo\n[Other]\nX=1\n");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
}

TEST(SettingsFile, WritingANewFileAddsTheSection) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  ASSERT_TRUE(settings.Write("Delta", "69.2"));
  EXPECT_EQ(ReadFile(settings.Path()), "[OrrelinForm]\nDelta=69.2\n");
}

TEST(SettingsFile, ByteOrderMarksBeforeTheFirstLineAreNoText) {
  // An editor's marks, however many: the section is read at once and keeps its meaning
  // over every rewrite (each rewrite used to drop one mark and so read another section).
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  WriteFile(settings.Path(), "\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF[OrrelinForm]\nDelta=69.2\n");
  for (int save = 0; save < 3; ++save) {
    EXPECT_EQ(settings.Read("Delta"), "69.2") << save;
    ASSERT_TRUE(settings.Write("Place", "Home"));
  }
  EXPECT_EQ(ReadFile(settings.Path()), "[OrrelinForm]\nDelta=69.2\nPlace=Home\n");
}

TEST(SettingsFile, OldSingleByteLinesAreReadAsWindows1252) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  WriteFile(settings.Path(), "[OrrelinForm]\nPlace=\xC5" "bo\n");
  EXPECT_EQ(settings.Read("Place"), "Åbo");
}

TEST(SettingsFile, AFailedWriteLeavesTheOldFile) {
  TempFolder folder;
  const std::filesystem::path sub = folder.Path() / "gone";
  const SettingsFile settings(sub / "settings.ini");
  EXPECT_FALSE(settings.Write("LatDeg", "1"));  // the folder does not exist
  EXPECT_FALSE(std::filesystem::exists(sub));
}

TEST(SettingsFolder, FollowsXdgConfigHome) {
  EXPECT_EQ(SettingsFolderFrom("/x/cfg", "/home/u"), std::filesystem::path("/x/cfg/Tarvek/Orrelin/"));
  EXPECT_EQ(SettingsFolderFrom("", "/home/u"), std::filesystem::path("/home/u/.config/Tarvek/Orrelin/"));
}

TEST(SettingsFolder, CreatedWithParentsOnlyOnce) {
  TempFolder folder;
  const auto path = SettingsFolderFrom((folder.Path() / "cfg").string(), "");
  EXPECT_TRUE(CreateSettingsFolder(path));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_FALSE(CreateSettingsFolder(path));
}

TEST(StarFile, InstalledFromTheFirstSourceThatHoldsItAndNeverOverwritten) {
  TempFolder folder;
  const auto target = folder.Path() / "settings";
  const auto empty = folder.Path() / "empty";
  const auto shipped = folder.Path() / "share";
  std::filesystem::create_directories(target);
  std::filesystem::create_directories(empty);
  std::filesystem::create_directories(shipped);
  EXPECT_FALSE(InstallStarFile(target, {empty, shipped}));  // nowhere to copy from
  WriteFile(shipped / "Mstars.dat", "shipped");
  EXPECT_TRUE(InstallStarFile(target, {empty, shipped}));
  EXPECT_EQ(ReadFile(target / "Mstars.dat"), "shipped");
  WriteFile(shipped / "Mstars.dat", "newer");
  EXPECT_FALSE(InstallStarFile(target, {shipped}));
  EXPECT_EQ(ReadFile(target / "Mstars.dat"), "shipped");
}

TEST(Placement, ScreenClassesAndPresets) {
  EXPECT_EQ(ScreenClass(120, 800), 2);
  EXPECT_EQ(ScreenClass(96, 1280), 1);
  EXPECT_EQ(ScreenClass(96, 1000), 0);
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  ApplyPlacementPresets(settings, 1);
  EXPECT_EQ(settings.Read("ResFonts"), "1");
  EXPECT_EQ(settings.Read("fPlanet"), "0,-1,349");
  EXPECT_EQ(settings.Read("fStar"), "0,43,4");
  ApplyPlacementPresets(settings, 2);
  EXPECT_EQ(settings.Read("ResFonts"), "2");
  EXPECT_EQ(settings.Read("fOrrelin"), "1,0,2");
  EXPECT_EQ(settings.Read("fIdentify"), "1,21,1");
}

TEST(Placement, RestoreAndSave) {
  TempFolder folder;
  const SettingsFile settings(folder.Path() / "settings.ini");
  EXPECT_FALSE(RestoreWindowPlacement(settings, "fPlanet").has_value());
  settings.Write("fPlanet", "0,-1,349");
  const auto p = RestoreWindowPlacement(settings, "fPlanet");
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(p->top, -1);
  EXPECT_EQ(p->left, 349);
  SaveWindowPlacement(settings, "fPlanet", {10, 20}, false);  // maximised: keeps the old value
  EXPECT_EQ(settings.Read("fPlanet"), "0,-1,349");
  SaveWindowPlacement(settings, "fPlanet", {10, 20}, true);
  EXPECT_EQ(settings.Read("fPlanet"), "0,10,20");
  settings.Write("fStar", "0,x,3");  // a damaged value is not applied
  EXPECT_FALSE(RestoreWindowPlacement(settings, "fStar").has_value());
}

}  // namespace
}  // namespace orrelin
