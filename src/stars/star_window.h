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
#include "core/message_texts.h"

namespace orrelin {

inline constexpr std::array<const char*, kStarFieldCount> kStarColumnCaptions{
    "Name", "RAscension", "Declination", "PrpA", "PrpD", "SAO", "Vmagn"};
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

// The printed list's line under its title: what the coordinates and proper motions are.
inline constexpr const char* kStarListEpoch =
    "Epoch J2000.0; proper motions a year: PrpA in seconds of time, PrpD in seconds of arc";

// The printed list's columns: the first at `left`, each further one `least` after the
// one before, or further where the widest text of that column and a gap need it.
std::array<int, kStarFieldCount> StarListColumns(const std::array<int, kStarFieldCount>& widestTexts, int gap, int left,
                                                 int least);
// The printed list on pages of that size: the title, the epoch and the column headings
// on page 1 with its 47 rows, the headings again over the 48 rows of every further
// page, every page numbered, and everything within the page (the print made smaller
// where 10 points do not fit).
std::vector<PrintedPage> StarListPages(const std::vector<StarRecord>& rows, const std::string& countLabel,
                                       const PageArea& area, const TextWidth& textWidth);

}  // namespace orrelin
