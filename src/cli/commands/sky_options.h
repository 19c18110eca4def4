#pragma once
// What the graph and tonight commands share: the place and the evening's date read from
// their options, and moments written as the JSON gives them.
#include <nlohmann/json.hpp>

#include <optional>
#include <string>

#include "cli/cli_program.h"
#include "cli/report_command.h"
#include "sky/sky_night.h"

namespace orrelin::cli {

using SkyNight = sky::SkyNight;

// None, with the message said, when an option is refused.
std::optional<SkyNight> ReadSkyNight(const CliContext& c, const PlaceOptions& options, const std::string& date);

// A number of degrees typed in an option (a decimal point in any locale); none, with the message said.
std::optional<double> ReadDegreesOption(const CliContext& c, const std::string& option, const std::string& text,
                                        double lowest, double highest);

// "2026-03-15 21:04:10" UT, or null.
nlohmann::ordered_json UtcJson(const std::optional<double>& julianDayUt);

}  // namespace orrelin::cli
