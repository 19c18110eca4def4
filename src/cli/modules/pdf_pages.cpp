#include "cli/modules/pdf_pages.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include "cli/modules/cairo_stream.h"

namespace orrelin::cli {

namespace {

constexpr double kPointsPerPixel = 72.0 / 300.0;

}  // namespace

std::string PdfOfPages(const std::vector<PrintedPage>& pages) {
  std::string pdf;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(AppendToString, &pdf, kPdfPageWidth * kPointsPerPixel,
                                                                 kPdfPageHeight * kPointsPerPixel);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, kPdfFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (const PrintedPage& page : pages) {
    for (const PrintedText& t : page.texts) {
      cairo_set_font_size(cr, t.pointSize);
      // The text's top at its position: its baseline four fifths of its size lower.
      cairo_move_to(cr, (kPdfMargin + t.x) * kPointsPerPixel, (kPdfMargin + t.y) * kPointsPerPixel + 0.8 * t.pointSize);
      cairo_show_text(cr, t.text.c_str());
    }
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return pdf;
}

}  // namespace orrelin::cli
