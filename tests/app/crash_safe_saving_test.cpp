// A save interrupted at every step, by an error or by the end of the process, a full
// disk and a read-only folder: the settings file is always the old or the new one,
// never a broken one, and a failure is told once.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/place_list.h"
#include "app/settings_file.h"
#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

const std::string kOld = "[OrrelinForm]\nLatDeg=42\nLatMin=21.5\nPlace=Boston\nColour=blue\n";
const std::vector<std::pair<std::string, std::string>> kNew = {{"LatDeg", "60"}, {"Place", std::string(300, 'H')}};

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::size_t FilesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

// The settings file holds the old text, or all of the new keys with the old lines kept.
bool OldOrNew(const std::filesystem::path& path) {
  const std::string now = Bytes(path);
  if (now == kOld) return true;
  const SettingsValues values = SettingsFile(path).ReadAll();
  return values.Get("LatDeg") == "60" && values.Get("Place") == kNew[1].second && values.Get("Colour") == "blue";
}

struct Fault {
  const char* name;
  SaveFault fault;
};

std::vector<Fault> EveryStep() {
  std::vector<Fault> faults = {{"creating the temporary file", {SaveStep::kCreate}},
                               {"before anything is written", {SaveStep::kWrite, 0}},
                               {"after a partial write", {SaveStep::kWrite, 40}},
                               {"after the whole text, before its flush", {SaveStep::kWrite, 1 << 20}},
                               {"flushing to the disk", {SaveStep::kFlush}},
                               {"closing", {SaveStep::kClose}},
                               {"before the rename", {SaveStep::kRename}}};
  for (Fault& f : faults) f.fault.errorNumber = EIO;
  return faults;
}

TEST(CrashSafeSaving, AFailureAtEveryStepLeavesTheOldFileAndIsToldOnce) {
  for (const Fault& f : EveryStep()) {
    TempFolder folder;
    const auto path = folder.Path() / kSettingsFileName;
    std::ofstream(path, std::ios::binary) << kOld;
    SettingsFile settings(path);
    RecordingMessageSink sink;
    settings.TellFailuresTo(&sink);
    settings.FailSavesAt(f.fault);
    EXPECT_FALSE(settings.WriteAll(kNew)) << f.name;
    EXPECT_FALSE(settings.WriteAll(kNew)) << f.name;
    EXPECT_EQ(Bytes(path), kOld) << f.name;
    EXPECT_EQ(FilesIn(folder.Path()), 1u) << f.name << ": no temporary file is left";
    ASSERT_EQ(sink.messages.size(), 1u) << f.name;
    EXPECT_EQ(sink.messages[0], "The settings could not be saved to " + path.string() + " (Input/output error).");
  }
}

TEST(CrashSafeSaving, AProcessEndedAtEveryStepLeavesTheOldFileAndTheNextSaveWorks) {
  for (Fault f : EveryStep()) {
    TempFolder folder;
    const auto path = folder.Path() / kSettingsFileName;
    std::ofstream(path, std::ios::binary) << kOld;
    f.fault.crash = true;
    const pid_t child = fork();
    if (child == 0) {
      SettingsFile settings(path);
      settings.FailSavesAt(f.fault);
      settings.WriteAll(kNew);
      _exit(3);  // not reached: the save ends the process at its step
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << f.name;
    EXPECT_EQ(Bytes(path), kOld) << f.name;
    // The next run reads the old settings and saves over them, whatever was left behind.
    EXPECT_EQ(SettingsFile(path).Read("LatDeg"), "42") << f.name;
    EXPECT_TRUE(SettingsFile(path).WriteAll(kNew)) << f.name;
    EXPECT_TRUE(OldOrNew(path)) << f.name;
    EXPECT_EQ(SettingsFile(path).Read("LatDeg"), "60") << f.name;
  }
}

// A small file system of its own (a tmpfs), where the tests may mount one.
class SmallDisk {
 public:
  explicit SmallDisk(const char* options) {
    mounted_ = ::mount("tmpfs", folder_.Path().c_str(), "tmpfs", 0, options) == 0;
  }
  ~SmallDisk() {
    if (mounted_) ::umount2(folder_.Path().c_str(), MNT_DETACH);
  }
  bool Mounted() const { return mounted_; }
  const std::filesystem::path& Path() const { return folder_.Path(); }
  void MakeReadOnly() {
    mounted_ = ::mount("tmpfs", folder_.Path().c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0 && mounted_;
  }

 private:
  TempFolder folder_;
  bool mounted_ = false;
};

// Fills a file system until it has no room left.
void Fill(const std::filesystem::path& folder) {
  std::ofstream filler(folder / "filler", std::ios::binary);
  const std::string block(4096, 'x');
  while (filler.write(block.data(), block.size()) && filler.flush()) {
  }
}

TEST(CrashSafeSaving, AFullDiskAndAReadOnlyFolderLeaveTheOldFilesAndAreToldOnce) {
  struct Case {
    const char* name;
    std::function<void(SmallDisk&)> spoil;
    SaveFault simulated;  // where no file system can be mounted
    std::string problem;
  };
  const std::vector<Case> cases = {
      {"a full disk", [](SmallDisk& d) { Fill(d.Path()); }, {SaveStep::kWrite, 100, ENOSPC},
       "No space left on device"},
      {"a read-only folder", [](SmallDisk& d) { d.MakeReadOnly(); }, {SaveStep::kCreate, 0, EROFS},
       "Read-only file system"},
  };
  for (const Case& c : cases) {
    SmallDisk disk("size=64k,mode=0755");
    const auto path = disk.Path() / kSettingsFileName;
    const auto places = disk.Path() / kPlaceFileName;
    std::ofstream(path, std::ios::binary) << kOld;
    std::ofstream(places, std::ios::binary) << "Helsinki=60_9.7_N,24_57.3_E,-2\n";
    SettingsFile settings(path);
    RecordingMessageSink sink;
    settings.TellFailuresTo(&sink);
    if (disk.Mounted()) {
      c.spoil(disk);
    } else {
      std::cout << "No file system could be mounted here: " << c.name << " is simulated\n";
      settings.FailSavesAt(c.simulated);
    }
    // Closing the main window and two other windows: three saves, one message.
    MainWindowRecord main;
    PutFirstStartDefaults(main);
    main.place = std::string(70000, 'P');  // more than the full disk can hold
    SaveMainSettings(settings, main, WindowPosition{1, 2});
    EXPECT_FALSE(settings.Write("fStar", "10,20")) << c.name;
    EXPECT_FALSE(settings.Write("fPlanet", "10,20")) << c.name;
    EXPECT_EQ(Bytes(path), kOld) << c.name;
    ASSERT_EQ(sink.messages.size(), 1u) << c.name;
    EXPECT_EQ(sink.messages[0], "The settings could not be saved to " + path.string() + " (" + c.problem + ").");
    if (!disk.Mounted()) continue;
    // The place list is not cut either.
    main.place = "Home" + std::string(70000, 'e');
    RecordingMessageSink placeSink;
    SavePlace(places, main, placeSink);
    EXPECT_EQ(Bytes(places), "Helsinki=60_9.7_N,24_57.3_E,-2\n") << c.name;
    ASSERT_EQ(placeSink.messages.size(), 1u);
    EXPECT_EQ(placeSink.messages[0], "The place could not be saved to " + places.string() + " (" + c.problem + ")");
  }
}

}  // namespace
}  // namespace orrelin
