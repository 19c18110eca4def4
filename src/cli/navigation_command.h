#pragma once
// "orrelin-cli sight" and "orrelin-cli fix": a sight reduced to its line of position,
// and the fix from a file of sights, as text or JSON.
#include <string>

#include "navigation/fix.h"
#include "navigation/sight_reduction.h"

namespace orrelin::cli {

std::string SightText(const navigation::Sight& sight, const navigation::SightReduction& reduction);
std::string SightJson(const navigation::Sight& sight, const navigation::SightReduction& reduction);
std::string FixText(const navigation::Fix& fix, const navigation::GeoPosition& assumed);
std::string FixJson(const navigation::Fix& fix, const navigation::GeoPosition& assumed);

}  // namespace orrelin::cli
