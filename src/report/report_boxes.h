#pragma once
// The report window's result boxes with their captions, in the window's order:
// what the command line prints and what a printout lists.
#include <string>
#include <utility>
#include <vector>

#include "report/report_record.h"

namespace orrelin {

using CaptionedBox = std::pair<std::string, std::string>;

// Only the boxes the report shows for its body.
std::vector<CaptionedBox> ReportBoxes(const ReportWindowRecord& report);

}  // namespace orrelin
