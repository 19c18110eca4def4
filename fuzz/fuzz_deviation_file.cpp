// The deviation file and the variation typed for the card: any text reads as bearings
// or names the line that does not, every bearing written reads back as itself, and a
// variation that reads is one of the compass.
#include <cmath>

#include "core/fields.h"
#include "fuzz_support.h"
#include "navigation/compass_check.h"
#include "navigation/deviation_file.h"

using namespace orrelin;
using namespace orrelin::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = TextOf(data, size);
  const std::vector<std::string> lines = Parts(text, '\n', 0);
  const navigation::DeviationFile file = navigation::ReadDeviationFile(lines);
  Require(file.observations.size() + file.problems.size() <= lines.size(), "one bearing or one problem a line at most",
          text);
  for (const navigation::DeviationObservation& o : file.observations) {
    RequireFinite(o.julianDayUt, "a bearing's time", text);
    Require(o.heading >= 0 && o.heading <= 360 && o.bearing >= 0 && o.bearing <= 360,
            "a heading and a bearing within 0..360", text);
    std::string problem;
    const std::string line = navigation::DeviationLine(o);
    const auto again = navigation::ReadDeviationLine(line, problem);
    Require(again.has_value(), "a bearing written reads again", line + " (" + problem + ")");
    Require(navigation::DeviationLine(*again) == line, "a bearing written reads back as itself", line);
  }
  if (const auto v = navigation::ReadVariation(text)) {
    Require(std::isfinite(*v) && std::fabs(*v) <= 180, "a variation within 180 degrees", text);
  }
  return 0;
}
