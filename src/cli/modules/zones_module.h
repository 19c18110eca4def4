#pragma once
// The zones module: a time zone's wall clock from the system's time-zone database, which
// needs the date library's tz code. A shared library of its own, loaded only when a
// place or --zone names a zone, so that every other command starts without it.
#include <optional>
#include <string>
#include <vector>

#include "core/local_clock.h"

namespace orrelin::cli {

// Raised whenever a function of the table or a type it takes changes.
inline constexpr int kZonesInterface = 1;

struct ZonesModule {
  // These two first, in every build: they say whether the rest can be used.
  int interface = kZonesInterface;
  const char* version = "";  // the program's version the module was built with
  // The zone's clock (its rule runs in the module, which stays loaded); none for a name
  // the database does not have.
  std::optional<LocalClock> (*zoneClock)(const std::string& name) = nullptr;
  std::vector<std::string> (*zoneNames)() = nullptr;
};

inline constexpr const char* kZonesModuleFile = "orrelin-zones.so";
// The module's one exported function: `const ZonesModule* orrelin_zones_module()`.
inline constexpr const char* kZonesModuleEntry = "orrelin_zones_module";

}  // namespace orrelin::cli
