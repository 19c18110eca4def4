#pragma once
// A label that answers a click (the satellites window's "Date" and "Local time").
#include <QLabel>

namespace orrelin::ui {

class ClickableLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace orrelin::ui
