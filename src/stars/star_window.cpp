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

std::array<int, kStarFieldCount> StarListColumns(const std::array<int, kStarFieldCount>& widestTexts, int gap, int left,
                                                 int least) {
  std::array<int, kStarFieldCount> x{};
  x[0] = left;
  for (std::size_t c = 1; c < kStarFieldCount; ++c) x[c] = x[c - 1] + std::max(least, widestTexts[c - 1] + gap);
  return x;
}

std::vector<PrintedPage> StarListPages(const std::vector<StarRecord>& rows, const std::string& countLabel,
                                       const PageArea& area, const TextWidth& textWidth) {
  // Page 1 holds 47 rows below its headings, every further page 48. The step is a
  // sixtieth of the page and a little, unless that would run the last row off the page;
  // the print gets smaller when the columns cannot fit across.
  constexpr int kFirstPageRows = 47, kPageRows = 48;
  const int firstTop = area.Pixels(200), top = area.Pixels(120);
  int size = 10, step = 0, line = 0;
  std::array<int, kStarFieldCount> x{}, widest{};
  for (;; --size) {
    line = area.LineHeight(size);
    step = std::min({area.height / 60 + area.Pixels(10), (area.height - top - line) / kPageRows,
                     (area.height - firstTop - line) / kFirstPageRows});
    for (std::size_t c = 0; c < kStarFieldCount; ++c) widest[c] = textWidth(kStarColumnCaptions[c], size);
    for (const StarRecord& row : rows) {
      for (std::size_t c = 0; c < kStarFieldCount; ++c) widest[c] = std::max(widest[c], textWidth(row.fields[c], size));
    }
    x = StarListColumns(widest, textWidth("00", size), 0, area.Pixels(310) * size / 10);
    const int across = x.back() + widest.back();
    if (size <= kSmallestPrintedSize || (across <= area.width && line <= step)) {
      const int left = std::clamp(area.width - across, 0, area.Pixels(300));
      for (int& column : x) column += left;
      break;
    }
  }
  std::vector<PrintedPage> pages;
  auto newPage = [&](int headingsAt) {
    pages.emplace_back();
    const std::string number = WholeText(static_cast<long long>(pages.size()));
    pages.back().texts.push_back({area.width - textWidth(number, 10), area.Pixels(50), 10, number});
    for (std::size_t c = 0; c < kStarFieldCount; ++c) {
      pages.back().texts.push_back({x[c], headingsAt, size, kStarColumnCaptions[c]});
    }
  };
  newPage(firstTop);
  const std::string title = "List of Stars for Navigation";
  pages[0].texts.push_back({std::clamp(area.width - textWidth(title, 16) - area.Pixels(300), 0, area.Pixels(860)),
                            area.Pixels(50), 16, title});
  pages[0].texts.push_back({x[0], area.Pixels(50) + area.LineHeight(16), size, kStarListEpoch});
  int y = firstTop;
  int counter = 3;
  for (const StarRecord& row : rows) {
    ++counter;
    const bool firstPage = pages.size() == 1;
    if ((firstPage && counter > 50) || (!firstPage && counter > 47)) {
      counter = 0;
      newPage(top);
      y = top;
    }
    if (!row.fields[1].empty()) y += step;
    for (std::size_t c = 0; c < kStarFieldCount; ++c) pages.back().texts.push_back({x[c], y, size, row.fields[c]});
  }
  // The count a little below the last row, or on a page of its own when it would not fit.
  y += area.Pixels(100);
  if (y + line > area.height) {
    newPage(top);
    y = top + step;
  }
  pages.back().texts.push_back({x[0], y, size, countLabel});
  return pages;
}

}  // namespace orrelin
