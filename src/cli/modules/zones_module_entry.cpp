// The zones module's one exported function: the table of its functions.
#include "cli/modules/zones_module.h"
#include "core/version.h"
#include "zones/zone_clock.h"

extern "C" __attribute__((visibility("default"))) const orrelin::cli::ZonesModule* orrelin_zones_module() {
  using namespace orrelin::cli;
  static const ZonesModule table{kZonesInterface, orrelin::kVersion, &orrelin::ZoneClock, &orrelin::ZoneNames};
  return &table;
}
