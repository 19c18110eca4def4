// The search for planets seen near each other skips hours, and finds what computing
// every hour finds, to the bit.
#include <gtest/gtest.h>

#include <vector>

#include "almanac/almanac_year.h"
#include "almanac/proximity.h"

namespace orrelin {
namespace {

struct Place {
  double latitude, longitude, height, utcMinusLocal;
};

TEST(Proximity, SkippingHoursFindsWhatEveryHourFinds) {
  const std::vector<Place> places{
      {60.16, -24.955, 0.0, -2.0},  // Helsinki
      {-89.9, 45.0, 2835.0, 5.0},   // near the South Pole, high up
      {0.5, 100.0, 0.0, 7.0},       // the equator, a western offset
  };
  std::vector<int> years{2020, 2200};  // a great conjunction; the last year
#ifdef ORRELIN_SANITIZED
  for (int year = 1800; year < 2200; year += 67) years.push_back(year);
#else
  for (int year = 1800; year < 2200; year += 11) years.push_back(year);
#endif
  for (std::size_t k = 0; k < years.size(); ++k) {
    const Place& place = places[k % places.size()];
    const AlmanacRange range = AlmanacRangeOf(years[k], place.utcMinusLocal);
    ProximityInput in;
    in.firstDay = range.start;
    in.days = static_cast<int>(range.end - range.start + 0.5);
    in.observer.latitude = place.latitude;
    in.observer.longitude = place.longitude;
    in.observer.height = place.height;
    in.observer.utcMinusLocal = place.utcMinusLocal;
    in.deltaTSeconds = range.deltaTSeconds;
    in.threads = 1 + static_cast<int>(k % 4);  // the result does not depend on it
    const auto screened = ProximitySearch(in);
    in.threads = 2;
    const auto everyHour = ProximitySearchEveryHour(in);
    for (int p = 0; p < kProximityPairs; ++p) {
      ASSERT_EQ(screened[p].has_value(), everyHour[p].has_value()) << years[k] << " pair " << p;
      if (!screened[p]) continue;
      EXPECT_EQ(screened[p]->separation, everyHour[p]->separation) << years[k] << " pair " << p;
      EXPECT_EQ(screened[p]->instant, everyHour[p]->instant) << years[k] << " pair " << p;
    }
  }
}

}  // namespace
}  // namespace orrelin
