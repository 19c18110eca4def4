#include "navigation/watch_texts.h"

#include <cmath>

#include "core/angle_text.h"
#include "core/numbers.h"
#include "app/date_box.h"

namespace orrelin::navigation {

std::string NamedAngleText(double degrees, const char* positive, const char* negative) {
  const bool showsZero = DegMinText(degrees) == DegMinText(0.0);
  return std::string(degrees < 0 && !showsZero ? negative : positive) + " " + DegMinText(std::fabs(degrees));
}

std::string ErrorText(double degrees) {
  const std::string text = FixedText(std::fabs(degrees), 1);
  if (text == "0.0") return text + kDegreeSign;
  return text + kDegreeSign + (degrees > 0 ? " E" : " W");
}

std::string WorkingLinesText(const ExplanationLines& lines) {
  constexpr std::size_t kWidth = 40;
  std::string out;
  for (std::size_t i = 0; i < lines.labels.size(); ++i) {
    const std::string& label = lines.labels[i];
    out += (label.size() >= kWidth ? label + " " : label + std::string(kWidth - label.size(), ' ')) +
           lines.values[i] + "\n";
  }
  return out;
}

std::string NoonText(const Noon& noon, const std::optional<MeridianLatitude>& latitude) {
  return WorkingLinesText(noon.lines) + (latitude ? "\n" + WorkingLinesText(latitude->lines) : "");
}

std::string PolarisText(double julianDayUt, const PolarisLatitude& polaris) {
  return "Polaris, " + UtcMomentText(julianDayUt) + " UT\n\n" + WorkingLinesText(polaris.lines);
}

std::string AzimuthCheckText(const std::string& bodyName, const AzimuthCheck& check) {
  return "Compass check by azimuth, the " + bodyName + "\n\n" + WorkingLinesText(check.lines);
}

std::string AmplitudeCheckText(const std::string& bodyName, HorizonCrossing crossing, const AmplitudeCheck& check) {
  return "Compass check by amplitude, the " + bodyName +
         (crossing == HorizonCrossing::kRising ? " rising" : " setting") + "\n\n" + WorkingLinesText(check.lines);
}

namespace {

std::string Column(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : std::string(width - text.size(), ' ') + text;
}

}  // namespace

std::string DeviationCardText(const DeviationCard& card) {
  std::string out = "UT                    Heading  Bearing     Zn   Deviation  Residual\n";
  for (const SwingBearing& b : card.bearings) {
    out += UtcMomentText(b.observation.julianDayUt) + Column(FixedText(b.observation.heading, 1), 10) +
           Column(FixedText(b.observation.bearing, 1), 9) + Column(FixedText(b.azimuth, 1), 7) +
           Column(ErrorText(b.deviation), 13) + Column(FixedText(b.residual, 1), 9) + "\n";
  }
  const DeviationCoefficients& k = card.coefficients;
  out += "\nDeviation = A + B sin h + C cos h + D sin 2h + E cos 2h\n";
  out += "A " + FixedText(k.a, 2) + "   B " + FixedText(k.b, 2) + "   C " + FixedText(k.c, 2) + "   D " +
         FixedText(k.d, 2) + "   E " + FixedText(k.e, 2) + "\n\nHeading   Deviation\n";
  for (const HeadingDeviation& h : card.card) {
    out += Column(FixedText(h.heading, 0), 7) + Column(ErrorText(h.deviation), 13) + "\n";
  }
  return out;
}

}  // namespace orrelin::navigation
