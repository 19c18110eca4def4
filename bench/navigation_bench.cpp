// The checks of sights: a series of five sights of the Sun fitted to its curve, and a
// fix of eight lines made robust (one star written down as another).
#include <benchmark/benchmark.h>

#include "navigation/robust_fix.h"
#include "navigation/sight_series.h"
#include "precise/nautical.h"

namespace {

using namespace orrelin;

const navigation::GeoPosition kShip{35.5, -40.25};

// The sight a navigator at the ship would take of the body at the moment.
navigation::Sight SightFromShip(const std::string& body, double jd, navigation::Limb limb) {
  navigation::Sight s;
  s.body = body;
  s.limb = limb;
  s.julianDayUt = jd;
  s.heightOfEye = 12;
  std::string why;
  const auto place = precise::NauticalPlaceOf(*precise::NauticalBodyNamed(body), MomentOfJulianDayUt(jd), std::nullopt, why);
  const double ho = navigation::ComputedAltitude(kShip, place->gha, place->declination).altitude;
  s.sextantAltitude = *navigation::SextantAltitudeFor(s, ho, kShip.latitude, why);
  return s;
}

void BM_SeriesOfFiveSights(benchmark::State& state) {
  navigation::FixInput in;
  in.assumed = kShip;
  for (int i = 0; i < 5; ++i) {
    in.sights.push_back(SightFromShip("Sun", 2461384.5 + 12.0 / 24 + i / 1440.0, navigation::Limb::kLower));
  }
  in.sights[3].sextantAltitude += 3.0 / 60;
  std::string message;
  for (auto _ : state) benchmark::DoNotOptimize(navigation::FitSeries(in, message));
}
BENCHMARK(BM_SeriesOfFiveSights)->Unit(benchmark::kMicrosecond);

void BM_RobustFixOfEightLines(benchmark::State& state) {
  navigation::FixInput in;
  in.assumed = {35 + 20.0 / 60, -(40 + 40.0 / 60)};
  const double jd = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
  for (const char* star : {"Vega", "Arcturus", "Altair", "Deneb", "Antares", "Enif", "Alphecca", "Nunki"}) {
    in.sights.push_back(SightFromShip(star, jd, navigation::Limb::kCentre));
  }
  in.sights[2].body = "Kochab";  // Altair's altitude under another star's name
  std::string message;
  for (auto _ : state) benchmark::DoNotOptimize(navigation::FixWithCheck(in, message));
}
BENCHMARK(BM_RobustFixOfEightLines)->Unit(benchmark::kMicrosecond);

}  // namespace
