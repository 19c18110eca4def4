#pragma once
// A sight as it is typed, in a window's boxes or a command's options: the body, the
// limb, the sextant altitude and the index error, read and checked once for both.
#include <optional>
#include <string>

#include "earth/observer.h"
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

struct TypedSight {
  std::string body, limb, hs, ie = "0";
};

// Which of the typed texts does not read, and why (without the box's or option's name,
// which the front end puts before it).
struct TypedSightProblem {
  enum class Field { kLimb, kHs, kIe } field = Field::kLimb;
  std::string text;
};

// The sight with the place's height of eye, pressure and temperature (its time left 0);
// none, with the problem, when a text does not read or the limb does not suit the body.
std::optional<Sight> SightOfTyped(const TypedSight& typed, const Observer& place, TypedSightProblem& problem);

// A bearing or a heading: degrees 0 to 360.
std::optional<double> ReadBearing(const std::string& text);

}  // namespace orrelin::navigation
