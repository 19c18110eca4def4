#include "ui/placed_window.h"

#include <QCloseEvent>
#include <QShowEvent>

#include "ui/window_placement.h"

namespace orrelin::ui {

PlacedWindow::PlacedWindow(const SettingsFile& settings, const char* placementKey, QWidget* anchor, QWidget* parent)
    : QMainWindow(parent), settings_(settings), key_(placementKey), anchor_(anchor) {}

void PlacedWindow::RestoreStoredPlace() {
  if (RestorePlacement(*this, settings_, key_)) placed_ = true;
}

void PlacedWindow::showEvent(QShowEvent* event) {
  if (restoreAtEveryShow_) {
    placed_ = RestorePlacement(*this, settings_, key_) || placed_;
  }
  if (!placed_) {
    if (designPlace_) {
      MoveToStoredPlace(*this, {designPlace_->y(), designPlace_->x()});
    } else if (anchor_ != nullptr) {
      PlaceBeside(*this, *anchor_);
    }
  }
  placed_ = true;
  QMainWindow::showEvent(event);
  // Once the window manager has framed it, its title bar must lie on the screen.
  KeepTitleBarOnScreen(*this);
}

void PlacedWindow::closeEvent(QCloseEvent* event) {
  SavePlacement(*this, settings_, key_);
  QMainWindow::closeEvent(event);
}

}  // namespace orrelin::ui
