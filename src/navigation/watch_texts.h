#pragma once
// The texts the noon, Polaris and compass checks are shown in, the same in a window
// and on the command line.
#include <string>

#include "core/explanation.h"
#include "navigation/compass_check.h"
#include "navigation/deviation_card.h"
#include "navigation/noon.h"
#include "navigation/polaris.h"

namespace orrelin::navigation {

// "N 41° 12.3'", "S 3° 05.0'": an angle with its name instead of a sign.
std::string NamedAngleText(double degrees, const char* positive, const char* negative);
// "21.3° E": a compass error or deviation to 0.1°, named E when positive.
std::string ErrorText(double degrees);
// Each working line as "label   value", the labels in one column.
std::string WorkingLinesText(const ExplanationLines& lines);
// What each check shows, the window as the command line: the working lines under a
// title, the noon's latitude (from a sight) after the passage's.
std::string NoonText(const Noon& noon, const std::optional<MeridianLatitude>& latitude);
std::string PolarisText(double julianDayUt, const PolarisLatitude& polaris);
std::string AzimuthCheckText(const std::string& bodyName, const AzimuthCheck& check);
std::string AmplitudeCheckText(const std::string& bodyName, HorizonCrossing crossing, const AmplitudeCheck& check);
// The swing's bearings (time, heading, bearing, Zn, deviation, residual), the five
// coefficients and the card, a line for every 15° of heading.
std::string DeviationCardText(const DeviationCard& card);

}  // namespace orrelin::navigation
