#include "cli/commands/sky_options.h"

#include "app/date_box.h"
#include "cli/commands/command_support.h"
#include "cli/commands/sight_options.h"
#include "core/message_texts.h"
#include "core/numbers.h"
#include "report/observer_reading.h"

namespace orrelin::cli {

std::optional<SkyNight> ReadSkyNight(const CliContext& c, const PlaceOptions& options, const std::string& date) {
  auto main = PlaceAndMoment(c, options);
  if (!main) return std::nullopt;
  const auto place = ReadObserver(*main);
  if (!place) {
    Fail(c, kMessageBadLocation);
    return std::nullopt;
  }
  std::string why;
  const auto day = ReadDayOption("--date", date, why);
  if (!day) {
    Fail(c, why);
    return std::nullopt;
  }
  return sky::SkyNightOf(*main, *place, *day);
}

std::optional<double> ReadDegreesOption(const CliContext& c, const std::string& option, const std::string& text,
                                        double lowest, double highest) {
  const auto value = ReadBoundedDecimal(text, lowest, highest);
  if (!value) {
    Fail(c, option + ": degrees, " + WholeText(static_cast<long long>(lowest)) + " to " +
                WholeText(static_cast<long long>(highest)));
  }
  return value;
}

nlohmann::ordered_json UtcJson(const std::optional<double>& julianDayUt) {
  return julianDayUt ? nlohmann::ordered_json(UtcMomentText(*julianDayUt)) : nlohmann::ordered_json();
}

}  // namespace orrelin::cli
