#include "almanac/proximity_screen.h"

#include <algorithm>
#include <cmath>

namespace orrelin {

// The largest from 1800 to 2200 are about 2.21 (Mercury), 1.26, 0.79, 0.24, 0.13, 0.063
// and 0.038 (Neptune) degrees in a day.
double LargestDailyMotion(Body planet) {
  switch (planet) {
    case Body::kMercury: return 2.8;
    case Body::kVenus: return 1.6;
    case Body::kMars: return 1.0;
    case Body::kJupiter: return 0.32;
    case Body::kSaturn: return 0.17;
    case Body::kUranus: return 0.08;
    case Body::kNeptune: return 0.05;
    default: return 360.0;
  }
}

double AngularDistance(double rightAscension1, double declination1, double rightAscension2, double declination2) {
  constexpr double kRadians = 3.14159265358979323846 / 180.0;
  const double a1 = rightAscension1 * kRadians, d1 = declination1 * kRadians;
  const double a2 = rightAscension2 * kRadians, d2 = declination2 * kRadians;
  const double x1 = std::cos(d1) * std::cos(a1), y1 = std::cos(d1) * std::sin(a1), z1 = std::sin(d1);
  const double x2 = std::cos(d2) * std::cos(a2), y2 = std::cos(d2) * std::sin(a2), z2 = std::sin(d2);
  // The angle from its sine and cosine together: exact for small angles too.
  const double cx = y1 * z2 - z1 * y2, cy = z1 * x2 - x1 * z2, cz = x1 * y2 - y1 * x2;
  return std::atan2(std::sqrt(cx * cx + cy * cy + cz * cz), x1 * x2 + y1 * y2 + z1 * z2) / kRadians;
}

double SeparationFloor(double atStart, double atEnd, double motion, double fraction) {
  return std::max(atStart - motion * fraction, atEnd - motion * (1.0 - fraction));
}

}  // namespace orrelin
