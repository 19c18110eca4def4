#pragma once
// Numbers for the JSON outputs. The values are rounded to their decimals through the
// decimal text, and the document is printed with each floating number as the shortest
// text that reads back to the same double: 12.463, not 12.463000000000001 (the JSON
// library prints up to 17 digits).
#include <nlohmann/json.hpp>

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

#include "core/numbers.h"

namespace orrelin::cli {

inline double JsonNumber(double x, int decimals) {
  if (!std::isfinite(x)) return x;
  const std::string text = FixedText(x, decimals);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// An angle of the JSON outputs: degrees to six decimals (0.0036", 11 cm on the Earth).
inline double JsonDegrees(double x) { return JsonNumber(x, 6); }

// The document indented by two, ending in a new line.
inline std::string JsonText(const nlohmann::ordered_json& document) {
  const std::string dumped = document.dump(2);
  std::string out;
  out.reserve(dumped.size());
  bool inString = false;
  for (std::size_t i = 0; i < dumped.size();) {
    const char c = dumped[i];
    if (inString) {
      out += c;
      if (c == '\\' && i + 1 < dumped.size()) out += dumped[++i];
      else if (c == '"') inString = false;
      ++i;
      continue;
    }
    if (c == '"') inString = true;
    if (c != '-' && !std::isdigit(static_cast<unsigned char>(c))) {
      out += c;
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < dumped.size() && (std::isdigit(static_cast<unsigned char>(dumped[end])) || dumped[end] == '.' ||
                                   dumped[end] == 'e' || dumped[end] == 'E' || dumped[end] == '-' || dumped[end] == '+')) {
      ++end;
    }
    const std::string number = dumped.substr(i, end - i);
    double value = 0.0;
    const auto read = std::from_chars(number.data(), number.data() + number.size(), value);
    const bool floating = number.find_first_of(".eE") != std::string::npos;
    out += floating && read.ec == std::errc() && read.ptr == number.data() + number.size() ? ShortestText(value) : number;
    i = end;
  }
  return out + "\n";
}

}  // namespace orrelin::cli
