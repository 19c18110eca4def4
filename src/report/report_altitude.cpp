#include "report/report_altitude.h"

#include <cmath>

#include "core/angles.h"
#include "core/geodesy.h"
#include "core/numbers.h"
#include "earth/nutation.h"

namespace orrelin {

namespace {

struct Levels {
  std::array<double, 4> altitudes{};
  std::size_t count = 0;
};

Levels StandardAltitudes(Body body) {
  if (body == Body::kSun) {
    return {{kSunRiseAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude, kAstronomicalTwilightAltitude}, 4};
  }
  if (body == Body::kMoon) return {{kMoonRiseAltitude}, 1};
  return {{kStarRiseAltitude}, 1};
}

}  // namespace

Moment ReportMomentAt(double julianDayUt) {
  const double jd0 = std::floor(julianDayUt - 0.5) + 0.5;
  Moment moment{jd0, (julianDayUt - jd0) * 24.0, 0.0};
  moment.deltaT = MomentOfJulianDayUt(julianDayUt).deltaT;
  return moment;
}

BookTopocentric BookTopocentricPlace(Body body, const StarValues* star, const Observer& observer, const Moment& now,
                                     ExplanationLines* lines) {
  const double jd = JulianDayAtZero(now);
  // The place at TT; the line shows the T it was computed with.
  const double dynamical = BodyCenturiesTt(body, now);
  ReportLine(lines, "T diff (Julian centuries):", FixedText(dynamical, 12));
  BookTopocentric seen;
  seen.place = BodyPlace(body, dynamical, jd, lines, star);
  const ApparentPlace& p = seen.place.place;
  seen.topocentric = TopocentricCorrection({p.rightAscension, p.declination}, p.parallax, observer.longitude,
                                           observer.latitude, observer.height, now.hours, jd);
  seen.siderealHours = SiderealTime(now.hours, jd).apparent;
  return seen;
}

HorizontalResult ReportHorizontalPlace(const EquatorialPlace& topocentric, double greenwichSiderealDegrees,
                                       const Observer& observer) {
  // Brought into 0..360 first, so that 44 s east of 0h reads 23 h 59 m 16 s.
  const double alpha = NormalizeAngle(topocentric.rightAscension);
  const double gha = HourAngle(alpha, greenwichSiderealDegrees / 15.0);
  return HorizontalCoordinates(observer.latitude, observer.longitude, observer.temperature, observer.pressure,
                               topocentric.declination, gha);
}

double BookAltitude(Body body, const StarValues* star, const Observer& observer, const Moment& now) {
  const BookTopocentric seen = BookTopocentricPlace(body, star, observer, now, nullptr);
  return ReportHorizontalPlace(seen.topocentric, seen.siderealHours * 15.0, observer).altitude;
}

std::optional<precise::PrecisePlace> PrecisePlaceAt(const precise::NauticalBody& body, const Moment& now,
                                                    const std::optional<precise::GeoPlace>& topocentric,
                                                    std::string& why) {
  if (body.kind == precise::NauticalBody::Kind::kStar) {
    return precise::StarPlace(body.name, now, precise::Frame::kApparent, why);
  }
  return precise::BodyPlace(body.body, now, precise::Frame::kApparent, topocentric, why);
}

std::optional<double> PreciseAltitude(const precise::NauticalBody& body, const Observer& observer, const Moment& now,
                                      std::string& why) {
  const auto p = PrecisePlaceAt(body, now, precise::GeoPlace{observer.latitude, EastLongitude(observer.longitude),
                                                             observer.height}, why);
  if (!p) return std::nullopt;
  return ReportHorizontalPlace({p->rightAscension, p->declination}, precise::GreenwichApparentSiderealTime(now),
                               observer)
      .altitude;
}

PlacesAtZero BookPlacesAtZero(Body body, const TCalendarDate& date, bool bc, double deltaT, const StarValues* star) {
  const Moment at0h = MomentOfDate(date, deltaT / 3600.0, bc);
  const double t = BodyCenturiesUt(body, at0h);
  PlacesAtZero places;
  places.jd0 = JulianDayAtZero(at0h);
  for (int d = -1; d <= 1; ++d) {
    const ApparentPlace p = BodyPlace(body, t + d / 36525.0, places.jd0 + d, nullptr, star).place;
    places.at[static_cast<std::size_t>(d + 1)] = {p.rightAscension, p.declination};
  }
  return places;
}

std::optional<PlacesAtZero> PrecisePlacesAtZero(const precise::NauticalBody& body, const Moment& now,
                                                std::string& why) {
  PlacesAtZero places;
  places.jd0 = JulianDayAtZero(now);
  for (int d = -1; d <= 1; ++d) {
    const Moment zeroTd{now.julianDay + d - now.deltaT / 86400.0, 0.0, now.deltaT};
    const auto p = PrecisePlaceAt(body, zeroTd, std::nullopt, why);
    if (!p) return std::nullopt;
    places.at[static_cast<std::size_t>(d + 1)] = {p->rightAscension, p->declination};
  }
  return places;
}

RisingAndSetting ReportRisingAndSetting(Body body, const PlacesAtZero& places, double deltaT,
                                        const Observer& observer) {
  RiseTransitSetInput in;
  for (std::size_t d = 0; d < 3; ++d) {
    in.rightAscension[d] = places.at[d].rightAscension;
    in.declination[d] = places.at[d].declination;
  }
  in.deltaT = deltaT;
  in.longitude = observer.longitude;
  in.latitude = observer.latitude;
  in.jd0 = places.jd0;
  in.utcMinusLocal = observer.utcMinusLocal;

  const Levels levels = StandardAltitudes(body);
  RisingAndSetting result;
  result.count = levels.count;
  for (std::size_t k = 0; k < levels.count; ++k) {
    in.standardAltitude = levels.altitudes[k];
    result.events[k] = RiseTransitSet(in);
  }
  return result;
}

}  // namespace orrelin
