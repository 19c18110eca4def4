#pragma once
// The report's two aligned columns of explanation lines: labels and values.
// A computation takes a pointer to them; a null pointer means "no explanation".
#include <string>
#include <vector>

namespace orrelin {

struct ExplanationLines {
  std::vector<std::string> labels;
  std::vector<std::string> values;
};

// Appends one label and its value; does nothing when lines is null.
inline void ReportLine(ExplanationLines* lines, std::string label, std::string value) {
  if (lines == nullptr) return;
  lines->labels.push_back(std::move(label));
  lines->values.push_back(std::move(value));
}

}  // namespace orrelin
