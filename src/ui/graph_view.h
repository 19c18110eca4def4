#pragma once
// The altitude graph on the screen with its cursor: a vertical line where the mouse
// stands over the graph, and the sheet's point under the mouse told to the window.
#include <functional>
#include <optional>

#include "navigation/sheet_items.h"
#include "ui/plotting_sheet_view.h"

namespace orrelin::ui {

class GraphView : public PlottingSheetView {
  Q_OBJECT

 public:
  explicit GraphView(QWidget* parent = nullptr);
  // Called with the sheet's point under the mouse as it moves; none when it leaves.
  void OnPointed(std::function<void(std::optional<navigation::SheetPoint>)> pointed) { pointed_ = std::move(pointed); }
  // The cursor's line at this distance across the sheet (millimetres); none hides it.
  void SetCursor(std::optional<double> sheetX);
  std::optional<double> Cursor() const { return cursor_; }
  // Where a point of the sheet stands in the view, and back.
  QPointF ViewPointOf(const navigation::SheetPoint& point) const;
  navigation::SheetPoint SheetPointOf(const QPointF& point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  std::function<void(std::optional<navigation::SheetPoint>)> pointed_;
  std::optional<double> cursor_;
};

}  // namespace orrelin::ui
