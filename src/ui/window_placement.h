#pragma once
// Where each window stands on the screen: its stored place (the top-left of its
// inside, without the frame the window manager adds), kept so that the whole title
// bar stays on a screen and the window inside the screen's available area.
#include <QWidget>

#include "app/placement.h"
#include "app/settings_file.h"

namespace orrelin::ui {

// Moves the window's inside to the stored place, brought onto a screen.
void MoveToStoredPlace(QWidget& window, const WindowPosition& position);
// Applies the place stored under the key; false when none is stored.
bool RestorePlacement(QWidget& window, const SettingsFile& settings, const char* key);
// A window opened for the first time stands beside the anchor where the screen has
// room, and otherwise where it covers the least of the anchor's child of this name
// (the main window's body buttons), then of the anchor.
inline constexpr const char* kKeepClearName = "BodyButtons";
void PlaceBeside(QWidget& window, const QWidget& anchor);
// Once the window manager has framed a shown window: moves it down or in until its
// title bar and frame lie on the screen.
void KeepTitleBarOnScreen(QWidget& window);
// The same at once, with the frame as it is known now.
void BringFrameOntoScreen(QWidget& window);
// Stores the inside's top-left when the window's state is normal.
void SavePlacement(const QWidget& window, const SettingsFile& settings, const char* key, bool mainWindow = false);

// The window's inside place as it is stored.
WindowPosition InsidePosition(const QWidget& window);
bool InNormalState(const QWidget& window);

}  // namespace orrelin::ui
