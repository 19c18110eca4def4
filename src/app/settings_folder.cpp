#include "app/settings_folder.h"

#include <cstdlib>
#include <system_error>

namespace orrelin {

std::filesystem::path SettingsFolderFrom(const std::string& xdgConfigHome, const std::string& home) {
  std::filesystem::path base;
  if (!xdgConfigHome.empty()) {
    base = xdgConfigHome;
  } else if (!home.empty()) {
    base = std::filesystem::path(home) / ".config";
  } else {
    base = std::filesystem::current_path() / ".config";
  }
  return base / "Tarvek" / "Orrelin" / "";
}

std::filesystem::path SettingsFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return SettingsFolderFrom(xdg ? xdg : "", home ? home : "");
}

bool CreateSettingsFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::exists(folder, ec)) return false;
  return std::filesystem::create_directories(folder, ec) && !ec;
}

bool InstallStarFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources) {
  std::error_code ec;
  const std::filesystem::path target = folder / kStarFileName;
  if (std::filesystem::exists(target, ec)) return false;
  for (const auto& source : sources) {
    const std::filesystem::path candidate = source / kStarFileName;
    if (!std::filesystem::is_regular_file(candidate, ec)) continue;
    // copy_file with default options refuses to overwrite an existing file.
    return std::filesystem::copy_file(candidate, target, ec) && !ec;
  }
  return false;
}

}  // namespace orrelin
