// Saves a picture of every window, as the program shows it, for the manual: the
// pictures are made from the program itself, so they never drift from it.
// Usage: window-pictures OUTPUT_FOLDER SHIPPED_DATA_FOLDER
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "app/main_window.h"
#include "app/settings_folder.h"
#include "core/messages.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/star_form.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  const bool saved = window.grab().save(path);
  if (!saved) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orreline");
  if (argc != 3) {
    std::fprintf(stderr, "usage: window-pictures OUTPUT_FOLDER SHIPPED_DATA_FOLDER\n");
    return 2;
  }
  const QString out = argv[1];
  QDir().mkpath(out);
  QTemporaryDir home;
  orrelin::StartEnvironment env;
  env.settingsFolder = orrelin::SettingsFolderFrom(home.path().toStdString(), "");
  env.starFileSources = {argv[2]};
  env.now = 1781258400;  // 2026-06-12 10:00:00 UTC, a summer morning in Helsinki
  env.secondsEastOfUtc = 3 * 3600;
  orrelin::RecordingMessageSink sink;
  orrelin::ui::TOrrelinForm form(env, sink);
  form.show();
  bool ok = Save(form, out + "/main-window.png");
  form.RunBodyReport("SUN");
  ok = Save(form.PlanetForm(), out + "/report-sun.png") && ok;
  form.RunBodyReport("MOON");
  ok = Save(form.PlanetForm(), out + "/report-moon.png") && ok;
  form.RunBodyReport("JUPITER");
  ok = Save(form.PlanetForm(), out + "/report-jupiter.png") && ok;
  form.findChild<QPushButton*>("Stars")->click();
  ok = Save(form.StarForm(), out + "/star-window.png") && ok;
  return ok ? 0 : 1;
}
