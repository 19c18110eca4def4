#include "app/placement.h"

#include <array>
#include <cmath>

#include "core/fields.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

struct Preset {
  const char* key;
  const char* classTwo;
  const char* otherClasses;
};

constexpr std::array<Preset, 7> kPresets{{
    {"ResFonts", "2", "1"},
    {"fOrrelin", "1,0,2", "1,-1,3"},
    {"fPlanet", "0,-1,424", "0,-1,349"},
    {"fJupiter", "0,-2,426", "0,2,394"},
    {"fAlmanac", "0,-1,424", "0,-2,348"},
    {"fStar", "0,-1,254", "0,43,4"},
    {"fIdentify", "1,21,1", "1,21,1"},
}};

}  // namespace

int ScreenClass(double dotsPerInch, int screenWidth) {
  if (dotsPerInch > 100) return 2;
  if (screenWidth > 1000) return 1;
  return 0;
}

void ApplyPlacementPresets(const SettingsFile& settings, int screenClass) {
  std::vector<std::pair<std::string, std::string>> values;
  for (const auto& p : kPresets) values.emplace_back(p.key, screenClass == 2 ? p.classTwo : p.otherClasses);
  settings.WriteAll(values);
}

std::optional<WindowPosition> RestoreWindowPlacement(const SettingsFile& settings, const std::string& key) {
  return RestoreWindowPlacement(settings.ReadAll(), key);
}

std::optional<WindowPosition> RestoreWindowPlacement(const SettingsValues& settings, const std::string& key) {
  constexpr double kFarthest = 100000.0;  // pixels; no screen set-up reaches beyond
  const auto value = settings.Get(key);
  if (!value) return std::nullopt;
  const NumberRead top = ReadWholeNumber(ExtractField(*value, ",", 1));
  const NumberRead left = ReadWholeNumber(ExtractField(*value, ",", 2));
  if (!top.ok || !left.ok || std::fabs(top.value) > kFarthest || std::fabs(left.value) > kFarthest) {
    return std::nullopt;
  }
  return WindowPosition{static_cast<int>(top.value), static_cast<int>(left.value)};
}

std::string PlacementValue(const WindowPosition& position, bool mainWindow) {
  return std::string(mainWindow ? "1," : "0,") + WholeText(position.top) + "," + WholeText(position.left);
}

void SaveWindowPlacement(const SettingsFile& settings, const std::string& key, const WindowPosition& position,
                         bool stateIsNormal, bool mainWindow) {
  if (!stateIsNormal) return;
  settings.Write(key, PlacementValue(position, mainWindow));
}

}  // namespace orrelin
