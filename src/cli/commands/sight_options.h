#pragma once
// The options of a sextant sight, shared by the commands that take one (sight, noon,
// polaris), and the readers and JSON pieces of the noon and compass commands.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "core/explanation.h"
#include "earth/observer.h"
#include "navigation/sight_reduction.h"

namespace orrelin::cli {

struct SightOptionTexts {
  std::string body, limb, hs, ie = "0";
};

// The sight from its options and the place's weather (its time left 0); none, with
// the option's message, when one does not read or the limb does not suit the body.
std::optional<navigation::Sight> SightOfOptions(const SightOptionTexts& options, const Observer& place,
                                                std::string& message);

// "2026-12-08": the date's 0h UT as a Julian day; none, with the message.
std::optional<double> ReadDayOption(const std::string& option, const std::string& text, std::string& message);

// The working lines as [[label, value], ...].
nlohmann::ordered_json WorkingLinesJson(const ExplanationLines& lines);
// E for an error (or deviation) east, that is positive; W otherwise.
const char* ErrorName(double error);

}  // namespace orrelin::cli
