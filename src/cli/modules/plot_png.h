#pragma once
// The plotting sheet drawn into a PNG or a PDF file (cairo), for the command line.
#include <string>

#include "navigation/sheet_items.h"

namespace orrelin::cli {

// The PNG file's bytes: the sheet at 10 pixels a millimetre on white.
std::string PlottingSheetPng(const navigation::PlottingSheet& sheet);
// The PDF file's bytes: one page the sheet's size, drawn as lines and text.
std::string PlottingSheetPdf(const navigation::PlottingSheet& sheet);

}  // namespace orrelin::cli
