#pragma once
// The star window's behaviour over its record: the list of the catalogue, the
// chosen star in seven boxes, and the printed list's layout.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "core/printed_page.h"
#include "stars/star_file.h"
#include "stars/star_place.h"

namespace orrelin {

inline constexpr std::array<const char*, kStarFieldCount> kStarColumnCaptions{
    "Name", "RAscension", "Declination", "PrpA", "PrpD", "SAO", "Vmagn"};
inline constexpr const char* kMessageChooseStar = "A star must be chosen";
inline constexpr const char* kStarCountPrefix = "The number of stars in the file: ";

struct StarWindowRecord {
  std::vector<StarRecord> rows;                       // StringGrid1
  std::array<std::string, kStarFieldCount> boxes;     // Edit1..Edit7: the chosen star
  std::string countLabel;                             // lblNumberStars
  std::string mode;                                   // lblMode, "STAR" after a star's report
};

// Shown: the boxes emptied and the list loaded. A missing file leaves the list and
// the count as they were and says so.
void ShowStarWindow(StarWindowRecord& window, const std::filesystem::path& starFile, MessageSink& sink);

// A click on a row: its cells into the boxes, cut to 15, 12, 12, 8, 8, 6 and 4 characters.
void SelectStarRow(StarWindowRecord& window, std::size_t row);

// "Star Values": false, with the message, when no star is named or its right
// ascension, declination or proper motions do not read.
bool CheckStarChosen(const StarWindowRecord& window, MessageSink& sink);

// The star of the boxes as numbers; none when they do not read.
std::optional<StarValues> SelectedStar(const StarWindowRecord& window);

// The printed list, in printer pixels.// Each text's top-left stands at (x, y). The columns start at x = 300 and stand 310
// apart, wider where a column's widest text (in printer pixels) needs more room.
std::array<int, kStarFieldCount> StarListColumns(const std::array<int, kStarFieldCount>& widestTexts, int gap);
std::vector<PrintedPage> StarListPages(const std::vector<StarRecord>& rows, const std::string& countLabel,
                                       int pageHeight, const std::array<int, kStarFieldCount>& columns);

}  // namespace orrelin
