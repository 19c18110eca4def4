#include "stars/star_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "core/encoding.h"

namespace orrelin {

namespace {

// A UTF-8 text in Windows-1252, for the Latin-1 letters a catalogue name may hold.
std::string ToWindows1252(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
      const auto next = static_cast<unsigned char>(text[++i]);
      out += static_cast<char>(c == 0xC2 ? next : next + 0x40);
    } else {
      out += '?';
      while (i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) ++i;
    }
  }
  return out;
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
      record.fields[f] = Windows1252ToUtf8(text);
    }
    offset += capacity + 1;
  }
  return record;
}

std::string EncodeStarRecord(const StarRecord& record) {
  std::string bytes;
  bytes.reserve(kStarRecordSize);
  for (std::size_t f = 0; f < kStarFieldCount; ++f) {
    std::string text = ToWindows1252(record.fields[f]);
    if (text.size() > kStarFieldCapacity[f]) text.resize(kStarFieldCapacity[f]);
    bytes += static_cast<char>(text.size());
    bytes += text;
    bytes.append(kStarFieldCapacity[f] - text.size(), ' ');
  }
  return bytes;
}

StarFileContents LoadStarFile(const std::filesystem::path& path) {
  StarFileContents contents;
  std::ifstream in(path, std::ios::binary);
  std::error_code ec;
  if (!in || std::filesystem::is_directory(path, ec)) {
    contents.message = std::string(kMessageStarFileMissing) + path.string();
    return contents;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    contents.message = std::string(kMessageStarFileMissing) + path.string();
    return contents;
  }
  contents.read = true;
  const std::size_t count = bytes.size() / kStarRecordSize;
  contents.records.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    contents.records.push_back(DecodeStarRecord(std::string_view(bytes).substr(i * kStarRecordSize, kStarRecordSize)));
  }
  return contents;
}

}  // namespace orrelin
