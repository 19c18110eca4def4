#pragma once
// "settings.ini": one section of plain key=value lines. Each operation opens,
// uses and closes the file; a rewrite goes to a temporary file in the same folder
// that is flushed to the disk and then renamed over the old one, so a crash never
// leaves half a file. Lines the reader does not understand are kept as they are.
// A file that exists but cannot be read is never written over.
#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/file_io.h"
#include "core/messages.h"

namespace orrelin {

inline constexpr const char* kSettingsSection = "OrrelinForm";
inline constexpr const char* kSettingsFileName = "settings.ini";
// A settings file is a few hundred bytes; a larger one is not read (nor replaced).
inline constexpr std::size_t kLargestSettingsFile = 1024 * 1024;

// The section's keys as one read of the file found them (keys compared without case).
class SettingsValues {
 public:
  std::optional<std::string> Get(const std::string& key) const;
  void Set(const std::string& key, std::string value);

 private:
  std::map<std::string, std::string> values_;  // lower-cased key -> value; the first line wins
};

// One read of the whole section.
struct SettingsRead {
  bool readable = true;   // false: the file exists but could not be read
  std::string problem;    // why not, for the user
  SettingsValues values;  // empty when the file is missing or unreadable
};

class SettingsFile {
 public:
  explicit SettingsFile(std::filesystem::path path, std::string section = kSettingsSection);

  // Every key of the section in one read, and whether the file could be read.
  SettingsRead ReadSection() const;
  // The section's keys; empty when the file is missing or unreadable.
  SettingsValues ReadAll() const { return ReadSection().values; }
  // The value of a key of the section; absent when the file or the key is missing.
  std::optional<std::string> Read(const std::string& key) const;

  // Writes one key at once. False when the file could not be written.
  bool Write(const std::string& key, const std::string& value) const;
  // Writes several keys in one rewrite of the file.
  bool WriteAll(const std::vector<std::pair<std::string, std::string>>& values) const;

  // After the file could not be read at start, nothing is written for the rest of the run.
  void KeepUnwritten() { unwritten_ = true; }
  bool Unwritten() const { return unwritten_; }
  // Where a failed save is told (once a run); none: failures are only returned.
  void TellFailuresTo(MessageSink* sink) { sink_ = sink; }
  // Makes every save fail at a step, as a test of what a failing disk leaves.
  void FailSavesAt(const SaveFault& fault) { fault_ = fault; }

  const std::filesystem::path& Path() const { return path_; }

 private:
  void TellSaveFailure(const std::string& reason) const;

  std::filesystem::path path_;
  std::string section_;
  bool unwritten_ = false;
  MessageSink* sink_ = nullptr;
  mutable bool failureTold_ = false;
  SaveFault fault_;
};

// The message for a settings file that could not be read.
std::string SettingsUnreadableMessage(const SettingsFile& settings, const std::string& problem);

// The text lines of a file, each read as UTF-8 or, failing that, Windows-1252.
// None when the file exists but cannot be read or is larger than maxBytes.
struct TextLines {
  bool exists = false;
  bool readable = true;
  std::string problem;
  std::vector<std::string> lines;
};
TextLines ReadTextLines(const std::filesystem::path& path, std::size_t maxBytes);
// The lines of a file's bytes: split at "\n" (a "\r" before it dropped), each read as
// UTF-8 or Windows-1252, the byte-order marks before the first dropped.
std::vector<std::string> LinesOfText(const std::string& bytes);
// The lines joined with line ends, as they are written.
std::string JoinLines(const std::vector<std::string>& lines);

}  // namespace orrelin
