#pragma once
// Loads the program's modules (shared libraries of its own) when a command needs one:
// from the first of the folders that holds the module's file. A module stays loaded
// until the program ends.
#include <filesystem>
#include <string>
#include <vector>

#include "cli/modules/calendar_module.h"
#include "cli/modules/drawing_module.h"
#include "cli/modules/zones_module.h"

namespace orrelin::cli {

// The table of the drawing module, or none with `why` saying what is missing, in words
// that name the options that need it.
const DrawingModule* LoadDrawingModule(const std::vector<std::filesystem::path>& folders, std::string& why);
const CalendarModule* LoadCalendarModule(const std::vector<std::filesystem::path>& folders, std::string& why);
const ZonesModule* LoadZonesModule(const std::vector<std::filesystem::path>& folders, std::string& why);

}  // namespace orrelin::cli
