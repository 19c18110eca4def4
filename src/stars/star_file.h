#pragma once
// "Mstars.dat": fixed records of 73 bytes, seven length-prefixed single-byte
// (Windows-1252) texts each. Read whole in one operation; never written by the program.
#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stars/star_place.h"
#include "core/message_texts.h"

namespace orrelin {

inline constexpr std::size_t kStarRecordSize = 73;
inline constexpr std::size_t kStarFieldCount = 7;
// Characters of Name, RAscension, Declination, PrpA, PrpD, SAO, Vmagn.
inline constexpr std::array<std::size_t, kStarFieldCount> kStarFieldCapacity{15, 12, 12, 8, 8, 6, 5};

struct StarRecord {
  std::array<std::string, kStarFieldCount> fields;  // UTF-8
  const std::string& Name() const { return fields[0]; }
};

// One record from its 73 bytes. A length byte beyond its field's capacity is cut to it;
// control characters of a damaged record are shown as U+FFFD.
StarRecord DecodeStarRecord(std::string_view bytes);
// The 73 bytes of a record; texts longer than a field are cut.
std::string EncodeStarRecord(const StarRecord& record);

struct StarFileContents {
  bool read = false;        // false: the file is missing or cannot be read
  std::string message;      // the message to show when it was not read
  std::vector<StarRecord> records;
};

// Every whole record of the file in file order; a trailing partial record is ignored.
// A read error of the system ends the reading with a message that carries its number.
StarFileContents LoadStarFile(const std::filesystem::path& path);

// A catalogue is a few kilobytes; a file beyond this is not one.
inline constexpr std::size_t kLargestStarFile = 4 * 1024 * 1024;

// The catalogue as its readers use it: the records that name a star and whose
// numbers do not read are left out, and one message names them.
struct StarCatalogue {
  bool read = false;          // false: missing or unreadable (see message)
  std::string message;        // the missing-file or read-error message, or the damage report
  std::vector<StarRecord> records;  // in file order, damaged ones left out
  // Beside each record: its numbers as read (none for an unnamed record) and its magnitude.
  std::vector<std::optional<StarValues>> values;
  std::vector<double> magnitudes;
};
StarCatalogue LoadStarCatalogue(const std::filesystem::path& path);

// Whether a record names a star whose right ascension, declination, proper motions
// or magnitude do not read (an unnamed record is an empty row, not damage).
bool IsDamagedStarRecord(const StarRecord& record);

// A catalogue magnitude a star can have: it reads, within -30..30.
std::optional<double> ReadStarMagnitude(const std::string& text);

}  // namespace orrelin
