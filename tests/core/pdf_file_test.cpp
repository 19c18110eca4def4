#include "core/pdf_file.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace orrelin {
namespace {

TEST(PdfFile, PagesOfTextMakeAWellFormedFile) {
  const std::vector<PrintedPage> pages = {{{{0, 0, 10, "SUN (precise) 182° 05.2'"}, {0, 100, 8, "a\\b"}}},
                                          {{{300, 3000, 6, "€ and ∑"}}}};
  const std::string pdf = PdfOfPages(pages);
  EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
  EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
  // Every object stands where the cross-reference table says it does.
  const std::size_t xref = std::stoul(pdf.substr(pdf.rfind("startxref\n") + 10));
  EXPECT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
  std::size_t at = pdf.find("0000000000 65535 f \n", xref) + 20;
  for (int object = 1; object <= 7; ++object, at += 20) {
    const std::size_t offset = std::stoul(pdf.substr(at, 10));
    EXPECT_EQ(pdf.compare(offset, std::to_string(object).size() + 6, std::to_string(object) + " 0 obj"), 0) << object;
  }
  EXPECT_NE(pdf.find("/Count 2"), std::string::npos);
  // Windows-1252 text with its parentheses and backslashes escaped; "?" for what it has no letter for.
  EXPECT_NE(pdf.find("(SUN \\(precise\\) 182\xB0 05.2') Tj"), std::string::npos);
  EXPECT_NE(pdf.find("(a\\\\b) Tj"), std::string::npos);
  EXPECT_NE(pdf.find("(\x80 and ?) Tj"), std::string::npos);
  // The text's top at its place: 10 points at the top-left of the area sit 36 points in.
  EXPECT_NE(pdf.find("BT /F1 10 Tf 36.00 798.00 Td"), std::string::npos);
}

}  // namespace
}  // namespace orrelin
