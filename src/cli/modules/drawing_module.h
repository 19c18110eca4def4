#pragma once
// The drawing module: the command line's PNG and PDF writers, which need cairo and with
// it the X11, fontconfig and freetype libraries. It is a shared library of its own,
// loaded only by the commands that write such a file, so that every other command
// starts without them.
#include <string>
#include <vector>

#include "core/printed_page.h"
#include "navigation/sheet_items.h"

namespace orrelin::cli {

// Raised whenever a function of the table or a type it takes changes.
inline constexpr int kDrawingInterface = 1;

struct DrawingModule {
  // These two first, in every build: they say whether the rest can be used.
  int interface = kDrawingInterface;
  const char* version = "";  // the program's version the module was built with
  std::string (*plottingSheetPng)(const navigation::PlottingSheet& sheet) = nullptr;
  std::string (*plottingSheetPdf)(const navigation::PlottingSheet& sheet) = nullptr;
  std::string (*pdfOfPages)(const std::vector<PrintedPage>& pages) = nullptr;
};

inline constexpr const char* kDrawingModuleFile = "orrelin-drawing.so";
// The module's one exported function: `const DrawingModule* orrelin_drawing_module()`.
inline constexpr const char* kDrawingModuleEntry = "orrelin_drawing_module";

}  // namespace orrelin::cli
