#pragma once
// The main window's behaviour over its record: start-up, the clock, the date
// and time boxes, and saving the place when it closes.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/placement.h"
#include "app/settings_file.h"
#include "core/messages.h"
#include "report/main_window_record.h"

namespace orrelin {

// What the window layer knows of the machine at start.
struct StartEnvironment {
  std::filesystem::path settingsFolder;
  std::vector<std::filesystem::path> starFileSources;  // where the shipped "Mstars.dat" and "Position.txt" may be
  double screenDotsPerInch = 96;
  int screenWidth = 1920;
  std::time_t now = 0;
  long secondsEastOfUtc = 0;  // the computer's time zone
};

struct StartResult {
  std::optional<WindowPosition> mainWindowPosition;
  bool firstStart = false;
  bool deltaPanelVisible = false;
  std::string weekday;
  std::vector<std::string> placeNames;  // the drop-down's items
};

// Creates the settings folder (installing the star file), takes the computer's
// time, restores the place or puts the first-start defaults, applies the
// placement presets, and sets today's date. A settings file that cannot be read is
// told once and left alone for the whole run (`settings` then writes nothing).
StartResult StartMainWindow(const StartEnvironment& env, SettingsFile& settings, MainWindowRecord& main,
                            MessageSink& sink);

struct RestoredSettings {
  bool present = false;                 // false: the file holds no place (a first start)
  std::vector<std::string> resetKeys;   // keys missing or holding what no place can have
};
// Reads the saved place into the record without writing anything. A key that is
// missing or fails the checks of a place takes its first-start value.
RestoredSettings RestoreMainSettings(const SettingsValues& settings, MainWindowRecord& main);
// The message that names the keys that were reset.
std::string ResetKeysMessage(const SettingsFile& settings, const std::vector<std::string>& keys);

// Puts the first-start place (Helsinki) into the record.
void PutFirstStartDefaults(MainWindowRecord& main);

// The computer clock's UTC time, local time and offset into the boxes.
void TakePcTime(MainWindowRecord& main, std::time_t now, long secondsEastOfUtc);

// The local time box follows the UTC time box and the offset box.
void UpdateLocalTime(MainWindowRecord& main);

// With a zone's clock (the zone box's, looked up): the offset box shows the zone's offset
// at the date and UTC time of the boxes, and the local time box follows. A time or date
// that does not read leaves the offset box as it is.
void FollowZoneClock(MainWindowRecord& main);

// The Delta panel is shown from 2011 on.
bool DeltaPanelVisible(const CivilDate& date);

// The clock button: today's UTC date and the UTC time into the boxes.
void ClockButtonClicked(MainWindowRecord& main, std::time_t now);

// The clock button's caption, "hh:mm:ss" UTC.
std::string ClockCaption(std::time_t now);

// Writes the main keys; the window position when the window's state is normal.
void SaveMainSettings(const SettingsFile& settings, const MainWindowRecord& main,
                      const std::optional<WindowPosition>& normalPosition);

}  // namespace orrelin
