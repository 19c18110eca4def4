#include "app/program_start.h"

#include <algorithm>

#include "core/version.h"

namespace orrelin {

namespace {

bool Set(const char* variable) { return variable != nullptr && *variable != '\0'; }

bool Given(const std::vector<std::string>& args, std::initializer_list<const char*> names) {
  return std::any_of(args.begin(), args.end(), [&](const std::string& a) {
    return std::find(names.begin(), names.end(), a) != names.end();
  });
}

}  // namespace

std::string ProgramUsage() {
  return "Usage: orrelin [--help] [--version]\n"
         "Calculator for astronomy and celestial navigation: opens the main window.\n"
         "\n"
         "  --help      print this help and exit\n"
         "  --version   print the version and exit\n"
         "\n"
         "The same reports without a window: orrelin-cli --help.\n";
}

ProgramStart DecideProgramStart(const std::vector<std::string>& args, const DisplayVariables& display) {
  ProgramStart start;
  if (Given(args, {"--help", "-h", "-help"})) {
    start.out = ProgramUsage();
    return start;
  }
  if (Given(args, {"--version", "-v", "-version"})) {
    start.out = std::string(kProgramName) + " " + kVersion + "\n";
    return start;
  }
  const bool platformChosen = Given(args, {"-platform", "--platform"});
  if (!Set(display.display) && !Set(display.waylandDisplay) && !Set(display.platform) && !platformChosen) {
    start.status = 1;
    start.err = "orrelin: no display to open the window on (DISPLAY is not set); "
                "orrelin-cli gives the reports on the command line\n";
    return start;
  }
  start.openWindow = true;
  return start;
}

}  // namespace orrelin
