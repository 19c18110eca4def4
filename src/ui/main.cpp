// Orrelin, the windowed program.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program_start.h"
#include "app/settings_folder.h"
#include "core/clock.h"
#include "ui/about_box.h"
#include "ui/orrelin_form.h"
#include "ui/program_files.h"
#include "ui/qt_message_sink.h"

int main(int argc, char** argv) {
  // Read before the window toolkit starts: without a display it would abort.
  const orrelin::ProgramStart start = orrelin::DecideProgramStart(
      std::vector<std::string>(argv + 1, argv + argc),
      {std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"), std::getenv("QT_QPA_PLATFORM")});
  if (!start.openWindow) {
    std::fputs(start.out.c_str(), stdout);
    std::fputs(start.err.c_str(), stderr);
    return start.status;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orreline");
  QApplication::setWindowIcon(QIcon(orrelin::ui::ProgramPicture(128)));

  orrelin::StartEnvironment env;
  env.settingsFolder = orrelin::SettingsFolder();
  env.starFileSources = orrelin::ui::ProgramDataFolders();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    env.screenDotsPerInch = screen->logicalDotsPerInch();
    env.screenWidth = screen->geometry().width();
  }
  env.now = std::time(nullptr);
  env.secondsEastOfUtc = orrelin::ComputerZoneOffset(env.now);

  orrelin::ui::QtMessageSink sink;
  orrelin::ui::TOrrelinForm mainForm(env, sink);
  sink.SetMainWindow(&mainForm);
  mainForm.show();
  return QApplication::exec();
}
