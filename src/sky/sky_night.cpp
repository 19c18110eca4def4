#include "sky/sky_night.h"

#include "core/clock.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"

namespace orrelin::sky {

UtcMinusLocalAt UtcMinusLocalOf(const MainWindowRecord& main, const Observer& observer) {
  return UtcMinusLocalOf(main.clock, observer.utcMinusLocal);
}

SkyNight SkyNightOf(const MainWindowRecord& main, const Observer& observer, double dayJulianDayUt) {
  std::string where = navigation::PositionText({observer.latitude, -observer.longitude});
  if (!main.place.empty()) where = main.place + ", " + where;
  return SkyNight{observer, dayJulianDayUt, UtcMinusLocalOf(main, observer), where,
                  main.clock.IsZone() ? main.clock.ZoneName() : std::string()};
}

GraphInput GraphInputOf(const SkyNight& night, std::vector<SkyBody> bodies, double stepMinutes, bool precise) {
  GraphInput in;
  in.observer = night.observer;
  in.dayJulianDayUt = night.dayJulianDayUt;
  in.bodies = std::move(bodies);
  in.stepMinutes = stepMinutes;
  in.utcMinusLocal = night.utcMinusLocal;
  in.precise = precise;
  return in;
}

std::optional<double> ReadStepMinutes(std::string text) {
  if (!text.empty() && text.back() == 'm') text.pop_back();
  const NumberRead read = ReadDecimal(text);
  if (!read.ok || read.value < 1.0 || read.value > 60.0) return std::nullopt;
  return read.value;
}

std::vector<std::string> GraphTitle(const SkyNight& night, const std::string& dateText) {
  // A zone's offset at the night may differ from the main window's box, which follows the
  // boxes' moment: the offset of the night's midnight.
  const double offset =
      night.zoneName.empty()
          ? night.observer.utcMinusLocal
          : night.utcMinusLocal(LocalMidnightUt(night.utcMinusLocal, night.dayJulianDayUt + 1.0));
  const std::string zone = night.zoneName.empty() ? "" : night.zoneName + ", ";
  return {"Altitudes at " + night.placeText,
          dateText + " noon to noon, local time (" + zone + "UTC - local " + OffsetText(offset) + " h)"};
}

}  // namespace orrelin::sky
