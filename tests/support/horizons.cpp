#include "horizons.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <numbers>
#include <fstream>
#include <stdexcept>

#include "core/angles.h"
#include "core/calendar.h"
#include "earth/nutation.h"
#include "earth/sun.h"

namespace orrelin::testing {

std::vector<EphemerisRow> LoadHorizons(const std::string& body) {
  std::ifstream in(ORRELIN_TEST_DATA_DIR "/horizons-sample.json");
  if (!in) throw std::runtime_error("cannot read horizons-sample.json");
  const nlohmann::json json = nlohmann::json::parse(in);
  std::vector<EphemerisRow> rows;
  for (const auto& r : json.at("bodies").at(body).at("rows")) {
    EphemerisRow row;
    row.year = r[0];
    row.month = r[1];
    row.day = r[2];
    row.hours = r[3].get<double>() + r[4].get<double>() / 60.0;
    row.rightAscension = r[5];
    row.declination = r[6];
    if (r.size() > 8) {
      row.azimuth = r[7];
      row.elevation = r[8];
    }
    rows.push_back(row);
  }
  return rows;
}

Equatorial AstrometricToApparent(const Equatorial& j2000, double jd) {
  const double t = (jd - 2451545.0) / 36525.0;
  const double zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t * t * t) / 3600.0;
  const double z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t * t * t) / 3600.0;
  const double theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t * t * t) / 3600.0;
  const double a0 = j2000.rightAscension, d0 = j2000.declination;
  const double a = CosDeg(d0) * SinDeg(a0 + zeta);
  const double b = CosDeg(theta) * CosDeg(d0) * CosDeg(a0 + zeta) - SinDeg(theta) * SinDeg(d0);
  const double c = SinDeg(theta) * CosDeg(d0) * CosDeg(a0 + zeta) + CosDeg(theta) * SinDeg(d0);
  double alpha = std::atan2(a, b) * 180.0 / std::numbers::pi + z;
  double delta = std::asin(c) * 180.0 / std::numbers::pi;

  const NutationResult n = Nutation(t, nullptr);
  const double eps = MeanObliquity(t) + n.deltaEpsilon / 3600.0;
  const double sa = SinDeg(alpha), ca = CosDeg(alpha), td = TanDeg(delta);
  const double dAlphaN = (CosDeg(eps) + SinDeg(eps) * sa * td) * n.deltaPsi - ca * td * n.deltaEpsilon;
  const double dDeltaN = SinDeg(eps) * ca * n.deltaPsi + sa * n.deltaEpsilon;

  constexpr double kappa = 20.49552;
  const double sun = SunGeometric(t, nullptr).trueLongitude;
  const double cd = CosDeg(delta), sd = SinDeg(delta);
  const double dAlphaA = -kappa * (ca * CosDeg(sun) * CosDeg(eps) + sa * SinDeg(sun)) / cd;
  const double dDeltaA = -kappa * (CosDeg(sun) * CosDeg(eps) * (TanDeg(eps) * cd - sa * sd) + ca * sd * SinDeg(sun));
  alpha += (dAlphaN + dAlphaA) / 3600.0;
  delta += (dDeltaN + dDeltaA) / 3600.0;
  return {NormalizeAngle(alpha), delta};
}

double JulianDayAtZero(const EphemerisRow& row) {
  bool valid = false;
  return JulianDay(DateToRecord({row.year, row.month, row.day}, valid), 0.0, false).jd;
}

double SeparationArcSeconds(const Equatorial& a, const Equatorial& b) {
  // The haversine form, accurate for small separations.
  const double dDec = (a.declination - b.declination) / 2.0;
  const double dRa = (a.rightAscension - b.rightAscension) / 2.0;
  const double h = SinDeg(dDec) * SinDeg(dDec) +
                   CosDeg(a.declination) * CosDeg(b.declination) * SinDeg(dRa) * SinDeg(dRa);
  return 2.0 * std::asin(std::sqrt(h)) * 180.0 / std::numbers::pi * 3600.0;
}

}  // namespace orrelin::testing
