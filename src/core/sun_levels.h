#pragma once
// The Sun's centre at sunrise and sunset and at the ends of civil and nautical twilight:
// its true altitude, degrees, as the almanacs' daily pages give those moments.
namespace orrelin {

inline constexpr double kSunriseAltitude = -50.0 / 60.0;  // upper limb on the horizon: refraction 34', semidiameter 16'
inline constexpr double kCivilTwilightAltitude = -6.0;
inline constexpr double kNauticalTwilightAltitude = -12.0;

}  // namespace orrelin
