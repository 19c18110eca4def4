#pragma once
// Laid-out pages written as a PDF file through cairo, for the command line: each text
// in DejaVu Sans Mono (every glyph a page holds prints: degrees, primes, seconds) at its
// size and place, on A4 paper.
#include <string>
#include <vector>

#include "core/printed_page.h"

namespace orrelin::cli {

// A4 in pixels of a 300 dpi page, less a margin of half an inch all round: the area the
// texts' positions are counted in.
inline constexpr int kPdfPageWidth = 2480, kPdfPageHeight = 3508;
inline constexpr int kPdfMargin = 150;
inline constexpr int kPdfAreaWidth = kPdfPageWidth - 2 * kPdfMargin;
inline constexpr int kPdfAreaHeight = kPdfPageHeight - 2 * kPdfMargin;
inline constexpr const char* kPdfFont = "DejaVu Sans Mono";

// The bytes of a PDF file with the pages, one A4 page each.
std::string PdfOfPages(const std::vector<PrintedPage>& pages);

}  // namespace orrelin::cli
