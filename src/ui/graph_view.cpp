#include "ui/graph_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "sky/graph_sheet.h"

namespace orrelin::ui {

GraphView::GraphView(QWidget* parent) : PlottingSheetView(parent) {
  setObjectName("viewGraph");
  setMouseTracking(true);
}

void GraphView::SetCursor(std::optional<double> sheetX) {
  if (sheetX == cursor_) return;
  cursor_ = sheetX;
  update();
}

QPointF GraphView::ViewPointOf(const navigation::SheetPoint& point) const {
  const QRectF square = Square();
  const double scale = square.width() / navigation::kSheetSize;
  return {square.left() + point.x * scale, square.top() + point.y * scale};
}

navigation::SheetPoint GraphView::SheetPointOf(const QPointF& point) const {
  const QRectF square = Square();
  const double scale = square.width() > 0 ? navigation::kSheetSize / square.width() : 0.0;
  return {(point.x() - square.left()) * scale, (point.y() - square.top()) * scale};
}

void GraphView::paintEvent(QPaintEvent* event) {
  PlottingSheetView::paintEvent(event);
  if (!cursor_ || !Sheet()) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(110, 110, 110), 1.5));  // grey: no body's colour
  painter.drawLine(ViewPointOf({*cursor_, sky::kGraphArea.top}), ViewPointOf({*cursor_, sky::kGraphArea.bottom}));
}

void GraphView::mouseMoveEvent(QMouseEvent* event) {
  if (pointed_) pointed_(SheetPointOf(event->position()));
  PlottingSheetView::mouseMoveEvent(event);
}

void GraphView::leaveEvent(QEvent* event) {
  if (pointed_) pointed_(std::nullopt);
  PlottingSheetView::leaveEvent(event);
}

}  // namespace orrelin::ui
