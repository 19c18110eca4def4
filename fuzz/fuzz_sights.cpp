// The sights file and the positions typed for the fix: any text reads as sights or
// names the line that does not, and every sight written reads back as itself.
#include <cmath>

#include "core/fields.h"
#include "fuzz_support.h"
#include "navigation/sights_file.h"

using namespace orrelin;
using namespace orrelin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = TextOf(data, size);
  const std::vector<std::string> lines = Parts(text, '\n', 0);
  const navigation::SightsFile file = navigation::ReadSights(lines);
  Require(file.sights.size() + file.problems.size() <= lines.size(), "one sight or one problem a line at most", text);
  Require(file.lineNumbers.size() == file.sights.size() && file.watches.size() == file.sights.size(),
          "a line number and a watch time for each sight", text);
  for (std::size_t i = 0; i < file.sights.size(); ++i) {
    const navigation::Sight& s = file.sights[i];
    RequireFinite(s.julianDayUt, "a sight's time", text);
    if (const auto& watch = file.watches[i]) {
      // Timed by the watch, the sight is written with its UT and its watch time, and
      // both read back as one sight.
      std::string problem;
      const std::string line = navigation::SightLine(s, watch);
      const auto again = navigation::ReadSightRecord(line, problem);
      Require(again.has_value(), "a sight timed by the watch reads again", line + " (" + problem + ")");
      Require(navigation::SightLine(again->sight, again->watch) == line, "a sight timed by the watch reads back", line);
    }
    Require(s.sextantAltitude >= 0 && s.sextantAltitude <= 90, "a sextant altitude within 0..90", text);
    std::string problem;
    const std::string line = navigation::SightLine(s);
    const auto again = navigation::ReadSightLine(line, problem);
    Require(again.has_value(), "a sight written reads again", line + " (" + problem + ")");
    Require(navigation::SightLine(*again) == line, "a sight written reads back as itself", line);
  }
  if (const auto p = navigation::ReadPosition(text)) {
    Require(std::fabs(p->latitude) <= 90 && std::fabs(p->longitude) <= 180, "a position on the Earth", text);
    const auto back = navigation::ReadPosition(navigation::PositionText(*p));
    Require(back && std::fabs(back->latitude - p->latitude) <= 0.05 / 60 + 1e-9 &&
                std::fabs(back->longitude - p->longitude) <= 0.05 / 60 + 1e-9,
            "a position written reads back within 0.05'", text);
  }
  return 0;
}
