// The windowed program's own options, and a start without a display.
#include "app/program_start.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "cli_run.h"
#include "core/version.h"

namespace orrelin {
namespace {

TEST(ProgramStart, OptionsAndDisplays) {
  const DisplayVariables none{};
  const DisplayVariables x11{":0", nullptr, nullptr};
  const std::string version = std::string(kProgramName) + " " + kVersion + "\n";
  struct Case {
    std::vector<std::string> args;
    DisplayVariables display;
    bool openWindow;
    int status;
    std::string out;
  };
  for (const Case& c : std::vector<Case>{
           {{"--help"}, none, false, 0, ProgramUsage()},
           {{"-platform", "xcb", "--help"}, x11, false, 0, ProgramUsage()},
           {{"--version"}, none, false, 0, version},
           {{}, none, false, 1, ""},
           {{}, {"", "", ""}, false, 1, ""},  // set but empty is no display either
           {{}, x11, true, 0, ""},
           {{}, {nullptr, "wayland-0", nullptr}, true, 0, ""},
           {{}, {nullptr, nullptr, "offscreen"}, true, 0, ""},
           {{"-platform", "offscreen"}, none, true, 0, ""},
       }) {
    const ProgramStart start = DecideProgramStart(c.args, c.display);
    EXPECT_EQ(start.openWindow, c.openWindow) << ::testing::PrintToString(c.args);
    EXPECT_EQ(start.status, c.status) << ::testing::PrintToString(c.args);
    EXPECT_EQ(start.out, c.out) << ::testing::PrintToString(c.args);
    EXPECT_EQ(start.err.empty(), c.status == 0) << ::testing::PrintToString(c.args);
  }
}

// The real program, with no display at all: no abort of the window toolkit.
TEST(ProgramStart, TheProgramWithoutADisplay) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) unsetenv(variable);
  const auto home = std::filesystem::temp_directory_path() / "orrelin-program-start-test";
  const auto help = testing::RunProgram({ORRELIN_PROGRAM_PATH, "--help"}, home, 30);
  EXPECT_EQ(help.status, 0) << help.err;
  EXPECT_EQ(help.out, ProgramUsage());
  const auto version = testing::RunProgram({ORRELIN_PROGRAM_PATH, "--version"}, home, 30);
  EXPECT_EQ(version.status, 0) << version.err;
  EXPECT_EQ(version.out, std::string(kProgramName) + " " + kVersion + "\n");
  const auto window = testing::RunProgram({ORRELIN_PROGRAM_PATH}, home, 30);
  EXPECT_EQ(window.status, 1);
  EXPECT_EQ(window.out, "");
  EXPECT_EQ(window.err,
            "orrelin: no display to open the window on (DISPLAY is not set); orrelin-cli gives the reports on the "
            "command line\n");
  EXPECT_FALSE(std::filesystem::exists(home));  // nothing was started, nothing written
}

}  // namespace
}  // namespace orrelin
