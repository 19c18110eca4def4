#pragma once
// Local time as the graph and tonight's list show it: every local time they form goes
// through one function of the moment, "UTC minus local" in hours at that instant, so
// that a clock with daylight saving time is the same one change away.
#include <functional>
#include <string>

#include "core/local_clock.h"

namespace orrelin::sky {

using UtcMinusLocalAt = std::function<double(double julianDayUt)>;

// The one fixed offset of the main window's "Utc - Local Time" box, hours.
UtcMinusLocalAt FixedUtcMinusLocal(double hours);

// The clock every local time is formed with: a zone's clock gives each moment its own
// offset; without a zone, the one fixed offset (hours, UTC minus local).
UtcMinusLocalAt UtcMinusLocalOf(const LocalClock& clock, double fixedUtcMinusLocalHours);

// The local clock's time as a Julian day (its fraction read as local hours).
double LocalJulianDay(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);

// The UT of local midnight that begins the local date whose 0h UT is dayJulianDayUt.
double LocalMidnightUt(const UtcMinusLocalAt& utcMinusLocal, double dayJulianDayUt);

// Whether the clock shows the moment's local time at another instant too: the hour that
// a clock set back repeats.
bool IsRepeatedLocalTime(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);

// The local clock's texts of a moment. In the hour a clock set back repeats, each carries
// its offset so that it reads unambiguously: "2026-10-25 03:30:00 +03".
// "2026-12-08 22:32:10": date and time.
std::string LocalMomentText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);
// "2026-12-08 22:32": date and time to the nearest minute.
std::string LocalMinuteText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);
// "22:32": the time to the nearest minute.
std::string LocalClockText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);

}  // namespace orrelin::sky
