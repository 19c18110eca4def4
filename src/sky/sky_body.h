#pragma once
// A body of the altitude graph or of tonight's list: any of the report's bodies (the
// Sun, the Moon, the planets, a catalogue star), and its altitude at any moment as the
// report's Altitude box gives it (true, without refraction), by the book's chain or,
// where the body has one and it is asked for, the precise chain.
#include <optional>
#include <string>
#include <vector>

#include "core/body.h"
#include "earth/observer.h"
#include "earth/rise_set.h"
#include "precise/nautical.h"
#include "stars/star_file.h"
#include "stars/star_place.h"

namespace orrelin::sky {

struct SkyBody {
  std::string name;  // "Sun", "Jupiter", "Sirius": as the report's title names it
  Body body = Body::kSun;
  std::optional<StarValues> star;                 // a star: its catalogue values
  std::optional<double> catalogueMagnitude;       // a star: its catalogue magnitude
  std::optional<precise::NauticalBody> precise;   // the precise chain's body, when asked and it has one
};

// The body of a typed name, any letter case: "sun" .. "neptune" or a catalogue star.
// None, with the reason, for a name that is neither.
std::optional<SkyBody> SkyBodyNamed(const std::string& name, const StarCatalogue& catalogue, bool precise,
                                    std::string& why);

// The Sun, the Moon and the planets Mercury to Neptune.
std::vector<SkyBody> SolarSystemBodies(bool precise);

// Every catalogue star of the magnitude limit or brighter, in catalogue order.
std::vector<SkyBody> CatalogueStarsTo(const StarCatalogue& catalogue, double magnitudeLimit);

// The report's altitude of the body at the moment (Julian day UT), degrees; none, with
// the reason, when the precise chain has no place then.
std::optional<double> AltitudeAt(const SkyBody& body, const Observer& observer, double julianDayUt,
                                 std::string& why);

// The report's rising, transit and setting of the body for the date whose 0h UT is
// dayJulianDayUt (fractions of that day, UT), the status "Always"/"Never" when it has
// none; for the Sun only its rising and setting.
std::optional<RiseTransitSetResult> RisingTransitSettingOf(const SkyBody& body, const Observer& observer,
                                                           double dayJulianDayUt, std::string& why);

}  // namespace orrelin::sky
