#pragma once
// Rising, transit and setting by interpolation between three days,
// Meeus, Astronomical Algorithms, ch. 14.
#include <array>
#include <string>

#include "core/sun_levels.h"  // the civil and nautical twilights' altitudes

namespace orrelin {

// Standard altitudes h0 in degrees.
inline constexpr double kSunRiseAltitude = -0.8333;
inline constexpr double kAstronomicalTwilightAltitude = -18.0;
inline constexpr double kMoonRiseAltitude = 0.135;
inline constexpr double kStarRiseAltitude = -0.5666666666666667;  // -34'

inline constexpr const char* kStatusAlways = "Always";
inline constexpr const char* kStatusNever = "Never";

struct RiseTransitSetInput {
  std::array<double, 3> rightAscension{};  // degrees at 0h TD of the day before, the day, the day after
  std::array<double, 3> declination{};     // degrees, same days
  double standardAltitude = 0.0;           // h0, degrees
  double deltaT = 0.0;                     // seconds
  double longitude = 0.0;                  // degrees, west positive
  double latitude = 0.0;                   // degrees, north positive
  double jd0 = 0.0;                        // Julian day at 0h UT of the date
  double utcMinusLocal = 0.0;              // hours
};

// The working values, which the refinement reads and updates in place.
struct RiseTransitSetWork {
  RiseTransitSetInput input;
  double siderealAtZero = 0.0;  // Theta0, degrees
  double aAlpha = 0.0, bAlpha = 0.0, cAlpha = 0.0;
  double aDelta = 0.0, bDelta = 0.0, cDelta = 0.0;
  double transit = 0.0;  // m0, fraction of a day
  double rising = 0.0;   // m1
  double setting = 0.0;  // m2
  std::string status;    // "", "Always" or "Never"
};

struct RiseTransitSetResult {
  double rising = 0.0;   // m1; 0 when the status is set
  double transit = 0.0;  // m0
  double setting = 0.0;  // m2
  std::string status;    // "", "Always" or "Never"
};

// The first estimates of m0, m1, m2 and the status.
RiseTransitSetWork StartRiseTransitSet(const RiseTransitSetInput& input);
// Improves transit, rising and setting, in that order.
void RefineRiseTransitSet(RiseTransitSetWork& work);
// The whole method: first estimates, the local-date shift, refinement, final ranges.
RiseTransitSetResult RiseTransitSet(const RiseTransitSetInput& input);

}  // namespace orrelin
