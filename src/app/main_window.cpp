#include "app/main_window.h"

#include "app/settings_folder.h"
#include "core/clock.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

void RestorePlace(const SettingsValues& settings, const std::string& latDeg, MainWindowRecord& main) {
  // A file written by the program always holds these keys; a missing one takes LatDeg.
  main.latDeg = latDeg;
  main.latMin = settings.Get("LatMin").value_or(latDeg);
  main.lonDeg = settings.Get("LonDeg").value_or(latDeg);
  main.lonMin = settings.Get("LonMin").value_or(latDeg);
  main.height = settings.Get("Height").value_or(latDeg);
  if (const auto place = settings.Get("Place")) main.place = *place;
  // A missing weather key takes the text of the key read just before it.
  main.temperature = settings.Get("Temp").value_or(main.height);
  main.pressure = settings.Get("Pressure").value_or(main.temperature);
  if (const auto delta = settings.Get("Delta")) main.delta = *delta;
  main.north = settings.Get("LatPos").value_or("") == "N";
  main.west = settings.Get("LonPos").value_or("") == "W";
  if (settings.Get("PcTime").value_or("") == "0") {
    main.pcTime = false;
    if (const auto dif = settings.Get("Dif")) {
      main.utcMinusLocal = *dif;
      UpdateLocalTime(main);
    }
  }
}

void ApplyPresetsWhenNeeded(const SettingsFile& settings, const SettingsValues& values, int screenClass) {
  const auto resFonts = values.Get("ResFonts");
  if (!resFonts || *resFonts != WholeText(screenClass)) {
    ApplyPlacementPresets(settings, screenClass);
  } else if (!values.Get("NewSet")) {
    ApplyPlacementPresets(settings, screenClass);
    settings.Write("NewSet", "1");
  }
}

}  // namespace

bool RestoreMainSettings(const SettingsValues& settings, MainWindowRecord& main) {
  const auto latDeg = settings.Get("LatDeg");
  if (!latDeg) return false;
  RestorePlace(settings, *latDeg, main);
  return true;
}

void PutFirstStartDefaults(MainWindowRecord& main) {
  main.latDeg = "60";
  main.latMin = "9.7";
  main.north = true;
  main.lonDeg = "24";
  main.lonMin = "57.3";
  main.west = false;
  main.height = "0";
  main.pressure = "1010";
  main.temperature = "10";
  main.place = "Helsinki";
}

StartResult StartMainWindow(const StartEnvironment& env, MainWindowRecord& main, MessageSink& sink) {
  StartResult result;
  if (CreateSettingsFolder(env.settingsFolder) && !InstallStarFile(env.settingsFolder, env.starFileSources)) {
    sink.ShowMessage(kMessageStarFileNotInUse);
  }
  const SettingsFile settings(env.settingsFolder / kSettingsFileName);
  TakePcTime(main, env.now, env.secondsEastOfUtc);

  result.mainWindowPosition = RestoreWindowPlacement(settings, "fOrrelin");
  const SettingsValues values = settings.ReadAll();
  result.firstStart = !RestoreMainSettings(values, main);
  if (result.firstStart) {
    PutFirstStartDefaults(main);
  } else {
    ApplyPresetsWhenNeeded(settings, values, ScreenClass(env.screenDotsPerInch, env.screenWidth));
  }
  main.date = DateOfInstant(env.now, env.secondsEastOfUtc);
  main.beforeChrist = false;
  result.deltaPanelVisible = DeltaPanelVisible(main.date);
  result.weekday = WeekdayName(main.date, main.beforeChrist);
  return result;
}

void TakePcTime(MainWindowRecord& main, std::time_t now, long secondsEastOfUtc) {
  const PcClock clock = ClockTextsAt(now, secondsEastOfUtc);
  main.time = clock.utcTime;
  main.localTime = clock.localTime;
  main.utcMinusLocal = clock.offset;
}

void UpdateLocalTime(MainWindowRecord& main) {
  main.localTime = ShiftClockText(main.time, ReadDecimal(main.utcMinusLocal).value);
}

bool DeltaPanelVisible(const CivilDate& date) { return date.year >= 2011; }

void ClockButtonClicked(MainWindowRecord& main, std::time_t now) {
  main.date = DateOfInstant(now, 0);
  main.beforeChrist = false;
  main.time = ClockCaption(now);
  UpdateLocalTime(main);
}

std::string ClockCaption(std::time_t now) { return ClockTextsAt(now, 0).utcTime; }

void SaveMainSettings(const SettingsFile& settings, const MainWindowRecord& main,
                      const std::optional<WindowPosition>& normalPosition) {
  std::vector<std::pair<std::string, std::string>> values{
      {"LatDeg", main.latDeg},     {"LatMin", main.latMin},
      {"LonDeg", main.lonDeg},     {"LonMin", main.lonMin},
      {"Height", main.height},     {"Temp", main.temperature},
      {"Pressure", main.pressure}, {"Place", main.place},
      {"Dif", main.utcMinusLocal}, {"Delta", main.delta},
      {"LatPos", main.north ? "N" : "S"}, {"LonPos", main.west ? "W" : "E"},
  };
  if (normalPosition) {
    values.emplace_back("fOrrelin", PlacementValue(*normalPosition, true));
  }
  settings.WriteAll(values);
}

}  // namespace orrelin
