#include "zones/zone_clock.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <date/tz.h>
#include <exception>

namespace orrelin {

namespace {

// Unix time 0 is JD 2440587.5 UT.
constexpr double kUnixEpochJulianDay = 2440587.5;

ZoneOffset OffsetOfZone(const date::time_zone* zone, double julianDayUt) {
  using namespace std::chrono;
  const double seconds = std::floor((julianDayUt - kUnixEpochJulianDay) * 86400.0 + 0.5);
  const date::sys_seconds instant{std::chrono::seconds{static_cast<long long>(seconds)}};
  const date::sys_info info = zone->get_info(instant);
  ZoneOffset out;
  out.utcMinusLocalHours = -static_cast<double>(info.offset.count()) / 3600.0;
  out.abbreviation = info.abbrev;
  const date::local_seconds local{instant.time_since_epoch() + info.offset};
  out.repeated = zone->get_info(local).result == date::local_info::ambiguous;
  return out;
}

}  // namespace

std::optional<LocalClock> ZoneClock(const std::string& name) {
  if (name.empty()) return std::nullopt;
  try {
    const date::time_zone* zone = date::locate_zone(name);
    return LocalClock::Zone(zone->name(), [zone](double jd) { return OffsetOfZone(zone, jd); });
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::vector<std::string> ZoneNames() {
  std::vector<std::string> names;
  try {
    const date::tzdb& db = date::get_tzdb();
    for (const date::time_zone& z : db.zones) names.push_back(z.name());
  } catch (const std::exception&) {
    return {};
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace orrelin
