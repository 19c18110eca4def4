#include "core/degmin.h"

#include <cmath>
#include <string>

#include "core/angles.h"
#include "core/fields.h"
#include "core/numbers.h"

namespace orrelin {

DegMin SplitDegMin(double x) { return {Trunc(x), std::fabs(Frac(x)) * 60.0}; }

double DegMinToDegrees(int degrees, double minutes) {
  return degrees < 0 ? degrees - minutes / 60.0 : degrees + minutes / 60.0;
}

double DegMinSecToDegrees(int degrees, int minutes, double seconds) {
  const double part = minutes / 60.0 + seconds / 3600.0;
  return degrees < 0 ? degrees - part : degrees + part;
}

double DegMinTextToDegrees(std::string_view degText, std::string_view minText) {
  const double degrees = ReadWholeNumber(degText).value;  // partial value when unreadable
  const NumberRead minutes = ReadDecimal(minText.empty() ? std::string_view("0") : minText);
  if (!minutes.ok) return kUnreadableAngle;
  return degrees < 0 ? degrees - minutes.value / 60.0 : degrees + minutes.value / 60.0;
}

double DeclinationTextToDegrees(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && text[start] == ' ') ++start;
  const bool south = start < text.size() && text[start] == '-';
  const std::string s(text);
  const double d = std::fabs(ReadDecimal(ExtractField(s, ":", 0)).value);
  const double m = std::fabs(ReadDecimal(ExtractField(s, ":", 1)).value);
  const double sec = std::fabs(ReadDecimal(ExtractField(s, ":", 2)).value);
  const double magnitude = d + m / 60.0 + sec / 3600.0;
  return south ? -magnitude : magnitude;
}

}  // namespace orrelin
