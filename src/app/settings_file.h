#pragma once
// "settings.ini": one section of plain key=value lines. Each operation opens,
// uses and closes the file; a rewrite goes to a temporary file in the same folder
// that is then renamed over the old one, so a crash never leaves half a file.
// Lines the reader does not understand are kept as they are.
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orrelin {

inline constexpr const char* kSettingsSection = "OrrelinForm";
inline constexpr const char* kSettingsFileName = "settings.ini";

// The section's keys as one read of the file found them (keys compared without case).
class SettingsValues {
 public:
  std::optional<std::string> Get(const std::string& key) const;
  void Set(const std::string& key, std::string value);

 private:
  std::map<std::string, std::string> values_;  // lower-cased key -> value; the first line wins
};

class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path, std::string section = kSettingsSection);

  // The value of a key of the section; absent when the file or the key is missing.
  std::optional<std::string> Read(const std::string& key) const;
  // Every key of the section in one read; empty when the file is missing.
  SettingsValues ReadAll() const;
  // Writes one key at once. False when the file could not be written.
  bool Write(const std::string& key, const std::string& value) const;
  // Writes several keys in one rewrite of the file.
  bool WriteAll(const std::vector<std::pair<std::string, std::string>>& values) const;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
  std::string section_;
};

// The text lines of a file, each read as UTF-8 or, failing that, Windows-1252.
std::vector<std::string> ReadTextLines(const std::filesystem::path& path);
// Writes the lines through a temporary file and a rename. False on failure.
bool WriteTextFileAtomically(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace orrelin
