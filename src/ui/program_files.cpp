#include "ui/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <system_error>

namespace orrelin::ui {

std::vector<std::filesystem::path> ProgramDataFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  std::vector<std::filesystem::path> folders{
      programFolder.toStdString(), QDir(programFolder + "/../share/orrelin").absolutePath().toStdString()};
  std::error_code ec;
  const std::filesystem::path current = std::filesystem::current_path(ec);
  if (!ec) folders.push_back(current);
  return folders;
}

std::optional<std::filesystem::path> FindManual() {
  const std::filesystem::path program = QCoreApplication::applicationDirPath().toStdString();
  std::vector<std::filesystem::path> candidates{program / ".." / "share" / "doc" / "orrelin" / "manual"};
#ifdef ORRELIN_BUILD_MANUAL_DIR
  candidates.emplace_back(ORRELIN_BUILD_MANUAL_DIR);
#endif
  for (const auto& folder : candidates) {
    std::error_code ec;
    const auto index = folder / "index.html";
    if (std::filesystem::is_regular_file(index, ec)) return std::filesystem::weakly_canonical(index, ec);
  }
  return std::nullopt;
}

}  // namespace orrelin::ui
