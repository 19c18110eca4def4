#pragma once
// The plotting sheet on the screen, on paper and in PDF and PNG files.
#include <QMainWindow>
#include <QPainter>
#include <QWidget>
#include <optional>

#include "core/messages.h"
#include "navigation/plotting_sheet.h"

namespace orrelin::ui {

// Paints the sheet's items into a square of the painter.
void PaintPlottingSheet(QPainter& painter, const navigation::PlottingSheet& sheet, const QRectF& square);

// Writes the sheet as a PNG (1800 pixels square) or a PDF file (A4), by the file's
// extension. False when it could not be written.
bool SavePlottingSheet(const navigation::PlottingSheet& sheet, const QString& path);

class PlottingSheetView : public QWidget {
  Q_OBJECT

 public:
  explicit PlottingSheetView(QWidget* parent = nullptr);
  void SetSheet(std::optional<navigation::PlottingSheet> sheet);
  const std::optional<navigation::PlottingSheet>& Sheet() const { return sheet_; }
  // The square the sheet is painted into, centred in the view.
  QRectF Square() const;
  // What the view says while it has no sheet.
  void SetEmptyText(const QString& text) { emptyText_ = text; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<navigation::PlottingSheet> sheet_;
  QString emptyText_ = "No fix yet: two sights or more, then Fix";
};

// A "Save Plot" entry in the window's menu bar: asks for a file (`suggested` first) and
// writes the view's sheet as PNG or PDF; a failure is told as "The <what> could not be
// saved to <path>". Nothing happens while the view has no sheet.
void AddSavePlotMenu(QMainWindow& window, const PlottingSheetView& view, MessageSink& sink, const QString& title,
                     const QString& suggested, const std::string& what);

}  // namespace orrelin::ui
