#include "app/place_list.h"

#include <optional>

#include "app/settings_file.h"
#include "core/fields.h"
#include "core/file_io.h"

namespace orrelin {

namespace {

// A place list of many thousand lines is still far below this.
constexpr std::size_t kLargestPlaceList = 16 * 1024 * 1024;

std::string MissingMessage() { return std::string(" File missing or cannot be opened ") + kPlaceFileName; }

// The file's lines, or none (said) when it is missing or cannot be read.
std::optional<std::vector<std::string>> Lines(const std::filesystem::path& file, MessageSink& sink) {
  TextLines text = ReadTextLines(file, kLargestPlaceList);
  if (!text.exists || !text.readable) {
    sink.ShowMessage(MissingMessage());
    return std::nullopt;
  }
  return std::move(text.lines);
}

// A degrees or minutes field: one that begins with "-" is the three characters after it.
std::string DegreesField(const std::string& field) {
  return field.rfind('-', 0) == 0 ? field.substr(1, 3) : field;
}

}  // namespace

std::string PlaceName(const std::string& line) { return line.substr(0, line.find('=')); }

std::vector<std::string> LoadPlaceList(const std::filesystem::path& file, MessageSink& sink) {
  std::vector<std::string> names;
  const auto lines = Lines(file, sink);
  if (!lines) return names;
  for (const auto& line : *lines) names.push_back(PlaceName(line));
  return names;
}

std::string FindPlace(const std::filesystem::path& file, const std::string& name, MessageSink& sink) {
  const auto lines = Lines(file, sink);
  if (!lines) return "";
  const std::string key = LowerCaseText(name);
  for (const auto& line : *lines) {
    if (LowerCaseText(PlaceName(line)) != key) continue;
    const auto equals = line.find('=');
    if (equals == std::string::npos) return "";
    return ExtractField(line.substr(equals + 1), "=", 0);
  }
  return "";
}

bool ApplyPlace(const std::filesystem::path& file, MainWindowRecord& main, MessageSink& sink) {
  const std::string c = FindPlace(file, main.place, sink);
  if (c.empty()) return false;
  const std::string latitude = ExtractField(c, ",", 0), longitude = ExtractField(c, ",", 1);
  std::string offset = ExtractField(c, ",", 2);
  main.latDeg = DegreesField(ExtractField(latitude, "_", 0));
  main.latMin = DegreesField(ExtractField(latitude, "_", 1));
  main.north = ExtractField(latitude, "_", 2) == "N";
  main.lonDeg = DegreesField(ExtractField(longitude, "_", 0));
  main.lonMin = DegreesField(ExtractField(longitude, "_", 1));
  main.west = ExtractField(longitude, "_", 2) == "W";
  main.utcMinusLocal = ExtractField(offset, "_", 0);
  return true;
}

std::string PlaceLine(const MainWindowRecord& m) {
  return m.place + "=" + m.latDeg + "_" + m.latMin + "_" + (m.north ? "N" : "S") + "," + m.lonDeg + "_" + m.lonMin +
         "_" + (m.west ? "W" : "E") + "," + m.utcMinusLocal;
}

void SavePlace(const std::filesystem::path& file, const MainWindowRecord& main, MessageSink& sink) {
  if (main.latDeg.empty() || main.lonDeg.empty() || main.place.empty()) {
    sink.ShowMessage(kMessageCoordinatesMissing);
    return;
  }
  auto lines = Lines(file, sink);
  if (!lines) return;
  const std::string key = LowerCaseText(main.place);
  for (const auto& line : *lines) {
    if (LowerCaseText(PlaceName(line)) == key) return;  // already there: nothing, and nothing said
  }
  // The whole list is written anew through a temporary file: the new place always on a
  // line of its own, and never half a file.
  lines->push_back(PlaceLine(main));
  const FileWrite written = WriteFileAtomically(file, JoinLines(*lines));
  if (!written.ok) {
    sink.ShowMessage("The place could not be saved to " + file.string() + " (" + written.errorText + ")");
    return;
  }
  sink.ShowMessage(std::string(kMessagePositionSaved) + kPlaceFileName);
}

}  // namespace orrelin
