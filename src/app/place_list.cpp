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

// Whether a text would break the line it is saved on: the name ends at the first "=",
// the parts are split at "," and "_", and the list at line ends.
bool BreaksPlaceLine(const std::string& text, const char* separators) {
  return text.find_first_of(std::string(separators) + "\r\n") != std::string::npos;
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
  // A zone written by hand may carry blanks around it; none of the database's names has one.
  std::string zone = ExtractField(c, ",", 3);
  zone.erase(0, zone.find_first_not_of(" \t"));
  zone.erase(zone.find_last_not_of(" \t\r") + 1);
  main.zone = zone;
  return true;
}

std::string PlaceLine(const MainWindowRecord& m) {
  return m.place + "=" + m.latDeg + "_" + m.latMin + "_" + (m.north ? "N" : "S") + "," + m.lonDeg + "_" + m.lonMin +
         "_" + (m.west ? "W" : "E") + "," + m.utcMinusLocal + (m.zone.empty() ? "" : "," + m.zone);
}

void SavePlace(const std::filesystem::path& file, const MainWindowRecord& main, MessageSink& sink) {
  if (main.latDeg.empty() || main.lonDeg.empty() || main.place.empty()) {
    sink.ShowMessage(kMessageCoordinatesMissing);
    return;
  }
  // A name with "=" (or a "," in a minutes box) would be saved as another place or as
  // garbage coordinates: refused, and said.
  bool breaks = BreaksPlaceLine(main.place, "=");
  for (const std::string* box : {&main.latDeg, &main.latMin, &main.lonDeg, &main.lonMin, &main.utcMinusLocal}) {
    breaks = breaks || BreaksPlaceLine(*box, "=,_");
  }
  // The zone is the last field, after a ","; "_" belongs to names such as America/New_York.
  breaks = breaks || BreaksPlaceLine(main.zone, "=,");
  if (breaks) {
    sink.ShowMessage(kMessagePlaceNotSaved);
    return;
  }
  const FileContents list = ReadWholeFile(file, kLargestPlaceList);
  if (list.status != FileStatus::kRead) {
    sink.ShowMessage(MissingMessage());
    return;
  }
  const std::string key = LowerCaseText(main.place);
  for (const auto& line : LinesOfText(list.bytes)) {
    if (LowerCaseText(PlaceName(line)) == key) return;  // already there: nothing, and nothing said
  }
  // The new place is appended on a line of its own, every byte before kept as it was;
  // the whole file is written anew through a temporary file, so never half a file.
  std::string bytes = list.bytes;
  if (!bytes.empty() && bytes.back() != '\n') bytes += '\n';
  bytes += PlaceLine(main) + '\n';
  const FileWrite written = WriteFileAtomically(file, bytes);
  if (!written.ok) {
    sink.ShowMessage("The place could not be saved to " + file.string() + " (" + written.errorText + ")");
    return;
  }
  sink.ShowMessage(std::string(kMessagePositionSaved) + kPlaceFileName);
}

}  // namespace orrelin
