// The calendar module's one exported function: the table of its writers.
#include "cli/modules/calendar_module.h"
#include "core/version.h"

extern "C" __attribute__((visibility("default"))) const orrelin::cli::CalendarModule* orrelin_calendar_module() {
  using namespace orrelin::cli;
  static const CalendarModule table{kCalendarInterface, orrelin::kVersion, &ICalendarText};
  return &table;
}
