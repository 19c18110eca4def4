#include "sky/tonight_list.h"

#include <algorithm>
#include <cmath>

#include "core/angle_text.h"
#include "core/numbers.h"
#include "report/report_altitude.h"
#include "sky/sun_bands.h"

namespace orrelin::sky {

namespace {

constexpr double kMinute = 1.0 / 1440.0;  // days
constexpr double kScanStep = 10.0 * kMinute;
// Degrees a star's altitude at transit may fall short of its day's highest (its place
// moving by precession and aberration within the day): far more than it does.
constexpr double kStarMargin = 0.1;
// The Sun's altitude below which it is dark: the lower edge of the twilight chosen.
double DarkLevel(Darkness d) {
  return SunBandTop(d == Darkness::kNautical ? SunBandKind::kAstronomical : SunBandKind::kNight);
}

const char* DarkName(Darkness d) { return d == Darkness::kNautical ? "nautical" : "astronomical"; }

// Moments from `from` to `to` no more than the scan's step apart, both ends included.
std::vector<double> Scan(double from, double to) {
  const int n = std::max(1, static_cast<int>(std::ceil((to - from) / kScanStep - 1e-9)));
  std::vector<double> moments;
  for (int i = 0; i <= n; ++i) moments.push_back(i == n ? to : from + (to - from) * i / n);
  return moments;
}

std::optional<std::vector<double>> AltitudesAt(const AltitudeFunction& altitude, const std::vector<double>& moments) {
  std::vector<double> values;
  for (double jd : moments) {
    const auto h = altitude(jd);
    if (!h) return std::nullopt;
    values.push_back(*h);
  }
  return values;
}

// Where the sampled altitudes stay on one side of the level around sample k, the edge
// found toward `step` (-1 earlier, +1 later); the scan's end when they never cross it.
std::optional<double> EdgeFrom(const AltitudeFunction& altitude, double level, const std::vector<double>& moments,
                               const std::vector<double>& values, std::size_t k, int step) {
  const bool above = values[k] >= level;
  for (std::size_t i = k;;) {
    if ((step < 0 && i == 0) || (step > 0 && i + 1 == moments.size())) return moments[i];
    const std::size_t j = step < 0 ? i - 1 : i + 1;
    if ((values[j] >= level) != above) {
      const std::size_t a = std::min(i, j), b = std::max(i, j);
      return LevelCrossing(altitude, level, moments[a], values[a], moments[b], values[b]);
    }
    i = j;
  }
}

// The highest moment near sample k (golden section between its neighbours).
double HighestNear(const AltitudeFunction& altitude, const std::vector<double>& moments, std::size_t k) {
  double a = moments[k == 0 ? 0 : k - 1], b = moments[std::min(k + 1, moments.size() - 1)];
  constexpr double kGolden = 0.6180339887498949;
  double c = b - kGolden * (b - a), d = a + kGolden * (b - a);
  double fc = altitude(c).value_or(-90.0), fd = altitude(d).value_or(-90.0);
  while (b - a > 2.0 / 86400.0) {
    if (fc > fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - kGolden * (b - a);
      fc = altitude(c).value_or(-90.0);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + kGolden * (b - a);
      fd = altitude(d).value_or(-90.0);
    }
  }
  return 0.5 * (a + b);
}

std::optional<double> NumberOfText(std::string text) {
  if (!text.empty() && text.back() == '%') text.pop_back();
  const NumberRead read = ReadDecimal(text);
  return read.ok ? std::optional<double>(read.value) : std::nullopt;
}

struct Night {
  double from = 0.0, to = 0.0;
  std::vector<double> moments;
};

// The dark hours around the Sun's lowest moment of the noon-to-noon day; none when the
// Sun does not reach the level (the reason in `list`).
std::optional<std::optional<Night>> DarkHours(const TonightInput& input, const UtcMinusLocalAt& offset,
                                              TonightList& list, std::string& why) {
  const double midnight = LocalMidnightUt(offset, input.dayJulianDayUt + 1.0);
  const SkyBody sun = SolarSystemBodies(false).front();
  const AltitudeFunction altitude = [&](double jd) { return AltitudeAt(sun, input.observer, jd, why); };
  const std::vector<double> day = Scan(midnight - 0.5, midnight + 0.5);
  const auto values = AltitudesAt(altitude, day);
  if (!values) return std::nullopt;
  const std::size_t lowest = static_cast<std::size_t>(std::min_element(values->begin(), values->end()) - values->begin());
  const double level = DarkLevel(input.darkness);
  const std::string levelText = FixedText(-level, 0) + kDegreeSign;
  if ((*values)[lowest] >= level) {
    list.messages.push_back(std::string("No darkness tonight: the Sun stays less than ") + levelText +
                            " below the horizon all night (" + DarkName(input.darkness) + " twilight till morning)");
    return std::optional<Night>();
  }
  const auto from = EdgeFrom(altitude, level, day, *values, lowest, -1);
  const auto to = EdgeFrom(altitude, level, day, *values, lowest, +1);
  if (!from || !to) return std::nullopt;
  if (*from == day.front() && *to == day.back()) {
    list.messages.push_back("The Sun stays more than " + levelText + " below the horizon all day: dark from noon to noon");
  }
  Night night{*from, *to, Scan(*from, *to)};
  return std::optional<Night>(night);
}

// The report's transit of the dates around the night nearest its middle, and whether the
// body never sets or never rises.
std::optional<RiseTransitSetResult> NearestTransit(const SkyBody& body, const TonightInput& input,
                                                   const UtcMinusLocalAt& offset, double middle, double& transit,
                                                   std::string& why) {
  std::optional<RiseTransitSetResult> nearest;
  for (int d = 0; d <= 1; ++d) {
    const double day = input.dayJulianDayUt + d;
    Observer observer = input.observer;
    observer.utcMinusLocal = offset(day + 0.5);
    const auto events = RisingTransitSettingOf(body, observer, day, why);
    if (!events) return std::nullopt;
    if (!nearest || std::fabs(day + events->transit - middle) < std::fabs(transit - middle)) {
      nearest = events;
      transit = day + events->transit;
    }
  }
  return nearest;
}

// A planet's magnitude and the Moon's illuminated part, as the report shows them.
void ReportFigures(const SkyBody& body, const Observer& observer, double jd, TonightBody& row) {
  if (body.body == Body::kStar) {
    row.magnitude = body.catalogueMagnitude;
    return;
  }
  const BookTopocentric seen = BookTopocentricPlace(body.body, nullptr, observer, ReportMomentAt(jd), nullptr);
  if (!seen.place.magnitude.empty()) row.magnitude = NumberOfText(seen.place.magnitude);
  if (body.body == Body::kMoon) row.illuminated = NumberOfText(seen.place.moonPhase);
}

}  // namespace

std::optional<TonightList> ListTonight(const TonightInput& input, std::string& why) {
  const UtcMinusLocalAt offset = input.utcMinusLocal ? input.utcMinusLocal : FixedUtcMinusLocal(input.observer.utcMinusLocal);
  TonightList list;
  const auto dark = DarkHours(input, offset, list, why);
  if (!dark) return std::nullopt;
  if (!*dark) return list;
  const Night& night = **dark;
  list.darkFromJulianDayUt = night.from;
  list.darkToJulianDayUt = night.to;
  const double middle = 0.5 * (night.from + night.to);

  std::vector<SkyBody> bodies = SolarSystemBodies(false);
  bodies.erase(bodies.begin());  // not the Sun
  for (const SkyBody& star : input.stars) {
    if (star.catalogueMagnitude && *star.catalogueMagnitude <= input.magnitudeLimit) bodies.push_back(star);
  }
  std::vector<std::string> neverSet, neverRise;
  for (const SkyBody& body : bodies) {
    const AltitudeFunction altitude = [&](double jd) { return AltitudeAt(body, input.observer, jd, why); };
    double transit = 0.0;
    const auto events = NearestTransit(body, input, offset, middle, transit, why);
    if (!events) return std::nullopt;
    if (events->status == kStatusNever) {
      neverRise.push_back(body.name);
      continue;
    }
    // A star's place stays put through the night: at its transit it stands highest of
    // the whole day, and one that transits below the minimum is not looked at further.
    const auto transitAltitude = altitude(transit);
    if (!transitAltitude) return std::nullopt;
    if (body.body == Body::kStar && *transitAltitude < input.minimumAltitude - kStarMargin) continue;
    const auto values = AltitudesAt(altitude, night.moments);
    if (!values) return std::nullopt;
    const std::size_t k =
        static_cast<std::size_t>(std::max_element(values->begin(), values->end()) - values->begin());
    TonightBody row;
    row.name = body.name;
    row.bestJulianDayUt = HighestNear(altitude, night.moments, k);
    const auto best = altitude(row.bestJulianDayUt);
    if (!best) return std::nullopt;
    row.bestAltitude = *best;
    if (*best < input.minimumAltitude) continue;
    // The hours above the minimum altitude around the best time, on the scan's moments.
    std::vector<double> moments = night.moments, heights = *values;
    const auto at = std::lower_bound(moments.begin(), moments.end(), row.bestJulianDayUt);
    const std::size_t i = static_cast<std::size_t>(at - moments.begin());
    moments.insert(at, row.bestJulianDayUt);
    heights.insert(heights.begin() + static_cast<std::ptrdiff_t>(i), *best);
    const auto from = EdgeFrom(altitude, input.minimumAltitude, moments, heights, i, -1);
    const auto to = EdgeFrom(altitude, input.minimumAltitude, moments, heights, i, +1);
    if (!from || !to) return std::nullopt;
    row.aboveFromJulianDayUt = *from;
    row.aboveToJulianDayUt = *to;
    row.transitJulianDayUt = transit;
    row.transitAltitude = *transitAltitude;
    if (events->status == kStatusAlways) {
      row.stays = TonightBody::Stays::kNeverSets;
      neverSet.push_back(body.name);
    }
    ReportFigures(body, input.observer, row.bestJulianDayUt, row);
    list.bodies.push_back(row);
  }
  std::stable_sort(list.bodies.begin(), list.bodies.end(), [](const TonightBody& a, const TonightBody& b) {
    return a.bestJulianDayUt < b.bestJulianDayUt;
  });
  const auto say = [&](const char* what, const std::vector<std::string>& names) {
    if (names.empty()) return;
    std::string text = what;
    for (std::size_t n = 0; n < names.size(); ++n) text += (n ? ", " : " ") + names[n];
    list.messages.push_back(text);
  };
  say("Never set here:", neverSet);
  say("Never rise here:", neverRise);
  return list;
}

}  // namespace orrelin::sky
