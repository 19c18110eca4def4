#include "navigation/body_place.h"

#include "precise/nautical.h"

namespace orrelin::navigation {

std::optional<HourAngleAndDeclination> HourAngleAt(const std::string& body, double julianDayUt, std::string& why) {
  const auto named = SightBodyNamed(body);
  if (!named) {
    why = "No body of the almanacs is called " + body;
    return std::nullopt;
  }
  const auto place = precise::NauticalPlaceOf(*named, MomentOfJulianDayUt(julianDayUt), std::nullopt, why);
  if (!place) return std::nullopt;
  return HourAngleAndDeclination{place->gha, place->declination};
}

std::optional<ComputedPlace> ComputedPlaceAt(const std::string& body, double julianDayUt,
                                             const GeoPosition& position, std::string& why) {
  const auto place = HourAngleAt(body, julianDayUt, why);
  if (!place) return std::nullopt;
  return ComputedAltitude(position, place->gha, place->declination);
}

}  // namespace orrelin::navigation
