// Orrelin, the windowed program.
#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <ctime>

#include "app/main_window.h"
#include "app/settings_folder.h"
#include "core/clock.h"
#include "ui/about_box.h"
#include "ui/orrelin_form.h"
#include "ui/program_files.h"
#include "ui/qt_message_sink.h"

int main(int argc, char** argv) {
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
