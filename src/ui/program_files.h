#pragma once
// Where the files shipped with the program are: beside it (a build), the installed
// data folder, and the current folder.
#include <filesystem>
#include <optional>
#include <vector>

namespace orrelin::ui {

// The folders that may hold a shipped "Mstars.dat" (or place list), in that order.
// A current folder the system cannot name (deleted under the program) is left out.
std::vector<std::filesystem::path> ProgramDataFolders();

// The user's manual, manual/index.html: installed in share/doc/orrelin, or in the build
// tree the program runs from. None when there is none.
std::optional<std::filesystem::path> FindManual();

}  // namespace orrelin::ui
