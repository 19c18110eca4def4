#pragma once
// The plotting sheet drawn into a PNG file (cairo), for the command line.
#include <string>

#include "navigation/plotting_sheet.h"

namespace orrelin::cli {

// The PNG file's bytes: the sheet at 10 pixels a millimetre on white.
std::string PlottingSheetPng(const navigation::PlottingSheet& sheet);

}  // namespace orrelin::cli
