#pragma once
// Delta T = TT - UT in seconds: one continuous function of the moment for every
// computation (the book's formulas before 1620, the book's table of even years, the
// measured values from 1973, a trend beyond them that meets the book's quadratic at
// 2200).

namespace orrelin {

// t: Julian centuries from J2000.0.
double DeltaT(double t);

}  // namespace orrelin
