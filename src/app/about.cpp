#include "app/about.h"

#include "core/numbers.h"
#include "core/version.h"

namespace orrelin {

std::string VersionText(int major, int minor, int release, int build) {
  return "Version: " + WholeText(major) + "." + WholeText(minor) + "." + WholeText(release) + "." + WholeText(build);
}

std::string ProgramVersionText() {
  return VersionText(kVersionNumbers[0], kVersionNumbers[1], kVersionNumbers[2], kVersionNumbers[3]);
}

std::string LinkTarget(const std::string& labelText, bool mail) {
  const auto first = labelText.find_first_not_of(" \t");
  const auto last = labelText.find_last_not_of(" \t");
  const std::string address = first == std::string::npos ? "" : labelText.substr(first, last - first + 1);
  return mail ? "mailto:" + address : address;
}

}  // namespace orrelin
