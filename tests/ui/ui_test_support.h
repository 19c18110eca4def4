#pragma once
// Window tests: real widgets, found by their object names, driven as a user would.
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPrinter>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/main_window.h"
#include "app/settings_folder.h"

namespace orrelin::testing {

// A first start in a folder of the test's own: 2026-06-12 10:00:00 UTC, in UTC+3.
inline StartEnvironment WindowEnvironment(const QString& folder, bool installedCatalogue = false) {
  StartEnvironment env;
  env.settingsFolder = SettingsFolderFrom(folder.toStdString(), "");
  env.starFileSources = {};
  if (installedCatalogue) env.starFileSources = {ORRELIN_SHIPPED_STAR_DIR};
  env.now = 1781258400;
  env.secondsEastOfUtc = 3 * 3600;
  return env;
}

// First starts, each in a new folder of the test's own temporary folder.
class FreshStarts {
 public:
  StartEnvironment Next(bool installedCatalogue = false) { return WindowEnvironment(NextFolder(), installedCatalogue); }
  QString NextFolder() { return dir_.path() + "/cfg" + QString::number(++count_); }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
  int count_ = 0;
};

template <typename T>
T* Find(QWidget& window, const char* name) {
  T* widget = window.findChild<T*>(name);
  if (widget == nullptr) qFatal("no widget %s", name);
  return widget;
}

// A printer that writes a PDF file of that name.
inline void PrintToPdf(QPrinter& printer, const QString& path) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
}

inline bool IsPdfFile(const QString& path, qint64 atLeast = 100) {
  QFile pdf(path);
  return pdf.open(QIODevice::ReadOnly) && pdf.size() >= atLeast && pdf.read(4) == "%PDF";
}

// Runs `inspect` on the next modal message box, then closes it.
inline void WhenAMessageBoxOpens(std::function<void(QMessageBox&)> inspect) {
  QTimer::singleShot(0, [inspect] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      WhenAMessageBoxOpens(inspect);
      return;
    }
    inspect(*box);
    box->accept();
  });
}

}  // namespace orrelin::testing
