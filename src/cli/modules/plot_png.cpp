#include "cli/modules/plot_png.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>

#include "cli/modules/cairo_stream.h"

namespace orrelin::cli {

namespace {

constexpr double kPixelsPerMillimetre = 10.0;

void SetColour(cairo_t* cr, navigation::SheetColour c) {
  cairo_set_source_rgb(cr, c.red / 255.0, c.green / 255.0, c.blue / 255.0);
}

void Draw(cairo_t* cr, const navigation::SheetItem& item) {
  using Kind = navigation::SheetItem::Kind;
  SetColour(cr, navigation::ItemColour(item));
  cairo_set_line_width(cr, item.width);
  const double dash[] = {navigation::kSheetDash * item.width, navigation::kSheetDashGap * item.width};
  cairo_set_dash(cr, dash, item.dashed ? 2 : 0, 0);
  switch (item.kind) {
    case Kind::kLine:
    case Kind::kArrow:
      cairo_move_to(cr, item.from.x, item.from.y);
      cairo_line_to(cr, item.to.x, item.to.y);
      cairo_stroke(cr);
      cairo_set_dash(cr, nullptr, 0, 0);
      if (item.kind == Kind::kArrow) {
        for (const auto& [from, to] : navigation::ArrowHead(item)) {
          cairo_move_to(cr, from.x, from.y);
          cairo_line_to(cr, to.x, to.y);
        }
        cairo_stroke(cr);
      }
      break;
    case Kind::kDot:
    case Kind::kCircle:
      cairo_new_sub_path(cr);
      cairo_arc(cr, item.from.x, item.from.y, item.radius, 0, 2 * M_PI);
      item.kind == Kind::kDot ? cairo_fill(cr) : cairo_stroke(cr);
      break;
    case Kind::kEllipse:
      cairo_save(cr);
      cairo_translate(cr, item.from.x, item.from.y);
      cairo_rotate(cr, (item.angle - 90.0) * M_PI / 180.0);  // from north, clockwise
      cairo_scale(cr, item.radius, item.minorRadius);
      cairo_new_sub_path(cr);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_stroke(cr);
      break;
    case Kind::kBox:
      cairo_rectangle(cr, item.from.x, item.from.y, item.to.x - item.from.x, item.to.y - item.from.y);
      cairo_fill(cr);
      break;
    case Kind::kText: {
      // On white, so that no grid line runs through it; a font wider than the room the
      // sheet gave the text is drawn smaller.
      const navigation::SheetBox box = navigation::TextBox(item);
      SetColour(cr, navigation::kSheetPaper);
      cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
      cairo_fill(cr);
      SetColour(cr, navigation::ItemColour(item));
      cairo_select_font_face(cr, navigation::kSheetFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
      cairo_set_font_size(cr, item.textSize);
      cairo_text_extents_t extents;
      cairo_text_extents(cr, item.text.c_str(), &extents);
      if (item.textWidth > 0 && extents.x_advance > item.textWidth) {
        cairo_set_font_size(cr, item.textSize * item.textWidth / extents.x_advance);
      }
      cairo_move_to(cr, item.from.x, item.from.y);
      cairo_show_text(cr, item.text.c_str());
      break;
    }
  }
}

// The sheet's items, drawn in millimetres.
void DrawSheet(cairo_t* cr, const navigation::PlottingSheet& sheet, double unitsPerMillimetre) {
  cairo_scale(cr, unitsPerMillimetre, unitsPerMillimetre);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (const auto& item : sheet.items) Draw(cr, item);
}

}  // namespace

std::string PlottingSheetPdf(const navigation::PlottingSheet& sheet) {
  constexpr double kPointsPerMillimetre = 72.0 / 25.4;
  const double size = navigation::kSheetSize * kPointsPerMillimetre;
  std::string pdf;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(AppendToString, &pdf, size, size);
  cairo_t* cr = cairo_create(surface);
  DrawSheet(cr, sheet, kPointsPerMillimetre);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return pdf;
}

std::string PlottingSheetPng(const navigation::PlottingSheet& sheet) {
  const int size = static_cast<int>(navigation::kSheetSize * kPixelsPerMillimetre);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, size, size);
  cairo_t* cr = cairo_create(surface);
  SetColour(cr, navigation::kSheetPaper);
  cairo_paint(cr);
  DrawSheet(cr, sheet, kPixelsPerMillimetre);
  cairo_destroy(cr);
  std::string png;
  cairo_surface_write_to_png_stream(surface, AppendToString, &png);
  cairo_surface_destroy(surface);
  return png;
}

}  // namespace orrelin::cli
