#include "cli/commands/sky_options.h"

#include "app/date_box.h"
#include "navigation/sights_file.h"
#include "cli/commands/command_support.h"
#include "cli/commands/sight_options.h"
#include "core/message_texts.h"
#include "core/numbers.h"
#include "report/observer_reading.h"
#include "sky/tonight_texts.h"

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
  std::string where = navigation::PositionText({place->latitude, -place->longitude});
  if (!main->place.empty()) where = main->place + ", " + where;
  // A zone's clock gives each moment its own offset (--zone, or the place's zone).
  const sky::UtcMinusLocalAt utcMinusLocal = sky::UtcMinusLocalOf(main->clock, place->utcMinusLocal);
  return SkyNight{*place, *day, utcMinusLocal, where};
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
