#pragma once
// The wall clock of a time zone of the system's time-zone database (/usr/share/zoneinfo),
// as a LocalClock the computations take. Kept apart from core so that only what shows a
// zone's local time loads the database and its library.
#include <optional>
#include <string>
#include <vector>

#include "core/local_clock.h"

namespace orrelin {

// The clock of the zone of that IANA name ("Europe/Helsinki"); none when the database has
// no such zone (or cannot be read).
std::optional<LocalClock> ZoneClock(const std::string& name);

// The names of the database's zones, sorted, for a choice of zone.
std::vector<std::string> ZoneNames();

}  // namespace orrelin
