#pragma once
// "Mstars.dat": fixed records of 73 bytes, seven length-prefixed single-byte
// (Windows-1252) texts each. Read whole in one operation; never written by the program.
#include <array>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orrelin {

inline constexpr std::size_t kStarRecordSize = 73;
inline constexpr std::size_t kStarFieldCount = 7;
// Characters of Name, RAscension, Declination, PrpA, PrpD, SAO, Vmagn.
inline constexpr std::array<std::size_t, kStarFieldCount> kStarFieldCapacity{15, 12, 12, 8, 8, 6, 5};

struct StarRecord {
  std::array<std::string, kStarFieldCount> fields;  // UTF-8
  const std::string& Name() const { return fields[0]; }
};

// One record from its 73 bytes. A length byte beyond its field's capacity is cut to it.
StarRecord DecodeStarRecord(std::string_view bytes);
// The 73 bytes of a record; texts longer than a field are cut.
std::string EncodeStarRecord(const StarRecord& record);

struct StarFileContents {
  bool read = false;        // false: the file is missing or cannot be read
  std::string message;      // the message to show when it was not read
  std::vector<StarRecord> records;
};

// Every whole record of the file in file order; a trailing partial record is ignored.
StarFileContents LoadStarFile(const std::filesystem::path& path);

inline constexpr const char* kMessageStarFileMissing = " File missing or cannot be opened ";

}  // namespace orrelin
