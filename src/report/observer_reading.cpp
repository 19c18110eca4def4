#include "report/observer_reading.h"

#include <cmath>

#include "core/numbers.h"

namespace orrelin {

std::optional<double> ReadPlaceAngle(std::string_view degText, std::string_view minText, int limit) {
  const NumberRead degrees = ReadWholeNumber(degText);
  const NumberRead minutes = ReadDecimal(minText.empty() ? std::string_view("0") : minText);
  if (!degrees.ok || !minutes.ok) return std::nullopt;
  if (degrees.value < 0 || degrees.value > limit) return std::nullopt;
  if (minutes.value < 0 || minutes.value >= 60) return std::nullopt;
  if (degrees.value == limit && minutes.value > 0) return std::nullopt;
  return degrees.value + minutes.value / 60.0;
}

std::optional<double> ReadBoundedDecimal(std::string_view text, double lowest, double highest) {
  const NumberRead r = ReadDecimal(text);
  if (!r.ok || !(r.value >= lowest && r.value <= highest)) return std::nullopt;
  return r.value;
}

std::optional<double> ReadOffsetBox(std::string_view text) {
  if (text.empty()) return 0.0;
  return ReadBoundedDecimal(text, -kMaxOffsetHours, kMaxOffsetHours);
}

DeltaBoxRead ReadDeltaBox(std::string_view text) {
  const NumberRead r = ReadDecimal(text);
  if (r.outOfRange || !HasDigit(text) || !(std::fabs(r.value) <= kMaxDeltaT)) return {DeltaBoxStatus::kRefused, 0.0};
  return {r.ok ? DeltaBoxStatus::kRead : DeltaBoxStatus::kUsePoint, r.value};
}

std::optional<Observer> ReadObserver(const MainWindowRecord& main) {
  const auto latitude = ReadPlaceAngle(main.latDeg, main.latMin, 90);
  const auto longitude = ReadPlaceAngle(main.lonDeg, main.lonMin, 180);
  const auto height = ReadBoundedDecimal(main.height, 0.0, kMaxHeightOfEye);
  const auto pressure = ReadBoundedDecimal(main.pressure, 0.0, kMaxPressure);
  const auto temperature = ReadBoundedDecimal(main.temperature, kMinTemperature, kMaxTemperature);
  const auto offset = ReadOffsetBox(main.utcMinusLocal);
  if (!latitude || !longitude || !height || !pressure || !temperature || !offset) return std::nullopt;
  Observer o;
  o.latitude = main.north ? *latitude : -*latitude;
  o.longitude = main.west ? *longitude : -*longitude;
  o.height = *height;
  o.pressure = *pressure;
  o.temperature = *temperature;
  o.utcMinusLocal = *offset;
  if (!main.zone.empty() && main.clock.IsZone()) o.clock = main.clock;
  return o;
}

std::optional<Observer> ReadObserverInWholeMetres(const MainWindowRecord& main) {
  const auto observer = ReadObserver(main);
  if (!observer || observer->height != std::floor(observer->height)) return std::nullopt;
  return observer;
}

MainWindowCorrections PlaceBoxCorrections(const MainWindowRecord& main) {
  MainWindowCorrections c;
  if (main.latMin.empty()) c.latMin = "0.0";
  if (main.lonMin.empty()) c.lonMin = "0.0";
  return c;
}

}  // namespace orrelin
