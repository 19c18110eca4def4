#include "precise/nautical.h"

#include <array>
#include <cmath>

#include "core/constants.h"
#include "core/fields.h"
#include "core/geodesy.h"

namespace orrelin::precise {

namespace {

// The 57 navigational stars of the almanacs and Polaris, as the catalogue names them.
constexpr std::array<const char*, 58> kNavigationalStars{
    "Alpheratz", "Ankaa",     "Schedar",     "Diphda",     "Achernar",   "Hamal",      "Polaris",   "Acamar",
    "Menkar",    "Mirfak",    "Aldebaran",   "Rigel",      "Capella",    "Bellatrix",  "Elnath",    "Alnilam",
    "Betelgeuse", "Canopus",  "Sirius",      "Adhara",     "Procyon",    "Pollux",     "Avior",     "Suhail",
    "Miaplacidus", "Alphard", "Regulus",     "Dubhe",      "Denebola",   "Gienah",     "Acrux",     "Gacrux",
    "Alioth",    "Spica",     "Alkaid",      "Hadar",      "Menkent",    "Rigil Kentaurus", "Zubenelgenubi",
    "Arcturus",  "Kochab",    "Alphecca",    "Antares",    "Atria",      "Sabik",      "Shaula",    "Rasalhague",
    "Eltanin",   "Kaus Australis", "Vega",   "Nunki",      "Altair",     "Peacock",    "Deneb",     "Enif",
    "Al Na'ir",  "Fomalhaut", "Markab"};

double Reduced(double degrees) {
  const double r = std::fmod(degrees, 360.0);
  return r < 0 ? r + 360.0 : r;
}

// The geocentric apparent place and the GHA of a body (or star) at a moment.
struct Geocentric {
  PrecisePlace place;
  double gha = 0.0;
};

std::optional<Geocentric> GeocentricOf(const NauticalBody& body, const Moment& moment, std::string& why) {
  const double gast = GreenwichApparentSiderealTime(moment);
  if (body.kind == NauticalBody::Kind::kAries) return Geocentric{{}, gast};
  const auto place = body.kind == NauticalBody::Kind::kStar
                         ? StarPlace(body.name, moment, Frame::kApparent, why)
                         : BodyPlace(body.body, moment, Frame::kApparent, std::nullopt, why);
  if (!place) return std::nullopt;
  return Geocentric{*place, Reduced(gast - place->rightAscension)};
}

void AddPhenomena(const NauticalBody& body, const Moment& moment, double distance, NauticalPlace& p,
                  std::string& why) {
  p.horizontalParallax = HorizontalParallaxOf(distance);
  if (const auto ph = BodyPhenomena(body.body, moment, why)) {
    p.semidiameter = ph->semidiameter;
    if (body.body != Body::kSun) {
      p.magnitude = ph->magnitude;
      p.illuminated = ph->illuminated;
    }
  }
}

std::optional<NauticalPlace::Horizon> HorizonOf(const NauticalBody& body, const Moment& moment, const Geocentric& geo,
                                               const Observer& o, std::string& why) {
  double rightAscension = geo.place.rightAscension, declination = geo.place.declination;
  if (body.kind == NauticalBody::Kind::kAries) return std::nullopt;
  if (body.kind == NauticalBody::Kind::kBody) {
    const auto topocentric =
        BodyPlace(body.body, moment, Frame::kApparent, GeoPlace{o.latitude, EastLongitude(o.longitude), o.height}, why);
    if (!topocentric) return std::nullopt;
    rightAscension = topocentric->rightAscension;
    declination = topocentric->declination;
  }
  const double gha = Reduced(GreenwichApparentSiderealTime(moment) - rightAscension);
  const HorizontalResult h =
      HorizontalCoordinates(o.latitude, o.longitude, o.temperature, o.pressure, declination, gha);
  return NauticalPlace::Horizon{h.altitude + h.refraction, h.azimuth};
}

}  // namespace

double HorizontalParallaxOf(double distance) {
  return HorizontalParallax(kEarthEquatorialRadiusIersKm, distance * kAstronomicalUnitKm);
}

std::vector<std::string> NavigationalStarNames() { return {kNavigationalStars.begin(), kNavigationalStars.end()}; }

std::optional<NauticalBody> NauticalBodyNamed(const std::string& name) {
  const std::string key = LowerCaseText(name);
  if (key == "aries") return NauticalBody{NauticalBody::Kind::kAries, Body::kSun, "Aries"};
  if (const auto body = BodyNamed(name); body && *body != Body::kStar) {
    return NauticalBody{NauticalBody::Kind::kBody, *body, std::string(BodyName(*body))};
  }
  for (const char* star : kNavigationalStars) {
    if (LowerCaseText(star) == key) return NauticalBody{NauticalBody::Kind::kStar, Body::kStar, star};
  }
  return std::nullopt;
}

std::optional<double> AdoptedHourlyGha(const NauticalBody& body) {
  if (body.kind != NauticalBody::Kind::kBody || body.body == Body::kSun) return std::nullopt;
  return body.body == Body::kMoon ? 14.0 + 19.0 / 60.0 : 15.0;
}

std::optional<NauticalPlace> NauticalPlaceOf(const NauticalBody& body, const Moment& moment,
                                             const std::optional<Observer>& observer, std::string& why) {
  const auto now = GeocentricOf(body, moment, why);
  if (!now) return std::nullopt;
  NauticalPlace p;
  p.gha = now->gha;
  if (body.kind == NauticalBody::Kind::kAries) return p;
  p.rightAscension = now->place.rightAscension;
  p.declination = now->place.declination;
  if (body.kind == NauticalBody::Kind::kStar) p.sha = Reduced(360.0 - now->place.rightAscension);
  if (body.kind == NauticalBody::Kind::kBody) {
    AddPhenomena(body, moment, now->place.distance, p, why);
    // v and d: the changes to the next hour.
    const Moment next{JulianDayUt(moment) + 1.0 / 24.0, 0.0, moment.deltaT};
    if (const auto later = GeocentricOf(body, next, why)) {
      if (const auto adopted = AdoptedHourlyGha(body)) p.v = (Reduced(later->gha - now->gha) - *adopted) * 60.0;
      p.d = (later->place.declination - now->place.declination) * 60.0;
    }
  }
  if (observer) {
    p.horizon = HorizonOf(body, moment, *now, *observer, why);
    if (!p.horizon) return std::nullopt;
  }
  return p;
}

}  // namespace orrelin::precise
