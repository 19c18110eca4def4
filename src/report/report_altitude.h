#pragma once
// The numbers behind the report's Altitude box and its rising, transit and setting
// boxes, for a body at any moment: what the report shows, without its texts, for the
// computations that need many moments (the altitude graph, tonight's list).
#include <array>
#include <optional>
#include <string>

#include "core/body.h"
#include "core/explanation.h"
#include "core/moment.h"
#include "earth/observer.h"
#include "earth/rise_set.h"
#include "precise/nautical.h"
#include "report/body_place.h"
#include "stars/star_place.h"

namespace orrelin {

// The moment of a UT Julian day as a report of that date and time forms it: the date's
// 0h UT and the hours apart, with Delta T of the moment.
Moment ReportMomentAt(double julianDayUt);

// The book's chain up to the topocentric place: the apparent place (with the magnitude
// and the Moon's phase), the place seen from the observer and the apparent sidereal time.
// Writes the report's explanation lines of those steps when `lines` is given.
struct BookTopocentric {
  BodyPlaceResult place;
  EquatorialPlace topocentric;
  double siderealHours = 0.0;  // apparent, Greenwich
};
BookTopocentric BookTopocentricPlace(Body body, const StarValues* star, const Observer& observer,
                                     const Moment& now, ExplanationLines* lines);

// The horizontal place of a topocentric place at the Greenwich sidereal time (degrees):
// the Altitude box's altitude (true, without refraction) and the Azimuth box's azimuth.
HorizontalResult ReportHorizontalPlace(const EquatorialPlace& topocentric, double greenwichSiderealDegrees,
                                       const Observer& observer);

// The Altitude box's altitude by the book's chain, degrees.
double BookAltitude(Body body, const StarValues* star, const Observer& observer, const Moment& now);

// The precise chain's apparent place of an almanac body or navigational star at a
// moment, geocentric or seen from a place; none, with the reason, when it has none.
std::optional<precise::PrecisePlace> PrecisePlaceAt(const precise::NauticalBody& body, const Moment& now,
                                                    const std::optional<precise::GeoPlace>& topocentric,
                                                    std::string& why);

// The Altitude box's altitude by the precise chain, degrees; none, with the reason.
std::optional<double> PreciseAltitude(const precise::NauticalBody& body, const Observer& observer,
                                      const Moment& now, std::string& why);

// A body's apparent places at 0h TD of the day before, the day and the day after.
struct PlacesAtZero {
  double jd0 = 0.0;  // 0h UT of the day
  std::array<EquatorialPlace, 3> at{};
};

// The book's places at 0h TD around the date (Delta T: the report's, seconds).
PlacesAtZero BookPlacesAtZero(Body body, const TCalendarDate& date, bool bc, double deltaT, const StarValues* star);

// The precise chain's places at 0h TD around the date of `now`; none, with the reason.
std::optional<PlacesAtZero> PrecisePlacesAtZero(const precise::NauticalBody& body, const Moment& now,
                                                std::string& why);

// The rising, transit and setting of the report (fractions of the day from jd0, UT),
// and for the Sun the civil, nautical and astronomical twilights after them: the
// report's standard altitudes, one result for each.
struct RisingAndSetting {
  std::array<RiseTransitSetResult, 4> events{};
  std::size_t count = 0;  // 4 for the Sun, else 1
};
RisingAndSetting ReportRisingAndSetting(Body body, const PlacesAtZero& places, double deltaT,
                                        const Observer& observer);

}  // namespace orrelin
