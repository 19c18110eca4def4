#include "almanac/seasons.h"

#include <array>
#include <string_view>

#include "almanac/tables.h"
#include "core/angles.h"

namespace orrelin {

namespace {

constexpr std::array<std::string_view, 4> kSeasonNames{"march_equinox", "june_solstice", "september_equinox",
                                                       "december_solstice"};

}  // namespace

double CenturiesSinceJ2000(double jde) { return (jde - 2451545.0) / 36525.0; }

double SeasonInstant(int year, int season) {
  const bool early = year < 1000;
  const std::string_view span = early ? "-1000..1000" : "1000..3000";
  const double y = early ? year / 1000.0 : (year - 2000) / 1000.0;
  double jde0 = 0.0;
  for (const auto& row : almanac_tables::SeasonMeans()) {
    if (row.span == span && row.season == kSeasonNames[static_cast<std::size_t>(season & 3)]) {
      jde0 = row.c[0] + y * (row.c[1] + y * (row.c[2] + y * (row.c[3] + y * row.c[4])));
    }
  }
  const double t = CenturiesSinceJ2000(jde0);
  const double w = 35999.373 * t - 2.47;
  const double dLambda = 1 + 0.0334 * CosDeg(NormalizeAngle(w)) + 0.0007 * CosDeg(NormalizeAngle(2 * w));
  double s = 0.0;
  for (const auto& term : almanac_tables::SeasonTerms()) s += term.a * CosDeg(NormalizeAngle(term.b + term.c * t));
  return jde0 + 0.00001 * s / dLambda;
}

}  // namespace orrelin
