#pragma once
// The texts the noon, Polaris and compass checks are shown in, the same in a window
// and on the command line.
#include <string>

#include "core/explanation.h"
#include "navigation/deviation_card.h"

namespace orrelin::navigation {

// "N 41° 12.3'", "S 3° 05.0'": an angle with its name instead of a sign.
std::string NamedAngleText(double degrees, const char* positive, const char* negative);
// "21.3° E": a compass error or deviation to 0.1°, named E when positive.
std::string ErrorText(double degrees);
// Each working line as "label   value", the labels in one column.
std::string WorkingLinesText(const ExplanationLines& lines);
// The swing's bearings (time, heading, bearing, Zn, deviation, residual), the five
// coefficients and the card, a line for every 15° of heading.
std::string DeviationCardText(const DeviationCard& card);

}  // namespace orrelin::navigation
