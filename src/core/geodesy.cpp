#include "core/geodesy.h"

#include "core/angles.h"

namespace orrelin {

double HorizontalParallax(double earthRadius, double distance) { return ArcSinDeg(earthRadius / distance); }

}  // namespace orrelin
