#pragma once
// The command-line program as one call: its arguments, where it writes and what it
// knows of the machine in, its exit status out. main() and the fuzzing harness both
// run it, so the harness goes through the very parser the program uses.
#include <ctime>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace orrelin::cli {

inline constexpr int kExitBadInput = 2;

struct CliContext {
  std::ostream& out;
  std::ostream& err;
  std::filesystem::path settingsFolder;                // the user's settings, place list and catalogue
  std::vector<std::filesystem::path> shippedFolders;   // where the program's own files are, in order
  std::time_t now = 0;
  long secondsEastOfUtc = 0;                           // the computer's time zone
  bool exportsAllowed = true;                          // false: --ics and --csv are refused
  std::size_t mostEphemerisRows = 100000;              // the most rows one ephemeris may have
  std::vector<std::filesystem::path> moduleFolders{};  // where the drawing, calendar and zones modules are, in order
};

// Runs the program on the arguments after its name. 0: done; 2: bad input, one message said.
int RunCli(const std::vector<std::string>& arguments, const CliContext& context);

// The commands and their options as the program's --help lists them, for the man page,
// which is made from them at build time so that it cannot drift from the program.
struct OptionHelp {
  std::string name;         // "--lat", or a positional argument's "YEAR"
  std::string value;        // what follows the option ("TEXT"); empty for a flag
  std::string description;
  bool required = false;
};
struct CommandHelp {
  std::string name, description;
  std::vector<OptionHelp> options;  // positional arguments first, in the order of --help
};
std::vector<CommandHelp> CommandHelps();

}  // namespace orrelin::cli
