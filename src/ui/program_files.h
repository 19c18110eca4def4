#pragma once
// Where the files shipped with the program are: beside it (a build), the installed
// data folder, and the current folder.
#include <filesystem>
#include <vector>

namespace orrelin::ui {

// The folders that may hold a shipped "Mstars.dat" (or place list), in that order.
// A current folder the system cannot name (deleted under the program) is left out.
std::vector<std::filesystem::path> ProgramDataFolders();

}  // namespace orrelin::ui
