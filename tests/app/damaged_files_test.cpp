// Damaged settings files, catalogues and place lists: each loads without a crash or a
// hang, is told where it cannot be used, and the user's settings are never lost or
// written over with garbage.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/place_list.h"
#include "app/settings_folder.h"
#include "report/observer_reading.h"
#include "stars/star_file.h"
#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

const std::filesystem::path kDamaged = ORRELIN_DAMAGED_FILES;

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void PutBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// One damaged file, made at a path.
struct Damage {
  std::string name;
  std::function<void(const std::filesystem::path&)> make;
  bool readable = true;  // false: the program cannot read it at all
};

// The corpus files of a kind, the valid file cut at every byte (or every `step` bytes),
// and the damage no file in the corpus can hold: 10 MB (beyond what the kind reads, or
// not), a folder.
std::vector<Damage> DamageOf(const std::string& prefix, const std::string& valid, std::size_t step,
                             bool tenMegabytesRead = false) {
  std::vector<Damage> damage;
  for (const auto& entry : std::filesystem::directory_iterator(kDamaged)) {
    if (entry.path().filename().string().rfind(prefix, 0) != 0) continue;
    const std::string bytes = Bytes(entry.path());
    damage.push_back({entry.path().filename().string(), [bytes](const auto& p) { PutBytes(p, bytes); }});
  }
  for (std::size_t n = 0; n < valid.size(); n += step) {
    const std::string cut = valid.substr(0, n);
    damage.push_back({"cut at byte " + std::to_string(n), [cut](const auto& p) { PutBytes(p, cut); }});
  }
  damage.push_back(
      {"10 MB", [](const auto& p) { PutBytes(p, std::string(10 * 1024 * 1024, 'A')); }, tenMegabytesRead});
  damage.push_back({"a folder", [](const auto& p) { std::filesystem::create_directory(p); }, false});
  return damage;
}

