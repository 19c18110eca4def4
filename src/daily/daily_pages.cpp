#include "daily/daily_pages.h"

#include <algorithm>
#include <cmath>

#include "almanac/almanac_calendar.h"
#include "core/angles.h"
#include "core/constants.h"
#include "core/sun_levels.h"
#include "precise/nautical.h"

namespace orrelin::daily {

namespace {

// Hourly samples beyond the three days: the last hour's v and d, and a moonrise of the
// third day that falls after its midnight.
constexpr int kSamples = kHours + 8;
constexpr double kMinutesPerDegreeOfGha = 4.0;

struct Sampled {
  std::array<double, kSamples> gha{}, declination{}, distance{};
};

double Reduced(double degrees) {
  const double r = std::fmod(degrees, 360.0);
  return r < 0 ? r + 360.0 : r;
}

// GHA and declination of a body at every hour from 0h of the first day.
std::optional<Sampled> SampleBody(Body body, double jd0, const std::array<double, kSamples>& aries, std::string& why) {
  Sampled s;
  for (int h = 0; h < kSamples; ++h) {
    const auto p = precise::BodyPlace(body, MomentOfJulianDayUt(jd0 + h / 24.0), precise::Frame::kApparent,
                                      std::nullopt, why);
    if (!p) return std::nullopt;
    s.gha[h] = Reduced(aries[h] - p->rightAscension);
    s.declination[h] = p->declination;
    s.distance[h] = p->distance;
  }
  return s;
}

// The hourly change of GHA beyond its adopted rate, and of declination, in arc minutes.
double V(const Sampled& s, int h, double adopted) { return (Reduced(s.gha[h + 1] - s.gha[h]) - adopted) * 60.0; }
double D(const Sampled& s, int h) { return (s.declination[h + 1] - s.declination[h]) * 60.0; }

// The hour (from 0h of the first day) within [from, to) at which the GHA passes `angle`.
std::optional<double> PassageOf(const std::array<double, kSamples>& gha, double angle, int from, int to) {
  for (int h = from; h < to && h + 1 < kSamples; ++h) {
    const double a = Reduced(gha[h] - angle), step = Reduced(gha[h + 1] - gha[h]);
    if (a + step >= 360.0) return h + (360.0 - a) / step;
  }
  return std::nullopt;
}

// The place at a fractional hour, between the hourly samples.
struct Interpolated {
  double gha, declination, distance;
};
Interpolated At(const Sampled& s, double hour) {
  const int h = std::clamp(static_cast<int>(std::floor(hour)), 0, kSamples - 2);
  const double f = hour - h;
  return {s.gha[h] + Reduced(s.gha[h + 1] - s.gha[h]) * f, s.declination[h] + (s.declination[h + 1] - s.declination[h]) * f,
          s.distance[h] + (s.distance[h + 1] - s.distance[h]) * f};
}

double AltitudeAtGreenwich(double latitude, double gha, double declination) {
  return ArcSinDeg(SinDeg(latitude) * SinDeg(declination) + CosDeg(latitude) * CosDeg(declination) * CosDeg(gha));
}

// How far above its standard altitude a body is at a fractional hour (degrees).
template <typename F>
std::optional<double> Crossing(F above, double from, double to, bool rising) {
  constexpr double kStep = 0.1;  // hours
  double previous = above(from);
  for (double t = from + kStep; t <= to + 1e-9; t += kStep) {
    const double now = above(t);
    if ((rising && previous < 0 && now >= 0) || (!rising && previous >= 0 && now < 0)) {
      double lo = t - kStep, hi = t;
      for (int i = 0; i < 30; ++i) {
        const double mid = (lo + hi) / 2;
        ((above(mid) >= 0) == rising ? hi : lo) = mid;
      }
      return (lo + hi) / 2;
    }
    previous = now;
  }
  return std::nullopt;
}

template <typename F>
Phenomenon EventOfDay(F above, double dayStart, bool rising, bool twilight) {
  if (const auto t = Crossing(above, dayStart, dayStart + 24.0, rising)) return {Phenomenon::Kind::kTime, *t - dayStart};
  double highest = -1e9, lowest = 1e9;
  for (double t = dayStart; t <= dayStart + 24.0; t += 0.25) {
    highest = std::max(highest, above(t));
    lowest = std::min(lowest, above(t));
  }
  if (highest < 0) return {Phenomenon::Kind::kAlwaysBelow, 0};
  return {twilight ? Phenomenon::Kind::kTwilightAllNight : Phenomenon::Kind::kAlwaysAbove, 0};
}

// The Moon: a rising or setting of the day, else one that falls just after its midnight
// (printed as 24h and more, as the almanacs do), else what the Moon does all day.
template <typename F>
Phenomenon MoonEventOfDay(F above, double dayStart, bool rising) {
  if (const auto t = Crossing(above, dayStart, dayStart + 24.0, rising)) return {Phenomenon::Kind::kTime, *t - dayStart};
  if (const auto t = Crossing(above, dayStart + 24.0, dayStart + 30.0, rising)) {
    return {Phenomenon::Kind::kTime, *t - dayStart};
  }
  return EventOfDay(above, dayStart, rising, false);
}

constexpr double kCivil = kCivilTwilightAltitude, kNautical = kNauticalTwilightAltitude;
constexpr double kRefraction = 34.0 / 60.0;

LatitudeRow PhenomenaAt(double latitude, const Sampled& sun, const Sampled& moon) {
  LatitudeRow row;
  row.latitude = latitude;
  auto sunAbove = [&](double level) {
    return [&sun, latitude, level](double hour) {
      const Interpolated p = At(sun, hour);
      return AltitudeAtGreenwich(latitude, p.gha, p.declination) - level;
    };
  };
  const double middle = 24.0;
  row.nauticalMorning = EventOfDay(sunAbove(kNautical), middle, true, true);
  row.civilMorning = EventOfDay(sunAbove(kCivil), middle, true, true);
  row.sunrise = EventOfDay(sunAbove(kSunriseAltitude), middle, true, false);
  row.sunset = EventOfDay(sunAbove(kSunriseAltitude), middle, false, false);
  row.civilEvening = EventOfDay(sunAbove(kCivil), middle, false, true);
  row.nauticalEvening = EventOfDay(sunAbove(kNautical), middle, false, true);
  // The Moon's upper limb on the horizon: its geocentric altitude is then its parallax
  // less the refraction and its semidiameter.
  auto moonAbove = [&moon, latitude](double hour) {
    const Interpolated p = At(moon, hour);
    const double hp = precise::HorizontalParallaxOf(p.distance);
    return AltitudeAtGreenwich(latitude, p.gha, p.declination) - (hp - kRefraction - kMoonRadiusInEarthRadii * hp);
  };
  for (int d = 0; d < kDays; ++d) {
    row.moonrise[d] = MoonEventOfDay(moonAbove, 24.0 * d, true);
    row.moonset[d] = MoonEventOfDay(moonAbove, 24.0 * d, false);
  }
  return row;
}

// Days since the new moon: the Moon's elongation east of the Sun in right ascension
// falls back to 0 at the new moon; found by Newton steps at the mean rate.
std::optional<double> MoonAge(double jd, std::string& why) {
  auto east = [&why](double t) -> std::optional<double> {
    const Moment m = MomentOfJulianDayUt(t);
    const auto moon = precise::BodyPlace(Body::kMoon, m, precise::Frame::kApparent, std::nullopt, why);
    const auto sun = precise::BodyPlace(Body::kSun, m, precise::Frame::kApparent, std::nullopt, why);
    if (!moon || !sun) return std::nullopt;
    return Reduced(moon->rightAscension - sun->rightAscension);
  };
  constexpr double kDegreesPerDay = 360.0 / 29.530589;
  const auto now = east(jd);
  if (!now) return std::nullopt;
  double newMoon = jd - *now / kDegreesPerDay;
  for (int i = 0; i < 4; ++i) {
    const auto e = east(newMoon);
    if (!e) return std::nullopt;
    newMoon -= (*e > 180.0 ? *e - 360.0 : *e) / kDegreesPerDay;
  }
  return jd - newMoon;
}

std::string SortKey(const std::string& name) {
  std::string key;
  for (char c : name) {
    if (c != ' ' && c != '\'') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return key;
}

}  // namespace

const std::vector<double>& StandardLatitudes() {
  static const std::vector<double> kLatitudes{72, 70, 68, 66, 64, 62, 60, 58, 56, 54, 52, 50, 45, 40, 35, 30,
                                              20, 10, 0, -10, -20, -30, -35, -40, -45, -50, -52, -54, -56, -58, -60};
  return kLatitudes;
}

std::optional<DailyPages> ComputeDailyPages(const CivilDate& first, std::string& why) {
  bool valid = true;
  const double jd0 = JulianDay(DateToRecord(first, valid), 0.0, false).jd;
  DailyPages pages;
  std::array<double, kSamples> aries{};
  for (int h = 0; h < kSamples; ++h) aries[h] = precise::GreenwichApparentSiderealTime(MomentOfJulianDayUt(jd0 + h / 24.0));
  std::copy_n(aries.begin(), kHours, pages.aries.begin());
  if (const auto passage = PassageOf(aries, 0.0, 24, 48)) pages.ariesMeridianPassage = *passage - 24.0;

  const auto sun = SampleBody(Body::kSun, jd0, aries, why);
  const auto moon = sun ? SampleBody(Body::kMoon, jd0, aries, why) : std::nullopt;
  if (!sun || !moon) return std::nullopt;
  double sunD = 0.0;
  for (int h = 0; h < kHours; ++h) {
    pages.sun[h] = {sun->gha[h], sun->declination[h]};
    pages.moon[h] = {{moon->gha[h], moon->declination[h]}, V(*moon, h, 14.0 + 19.0 / 60.0), D(*moon, h),
                     precise::HorizontalParallaxOf(moon->distance[h]) * 60.0};
    if (h >= 24 && h < 48) sunD += std::fabs(D(*sun, h)) / 24.0;
  }
  pages.sunD = sunD;

  // The almanacs' four planets.
  const std::array<Body, 4> planets{Body::kVenus, Body::kMars, Body::kJupiter, Body::kSaturn};
  for (std::size_t i = 0; i < planets.size(); ++i) {
    const auto s = SampleBody(planets[i], jd0, aries, why);
    const auto ph = precise::BodyPhenomena(planets[i], MomentOfJulianDayUt(jd0 + 1.5), why);
    if (!s || !ph) return std::nullopt;
    Planet& p = pages.planets[i];
    p.name = BodyName(planets[i]);
    for (int h = 0; h < kHours; ++h) p.hours[h] = {s->gha[h], s->declination[h]};
    p.v = 0.0;
    p.d = 0.0;
    for (int h = 24; h < 48; ++h) {
      p.v += V(*s, h, 15.0) / 24.0;
      p.d += D(*s, h) / 24.0;
    }
    p.magnitude = ph->magnitude;
    if (const auto passage = PassageOf(s->gha, 0.0, 24, 48)) p.meridianPassage = *passage - 24.0;
  }

  for (int d = 0; d < kDays; ++d) {
    DayFacts& f = pages.days[d];
    const CalendarInstant day = CalendarFromJulianDay(jd0 + d + 0.5);
    f.date = {day.year, day.month, static_cast<int>(day.day)};
    f.weekday = WeekdayName(f.date, false);
    // The equation of time: how far the Sun's GHA runs ahead of the mean sun's, 180°
    // at 00h and 15° more each hour.
    auto equation = [&sun](int h) {
      const double e = Reduced(sun->gha[h] - 180.0 - 15.0 * (h % 24));
      return (e > 180.0 ? e - 360.0 : e) * kMinutesPerDegreeOfGha;
    };
    f.equationOfTime0h = equation(24 * d);
    f.equationOfTime12h = equation(24 * d + 12);
    f.sunMeridianPassage = 12.0 - f.equationOfTime12h / 60.0;
    if (const auto upper = PassageOf(moon->gha, 0.0, 24 * d, 24 * d + 24)) f.moonUpperPassage = *upper - 24 * d;
    if (const auto lower = PassageOf(moon->gha, 180.0, 24 * d, 24 * d + 24)) f.moonLowerPassage = *lower - 24 * d;
    const Moment noon = MomentOfJulianDayUt(jd0 + d + 0.5);
    const auto sunPh = precise::BodyPhenomena(Body::kSun, noon, why);
    const auto moonPh = precise::BodyPhenomena(Body::kMoon, noon, why);
    const auto age = MoonAge(jd0 + d + 0.5, why);
    if (!sunPh || !moonPh || !age) return std::nullopt;
    f.sunSemidiameter = sunPh->semidiameter * 60.0;
    f.moonSemidiameter = moonPh->semidiameter * 60.0;
    f.moonIlluminated = moonPh->illuminated * 100.0;
    f.moonAge = *age;
  }

  const Moment middle = MomentOfJulianDayUt(jd0 + 1.0);
  for (const std::string& name : precise::NavigationalStarNames()) {
    const auto p = precise::StarPlace(name, middle, precise::Frame::kApparent, why);
    if (!p) return std::nullopt;
    pages.stars.push_back({name, Reduced(360.0 - p->rightAscension), p->declination});
  }
  std::sort(pages.stars.begin(), pages.stars.end(),
            [](const Star& a, const Star& b) { return SortKey(a.name) < SortKey(b.name); });
  for (double latitude : StandardLatitudes()) pages.latitudes.push_back(PhenomenaAt(latitude, *sun, *moon));
  return pages;
}

}  // namespace orrelin::daily
