#include "core/fields.h"

#include <array>
#include <utility>

namespace orrelin {

namespace {

// Drops the first n fields: each time up to and including the separator, or everything.
std::string DropFields(std::string work, const std::string& sep, int n) {
  for (int i = 0; i < n; ++i) {
    const std::size_t at = sep.empty() ? std::string::npos : work.find(sep);
    if (at == std::string::npos) {
      work.clear();
    } else {
      work.erase(0, at + sep.size());
    }
  }
  return work;
}

}  // namespace

std::string ExtractField(const std::string& text, const std::string& sep, int n) {
  const std::string work = DropFields(text, sep, n);
  const std::size_t at = sep.empty() ? std::string::npos : work.find(sep);
  return at == std::string::npos ? work : work.substr(0, at);
}

std::string ExtractFields(const std::string& text, const std::string& sep, int n, int m) {
  if (n >= m) m = 0;
  if (m == 0) return ExtractField(text, sep, n);
  std::string work = DropFields(text, sep, n);
  std::string joined;
  for (int piece = 0; piece < m - n + 1; ++piece) {
    const std::size_t at = sep.empty() ? std::string::npos : work.find(sep);
    if (at == std::string::npos) {
      joined += work;
      work.clear();
    } else {
      // The piece runs up to and including the separator's first character.
      joined += work.substr(0, at + 1);
      work.erase(0, at + sep.size());
    }
  }
  if (!joined.empty() && !sep.empty() && joined.back() == sep[0]) joined.pop_back();
  return joined;
}

std::vector<std::string> SplitAtBlanks(const std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

std::string LowerCaseText(const std::string& text) {
  // The four accented capitals in UTF-8 (C3 85, C3 84, C3 96, C3 9C) and their small letters.
  static constexpr std::array<std::pair<unsigned char, unsigned char>, 4> kAccented{
      {{0x85, 0xA5}, {0x84, 0xA4}, {0x96, 0xB6}, {0x9C, 0xBC}}};
  std::string out = text;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 'A' && c <= 'Z') {
      out[i] = static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < out.size()) {
      const unsigned char next = static_cast<unsigned char>(out[i + 1]);
      for (const auto& [upper, lower] : kAccented) {
        if (next == upper) out[i + 1] = static_cast<char>(lower);
      }
      ++i;
    }
  }
  return out;
}

}  // namespace orrelin
