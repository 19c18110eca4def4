#pragma once
// The columns of the graph's and tonight's text tables.
#include <cstddef>
#include <string>

namespace orrelin::sky {

// The text padded with spaces to the width; a longer text keeps one space after it.
inline std::string TextColumn(const std::string& text, std::size_t width) {
  return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

}  // namespace orrelin::sky
