#pragma once
// Delta T = TT - UT in seconds.

namespace orrelin {

// t: Julian centuries from J2000.0.
double DeltaT(double t);

}  // namespace orrelin
