// The Moon against a high-accuracy ephemeris, 1900-2100: the apparent topocentric
// place of date and the unrefracted altitude and azimuth for the site.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdio>

#include "core/delta_t.h"
#include "earth/nutation.h"
#include "earth/observer.h"
#include "horizons.h"
#include "moon/moon_position.h"

namespace orrelin {
namespace {

using namespace orrelin::testing;

TEST(Horizons, MoonTopocentricPlaceAndHorizontalCoordinates) {
  double maxPlace = 0.0, maxAltitude = 0.0, maxAzimuth = 0.0, maxPlace1950To2050 = 0.0;
  for (const EphemerisRow& r : LoadHorizons("Moon_apparent")) {
    const double jd0 = JulianDayAtZero(r);
    const double t = (jd0 + r.hours / 24.0 - 2451545.0) / 36525.0;
    const MoonPlace moon = MoonPosition(t + DeltaT(t) / 86400.0 / 36525.0, nullptr);
    const EquatorialPlace topocentric =
        TopocentricCorrection({moon.place.rightAscension, moon.place.declination}, moon.place.parallax,
                              kSiteLongitudeWest, kSiteLatitude, kSiteHeight, r.hours, jd0);
    const double place = SeparationArcSeconds({topocentric.rightAscension, topocentric.declination},
                                              {r.rightAscension, r.declination});
    maxPlace = std::max(maxPlace, place);
    if (r.year >= 1950 && r.year < 2050) maxPlace1950To2050 = std::max(maxPlace1950To2050, place);
    const double gha = HourAngle(topocentric.rightAscension,
                                 SiderealTime(r.hours, jd0).apparent);
    const HorizontalResult h = HorizontalCoordinates(kSiteLatitude, kSiteLongitudeWest, 10, 1010,
                                                     topocentric.declination, gha);
    maxAltitude = std::max(maxAltitude, std::fabs(h.altitude - r.elevation));
    if (r.elevation < 80) {  // the azimuth is ill-defined near the zenith
      maxAzimuth = std::max(maxAzimuth, std::fabs(std::remainder(h.azimuth - r.azimuth, 360.0)) *
                                            std::cos(r.elevation * std::numbers::pi / 180.0));
    }
  }
  std::printf("Moon place max %.1f'' (1950-2050 %.1f''), altitude max %.1f', azimuth max %.1f'\n", maxPlace,
              maxPlace1950To2050, maxAltitude * 60, maxAzimuth * 60);
  // The truncated theory is good to about 10'' in longitude and 4'' in latitude;
  // the short nutation adds a few seconds more.
  EXPECT_LT(maxPlace, 30.0);
  EXPECT_LT(maxPlace1950To2050, 20.0);
  EXPECT_LT(maxAltitude * 60, 1.0);
  EXPECT_LT(maxAzimuth * 60, 1.0);
}

}  // namespace
}  // namespace orrelin
