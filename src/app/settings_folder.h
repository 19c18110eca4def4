#pragma once
// The per-user folder that holds "settings.ini" and the user's "Mstars.dat".
#include <filesystem>
#include <string>
#include <vector>
#include "core/message_texts.h"

namespace orrelin {

// $XDG_CONFIG_HOME (default ~/.config) followed by Tarvek/Orrelin/.
std::filesystem::path SettingsFolder();
// The same from given environment values (either may be empty).
std::filesystem::path SettingsFolderFrom(const std::string& xdgConfigHome, const std::string& home);

// Creates the folder with its parents when it is missing. True when it was created now.
bool CreateSettingsFolder(const std::filesystem::path& folder);

inline constexpr const char* kStarFileName = "Mstars.dat";

// Copies "Mstars.dat" from the first of `sources` that holds it into the folder,
// never overwriting, through a temporary file so that the copy is whole or absent.
// True only when a copy was made.
bool InstallStarFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources);

// Copies a file shipped with the program (the first of `sources` that holds it) into
// the folder when the folder has none, through a temporary file. True when copied.
bool InstallShippedFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources,
                        const std::string& name);

// Replaces the folder's "Mstars.dat" when it is a cut-off copy of the shipped one
// (shorter and a prefix of it, as a full disk left it). True when it was replaced.
bool RepairPartialStarFile(const std::filesystem::path& folder, const std::vector<std::filesystem::path>& sources);

}  // namespace orrelin
