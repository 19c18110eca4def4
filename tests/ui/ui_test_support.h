#pragma once
// Window tests: real widgets, found by their object names, driven as a user would.
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QPageSize>
#include <QMessageBox>
#include <QPrinter>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/main_window.h"
#include "app/settings_folder.h"
#include "core/printed_page.h"

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

// Every text of the pages within the printable part of the printer's page, as the
// printer's font measures it: empty, or the first text that is not, and where.
inline QString TextOffThePage(QPrinter& printer, const std::vector<PrintedPage>& pages, const QFont& font) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  for (std::size_t p = 0; p < pages.size(); ++p) {
    for (const PrintedText& t : pages[p].texts) {
      QFont f = font;
      f.setPointSize(t.pointSize);
      const QFontMetrics metrics(f, &printer);
      const QString text = QString::fromStdString(t.text);
      if (t.x < 0 || t.y < 0 || t.x + metrics.horizontalAdvance(text) > area.width() ||
          t.y + metrics.height() > area.height()) {
        return QString("page %1 at %2, %3 of %4 x %5: %6").arg(p + 1).arg(t.x).arg(t.y).arg(area.width()).arg(area.height()).arg(text);
      }
    }
  }
  return {};
}

// A Letter and an A4 PDF printer, at the printer's own resolution and at the screen's.
inline void ForEachPdfPage(const QString& path, const std::function<void(QPrinter&, const QString&)>& use) {
  for (const QPageSize::PageSizeId size : {QPageSize::Letter, QPageSize::A4}) {
    for (const QPrinter::PrinterMode mode : {QPrinter::HighResolution, QPrinter::ScreenResolution}) {
      QPrinter printer(mode);
      PrintToPdf(printer, path);
      printer.setPageSize(QPageSize(size));
      use(printer, QString("%1 at %2 dpi").arg(QPageSize(size).name()).arg(printer.resolution()));
    }
  }
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
