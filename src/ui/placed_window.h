#pragma once
// A window other than the main window: created once, shown and hidden, and kept
// where the user put it under its settings key.
#include <QMainWindow>
#include <QPoint>
#include <optional>

#include "app/settings_file.h"

namespace orrelin::ui {

class PlacedWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `anchor` is the main window: a window with no stored place opens beside it.
  PlacedWindow(const SettingsFile& settings, const char* placementKey, QWidget* anchor, QWidget* parent = nullptr);

 protected:
  // Applies the stored place, if any (at creation; the Jupiter window at every show).
  void RestoreStoredPlace();
  // A window whose design puts it somewhere (the Jupiter window) goes there when no
  // place is stored, instead of beside the main window.
  void SetDesignPlace(QPoint insideTopLeft) { designPlace_ = insideTopLeft; }
  // Reads the stored place at every show rather than once at creation.
  void RestoreAtEveryShow() { restoreAtEveryShow_ = true; }
  void showEvent(QShowEvent* event) override;
  // Stores the place unless the window is minimised or maximised.
  void closeEvent(QCloseEvent* event) override;

  const SettingsFile& settings_;

 private:
  const char* key_;
  QWidget* anchor_;
  bool placed_ = false;
  std::optional<QPoint> designPlace_;
  bool restoreAtEveryShow_ = false;
};

}  // namespace orrelin::ui
