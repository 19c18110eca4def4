#pragma once
// A PDF file of laid-out pages, without a printer: each text in Courier at its size and
// place, on A4 paper. For printouts made by the command line, where there is no window
// toolkit.
#include <string>
#include <vector>

#include "core/printed_page.h"

namespace orrelin {

// A4 in pixels of a 300 dpi page, less a margin of half an inch all round: the area the
// texts' positions are counted in.
inline constexpr int kPdfAreaWidth = 2480 - 300;
inline constexpr int kPdfAreaHeight = 3508 - 300;

// The bytes of a PDF 1.4 file with the pages (text as Windows-1252 in Courier).
std::string PdfOfPages(const std::vector<PrintedPage>& pages);

}  // namespace orrelin
