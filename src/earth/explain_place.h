#pragma once
// The apparent-place lines that end the Moon's and the planets' explanations.
#include "core/explanation.h"

namespace orrelin {

// "Apparent Right Ascension:" in degrees, then in hours, then "Apparent Declination:".
void ExplainApparentPlace(double rightAscension, double declination, ExplanationLines* lines);

}  // namespace orrelin
