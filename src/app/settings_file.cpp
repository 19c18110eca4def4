#include "app/settings_file.h"

#include "core/encoding.h"
#include "core/fields.h"
#include "core/file_io.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) { return LowerCaseText(a) == LowerCaseText(b); }

std::optional<std::string> SectionName(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() >= 2 && t.front() == '[' && t.back() == ']') return t.substr(1, t.size() - 2);
  return std::nullopt;
}

struct KeyValue {
  std::string key;
  std::string value;
};

std::optional<KeyValue> KeyValueOf(const std::string& line) {
  const std::string t = Trim(line);
  if (t.empty() || t[0] == ';' || t[0] == '#') return std::nullopt;
  const auto eq = t.find('=');
  if (eq == std::string::npos || eq == 0) return std::nullopt;
  return KeyValue{Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

// Sets the keys in the section's lines, adding the section and keys that are missing.
std::vector<std::string> WithValues(std::vector<std::string> lines, const std::string& section,
                                    const std::vector<std::pair<std::string, std::string>>& values) {
  std::vector<bool> done(values.size(), false);
  bool inSection = false;
  std::size_t sectionEnd = std::string::npos;  // index after the section's last line
  bool sectionSeen = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (const auto name = SectionName(lines[i])) {
      inSection = SameName(*name, section);
      if (inSection) sectionSeen = true;
      continue;
    }
    if (!inSection) continue;
    sectionEnd = i + 1;
    const auto kv = KeyValueOf(lines[i]);
    if (!kv) continue;
    for (std::size_t k = 0; k < values.size(); ++k) {
      if (SameName(kv->key, values[k].first)) {
        lines[i] = values[k].first + "=" + values[k].second;
        done[k] = true;
      }
    }
  }
  std::vector<std::string> added;
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (!done[k]) added.push_back(values[k].first + "=" + values[k].second);
  }
  if (!sectionSeen) {
    lines.push_back("[" + section + "]");
    lines.insert(lines.end(), added.begin(), added.end());
    return lines;
  }
  if (sectionEnd == std::string::npos) {
    // The section header has no lines yet: add right after it.
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const auto name = SectionName(lines[i]);
      if (name && SameName(*name, section)) {
        sectionEnd = i + 1;
        break;
      }
    }
  }
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(sectionEnd), added.begin(), added.end());
  return lines;
}

}  // namespace

TextLines ReadTextLines(const std::filesystem::path& path, std::size_t maxBytes) {
  TextLines text;
  const FileContents file = ReadWholeFile(path, maxBytes);
  switch (file.status) {
    case FileStatus::kMissing:
      return text;
    case FileStatus::kTooLarge:
      text.exists = true;
      text.readable = false;
      text.problem = "it is larger than " + WholeText(static_cast<long long>(maxBytes / 1024)) + " kB";
      return text;
    case FileStatus::kError:
      text.exists = true;
      text.readable = false;
      text.problem = file.errorText;
      return text;
    case FileStatus::kRead:
      break;
  }
  text.exists = true;
  text.lines = LinesOfText(file.bytes);
  return text;
}

std::vector<std::string> LinesOfText(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(AsUtf8(line));
    start = end + 1;
  }
  // Byte-order marks before the first line (an editor may have put in more than one)
  // are no text: all of them go, so that a rewrite, which writes none, changes nothing.
  while (!lines.empty() && lines.front().rfind("\xEF\xBB\xBF", 0) == 0) lines.front().erase(0, 3);
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + '\n';
  return bytes;
}

std::string SettingsUnreadableMessage(const SettingsFile& settings, const std::string& problem) {
  return "The settings could not be read from " + settings.Path().string() + " (" + problem +
         "). They will not be saved this time.";
}

SettingsFile::SettingsFile(std::filesystem::path path, std::string section)
    : path_(std::move(path)), section_(std::move(section)) {}

std::optional<std::string> SettingsValues::Get(const std::string& key) const {
  const auto it = values_.find(LowerCaseText(key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void SettingsValues::Set(const std::string& key, std::string value) {
  values_.emplace(LowerCaseText(key), std::move(value));
}

SettingsRead SettingsFile::ReadSection() const {
  SettingsRead read;
  const TextLines text = ReadTextLines(path_, kLargestSettingsFile);
  if (!text.readable) {
    read.readable = false;
    read.problem = text.problem;
    return read;
  }
  bool inSection = false;
  for (const auto& line : text.lines) {
    if (const auto name = SectionName(line)) {
      inSection = SameName(*name, section_);
      continue;
    }
    if (!inSection) continue;
    if (const auto kv = KeyValueOf(line)) read.values.Set(kv->key, kv->value);
  }
  return read;
}

std::optional<std::string> SettingsFile::Read(const std::string& key) const { return ReadAll().Get(key); }

bool SettingsFile::Write(const std::string& key, const std::string& value) const {
  return WriteAll({{key, value}});
}

bool SettingsFile::WriteAll(const std::vector<std::pair<std::string, std::string>>& values) const {
  if (unwritten_) return false;
  const TextLines text = ReadTextLines(path_, kLargestSettingsFile);
  if (!text.readable) {
    // Writing now would lose what the file holds.
    TellSaveFailure(text.problem);
    return false;
  }
  const FileWrite written = WriteFileAtomically(path_, JoinLines(WithValues(text.lines, section_, values)), fault_);
  if (!written.ok) TellSaveFailure(written.errorText);
  return written.ok;
}

void SettingsFile::TellSaveFailure(const std::string& reason) const {
  if (sink_ == nullptr || failureTold_) return;
  failureTold_ = true;
  sink_->ShowMessage("The settings could not be saved to " + path_.string() + " (" + reason + ").");
}

}  // namespace orrelin
