#include "ui/printing.h"

#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>

namespace orrelin::ui {

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

void AddCloseAndPrintImageMenu(QMainWindow& window, const char* printCaption, const char* printObjectName,
                               const char* closeCaption) {
  QAction* close = window.menuBar()->addAction(closeCaption);
  close->setObjectName("CloseForm");
  QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
  QAction* print = window.menuBar()->addAction(printCaption);
  print->setObjectName(printObjectName);
  QObject::connect(print, &QAction::triggered, &window, [&window] { PrintWidgetWithDialog(window); });
}

}  // namespace orrelin::ui
