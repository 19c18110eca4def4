#include "stars/star_file.h"

#include <algorithm>

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

// Control characters of a damaged file never reach a terminal or a grid cell.
std::string WithoutControlCharacters(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F) {
      out += "\xEF\xBF\xBD";
    } else {
      out += c;
    }
  }
  return out;
}

std::string RecordName(const StarRecord& record, std::size_t index) {
  return WholeText(static_cast<long long>(index + 1)) + " (" + record.Name() + ")";
}

}  // namespace

StarRecord DecodeStarRecord(std::string_view bytes) {
  StarRecord record;
  std::size_t offset = 0;
  for (std::size_t f = 0; f < kStarFieldCount; ++f) {
    const std::size_t capacity = kStarFieldCapacity[f];
    if (offset < bytes.size()) {
      const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[offset]), capacity);
      const std::string_view text = bytes.substr(offset + 1, std::min(length, bytes.size() - offset - 1));
      record.fields[f] = WithoutControlCharacters(Windows1252ToUtf8(text));
    }
    offset += capacity + 1;
  }
  return record;
}

std::string EncodeStarRecord(const StarRecord& record) {
  std::string bytes;
  bytes.reserve(kStarRecordSize);
  for (std::size_t f = 0; f < kStarFieldCount; ++f) {
    std::string text = Utf8ToWindows1252(record.fields[f]);
    if (text.size() > kStarFieldCapacity[f]) text.resize(kStarFieldCapacity[f]);
    bytes += static_cast<char>(text.size());
    bytes += text;
    bytes.append(kStarFieldCapacity[f] - text.size(), ' ');
  }
  return bytes;
}

StarFileContents LoadStarFile(const std::filesystem::path& path) {
  StarFileContents contents;
  const FileContents file = ReadWholeFile(path, kLargestStarFile);
  switch (file.status) {
    case FileStatus::kMissing:
      contents.message = std::string(kMessageFileMissing) + path.string();
      return contents;
    case FileStatus::kTooLarge:
      contents.message = "The star catalogue " + path.string() + " is too large to be a catalogue";
      return contents;
    case FileStatus::kError:
      contents.message = "Read error " + WholeText(file.errorNumber) + " (" + file.errorText + ") in " + path.string();
      return contents;
    case FileStatus::kRead:
      break;
  }
  contents.read = true;
  const std::string_view bytes = file.bytes;
  const std::size_t count = bytes.size() / kStarRecordSize;
  contents.records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    contents.records.push_back(DecodeStarRecord(bytes.substr(i * kStarRecordSize, kStarRecordSize)));
  }
  return contents;
}

std::optional<double> ReadStarMagnitude(const std::string& text) {
  const NumberRead m = ReadDecimal(text);
  if (!m.ok || !(m.value > -30 && m.value < 30)) return std::nullopt;
  return m.value;
}

namespace {

// A record's numbers; none for an unnamed record; `damaged` when a named one does not read.
std::optional<StarValues> ValuesOf(const StarRecord& r, bool& damaged, double& magnitude) {
  damaged = false;
  if (r.Name().empty()) return std::nullopt;
  const auto m = ReadStarMagnitude(r.fields[6]);
  auto values = ReadStarValues(r.fields[0], r.fields[1], r.fields[2], r.fields[3], r.fields[4]);
  damaged = !m || !values;
  magnitude = m.value_or(0.0);
  return damaged ? std::nullopt : values;
}

}  // namespace

bool IsDamagedStarRecord(const StarRecord& r) {
  bool damaged = false;
  double magnitude = 0.0;
  ValuesOf(r, damaged, magnitude);
  return damaged;
}

StarCatalogue LoadStarCatalogue(const std::filesystem::path& path) {
  StarFileContents file = LoadStarFile(path);
  StarCatalogue catalogue;
  catalogue.read = file.read;
  catalogue.message = file.message;
  std::vector<std::string> damaged;
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    bool isDamaged = false;
    double magnitude = 0.0;
    auto values = ValuesOf(file.records[i], isDamaged, magnitude);
    if (isDamaged) {
      damaged.push_back(RecordName(file.records[i], i));
      continue;
    }
    catalogue.records.push_back(std::move(file.records[i]));
    catalogue.values.push_back(std::move(values));
    catalogue.magnitudes.push_back(magnitude);
  }
  if (damaged.empty()) return catalogue;
  if (catalogue.records.empty()) {
    catalogue.message = "The star catalogue " + path.string() + " is damaged: none of its records can be read";
  } else {
    std::string list;
    for (const auto& d : damaged) list += (list.empty() ? "" : ", ") + d;
    catalogue.message = "The star catalogue " + path.string() + " is damaged; these records were skipped: " + list;
  }
  return catalogue;
}

}  // namespace orrelin
