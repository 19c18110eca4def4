#pragma once
// Moving a window to its stored place and storing it when it closes.
#include <QWidget>

#include "app/placement.h"
#include "app/settings_file.h"

namespace orrelin::ui {

void RestorePlacement(QWidget& window, const SettingsFile& settings, const char* key);
// Moves the window to a stored place, unless it lies off every screen.
void MoveToStoredPlace(QWidget& window, const WindowPosition& position);
void SavePlacement(const QWidget& window, const SettingsFile& settings, const char* key, bool mainWindow = false);

}  // namespace orrelin::ui
