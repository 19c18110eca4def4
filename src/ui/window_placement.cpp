#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/placement.h"

namespace orrelin::ui {

namespace {

// A stored place that lies off every screen (another monitor set-up) is not applied.
bool OnSomeScreen(const QPoint& topLeft) {
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen->availableGeometry().adjusted(-50, -50, 0, 0).contains(topLeft)) return true;
  }
  return false;
}

}  // namespace

void MoveToStoredPlace(QWidget& window, const WindowPosition& position) {
  const QPoint topLeft(position.left, position.top);
  if (OnSomeScreen(topLeft)) window.move(topLeft);
}

void RestorePlacement(QWidget& window, const SettingsFile& settings, const char* key) {
  if (const auto p = RestoreWindowPlacement(settings, key)) MoveToStoredPlace(window, *p);
}

void SavePlacement(const QWidget& window, const SettingsFile& settings, const char* key, bool mainWindow) {
  const bool normal = !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
  SaveWindowPlacement(settings, key, {window.pos().y(), window.pos().x()}, normal, mainWindow);
}

}  // namespace orrelin::ui
