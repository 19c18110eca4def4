#pragma once
// Moving a window to its stored place and storing it when it closes.
#include <QWidget>

#include "app/settings_file.h"

namespace orrelin::ui {

void RestorePlacement(QWidget& window, const SettingsFile& settings, const char* key);
void SavePlacement(const QWidget& window, const SettingsFile& settings, const char* key, bool mainWindow = false);

}  // namespace orrelin::ui
