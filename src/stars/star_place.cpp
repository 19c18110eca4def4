#include "stars/star_place.h"

#include <algorithm>
#include <cmath>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/clock.h"
#include "core/degmin.h"
#include "core/encoding.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "earth/explain_place.h"
#include "earth/nutation.h"

namespace orrelin {

namespace {

// The largest proper motions of any star are a few seconds of arc a year.
constexpr double kMaxProperMotionRa = 10.0;    // seconds of time a year
constexpr double kMaxProperMotionDec = 100.0;  // seconds of arc a year

// Degrees (or hours), minutes and seconds of a "d:m:s" text, each read whole; the
// minutes and seconds may be missing. None when a field does not read, a minute or
// second field lies outside 0..60, or something follows the seconds.
struct Sexagesimal {
  double whole = 0.0;  // with its sign
  double minutes = 0.0;
  double seconds = 0.0;
};
std::optional<Sexagesimal> ReadSexagesimal(const std::string& text) {
  if (std::count(text.begin(), text.end(), ':') > 2) return std::nullopt;
  const NumberRead whole = ReadDecimal(ExtractField(text, ":", 0));
  if (!whole.ok) return std::nullopt;
  Sexagesimal r{whole.value, 0.0, 0.0};
  for (int field = 1; field <= 2; ++field) {
    const std::string part = ExtractField(text, ":", field);
    if (part.empty()) continue;
    const NumberRead n = ReadDecimal(part);
    if (!n.ok || n.value < 0 || n.value >= 60) return std::nullopt;
    (field == 1 ? r.minutes : r.seconds) = n.value;
  }
  return r;
}

std::optional<double> ReadRightAscension(const std::string& text) {
  const auto s = ReadSexagesimal(text);
  if (!s || s->whole < 0) return std::nullopt;
  const double hours = s->whole + s->minutes / 60.0 + s->seconds / 3600.0;
  if (hours >= 24.0) return std::nullopt;
  return hours;
}

std::optional<double> ReadDeclination(const std::string& text) {
  const auto s = ReadSexagesimal(text);
  if (!s) return std::nullopt;
  const double degrees = DeclinationTextToDegrees(text);
  if (std::fabs(degrees) > 90.0) return std::nullopt;
  return degrees;
}

std::optional<double> ReadProperMotion(const std::string& text, double largest) {
  if (text.empty()) return 0.0;
  const NumberRead r = ReadDecimal(text);
  if (!r.ok || std::fabs(r.value) > largest) return std::nullopt;
  return r.value;
}

}  // namespace

std::optional<StarValues> ReadStarValues(const std::string& name, const std::string& rightAscension,
                                         const std::string& declination, const std::string& properMotionRa,
                                         const std::string& properMotionDec) {
  const auto hours = ReadRightAscension(rightAscension);
  const auto degrees = ReadDeclination(declination);
  const auto pmRa = ReadProperMotion(properMotionRa, kMaxProperMotionRa);
  const auto pmDec = ReadProperMotion(properMotionDec, kMaxProperMotionDec);
  if (!hours || !degrees || !pmRa || !pmDec) return std::nullopt;
  return StarValues{CutToCharacters(name, 15), *hours, *degrees, *pmRa, *pmDec};
}

StarCorrection StarNutationAberration(double declination, double rightAscension, double t, ExplanationLines* lines) {
  return StarNutationAberration(declination, rightAscension, t, Nutation(t, lines), lines);
}

StarCorrection StarNutationAberration(double declination, double rightAscension, double t,
                                      const NutationResult& n, ExplanationLines* lines) {
  const double eps = MeanObliquity(t) + n.deltaEpsilon / 3600.0;
  const double a = rightAscension, d = declination, sun = n.sunTrueLongitude;
  const double sa = SinDeg(a), ca = CosDeg(a), sd = SinDeg(d), cd = CosDeg(d), td = TanDeg(d);
  const double se = SinDeg(eps), ce = CosDeg(eps), te = TanDeg(eps);

  const double nutationRa = (ce + se * sa * td) * n.deltaPsi - ca * td * n.deltaEpsilon;
  const double nutationDec = se * ca * n.deltaPsi + sa * n.deltaEpsilon;

  const double e = 0.016708617 - 0.000042037 * t - 0.0000001236 * t * t;
  const double perihelion = 102.93735 + 0.71953 * t + 0.00046 * t * t;
  constexpr double kappa = 20.49552;
  const double sp = SinDeg(perihelion), cp = CosDeg(perihelion), ss = SinDeg(sun), cs = CosDeg(sun);
  const double aberrationRa = -kappa * (ca * cs * ce + sa * ss) / cd + e * kappa * (ca * cp * ce + sa * sp) / cd;
  const double aberrationDec = -kappa * (cs * ce * (te * cd - sa * sd) + ca * sd * ss) +
                               e * kappa * (cp * ce * (te * cd - sa * sd) + ca * sd * sp);
  if (lines != nullptr) {
    ReportLine(lines, "True longitude of sun:", DegMinSecText(sun));
    ReportLine(lines, "Eccentricity of Earths orbit:", FixedText(e, 5));
    ReportLine(lines, "Nutation to RAs:", FixedText(nutationRa, 5) + "''");
    ReportLine(lines, "Nutation to Dec:", FixedText(nutationDec, 5) + "''");
    ReportLine(lines, "Aberration to RAs:", FixedText(aberrationRa, 5) + "''");
    ReportLine(lines, "Aberration to Dec:", FixedText(aberrationDec, 5) + "''");
  }
  return {nutationRa + aberrationRa, nutationDec + aberrationDec};
}

namespace {

// Proper motion and rigorous precession from J2000.0 to the mean place of date
// (Meeus ch. 20 and 21); the mean right ascension in hours and declination, then the place.
struct MeanPlace {
  double hours = 0.0;        // with proper motion, J2000.0
  double declination0 = 0.0; // with proper motion, J2000.0
  double alpha = 0.0;        // of date, degrees 0..360
  double delta = 0.0;        // of date
};

MeanPlace MeanPlaceOfDate(const StarValues& star, double t) {
  MeanPlace m;
  const double years = 100.0 * t;
  m.hours = star.rightAscension + star.properMotionRa * years / 3600.0;
  m.declination0 = star.declination + star.properMotionDec * years / 3600.0;
  const double alpha0 = 15.0 * m.hours;
  const double delta0 = m.declination0;
  const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) / 3600.0;
  const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) / 3600.0;
  const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) / 3600.0;
  const double a = CosDeg(delta0) * SinDeg(alpha0 + zeta);
  const double b = CosDeg(theta) * CosDeg(delta0) * CosDeg(alpha0 + zeta) - SinDeg(theta) * SinDeg(delta0);
  const double c = SinDeg(theta) * CosDeg(delta0) * CosDeg(alpha0 + zeta) + CosDeg(theta) * SinDeg(delta0);
  double alpha = ArcTanDeg(a / b) + z;
  if (b < 0) alpha += 180.0;
  m.alpha = NormalizeAngle(alpha);
  m.delta = ArcSinDeg(c);
  return m;
}

EquatorialPlace Corrected(const MeanPlace& m, const StarCorrection& correction) {
  return {m.alpha + correction.rightAscension / 3600.0, m.delta + correction.declination / 3600.0};
}

}  // namespace

EquatorialPlace StarApparentPlace(const StarValues& star, double t, ExplanationLines* lines) {
  const MeanPlace m = MeanPlaceOfDate(star, t);
  if (lines != nullptr) {
    ReportLine(lines, "Mean Right Ascension:", HourMinSecText(m.hours));
    ReportLine(lines, "Mean Declination:", DegMinSecText(m.declination0));
  }
  const EquatorialPlace place = Corrected(m, StarNutationAberration(m.delta, m.alpha, t, lines));
  ExplainApparentPlace(place.rightAscension, place.declination, lines);
  return place;
}

EquatorialPlace StarApparentPlace(const StarValues& star, double t, const NutationResult& nutation) {
  const MeanPlace m = MeanPlaceOfDate(star, t);
  return Corrected(m, StarNutationAberration(m.delta, m.alpha, t, nutation, nullptr));
}

}  // namespace orrelin
