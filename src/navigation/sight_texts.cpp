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

}  // namespace orrelin::navigation
