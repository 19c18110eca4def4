#pragma once
// Times of day as typed and as read from the computer clock.
#include <ctime>
#include <string>

#include "core/calendar.h"

namespace orrelin {

struct TClockTime {
  int hours = 0;
  int minutes = 0;
  double seconds = 0.0;
  std::string timeText;  // as typed, at most 10 characters
};

// Reads "hh:mm:ss" (missing minutes or seconds read as "00"). Clears `valid` on a
// field that does not read, a value out of range or anything after the seconds;
// never sets it.
TClockTime ParseClockTime(const std::string& text, bool& valid);
// Whether the text is a time of day ParseClockTime accepts.
bool IsClockTime(const std::string& text);

// "h:m:s" as decimal hours; the sign of the hours is not carried to m and s.
double HmsToHours(const std::string& text);

// The clock text minus an offset in hours, "hh:mm:ss" (exactly 24 stays 24).
std::string ShiftClockText(const std::string& text, double offsetHours);

// The computer clock's texts for one instant.
struct PcClock {
  std::string utcTime;    // "hh:mm:ss"
  std::string localTime;  // "hh:mm:ss"
  std::string offset;     // UTC minus local in hours: "-2", "+3.5", "0"
};

// The texts for an instant and the zone's offset east of UTC in seconds.
PcClock ClockTextsAt(std::time_t instant, long secondsEastOfUtc);
// The computer clock now, in the computer's time zone.
PcClock ReadPcClock();

// The calendar date of an instant in a zone the given seconds east of UTC.
CivilDate DateOfInstant(std::time_t instant, long secondsEastOfUtc);
// Seconds east of UTC of the computer's time zone now.
long ComputerZoneOffset(std::time_t instant);

// UTC minus local in hours, written with "+" before a positive value.
std::string OffsetText(double utcMinusLocalHours);

}  // namespace orrelin
