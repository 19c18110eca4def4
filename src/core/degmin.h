#pragma once
// Combining typed degrees, minutes and seconds into one signed angle.
#include <cstdint>
#include <string_view>

namespace orrelin {

struct DegMin {
  std::int64_t degrees = 0;  // Trunc(x), keeps the sign
  double minutes = 0.0;      // never negative
};
DegMin SplitDegMin(double x);

// Negative degrees subtract the minutes; zero and positive degrees add them.
double DegMinToDegrees(int degrees, double minutes);
// As DegMinToDegrees, with whole minutes and decimal seconds.
double DegMinSecToDegrees(int degrees, int minutes, double seconds);

// The value typed as degrees and minutes boxes; -999.0 when the minutes do not read.
inline constexpr double kUnreadableAngle = -999.0;
double DegMinTextToDegrees(std::string_view degText, std::string_view minText);

// A declination text "d:m:s" (or "d:m"), signed by a leading "-" of the text itself:
// "-0:17:57" is -0.29917 and "0:17:57" is +0.29917.
double DeclinationTextToDegrees(std::string_view text);

}  // namespace orrelin
