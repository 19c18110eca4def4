#pragma once
// Where each window was on the screen, kept in the settings file.
#include <optional>
#include <string>

#include "app/settings_file.h"

namespace orrelin {

struct WindowPosition {
  int top = 0;
  int left = 0;
};

// 2: more than 100 pixels per inch; 1: wider than 1000 pixels; else 0.
int ScreenClass(double dotsPerInch, int screenWidth);

// Writes the seven preset keys of the screen class.
void ApplyPlacementPresets(const SettingsFile& settings, int screenClass);

// The position stored under the key ("flag,top,left"); none when absent, unreadable
// or farther than any screen reaches.
std::optional<WindowPosition> RestoreWindowPlacement(const SettingsFile& settings, const std::string& key);
std::optional<WindowPosition> RestoreWindowPlacement(const SettingsValues& settings, const std::string& key);
// "1,top,left" for the main window, "0,top,left" for the others.
std::string PlacementValue(const WindowPosition& position, bool mainWindow);
// Stores "0,top,left" (the main window: "1,...") when the window's state is normal.
void SaveWindowPlacement(const SettingsFile& settings, const std::string& key, const WindowPosition& position,
                         bool stateIsNormal, bool mainWindow = false);

}  // namespace orrelin
