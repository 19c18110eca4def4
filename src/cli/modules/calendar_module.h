#pragma once
// The calendar module: the almanac's iCalendar writer, which needs libical and with it
// ICU. A shared library of its own, loaded only by `almanac --ics`.
#include <ctime>
#include <string>
#include <vector>

#include "cli/modules/icalendar_text.h"

namespace orrelin::cli {

// Raised whenever a function of the table or a type it takes changes.
inline constexpr int kCalendarInterface = 1;

struct CalendarModule {
  // These two first, in every build: they say whether the rest can be used.
  int interface = kCalendarInterface;
  const char* version = "";  // the program's version the module was built with
  std::string (*iCalendarText)(const std::vector<CalendarEvent>& events, std::time_t stamp) = nullptr;
};

inline constexpr const char* kCalendarModuleFile = "orrelin-calendar.so";
// The module's one exported function: `const CalendarModule* orrelin_calendar_module()`.
inline constexpr const char* kCalendarModuleEntry = "orrelin_calendar_module";

}  // namespace orrelin::cli
