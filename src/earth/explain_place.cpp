#include "earth/explain_place.h"

#include "core/angle_text.h"
#include "core/numbers.h"

namespace orrelin {

void ExplainApparentPlace(double rightAscension, double declination, ExplanationLines* lines) {
  if (lines == nullptr) return;  // the texts cost more than the numbers
  ReportLine(lines, "Apparent Right Ascension:", FixedText(rightAscension, 5) + kDegreeSign);
  ReportLine(lines, "", HourMinSecText(rightAscension / 15.0));
  ReportLine(lines, "Apparent Declination:", DegMinSecText(declination));
}

}  // namespace orrelin
