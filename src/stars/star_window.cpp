#include "stars/star_window.h"

#include <algorithm>

#include "core/encoding.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

constexpr std::array<std::size_t, kStarFieldCount> kBoxCut{15, 12, 12, 8, 8, 6, 4};

}  // namespace

void ShowStarWindow(StarWindowRecord& window, const std::filesystem::path& starFile, MessageSink& sink) {
  for (auto& box : window.boxes) box.clear();
  StarCatalogue catalogue = LoadStarCatalogue(starFile);
  if (!catalogue.message.empty()) sink.ShowMessage(catalogue.message);
  if (!catalogue.read) return;
  window.rows = std::move(catalogue.records);
  // The number of stars: the records that name one.
  const auto named = std::count_if(window.rows.begin(), window.rows.end(),
                                   [](const StarRecord& r) { return !r.Name().empty(); });
  window.countLabel = kStarCountPrefix + WholeText(named);
}

void SelectStarRow(StarWindowRecord& window, std::size_t row) {
  if (row >= window.rows.size()) return;
  for (std::size_t f = 0; f < kStarFieldCount; ++f) {
    window.boxes[f] = CutToCharacters(window.rows[row].fields[f], kBoxCut[f]);
  }
}

bool CheckStarChosen(const StarWindowRecord& window, MessageSink& sink) {
  if (!window.boxes[0].empty() && SelectedStar(window)) return true;
  sink.ShowMessage(kMessageChooseStar);
  return false;
}

std::optional<StarValues> SelectedStar(const StarWindowRecord& window) {
  const auto& b = window.boxes;
  return ReadStarValues(b[0], b[1], b[2], b[3], b[4]);
}

std::array<int, kStarFieldCount> StarListColumns(const std::array<int, kStarFieldCount>& widestTexts, int gap) {
  std::array<int, kStarFieldCount> x{};
  x[0] = 300;
  for (std::size_t c = 1; c < kStarFieldCount; ++c) x[c] = x[c - 1] + std::max(310, widestTexts[c - 1] + gap);
  return x;
}

std::vector<PrintedPage> StarListPages(const std::vector<StarRecord>& rows, const std::string& countLabel,
                                       int pageHeight, const std::array<int, kStarFieldCount>& columns) {
  std::vector<PrintedPage> pages(1);
  pages[0].texts.push_back({860, 50, 16, "List of Stars for Navigation"});
  const int lineStep = pageHeight / 60;
  int y = 200;
  int counter = 3;
  for (const StarRecord& row : rows) {
    ++counter;
    const bool firstPage = pages.size() == 1;
    if ((firstPage && counter > 50) || (!firstPage && counter > 47)) {
      counter = 0;
      pages.emplace_back();
      pages.back().texts.push_back({1200, 50, 10, WholeText(static_cast<long long>(pages.size()))});
      y = 120;
    }
    if (!row.fields[1].empty()) y += lineStep + 10;
    for (std::size_t c = 0; c < kStarFieldCount; ++c) {
      pages.back().texts.push_back({columns[c], y, 10, row.fields[c]});
    }
  }
  pages.back().texts.push_back({300, y + 100, 10, countLabel});
  return pages;
}

}  // namespace orrelin
