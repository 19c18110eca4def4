#pragma once
// Local time as the graph and tonight's list show it: every local time they form goes
// through one function of the moment, "UTC minus local" in hours at that instant, so
// that a clock with daylight saving time is the same one change away.
#include <functional>
#include <string>

namespace orrelin::sky {

using UtcMinusLocalAt = std::function<double(double julianDayUt)>;

// The one fixed offset of the main window's "Utc - Local Time" box, hours.
UtcMinusLocalAt FixedUtcMinusLocal(double hours);

// The local clock's time as a Julian day (its fraction read as local hours).
double LocalJulianDay(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);

// The UT of local midnight that begins the local date whose 0h UT is dayJulianDayUt.
double LocalMidnightUt(const UtcMinusLocalAt& utcMinusLocal, double dayJulianDayUt);

// "2026-12-08 22:32:10": the local clock's date and time of a moment.
std::string LocalMomentText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);

// "22:32": the local clock's time of a moment, to the minute.
std::string LocalClockText(const UtcMinusLocalAt& utcMinusLocal, double julianDayUt);

}  // namespace orrelin::sky
