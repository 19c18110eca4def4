// The command line's arguments through the program's own parser and commands, in
// this process: every run ends with 0 and output that shows only numbers, or with 2
// and a message.
#include <sstream>

#include "cli/cli_program.h"
#include "fuzz_support.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

// Arguments that would write files or take the whole year's proximity search are
// left to the other tests: the harness stays fast and writes nowhere.
bool Wanted(const std::vector<std::string>& arguments) {
  for (const std::string& a : arguments) {
    for (const char* costly : {"--ics", "--csv", "--total"}) {
      if (a.rfind(costly, 0) == 0) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The arguments are the input's NUL-separated parts, as a shell would pass them.
  std::vector<std::string> arguments = Parts(TextOf(data, size), '\0', 0);
  if (arguments.size() > 24 || !Wanted(arguments)) return 0;
  std::ostringstream out, err;
  const cli::CliContext context{out, err, SharedScratchFolder().Path(), {ORRELIN_FUZZ_SHIPPED_FOLDER}, 1796688000, 7200, false, 50};
  const int status = cli::RunCli(arguments, context);
  const std::string seen = TextOf(data, size);
  Require(status == 0 || status == cli::kExitBadInput, "the program ends with 0 or 2", seen);
  if (status == 0) {
    Require(!ShowsNotANumber(out.str()), "a result shows only numbers", seen + "\n" + out.str());
  } else {
    Require(!err.str().empty(), "a refusal says why", seen);
  }
  return 0;
}
