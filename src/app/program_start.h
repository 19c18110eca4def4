#pragma once
// What the windowed program does with its command line before it opens a window:
// "--help" and "--version" answer on standard output without a display, and a start
// without a display ends with one message rather than the window toolkit's abort.
#include <string>
#include <vector>

namespace orrelin {

struct ProgramStart {
  bool openWindow = false;  // false: print and end with `status`
  int status = 0;
  std::string out;  // for standard output
  std::string err;  // for standard error
};

// What the environment says about a display: any of them set means there is one
// (the platform variable also covers the offscreen and other chosen platforms).
struct DisplayVariables {
  const char* display = nullptr;         // DISPLAY
  const char* waylandDisplay = nullptr;  // WAYLAND_DISPLAY
  const char* platform = nullptr;        // QT_QPA_PLATFORM
};

// `args` without the program's own name. Options other than --help and --version
// are left to the window toolkit ("-platform offscreen" also counts as a display).
ProgramStart DecideProgramStart(const std::vector<std::string>& args, const DisplayVariables& display);

// The usage text of "orrelin --help".
std::string ProgramUsage();

}  // namespace orrelin
