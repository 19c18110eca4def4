#include "cli/modules/pdf_pages.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pdf_reading.h"

namespace orrelin::cli {
namespace {

// Every character prints as itself in DejaVu Sans Mono, Windows-1252's and beyond it
// (primes and double primes, which a PDF's standard fonts cannot show), on A4 pages.
TEST(PdfPages, EveryCharacterPrintsInDejaVuSansMonoOnA4) {
  const std::vector<PrintedPage> pages = {
      {{{0, 0, 10, "SUN (precise) 182° 05.2' a\\b"}, {0, 100, 8, "v 14° 19.0′  π 8.794″"}}},
      {{{300, 3000, 6, "€ and ∑ (a (nested) pair)"}}}};
  const std::vector<testing::PdfPage> read = testing::ReadPdf(PdfOfPages(pages));
  ASSERT_EQ(read.size(), 2u);
  for (std::size_t i = 0; i < read.size(); ++i) {
    EXPECT_NEAR(read[i].width, 595.2, 0.01) << i;  // 210 mm
    EXPECT_NEAR(read[i].height, 841.92, 0.01) << i;  // 297 mm
    std::string text;
    for (const PrintedText& t : pages[i].texts) text += t.text;
    EXPECT_EQ(read[i].text, text) << i;
    ASSERT_FALSE(read[i].fonts.empty());
    for (const std::string& font : read[i].fonts) EXPECT_NE(font.find("DejaVuSansMono"), std::string::npos) << font;
  }
  // A text's top-left at its place: 10 points at the area's top-left start half an inch
  // in, their baseline 8 points lower.
  EXPECT_NEAR(read[0].firstX, 36.0, 0.01);
  EXPECT_NEAR(read[0].firstY, 44.0, 0.01);
  EXPECT_NEAR(read[1].firstX, 36.0 + 72.0, 0.01);
  EXPECT_NEAR(read[1].firstY, 36.0 + 720.0 + 4.8, 0.01);

  // And the font has a glyph of its own for each of them (none is the missing glyph).
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, kPdfFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  for (const PrintedPage& page : pages) {
    for (const PrintedText& t : page.texts) {
      cairo_glyph_t* glyphs = nullptr;
      int count = 0;
      ASSERT_EQ(cairo_scaled_font_text_to_glyphs(cairo_get_scaled_font(cr), 0, 0, t.text.c_str(), -1, &glyphs, &count,
                                                 nullptr, nullptr, nullptr),
                CAIRO_STATUS_SUCCESS);
      for (int g = 0; g < count; ++g) EXPECT_NE(glyphs[g].index, 0u) << t.text << " " << g;
      cairo_glyph_free(glyphs);
    }
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

}  // namespace
}  // namespace orrelin::cli
