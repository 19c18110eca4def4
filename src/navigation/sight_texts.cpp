#include "navigation/sight_texts.h"

#include <cmath>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"

namespace orrelin::navigation {

namespace {

std::string Padded(const std::string& label, std::size_t width) {
  return label.size() >= width ? label + " " : label + std::string(width - label.size(), ' ');
}

}  // namespace

std::string SightText(const Sight& sight, const SightReduction& r) {
  std::string out = sight.body + (sight.limb == Limb::kCentre ? "" : " " + LimbText(sight.limb) + " limb") + ", " +
                    UtcMomentText(sight.julianDayUt) + " UT\n\n";
  for (std::size_t i = 0; i < r.lines.labels.size(); ++i) out += Padded(r.lines.labels[i], 28) + r.lines.values[i] + "\n";
  return out;
}

std::string FixText(const Fix& fix, const GeoPosition& assumed) {
  std::string out = "Fix                  " + PositionText(fix.position) + "\n";
  out += "Assumed position     " + PositionText(assumed) + "\n";
  out += "From the assumed     " + FixedText(fix.distanceFromAssumed, 1) + " nm, " +
         FixedText(fix.bearingFromAssumed, 0) + kDegreeSign + "\n";
  out += "Iterations           " + WholeText(fix.iterations) + "\n";
  if (fix.ellipse) {
    out += "Error ellipse        " + FixedText(fix.ellipse->major, 2) + " x " + FixedText(fix.ellipse->minor, 2) +
           " nm, major axis " + FixedText(fix.ellipse->orientation, 0) + kDegreeSign + "\n";
  }
  out += "\nBody             Zn       Intercept     Run      Residual\n";
  for (const FixLine& l : fix.lines) {
    out += Padded(l.body, 16) + Padded(FixedText(l.azimuth, 1) + kDegreeSign, 9) +
           Padded(FixedText(std::fabs(l.intercept), 1) + (l.intercept >= 0 ? " T" : " A"), 14) +
           Padded(FixedText(l.run, 1), 9) + FixedText(l.residual, 2) + "\n";
  }
  return out;
}

std::string SeriesText(const std::vector<Sight>& sights, const std::vector<int>& lineNumbers, const SightSeries& s,
                       const std::string& numbered) {
  const auto line = [&](std::size_t i) { return numbered + " " + WholeText(lineNumbers[i]); };
  std::string out = sights.front().body + ", " + WholeText(static_cast<long long>(sights.size())) + " sights, " +
                    UtcMomentText(sights.front().julianDayUt) + " to " + UtcMomentText(sights.back().julianDayUt).substr(11) +
                    " UT\n";
  out += "Intercept            " + FixedText(std::fabs(s.intercept), 2) + "' " + (s.intercept >= 0 ? "toward" : "away") + "\n";
  out += "Spread               " + FixedText(s.spread, 2) + "'\n";
  for (std::size_t i = 0; i < sights.size(); ++i) {
    if (!s.flagged[i]) continue;
    out += "Off the line         " + line(i) + ", " + FixedText(s.residuals[i] - s.intercept, 2) + "'\n";
  }
  const std::size_t r = s.representative;
  out += "Representative       " + line(r) + ", " + UtcMomentText(sights[r].julianDayUt) + " UT, Hs " +
         SextantAltitudeText(s.representativeHs) + "\n";
  if (s.meridian) {
    out += "Meridian altitude    " + AltitudeText(s.meridian->altitude) + " at " + UtcMomentText(s.meridian->julianDayUt) +
           " UT\n";
  }
  return out;
}

std::string FixCheckText(const CheckedFix& checked) {
  std::string out;
  const std::vector<FixLine>& lines = checked.plain.lines;
  if (checked.outstanding) {
    const FixLine& l = lines[*checked.outstanding];
    out += "\nFar off the others   " + l.body + ", residual " + FixedText(l.residual, 2) + " nm (nothing dropped)\n";
  }
  if (!checked.robust) return out;
  const RobustFix& r = *checked.robust;
  out += "\nRobust fix           " + PositionText(r.fix.position) + "\n";
  if (r.suspects.empty()) return out + "Suspect line         none\n";
  for (std::size_t i : r.suspects) {
    out += "Suspect line         " + lines[i].body + ", weight " + FixedText(r.weights[i], 2) + ", residual " +
           FixedText(lines[i].residual, 2) + " nm\n";
  }
  if (r.withoutSuspects) out += "Fix without it       " + PositionText(r.withoutSuspects->position) + "\n";
  return out;
}

}  // namespace orrelin::navigation
