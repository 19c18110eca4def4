// The drawing module's one exported function: the table of its writers.
#include "cli/modules/drawing_module.h"
#include "cli/modules/pdf_pages.h"
#include "cli/modules/plot_png.h"
#include "core/version.h"

extern "C" __attribute__((visibility("default"))) const orrelin::cli::DrawingModule* orrelin_drawing_module() {
  using namespace orrelin::cli;
  static const DrawingModule table{kDrawingInterface, orrelin::kVersion, &PlottingSheetPng, &PlottingSheetPdf,
                                   &PdfOfPages};
  return &table;
}
