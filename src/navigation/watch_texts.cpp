#include "navigation/watch_texts.h"

#include <cmath>

#include "core/angle_text.h"
#include "core/numbers.h"

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
  constexpr std::size_t kWidth = 34;
  std::string out;
  for (std::size_t i = 0; i < lines.labels.size(); ++i) {
    const std::string& label = lines.labels[i];
    out += (label.size() >= kWidth ? label + " " : label + std::string(kWidth - label.size(), ' ')) +
           lines.values[i] + "\n";
  }
  return out;
}

}  // namespace orrelin::navigation
