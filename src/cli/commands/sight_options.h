#pragma once
// The options of a sextant sight, shared by the commands that take one (sight, noon,
// polaris), and the readers and JSON pieces of the noon and compass commands.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "cli/commands/command_support.h"
#include "cli/commands/moment_options.h"
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

// A sight taken at a moment from a DR: its options beside the body's.
// An assumed position given as an empty text is refused, not read as "not given".
struct TimedSightTexts : SightOptionTexts {
  MomentTexts moment;
  std::optional<std::string> dr;
};

// The moment's options (--utc or the watch time), --hs, --ie and --dr, with the help of
// --utc, --hs and --dr.
void AddTimedSightOptions(CLI::App& command, TimedSightTexts& texts, const std::string& utcHelp,
                          const std::string& hsHelp, const std::string& drHelp);

// The sight read from its options, the place and the DR: what the sight and polaris
// commands start from; none, with the message said, when an option is refused.
struct TimedSight {
  PlaceAndDr start;
  Moment moment;
  navigation::Sight sight;
};
std::optional<TimedSight> ReadTimedSight(const CliContext& c, const PlaceOptions& place, const TimedSightTexts& texts);

// "2026-12-08": the date's 0h UT as a Julian day; none, with the message.
std::optional<double> ReadDayOption(const std::string& option, const std::string& text, std::string& message);

// The working lines as [[label, value], ...].
nlohmann::ordered_json WorkingLinesJson(const ExplanationLines& lines);
// E for an error (or deviation) east, that is positive; W otherwise.
const char* ErrorName(double error);

}  // namespace orrelin::cli
