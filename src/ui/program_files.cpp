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

}  // namespace orrelin::ui
