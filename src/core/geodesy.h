#pragma once
// The Earth seen from a body and a body seen from the Earth: the horizontal parallax, and
// the two longitude conventions. The book (and the observer of the reports) counts
// longitude WEST positive; the precise ephemeris, the navigator's positions and the
// files count it EAST positive.

namespace orrelin {

// The equatorial horizontal parallax in degrees of a body at `distance` from the Earth's
// centre: sin(pi) = earthRadius / distance, both in one unit (km, or AU with the Earth's
// radius in AU).
double HorizontalParallax(double earthRadius, double distance);

// East-positive longitude of a west-positive one, and back.
inline constexpr double EastLongitude(double westLongitude) { return -westLongitude; }
inline constexpr double WestLongitude(double eastLongitude) { return -eastLongitude; }

}  // namespace orrelin
