#pragma once
// A text of lines laid out for print as it is: one line under the other in a monospaced
// font, a new page where the next line does not fit.
#include <string>
#include <vector>

#include "core/printed_page.h"

namespace orrelin {

// The lines from the area's top-left, 1.2 times the point size apart.
std::vector<PrintedPage> LinesOnPages(const std::vector<std::string>& lines, const PageArea& area, int pointSize);

// The lines of a text (its last newline ends the last line, it does not begin another).
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace orrelin