// Runs the check as an ordinary user: as root every file is readable. The check's
// result is the child's exit status.
bool AsUnprivilegedUser(const std::function<bool()>& check) {
  if (geteuid() != 0) return check();
  const pid_t child = fork();
  if (child == 0) {
    const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
    _exit(dropped && check() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

StartEnvironment Environment(const TempFolder& folder) {
  std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);  // for the ordinary user
  std::filesystem::create_directories(folder.Path() / "share");
  PutBytes(folder.Path() / "share" / "Position.txt", "Helsinki=60_9.7_N,24_57.3_E,-2\n");
  PutBytes(folder.Path() / "share" / "Mstars.dat", Bytes(ORRELIN_SHIPPED_STAR_FILE));
  StartEnvironment env;
  env.settingsFolder = folder.Path() / "cfg";
  env.starFileSources = {folder.Path() / "share"};
  env.now = 1768518605;  // 2026-01-15 23:10:05 UTC
  std::filesystem::create_directories(env.settingsFolder);
  return env;
}

std::string PlaceOf(const MainWindowRecord& m) {
  return m.latDeg + " " + m.latMin + (m.north ? " N " : " S ") + m.lonDeg + " " + m.lonMin + (m.west ? " W " : " E ") +
         m.height + " " + m.temperature + " " + m.pressure;
}

// A start, a change of place by the user, the window closed, and the next start.
struct Session {
  std::vector<std::string> messages;
  std::string closedPlace, nextPlace;
};

Session StartChangeAndClose(const StartEnvironment& env) {
  Session s;
  SettingsFile settings(env.settingsFolder / kSettingsFileName);
  MainWindowRecord main;
  RecordingMessageSink sink;
  StartMainWindow(env, settings, main, sink);
  s.messages = sink.messages;
  main.height = "7";
  SaveMainSettings(settings, main, WindowPosition{40, 50});
  s.closedPlace = PlaceOf(main);
  SettingsFile again(env.settingsFolder / kSettingsFileName);
  MainWindowRecord next;
  StartMainWindow(env, again, next, sink);
  s.nextPlace = PlaceOf(next);
  return s;
}

TEST(DamagedFiles, SettingsLoadAndTheUsersPlaceIsKept) {
  const std::string valid = Bytes(kDamaged / "settings-valid.ini");
  for (const Damage& d : DamageOf("settings-", valid, 1)) {
    TempFolder folder;
    const StartEnvironment env = Environment(folder);
    const auto ini = env.settingsFolder / kSettingsFileName;
    d.make(ini);
    const std::string before = std::filesystem::is_regular_file(ini) ? Bytes(ini) : "";
    const Session s = StartChangeAndClose(env);
    if (!d.readable) {
      // Told once; the file is never written over.
      ASSERT_EQ(s.messages.size(), 1u) << d.name;
      EXPECT_NE(s.messages[0].find("could not be read"), std::string::npos) << d.name;
      if (std::filesystem::is_regular_file(ini)) {
        EXPECT_TRUE(Bytes(ini) == before) << d.name;
      }
      continue;
    }
    // Whatever was in the file, the place the user closed with is the place of the next start.
    EXPECT_EQ(s.nextPlace, s.closedPlace) << d.name;
    // And it is a place, unless the user left a box empty (a cut file's last key).
    MainWindowRecord restored;
    RestoreMainSettings(SettingsFile(ini).ReadAll(), restored);
    const bool emptyBox = restored.latDeg.empty() || restored.lonDeg.empty() || restored.height.empty() ||
                          restored.temperature.empty() || restored.pressure.empty();
    EXPECT_TRUE(emptyBox || ReadObserver(restored).has_value()) << d.name;
  }
  // Unknown keys, other sections and lines the reader does not understand are kept.
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  const auto ini = env.settingsFolder / kSettingsFileName;
  std::filesystem::copy_file(kDamaged / "settings-duplicated-and-unknown-keys.ini", ini);
  StartChangeAndClose(env);
  for (const char* kept : {"Colour=blue", "not a key", "[Other]\nLatDeg=13"}) {
    EXPECT_NE(Bytes(ini).find(kept), std::string::npos) << kept;
  }
}

TEST(DamagedFiles, ASettingsFileWithoutReadPermissionIsToldAndKept) {
  TempFolder folder;
  const StartEnvironment env = Environment(folder);
  const auto ini = env.settingsFolder / kSettingsFileName;
  std::filesystem::copy_file(kDamaged / "settings-valid.ini", ini);
  std::filesystem::permissions(env.settingsFolder, std::filesystem::perms::all);
  chmod(ini.c_str(), 0222);  // writable, not readable
  const bool told = AsUnprivilegedUser([&] {
    const Session s = StartChangeAndClose(env);
    return s.messages.size() == 1 && s.messages[0].find("Permission denied") != std::string::npos;
  });
  EXPECT_TRUE(told);
  chmod(ini.c_str(), 0644);
  EXPECT_EQ(Bytes(ini), Bytes(kDamaged / "settings-valid.ini"));
}

TEST(DamagedFiles, CataloguesLoadWithTheirDamageTold) {
  const std::string shipped = Bytes(ORRELIN_SHIPPED_STAR_FILE);
  TempFolder folder;
  const auto path = folder.Path() / "Mstars.dat";
  for (const Damage& d : DamageOf("stars-", shipped, 1)) {
    std::filesystem::remove_all(path);
    d.make(path);
    const StarCatalogue c = LoadStarCatalogue(path);
    EXPECT_EQ(c.read, d.readable) << d.name;
    if (!c.read) {
      EXPECT_FALSE(c.message.empty()) << d.name;
    }
    const std::size_t whole = c.read ? std::filesystem::file_size(path) / kStarRecordSize : 0;
    // A record left out is always told.
    if (c.records.size() != whole) {
      EXPECT_NE(c.message.find("damaged"), std::string::npos) << d.name;
    }
    for (std::size_t i = 0; i < c.records.size(); ++i) {
      if (!c.values[i]) continue;
      EXPECT_TRUE(std::isfinite(c.values[i]->rightAscension) && std::isfinite(c.values[i]->declination)) << d.name;
      for (const auto& field : c.records[i].fields) {
        EXPECT_EQ(field.find_first_of("\x07\x1b"), std::string::npos) << d.name;
      }
    }
  }
  chmod(folder.Path().c_str(), 0755);
  PutBytes(path, shipped);
  chmod(path.c_str(), 0);
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    const StarCatalogue c = LoadStarCatalogue(path);
    return !c.read && c.message.find("Permission denied") != std::string::npos;
  }));
}

TEST(DamagedFiles, PlaceListsLoadAndEveryPlaceApplies) {
  const std::string valid = Bytes(ORRELIN_SHIPPED_PLACE_FILE).substr(0, 600);
  TempFolder folder;
  const auto path = folder.Path() / kPlaceFileName;
  for (const Damage& d : DamageOf("places-", valid, 7, true)) {
    std::filesystem::remove_all(path);
    d.make(path);
    RecordingMessageSink sink;
    const std::vector<std::string> names = LoadPlaceList(path, sink);
    EXPECT_EQ(sink.messages.empty(), d.readable) << d.name;
    for (const std::string& name : names) {
      MainWindowRecord main;
      main.place = name;
      main.height = main.pressure = main.temperature = "0";
      if (!ApplyPlace(path, main, sink)) continue;
      // Applied coordinates are a place or are refused when a computation reads them.
      if (const auto o = ReadObserver(main)) {
        EXPECT_TRUE(std::isfinite(o->latitude) && std::isfinite(o->longitude) && std::isfinite(o->utcMinusLocal))
            << d.name << ": " << name;
      }
    }
  }
  chmod(folder.Path().c_str(), 0755);
  PutBytes(path, valid);
  chmod(path.c_str(), 0);
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    RecordingMessageSink sink;
    return LoadPlaceList(path, sink).empty() && sink.messages.size() == 1;
  }));
}

}  // namespace
}  // namespace orrelin
