#pragma once
// The Sun's bands over an interval: day, civil, nautical and astronomical twilight and
// night, each from and to a moment. Their edges are the moments the Sun's centre passes
// the daily pages' altitudes (0° 50', 6° and 12° below the horizon) and 18° for the
// astronomical twilight.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orrelin::sky {

enum class SunBandKind { kDay, kCivil, kNautical, kAstronomical, kNight };

// "day", "civil", "nautical", "astronomical", "night".
const char* SunBandName(SunBandKind kind);

// The upper edge of a band's Sun altitudes, degrees (the day has none: +90).
double SunBandTop(SunBandKind kind);

// The band of a Sun altitude, degrees.
SunBandKind SunBandOf(double sunAltitude);

struct SunBand {
  double fromJulianDayUt = 0.0, toJulianDayUt = 0.0;
  SunBandKind kind = SunBandKind::kDay;
};

// An altitude (degrees) at a moment (Julian day UT); none when it cannot be computed.
using AltitudeFunction = std::function<std::optional<double>(double julianDayUt)>;

// The moment between a and b, to about a second, at which the altitude passes the level,
// given its altitudes fa at a and fb at b on either side of it; none when it fails.
std::optional<double> LevelCrossing(const AltitudeFunction& altitude, double level, double a, double fa, double b,
                                    double fb);

// The bands over the sampled moments (ascending) with the Sun's altitudes at them; the
// edges found between samples. None when the altitude cannot be computed.
std::optional<std::vector<SunBand>> SunBands(const AltitudeFunction& sun, const std::vector<double>& moments,
                                             const std::vector<double>& altitudes);

}  // namespace orrelin::sky
