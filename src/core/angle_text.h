#pragma once
// The fixed text forms of angles and times that every report line and result box
// shows. All text is UTF-8; the degree sign is U+00B0.
#include <string>

namespace orrelin {

inline constexpr const char* kDegreeSign = "\xC2\xB0";

// D° MM.M' without sign: 60.1617 -> "60° 09.7'".
std::string DegMinText(double x);
// DegMinText with "-" before a negative altitude (none when it shows as zero).
std::string AltitudeText(double altitude);
// D° MM' S.SS'' with the sign: -23.4392 -> "-23° 26' 21.12''".
std::string DegMinSecText(double x);
// H h MM m SS s of an hour value brought into 0..24: 6.5 -> "6 h 30 m 00 s".
std::string HourMinSecText(double hours);

// The local clock time of a UTC time of day, rounded to the minute, before the
// text wraps a time past midnight. Midnight itself reads 24 h 00 m.
struct LocalHourMin {
  int hours = 0;    // 0..24; 24 also for a time just past midnight (24 h 30 m)
  int minutes = 0;  // 0..59
};
LocalHourMin LocalHourMinOf(double utcHours, double utcMinusLocal);
// [blank]H h MM m of the local time: " 6 h 05 m"; past midnight wraps to " 0 h 30 m".
std::string LocalHourMinText(double utcHours, double utcMinusLocal);

// "0", or fixed with 2 decimals up to 0.2 and with 1 decimal above.
std::string ShortAngleText(double x);

struct DegMinFieldTexts {
  std::string degrees;
  std::string minutes;
};
// The whole degrees and the decimal minutes, without sign: 60.1617 -> "60", "9.7".
DegMinFieldTexts DegMinFields(double x);

}  // namespace orrelin
