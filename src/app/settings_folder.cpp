#include "app/settings_folder.h"

#include <cstdlib>
#include <optional>
#include <system_error>

#include "core/file_io.h"
#include "stars/star_file.h"

namespace orrelin {

std::filesystem::path SettingsFolderFrom(const std::string& xdgConfigHome, const std::string& home) {
  std::filesystem::path base;
  if (!xdgConfigHome.empty()) {
    base = xdgConfigHome;
  } else if (!home.empty()) {
    base = std::filesystem::path(home) / ".config";
  } else {
    // No home at all: the current folder, if the system can still say which it is.
    std::error_code ec;
    base = std::filesystem::current_path(ec) / ".config";
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

namespace {

// A shipped file: the first source that holds one.
std::optional<std::string> ShippedFile(const std::vector<std::filesystem::path>& sources, const std::string& name) {
  for (const auto& source : sources) {
    const FileContents file = ReadWholeFile(source / name, kLargestStarFile);
    if (file.status == FileStatus::kRead) return file.bytes;
  }
  return std::nullopt;
}

std::optional<std::string> ShippedStarFile(const std::vector<std::filesystem::path>& sources) {
  return ShippedFile(sources, kStarFileName);
}

}  // namespace

bool InstallShippedFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources,
                        const std::string& name) {
  std::error_code ec;
  const std::filesystem::path target = folder / name;
  if (std::filesystem::exists(target, ec) || std::filesystem::is_symlink(target, ec)) return false;
  const auto shipped = ShippedFile(sources, name);
  return shipped && WriteNewFileAtomically(target, *shipped).ok;
}

bool InstallStarFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources) {
  return InstallShippedFile(folder, sources, kStarFileName);
}

bool RepairPartialStarFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources) {
  const std::filesystem::path target = folder / kStarFileName;
  const FileContents present = ReadWholeFile(target, kLargestStarFile);
  if (present.status != FileStatus::kRead) return false;
  const auto shipped = ShippedStarFile(sources);
  if (!shipped || present.bytes.size() >= shipped->size() || shipped->compare(0, present.bytes.size(), present.bytes) != 0) {
    return false;
  }
  return WriteFileAtomically(target, *shipped).ok;
}

}  // namespace orrelin
