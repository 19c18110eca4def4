#include "core/printed_lines.h"

namespace orrelin {

std::vector<PrintedPage> LinesOnPages(const std::vector<std::string>& lines, const PageArea& area, int pointSize) {
  std::vector<PrintedPage> pages(1);
  const int step = area.LineHeight(pointSize);
  int y = 0;
  for (const std::string& line : lines) {
    if (y + step > area.height && !pages.back().texts.empty()) {
      pages.emplace_back();
      y = 0;
    }
    if (!line.empty()) pages.back().texts.push_back({0, y, pointSize, line});
    y += step;
  }
  return pages;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace orrelin
