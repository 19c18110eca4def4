// The settings file: any bytes on disk restore a place the computations can read,
// keys written are read back as written (the others kept), and the place saved and
// restored again is the same place.
#include <set>

#include "app/main_window.h"
#include "app/placement.h"
#include "app/settings_file.h"
#include "core/encoding.h"
#include "core/fields.h"
#include "fuzz_support.h"
#include "report/observer_reading.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

std::string RecordText(const MainWindowRecord& m) {
  return m.latDeg + "|" + m.latMin + "|" + (m.north ? "N" : "S") + "|" + m.lonDeg + "|" + m.lonMin + "|" +
         (m.west ? "W" : "E") + "|" + m.height + "|" + m.temperature + "|" + m.pressure + "|" + m.place + "|" +
         m.delta + "|" + m.utcMinusLocal;
}

// Keys and values as a caller writes them: a key is a plain name, a value one line
// without blanks at its ends.
std::vector<std::pair<std::string, std::string>> WritableValues(const std::string& text) {
  std::vector<std::pair<std::string, std::string>> values;
  std::set<std::string> keys;
  for (const std::string& line : Parts(text, '\n', 0)) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || eq == 0) continue;
    // The program writes UTF-8.
    const std::string key = line.substr(0, eq), value = AsUtf8(line.substr(eq + 1));
    if (key.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") != std::string::npos) {
      continue;
    }
    if (value.find_first_of("\r\n") != std::string::npos) continue;
    if (!value.empty() && (value.front() == ' ' || value.front() == '\t' || value.back() == ' ' ||
                           value.back() == '\t')) {
      continue;
    }
    if (keys.insert(LowerCaseText(key)).second) values.emplace_back(key, value);
  }
  return values;
}

void CheckRestoredPlace(const SettingsFile& settings, const std::string& file) {
  MainWindowRecord first;
  PutFirstStartDefaults(first);
  RestoreMainSettings(settings.ReadAll(), first);
  RestoreWindowPlacement(settings, "fOrrelin");
  MainWindowRecord read = first;
  const bool emptyBox = first.latDeg.empty() || first.lonDeg.empty() || first.height.empty() ||
                        first.pressure.empty() || first.temperature.empty();
  const auto observer = ReadObserver(read);
  Require(emptyBox || observer.has_value(), "a restored place is one the computations read", file);
  if (observer) {
    for (double v : {observer->latitude, observer->longitude, observer->height, observer->pressure,
                     observer->temperature, observer->utcMinusLocal}) {
      RequireFinite(v, "a restored place's value", file);
    }
  }
  // Saved and restored again, the place is the same.
  SaveMainSettings(settings, first, std::nullopt);
  MainWindowRecord second;
  PutFirstStartDefaults(second);
  RestoreMainSettings(settings.ReadAll(), second);
  Require(RecordText(first) == RecordText(second), "a place saved and restored is the same",
          RecordText(first) + " / " + RecordText(second));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The bytes on disk, then after a NUL the lines of keys to write.
  const std::string input = TextOf(data, size);
  const std::size_t cut = input.find('\0');
  const std::string file = input.substr(0, cut);
  const auto toWrite = WritableValues(cut == std::string::npos ? "" : input.substr(cut + 1));
  const SettingsFile settings(PutFile(SharedScratchFolder(), "settings.ini", file));

  const SettingsRead before = settings.ReadSection();
  Require(before.readable, "a small file reads", file);
  Require(settings.WriteAll(toWrite), "a readable settings file is written", file);
  const SettingsValues after = settings.ReadAll();
  for (const auto& [key, value] : toWrite) {
    Require(after.Get(key) == value, "a key written reads back as written", key + "=" + value + " over " + file);
  }
  CheckRestoredPlace(settings, file);
  return 0;
}
