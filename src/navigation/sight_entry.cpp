#include "navigation/sight_entry.h"

#include "navigation/sights_file.h"
#include "report/observer_reading.h"

namespace orrelin::navigation {

std::optional<Sight> SightOfTyped(const TypedSight& t, const Observer& place, TypedSightProblem& problem) {
  using Field = TypedSightProblem::Field;
  auto refuse = [&problem](Field field, const std::string& text) {
    problem = {field, text};
    return std::nullopt;
  };
  const auto limb = ReadLimb(t.limb);
  if (!limb) return refuse(Field::kLimb, "lower or upper");
  const auto body = SightBodyNamed(t.body);
  const bool hasLimbs = body && HasLimbs(*body);
  // A sextant brings a limb of the Sun or the Moon to the horizon, never the centre;
  // a star or a planet is a point.
  if (hasLimbs && *limb == Limb::kCentre) return refuse(Field::kLimb, "lower or upper, for the " + body->name);
  if (body && !hasLimbs && *limb != Limb::kCentre) {
    return refuse(Field::kLimb, "only the Sun and the Moon have limbs, not " + body->name);
  }
  const auto hs = ReadSextantAltitude(t.hs);
  if (!hs) return refuse(Field::kHs, "degrees and minutes, \"23 41.6\"");
  const auto ie = ReadBoundedDecimal(t.ie, -60.0, 60.0);
  if (!ie) return refuse(Field::kIe, "minutes of arc, -60 to 60 (positive on the arc)");
  Sight s;
  s.body = t.body;
  s.limb = *limb;
  s.sextantAltitude = *hs;
  s.indexError = *ie;
  s.heightOfEye = place.height;
  s.pressure = place.pressure;
  s.temperature = place.temperature;
  return s;
}

std::optional<double> ReadBearing(const std::string& text) { return ReadBoundedDecimal(text, 0.0, 360.0); }

}  // namespace orrelin::navigation
