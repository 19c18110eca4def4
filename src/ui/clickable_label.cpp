#include "ui/clickable_label.h"

#include <QMouseEvent>

namespace orrelin::ui {

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Clicked();
  QLabel::mousePressEvent(event);
}

}  // namespace orrelin::ui
