#pragma once
// Shared by the fuzzing harnesses: the input taken apart, a property that does not
// hold stops the run with what was seen, and a scratch folder for file readers.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace orrelin::fuzz {

inline std::string TextOf(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// The input cut at each `separator` into at least `count` parts (missing ones empty).
inline std::vector<std::string> Parts(const std::string& text, char separator, std::size_t count) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find(separator, start);
    if (end == std::string::npos) {
      parts.push_back(text.substr(start));
      break;
    }
    parts.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  if (parts.size() < count) parts.resize(count);
  return parts;
}

// A property of the code under test does not hold: say which, with the texts seen.
[[noreturn]] inline void Violated(const std::string& property, const std::string& seen) {
  std::fprintf(stderr, "Property violated: %s\n  seen: %s\n", property.c_str(), seen.c_str());
  std::abort();
}

inline void Require(bool holds, const std::string& property, const std::string& seen) {
  if (!holds) Violated(property, seen);
}

inline void RequireFinite(double x, const std::string& what, const std::string& seen) {
  if (!std::isfinite(x)) Violated(what + " is finite", seen);
}

// Whether a printed text shows a number that is not one: "nan" or "inf" in any letter
// case as a word of its own ("-inf", "nan%", but not "Antananarivo" or "information").
inline bool ShowsNotANumber(const std::string& text) {
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  std::string lower = text;
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  for (const char* bad : {"nan", "inf"}) {
    for (std::size_t at = lower.find(bad); at != std::string::npos; at = lower.find(bad, at + 1)) {
      const bool before = at > 0 && letter(lower[at - 1]);
      const bool after = at + 3 < lower.size() && letter(lower[at + 3]) && lower.compare(at, 8, "infinity") != 0;
      if (!before && !after) return true;
    }
  }
  return false;
}

// A folder of this process's own for files a reader is given, removed at exit.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orrelin-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The one scratch folder of a harness's process.
inline const ScratchFolder& SharedScratchFolder() {
  static const ScratchFolder folder;
  return folder;
}

// Puts the bytes into a file of the folder (replacing it) and returns its path.
inline std::filesystem::path PutFile(const ScratchFolder& folder, const char* name, const std::string& bytes) {
  const std::filesystem::path path = folder.Path() / name;
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) std::abort();
  std::fclose(f);
  return path;
}

}  // namespace orrelin::fuzz
