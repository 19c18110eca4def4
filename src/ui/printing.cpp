#include "ui/printing.h"

#include <QFontMetrics>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>

namespace orrelin::ui {

bool PrintPages(QPrinter& printer, const std::vector<PrintedPage>& pages, const QFont& font) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QFont f = font;
  for (std::size_t p = 0; p < pages.size(); ++p) {
    if (p > 0) printer.newPage();
    for (const PrintedText& t : pages[p].texts) {
      f.setPointSize(t.pointSize);
      painter.setFont(f);
      painter.drawText(QRect(t.x, t.y, painter.viewport().width(), painter.viewport().height()),
                       Qt::AlignLeft | Qt::AlignTop, QString::fromStdString(t.text));
    }
  }
  return painter.end();
}

PageArea PageAreaOf(const QPrinter& printer) {
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  return {area.width(), area.height(), printer.resolution()};
}

TextWidth PrinterTextWidth(QPrinter& printer, const QFont& font) {
  return [&printer, font](const std::string& text, int pointSize) {
    QFont f = font;
    f.setPointSize(pointSize);
    return QFontMetrics(f, &printer).horizontalAdvance(QString::fromStdString(text));
  };
}

bool PrintWidgetImage(QWidget& widget, QPrinter& printer) {
  const QPixmap image = widget.grab();
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  QSize size = image.size();
  size.scale(page.size(), Qt::KeepAspectRatio);
  painter.drawPixmap(QRect(page.topLeft(), size), image);
  return painter.end();
}

void PrintWidgetWithDialog(QWidget& widget) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, &widget);
  if (dialog.exec() == QDialog::Accepted) PrintWidgetImage(widget, printer);
}

void AddCloseAndPrintMenu(QMainWindow& window, const std::function<bool(QPrinter&)>& print,
                          const char* printCaption, const char* printObjectName, const char* closeCaption) {
  QAction* close = window.menuBar()->addAction(closeCaption);
  close->setObjectName("CloseForm");
  QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
  QAction* printAction = window.menuBar()->addAction(printCaption);
  printAction->setObjectName(printObjectName);
  QObject::connect(printAction, &QAction::triggered, &window, [&window, print] {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, &window);
    if (dialog.exec() == QDialog::Accepted) print(printer);
  });
}

void AddCloseAndPrintImageMenu(QMainWindow& window, const char* printCaption, const char* printObjectName,
                               const char* closeCaption) {
  AddCloseAndPrintMenu(window, [&window](QPrinter& printer) { return PrintWidgetImage(window, printer); },
                       printCaption, printObjectName, closeCaption);
}

}  // namespace orrelin::ui
