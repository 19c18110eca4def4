#include "navigation/sight_reduction.h"

#include <algorithm>
#include <cmath>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/constants.h"
#include "core/numbers.h"
#include "earth/observer.h"
#include "precise/nautical.h"

namespace orrelin::navigation {

namespace {

std::string Minutes(double degrees) { return FixedText(degrees * 60.0, 1) + "'"; }

struct BodyNow {
  precise::NauticalBody body;
  precise::NauticalPlace place;
  bool Is(Body b) const { return body.kind == precise::NauticalBody::Kind::kBody && body.body == b; }
};

std::optional<BodyNow> BodyAt(const Sight& sight, std::string& why) {
  const auto body = SightBodyNamed(sight.body);
  if (!body) {
    why = "No body of the almanacs is called " + sight.body;
    return std::nullopt;
  }
  const auto place = precise::NauticalPlaceOf(*body, MomentOfJulianDayUt(sight.julianDayUt), std::nullopt, why);
  if (!place) return std::nullopt;
  return BodyNow{*body, *place};
}

}  // namespace

std::optional<precise::NauticalBody> SightBodyNamed(const std::string& name) {
  const auto body = precise::NauticalBodyNamed(name);
  if (!body || body->kind == precise::NauticalBody::Kind::kAries) return std::nullopt;
  return body;
}

bool IsSightBody(const std::string& name) { return SightBodyNamed(name).has_value(); }

bool HasLimbs(const precise::NauticalBody& body) {
  return body.kind == precise::NauticalBody::Kind::kBody && (body.body == Body::kSun || body.body == Body::kMoon);
}

ComputedPlace ComputedAltitude(const GeoPosition& p, double gha, double declination) {
  const double lha = NormalizeAngle(gha + p.longitude);
  const double sinHc = SinDeg(p.latitude) * SinDeg(declination) + CosDeg(p.latitude) * CosDeg(declination) * CosDeg(lha);
  ComputedPlace c;
  c.altitude = ArcSinDeg(std::clamp(sinHc, -1.0, 1.0));
  const double y = -CosDeg(declination) * SinDeg(lha);
  const double x = SinDeg(declination) * CosDeg(p.latitude) - CosDeg(declination) * SinDeg(p.latitude) * CosDeg(lha);
  c.azimuth = NormalizeAngle(std::atan2(y, x) * 180.0 / M_PI);
  return c;
}

namespace {

ObservedAltitude ObservedAltitudeFrom(const Sight& s, const BodyNow& body, double latitude, ExplanationLines* lines) {
  const precise::NauticalPlace& p = body.place;
  const bool isMoon = body.Is(Body::kMoon);
  ReportLine(lines, "Sextant altitude Hs:", DegMinText(s.sextantAltitude));
  const double indexCorrection = -s.indexError / 60.0;
  ReportLine(lines, "Index correction:", Minutes(indexCorrection));
  const SextantCorrection c = SextantCorrections(s.heightOfEye, s.temperature, s.pressure);
  ReportLine(lines, "Dip:", Minutes(c.dip));
  const double apparent = s.sextantAltitude + indexCorrection + c.dip;
  ReportLine(lines, "Apparent altitude Ha:", AltitudeText(apparent));
  const double refraction = ObservedRefraction(apparent, c.refractionFactor);
  ReportLine(lines, "Refraction:", Minutes(-refraction));
  double semidiameter = 0.0;
  if (HasLimbs(body.body) && s.limb != Limb::kCentre) {
    semidiameter = p.semidiameter.value_or(0.0);
    // The Moon is nearer the observer than the Earth's centre by up to her radius: her
    // disk looks larger the higher she stands (the augmentation).
    if (isMoon) semidiameter *= 1.0 + SinDeg(apparent) * SinDeg(p.horizontalParallax.value_or(0.0));
    if (s.limb == Limb::kUpper) semidiameter = -semidiameter;
    ReportLine(lines, s.limb == Limb::kLower ? "Semidiameter (lower limb):" : "Semidiameter (upper limb):",
               Minutes(semidiameter));
  }
  double parallax = 0.0;
  if (p.horizontalParallax) {
    // The Moon's horizontal parallax is for the equator: reduced for the observer's latitude.
    const double hp = isMoon ? *p.horizontalParallax * (1.0 - kEarthFlattening * SinDeg(latitude) * SinDeg(latitude))
                                  : *p.horizontalParallax;
    parallax = hp * CosDeg(apparent - refraction);
    ReportLine(lines, "Parallax in altitude:", Minutes(parallax));
  }
  const double observed = apparent - refraction + semidiameter + parallax;
  ReportLine(lines, "Observed altitude Ho:", AltitudeText(observed));
  return ObservedAltitude{apparent, observed};
}

}  // namespace

std::optional<ObservedAltitude> ObservedAltitudeOf(const Sight& s, double latitude, ExplanationLines* lines,
                                                   std::string& why) {
  const auto now = BodyAt(s, why);
  if (!now) return std::nullopt;
  return ObservedAltitudeFrom(s, *now, latitude, lines);
}

ObservedAltitude ObservedAltitudeAt(const Sight& s, const precise::NauticalBody& body,
                                    const precise::NauticalPlace& place, double latitude, ExplanationLines* lines) {
  return ObservedAltitudeFrom(s, BodyNow{body, place}, latitude, lines);
}

std::optional<SightReduction> ReduceSight(const Sight& sight, const GeoPosition& assumed, std::string& why) {
  SightReduction r;
  const auto now = BodyAt(sight, why);
  if (!now) return std::nullopt;
  const ObservedAltitude ho0 = ObservedAltitudeFrom(sight, *now, assumed.latitude, &r.lines);
  const ObservedAltitude* ho = &ho0;
  r.apparentAltitude = ho->apparent;
  r.observedAltitude = ho->observed;
  r.gha = now->place.gha;
  r.declination = now->place.declination;
  r.lha = NormalizeAngle(r.gha + assumed.longitude);
  const ComputedPlace c = ComputedAltitude(assumed, r.gha, r.declination);
  r.computedAltitude = c.altitude;
  r.azimuth = c.azimuth;
  r.intercept = (r.observedAltitude - r.computedAltitude) * 60.0;
  ExplanationLines* lines = &r.lines;
  ReportLine(lines, "GHA:", DegMinText(r.gha));
  ReportLine(lines, "Declination:", (r.declination < 0 ? "S " : "N ") + DegMinText(r.declination));
  ReportLine(lines, "Assumed position:", (assumed.latitude < 0 ? "S " : "N ") + DegMinText(assumed.latitude) +
                                             (assumed.longitude < 0 ? "  W " : "  E ") + DegMinText(assumed.longitude));
  ReportLine(lines, "LHA:", DegMinText(r.lha));
  ReportLine(lines, "Computed altitude Hc:", AltitudeText(r.computedAltitude));
  ReportLine(lines, "Azimuth Zn:", FixedText(r.azimuth, 1) + kDegreeSign);
  ReportLine(lines, "Intercept:",
             FixedText(std::fabs(r.intercept), 1) + " nm " + (r.intercept >= 0 ? "toward" : "away"));
  return r;
}

}  // namespace orrelin::navigation
