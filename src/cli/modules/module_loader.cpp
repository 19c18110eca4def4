#include "cli/modules/module_loader.h"

#include <dlfcn.h>

#include "core/version.h"

namespace orrelin::cli {

namespace {

struct ModuleName {
  const char* file;
  const char* entry;
  const char* neededBy;  // "--plot and --pdf need"
  const char* kind;      // "drawing"
};

std::string Needs(const ModuleName& m) {
  return std::string(m.neededBy) + " Orrelin's " + m.kind + " module " + m.file;
}

std::string FolderList(const std::vector<std::filesystem::path>& folders) {
  if (folders.empty()) return "no folder";
  std::string list;
  for (std::size_t i = 0; i < folders.size(); ++i) {
    if (i > 0) list += i + 1 == folders.size() ? " or " : ", ";
    list += folders[i].string();
  }
  return list;
}

// The module's entry function, from the first folder that has its file; never unloaded,
// since the texts and tables it returns live in it.
void* ModuleEntry(const std::vector<std::filesystem::path>& folders, const ModuleName& m, std::string& why) {
  for (const auto& folder : folders) {
    const std::filesystem::path path = folder / m.file;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) continue;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
      const char* error = dlerror();
      why = Needs(m) + ", which could not be loaded: " + (error != nullptr ? error : path.string());
      return nullptr;
    }
    void* entry = dlsym(handle, m.entry);
    if (entry == nullptr) why = Needs(m) + ", but " + path.string() + " is not that module: reinstall Orrelin";
    return entry;
  }
  why = Needs(m) + ", which is not in " + FolderList(folders) + ": reinstall Orrelin";
  return nullptr;
}

template <class Table>
const Table* CheckedTable(const Table* table, int interface, const ModuleName& m, std::string& why) {
  if (table == nullptr) return nullptr;
  if (table->interface != interface || std::string(table->version) != kVersion) {
    why = Needs(m) + ", but the one installed is of another build (version " + table->version + ", this program " +
          kVersion + "): reinstall Orrelin";
    return nullptr;
  }
  return table;
}

}  // namespace

const DrawingModule* LoadDrawingModule(const std::vector<std::filesystem::path>& folders, std::string& why) {
  const ModuleName m{kDrawingModuleFile, kDrawingModuleEntry, "--plot and --pdf need", "drawing"};
  void* entry = ModuleEntry(folders, m, why);
  if (entry == nullptr) return nullptr;
  const auto table = reinterpret_cast<const DrawingModule* (*)()>(entry)();
  return CheckedTable(table, kDrawingInterface, m, why);
}

const CalendarModule* LoadCalendarModule(const std::vector<std::filesystem::path>& folders, std::string& why) {
  const ModuleName m{kCalendarModuleFile, kCalendarModuleEntry, "--ics needs", "calendar"};
  void* entry = ModuleEntry(folders, m, why);
  if (entry == nullptr) return nullptr;
  const auto table = reinterpret_cast<const CalendarModule* (*)()>(entry)();
  return CheckedTable(table, kCalendarInterface, m, why);
}

const ZonesModule* LoadZonesModule(const std::vector<std::filesystem::path>& folders, std::string& why) {
  const ModuleName m{kZonesModuleFile, kZonesModuleEntry, "A time zone needs", "zones"};
  void* entry = ModuleEntry(folders, m, why);
  if (entry == nullptr) return nullptr;
  const auto table = reinterpret_cast<const ZonesModule* (*)()>(entry)();
  return CheckedTable(table, kZonesInterface, m, why);
}

}  // namespace orrelin::cli
