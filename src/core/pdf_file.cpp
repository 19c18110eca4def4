#include "core/pdf_file.h"

#include "core/encoding.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

constexpr double kPointsPerPixel = 72.0 / 300.0;
constexpr double kPageHeight = 842.0;  // A4, points
constexpr double kMargin = 36.0;

// A text as a PDF string: Windows-1252, with its parentheses and backslashes escaped.
std::string PdfString(const std::string& utf8) {
  std::string out = "(";
  for (char c : Utf8ToWindows1252(utf8)) {
    if (c == '(' || c == ')' || c == '\\') out += '\\';
    out += c;
  }
  return out + ")";
}

std::string Number(double x) { return FixedText(x, 2); }

std::string ContentOf(const PrintedPage& page) {
  std::string content;
  for (const PrintedText& t : page.texts) {
    const double x = kMargin + t.x * kPointsPerPixel;
    // The text's top at its position: its baseline four fifths of its size lower.
    const double baseline = kPageHeight - kMargin - t.y * kPointsPerPixel - 0.8 * t.pointSize;
    content += "BT /F1 " + WholeText(t.pointSize) + " Tf " + Number(x) + " " + Number(baseline) + " Td " +
               PdfString(t.text) + " Tj ET\n";
  }
  return content;
}

}  // namespace

std::string PdfOfPages(const std::vector<PrintedPage>& pages) {
  std::vector<std::string> objects;  // object n is objects[n - 1]
  objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (std::size_t i = 0; i < pages.size(); ++i) kids += WholeText(static_cast<long long>(4 + 2 * i)) + " 0 R ";
  objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + WholeText(static_cast<long long>(pages.size())) +
                    " >>");
  objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Courier /Encoding /WinAnsiEncoding >>");
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const std::string content = ContentOf(pages[i]);
    objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Resources << /Font << /F1 3 0 R >> >> "
                      "/Contents " + WholeText(static_cast<long long>(5 + 2 * i)) + " 0 R >>");
    objects.push_back("<< /Length " + WholeText(static_cast<long long>(content.size())) + " >>\nstream\n" + content +
                      "endstream");
  }
  std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> offsets;
  for (std::size_t n = 0; n < objects.size(); ++n) {
    offsets.push_back(pdf.size());
    pdf += WholeText(static_cast<long long>(n + 1)) + " 0 obj\n" + objects[n] + "\nendobj\n";
  }
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 " + WholeText(static_cast<long long>(objects.size() + 1)) + "\n0000000000 65535 f \n";
  for (std::size_t offset : offsets) {
    const std::string digits = WholeText(static_cast<long long>(offset));
    pdf += std::string(digits.size() < 10 ? 10 - digits.size() : 0, '0') + digits + " 00000 n \n";
  }
  pdf += "trailer\n<< /Size " + WholeText(static_cast<long long>(objects.size() + 1)) + " /Root 1 0 R >>\nstartxref\n" +
         WholeText(static_cast<long long>(xref)) + "\n%%EOF\n";
  return pdf;
}

}  // namespace orrelin
