#include "navigation/deviation_file.h"

#include "app/date_box.h"
#include "core/encoding.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "navigation/sight_reduction.h"
#include "navigation/sights_file.h"
#include "report/observer_reading.h"

namespace orrelin::navigation {

namespace {

constexpr int kFields = 4;

std::string Quoted(const std::string& field) { return field.empty() ? "an empty field" : QuotedText(field, 40); }

bool HoldsAnObservation(const std::string& line) {
  return !line.empty() && line != kDeviationHeader && line != "\r" && line != std::string(kDeviationHeader) + "\r";
}

}  // namespace

std::optional<DeviationObservation> ReadDeviationLine(const std::string& line, std::string& problem) {
  std::vector<std::string> f;
  for (int n = 0; n < kFields; ++n) f.push_back(ExtractField(line, ",", n));
  auto refuse = [&problem](const std::string& what) {
    problem = what;
    return std::nullopt;
  };
  DeviationObservation o;
  std::string why;
  const auto utc = ReadUtcMoment(f[0], why);
  if (!utc) return refuse("the time (" + why + ")");
  o.julianDayUt = *utc;
  const auto heading = ReadBoundedDecimal(f[1], 0.0, 360.0);
  if (!heading) return refuse("the heading is degrees by compass, 0 to 360, not " + Quoted(f[1]));
  const auto bearing = ReadBoundedDecimal(f[2], 0.0, 360.0);
  if (!bearing) return refuse("the bearing is degrees by compass, 0 to 360, not " + Quoted(f[2]));
  o.heading = *heading;
  o.bearing = *bearing;
  o.body = f[3];
  if (!o.body.empty() && o.body.back() == '\r') o.body.pop_back();
  if (o.body.empty()) return refuse("no body");
  if (!IsSightBody(o.body)) return refuse("no body of the almanacs is called " + Quoted(o.body));
  return o;
}

std::string DeviationLine(const DeviationObservation& o) {
  return SightsFileLine({UtcMomentText(o.julianDayUt), ShortestText(o.heading), ShortestText(o.bearing), o.body});
}

DeviationFile ReadDeviationFile(const std::vector<std::string>& lines) {
  DeviationFile file;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!HoldsAnObservation(lines[i])) continue;
    std::string problem;
    if (const auto o = ReadDeviationLine(lines[i], problem)) {
      file.observations.push_back(*o);
    } else {
      file.problems.push_back("line " + WholeText(static_cast<long long>(i + 1)) + ": " + problem);
    }
  }
  return file;
}

}  // namespace orrelin::navigation
