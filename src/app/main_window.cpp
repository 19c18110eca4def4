#include "app/main_window.h"

#include <algorithm>

#include "app/place_list.h"
#include "app/settings_folder.h"
#include "core/clock.h"
#include "core/numbers.h"
#include "report/observer_reading.h"

namespace orrelin {

namespace {

// The first-start texts of the place keys, and what each must hold when present.
struct CheckedKey {
  const char* key;
  std::string MainWindowRecord::*box;
  const char* firstStart;
  bool (*holdsAPlaceValue)(const std::string& text, const MainWindowRecord& sofar);
};

bool WholeDegrees(const std::string& text, int limit) {
  return !text.empty() && ReadPlaceAngle(text, "0", limit).has_value();
}

const CheckedKey kCheckedKeys[] = {
    {"LatDeg", &MainWindowRecord::latDeg, "60",
     [](const std::string& t, const MainWindowRecord&) { return t.empty() || WholeDegrees(t, 90); }},
    {"LatMin", &MainWindowRecord::latMin, "9.7",
     [](const std::string& t, const MainWindowRecord& m) {
       return t.empty() || ReadPlaceAngle(m.latDeg.empty() ? "0" : m.latDeg, t, 90).has_value();
     }},
    {"LonDeg", &MainWindowRecord::lonDeg, "24",
     [](const std::string& t, const MainWindowRecord&) { return t.empty() || WholeDegrees(t, 180); }},
    {"LonMin", &MainWindowRecord::lonMin, "57.3",
     [](const std::string& t, const MainWindowRecord& m) {
       return t.empty() || ReadPlaceAngle(m.lonDeg.empty() ? "0" : m.lonDeg, t, 180).has_value();
     }},
    {"Height", &MainWindowRecord::height, "0",
     [](const std::string& t, const MainWindowRecord&) {
       return t.empty() || ReadBoundedDecimal(t, 0.0, kMaxHeightOfEye).has_value();
     }},
    {"Temp", &MainWindowRecord::temperature, "10",
     [](const std::string& t, const MainWindowRecord&) {
       return t.empty() || ReadBoundedDecimal(t, kMinTemperature, kMaxTemperature).has_value();
     }},
    {"Pressure", &MainWindowRecord::pressure, "1010",
     [](const std::string& t, const MainWindowRecord&) {
       return t.empty() || ReadBoundedDecimal(t, 0.0, kMaxPressure).has_value();
     }},
};

// "N"/"S" or "W"/"E"; a missing or other text takes the first-start hemisphere.
bool RestoreHemisphere(const SettingsValues& settings, const char* key, char positive, char negative,
                       bool firstStart, std::vector<std::string>& reset) {
  const auto value = settings.Get(key);
  if (value && *value == std::string(1, positive)) return true;
  if (value && *value == std::string(1, negative)) return false;
  reset.emplace_back(key);
  return firstStart;
}

// Minutes that did not fit their degrees (90° 30') took their first-start value,
// which may not fit those degrees either (90° 9.7'): then the degrees take theirs too.
void FitMinutesToDegrees(const CheckedKey& degrees, const CheckedKey& minutes, int limit, MainWindowRecord& main,
                         std::vector<std::string>& reset) {
  const std::string& deg = main.*degrees.box;
  if (ReadPlaceAngle(deg.empty() ? "0" : deg, main.*minutes.box, limit)) return;
  main.*degrees.box = degrees.firstStart;
  if (std::find(reset.begin(), reset.end(), degrees.key) != reset.end()) return;
  reset.insert(std::find(reset.begin(), reset.end(), minutes.key), degrees.key);
}

void RestorePlace(const SettingsValues& settings, MainWindowRecord& main, std::vector<std::string>& reset) {
  for (const CheckedKey& k : kCheckedKeys) {
    const auto value = settings.Get(k.key);
    if (value && k.holdsAPlaceValue(*value, main)) {
      main.*k.box = *value;
    } else {
      main.*k.box = k.firstStart;
      reset.emplace_back(k.key);
    }
  }
  FitMinutesToDegrees(kCheckedKeys[0], kCheckedKeys[1], 90, main, reset);
  FitMinutesToDegrees(kCheckedKeys[2], kCheckedKeys[3], 180, main, reset);
  if (const auto place = settings.Get("Place")) main.place = *place;
  if (const auto delta = settings.Get("Delta")) {
    if (delta->empty() || ReadDeltaBox(*delta).status != DeltaBoxStatus::kRefused) {
      // Only typed values are saved; an older version's saved value is kept as typed too.
      main.delta = *delta;
      main.deltaTyped = !delta->empty();
    } else {
      reset.emplace_back("Delta");
    }
  }
  main.precise = settings.Get("Precise").value_or("0") == "1";
  // The zone's name only: the window looks up its clock, and says when the database has none.
  main.zone = settings.Get("Zone").value_or("");
  main.north = RestoreHemisphere(settings, "LatPos", 'N', 'S', true, reset);
  main.west = RestoreHemisphere(settings, "LonPos", 'W', 'E', false, reset);
  if (settings.Get("PcTime").value_or("") == "0") {
    main.pcTime = false;
    if (const auto dif = settings.Get("Dif")) {
      if (ReadOffsetBox(*dif)) {
        main.utcMinusLocal = *dif;
        UpdateLocalTime(main);
      } else {
        reset.emplace_back("Dif");
      }
    }
  }
}

// The presets' own ResFonts text: a class-0 screen stores "1" like class 1, so a
// stored "1" matches it too (otherwise the presets came back at every start).
void ApplyPresetsWhenNeeded(const SettingsFile& settings, const SettingsValues& values, int screenClass) {
  const std::string presetClass = screenClass == 2 ? "2" : "1";
  const auto resFonts = values.Get("ResFonts");
  if (!resFonts || *resFonts != presetClass) {
    ApplyPlacementPresets(settings, screenClass);
  } else if (!values.Get("NewSet")) {
    ApplyPlacementPresets(settings, screenClass);
    settings.Write("NewSet", "1");
  }
}

}  // namespace

RestoredSettings RestoreMainSettings(const SettingsValues& settings, MainWindowRecord& main) {
  RestoredSettings restored;
  restored.present = settings.Get("LatDeg").has_value();
  if (restored.present) RestorePlace(settings, main, restored.resetKeys);
  return restored;
}

std::string ResetKeysMessage(const SettingsFile& settings, const std::vector<std::string>& keys) {
  std::string list;
  for (const auto& k : keys) list += (list.empty() ? "" : ", ") + k;
  return "Some settings in " + settings.Path().string() +
         " could not be used and were reset to their first-start values: " + list;
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

StartResult StartMainWindow(const StartEnvironment& env, SettingsFile& settings, MainWindowRecord& main,
                            MessageSink& sink) {
  StartResult result;
  if (CreateSettingsFolder(env.settingsFolder)) {
    if (!InstallStarFile(env.settingsFolder, env.starFileSources)) sink.ShowMessage(kMessageStarFileNotInUse);
  } else {
    RepairPartialStarFile(env.settingsFolder, env.starFileSources);
  }
  TakePcTime(main, env.now, env.secondsEastOfUtc);

  const SettingsRead read = settings.ReadSection();
  if (!read.readable) {
    sink.ShowMessage(SettingsUnreadableMessage(settings, read.problem));
    settings.KeepUnwritten();
  }
  result.mainWindowPosition = RestoreWindowPlacement(read.values, "fOrrelin");
  const RestoredSettings restored = RestoreMainSettings(read.values, main);
  result.firstStart = !restored.present;
  if (result.firstStart) {
    PutFirstStartDefaults(main);
  } else {
    if (!restored.resetKeys.empty()) sink.ShowMessage(ResetKeysMessage(settings, restored.resetKeys));
    ApplyPresetsWhenNeeded(settings, read.values, ScreenClass(env.screenDotsPerInch, env.screenWidth));
  }
  main.date = DateOfInstant(env.now, env.secondsEastOfUtc);
  main.beforeChrist = false;
  result.deltaPanelVisible = DeltaPanelVisible(main.date);
  result.weekday = WeekdayName(main.date, main.beforeChrist);
  // The user's place list: a copy of the shipped one when the folder has none.
  InstallShippedFile(env.settingsFolder, env.starFileSources, kPlaceFileName);
  result.placeNames = LoadPlaceList(env.settingsFolder / kPlaceFileName, sink);
  return result;
}

void TakePcTime(MainWindowRecord& main, std::time_t now, long secondsEastOfUtc) {
  const PcClock clock = ClockTextsAt(now, secondsEastOfUtc);
  main.time = clock.utcTime;
  main.localTime = clock.localTime;
  main.utcMinusLocal = clock.offset;
}

void FollowZoneClock(MainWindowRecord& main) {
  if (!main.clock.IsZone() || !IsClockTime(main.time)) return;
  bool valid = true;
  const TCalendarDate date = DateToRecord(main.date, valid);
  if (!valid) return;
  const double julianDayUt = JulianDay(date, 0.0, main.beforeChrist).jd + HmsToHours(main.time) / 24.0;
  main.utcMinusLocal = OffsetText(main.clock.UtcMinusLocalAt(julianDayUt));
  UpdateLocalTime(main);
}

void UpdateLocalTime(MainWindowRecord& main) {
  // Empty while the time or the offset does not read, rather than a wrong clock.
  const auto offset = ReadOffsetBox(main.utcMinusLocal);
  main.localTime = (offset && IsClockTime(main.time)) ? ShiftClockText(main.time, *offset) : "";
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
      {"Dif", main.utcMinusLocal}, {"Delta", main.deltaTyped ? main.delta : ""},  // a filled-in value is not kept
      {"LatPos", main.north ? "N" : "S"}, {"LonPos", main.west ? "W" : "E"},
      {"Precise", main.precise ? "1" : "0"}, {"Zone", main.zone},
  };
  if (normalPosition) {
    values.emplace_back("fOrrelin", PlacementValue(*normalPosition, true));
  }
  settings.WriteAll(values);
}

}  // namespace orrelin
