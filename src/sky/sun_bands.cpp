#include "sky/sun_bands.h"

#include <array>
#include <cmath>

#include "core/sun_levels.h"

namespace orrelin::sky {

namespace {

constexpr double kSecond = 1.0 / 86400.0;

// The end of the astronomical twilight: the Sun's centre 18° below the horizon.
constexpr double kAstronomicalLevel = -18.0;

// The levels between the bands, from the day down.
constexpr std::array<double, 4> kLevels{kSunriseAltitude, kCivilTwilightAltitude, kNauticalTwilightAltitude,
                                        kAstronomicalLevel};

}  // namespace

const char* SunBandName(SunBandKind kind) {
  switch (kind) {
    case SunBandKind::kDay: return "day";
    case SunBandKind::kCivil: return "civil";
    case SunBandKind::kNautical: return "nautical";
    case SunBandKind::kAstronomical: return "astronomical";
    case SunBandKind::kNight: return "night";
  }
  return "";
}

double SunBandTop(SunBandKind kind) { return kind == SunBandKind::kDay ? 90.0 : kLevels[static_cast<int>(kind) - 1]; }

SunBandKind SunBandOf(double sunAltitude) {
  int k = 0;
  while (k < 4 && sunAltitude < kLevels[static_cast<std::size_t>(k)]) ++k;
  return static_cast<SunBandKind>(k);
}

std::optional<double> LevelCrossing(const AltitudeFunction& altitude, double level, double a, double fa, double b,
                                    double fb) {
  // Bisection on the sign of the height above the level: each step halves the bracket.
  fa -= level;
  fb -= level;
  while (b - a > kSecond) {
    const double m = 0.5 * (a + b);
    const auto fm = altitude(m);
    if (!fm) return std::nullopt;
    if ((*fm - level < 0.0) == (fa < 0.0)) {
      a = m;
      fa = *fm - level;
    } else {
      b = m;
    }
  }
  (void)fb;
  return 0.5 * (a + b);
}

std::optional<std::vector<SunBand>> SunBands(const AltitudeFunction& sun, const std::vector<double>& moments,
                                             const std::vector<double>& altitudes) {
  std::vector<SunBand> bands;
  if (moments.empty()) return bands;
  bands.push_back({moments.front(), moments.front(), SunBandOf(altitudes.front())});
  for (std::size_t i = 1; i < moments.size(); ++i) {
    const SunBandKind before = SunBandOf(altitudes[i - 1]), after = SunBandOf(altitudes[i]);
    // Every level passed between the two samples, in the order the Sun passes them.
    const int from = static_cast<int>(before), to = static_cast<int>(after);
    const int step = to > from ? 1 : -1;
    for (int k = from; k != to; k += step) {
      const double level = kLevels[static_cast<std::size_t>(step > 0 ? k : k - 1)];
      const auto edge = LevelCrossing(sun, level, moments[i - 1], altitudes[i - 1], moments[i], altitudes[i]);
      if (!edge) return std::nullopt;
      bands.back().toJulianDayUt = *edge;
      bands.push_back({*edge, *edge, static_cast<SunBandKind>(k + step)});
    }
  }
  bands.back().toJulianDayUt = moments.back();
  return bands;
}

}  // namespace orrelin::sky
