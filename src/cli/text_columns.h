#pragma once
// The command line's text columns.
#include <string>

namespace orrelin::cli {

// The text without the spaces at its end.
inline std::string TrimmedRight(const std::string& text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string::npos ? "" : text.substr(0, last + 1);
}

}  // namespace orrelin::cli
