// The Sights window's series: the graph and text of the chosen sights' series, and its
// representative sight sent to the fix.
#include <algorithm>

#include <QItemSelectionModel>

#include "core/numbers.h"
#include "navigation/sight_texts.h"
#include "navigation/sights_file.h"
#include "ui/sights_form.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool SameBody(const navigation::Sight& a, const navigation::Sight& b) {
  return QString::fromStdString(a.body).compare(QString::fromStdString(b.body), Qt::CaseInsensitive) == 0;
}

}  // namespace

void TSightsForm::ShowSeries() {
  series_.reset();
  seriesView_->SetGraph(std::nullopt);
  seriesText_->clear();
  useRepresentative_->setEnabled(false);
  useEverySight_->setEnabled(!representatives_.empty());
  auto in = FixInputOfBoxes(false);
  if (!in) return;
  const std::vector<RowSight> rows = RowsAsSights(false);
  // The selected rows when they are three or more of one body, else the series the
  // chosen row is in.
  std::vector<std::size_t> chosen;
  const QModelIndexList selected = table_->selectionModel()->selectedRows();
  for (const QModelIndex& index : selected) {
    const auto at = std::find_if(rows.begin(), rows.end(), [&index](const RowSight& r) { return r.row == index.row(); });
    if (at != rows.end()) chosen.push_back(static_cast<std::size_t>(at - rows.begin()));
  }
  const bool oneBody = chosen.size() >= static_cast<std::size_t>(navigation::kLeastSeries) &&
                       chosen.size() == static_cast<std::size_t>(selected.size()) &&
                       std::all_of(chosen.begin(), chosen.end(),
                                   [&](std::size_t i) { return SameBody(rows[i].sight, rows[chosen.front()].sight); });
  if (oneBody) {
    std::sort(chosen.begin(), chosen.end(),
              [&rows](std::size_t a, std::size_t b) { return rows[a].sight.julianDayUt < rows[b].sight.julianDayUt; });
  } else {
    chosen.clear();
    std::vector<navigation::Sight> sights;
    for (const RowSight& r : rows) sights.push_back(r.sight);
    for (const std::vector<std::size_t>& s : navigation::SeriesAmong(sights)) {
      if (std::any_of(s.begin(), s.end(), [&](std::size_t i) { return rows[i].row == table_->currentRow(); })) chosen = s;
    }
  }
  if (chosen.empty()) return;
  ShownSeries shown;
  std::vector<int> numbers;
  for (std::size_t i : chosen) {
    shown.rows.push_back(rows[i].row);
    shown.sights.push_back(rows[i].sight);
    numbers.push_back(rows[i].row + 1);
  }
  in->sights = shown.sights;
  std::string message;
  const auto fitted = navigation::FitSeries(*in, message);
  if (!fitted) {
    seriesText_->setPlainText(Q(message));
    return;
  }
  shown.fitted = *fitted;
  seriesView_->SetGraph(SeriesGraphOf(shown.sights, shown.rows, shown.fitted));
  seriesText_->setPlainText(Q(navigation::SeriesText(shown.sights, numbers, shown.fitted, "sight") +
                              "\"Use representative\": the fix takes sight " + WholeText(numbers[fitted->representative]) +
                              " with this Hs and leaves the series' other sights out."));
  series_ = std::move(shown);
  useRepresentative_->setEnabled(true);
}

void TSightsForm::UseRepresentative() {
  if (!series_) return;
  Representative chosen;
  for (int row : series_->rows) chosen.lines.push_back(RowLine(row));
  chosen.line = RowLine(series_->rows[series_->fitted.representative]);
  chosen.hs = series_->fitted.representativeHs;
  // This series' choice replaces any earlier one for its sights.
  representatives_.erase(std::remove_if(representatives_.begin(), representatives_.end(),
                                        [&chosen](const Representative& p) {
                                          return std::any_of(p.lines.begin(), p.lines.end(), [&chosen](const std::string& l) {
                                            return std::count(chosen.lines.begin(), chosen.lines.end(), l) > 0;
                                          });
                                        }),
                         representatives_.end());
  representatives_.push_back(chosen);
  useEverySight_->setEnabled(true);
  ComputeFix();
}

void TSightsForm::UseEverySight() {
  representatives_.clear();
  useEverySight_->setEnabled(false);
  ComputeFix();
}

std::string TSightsForm::RepresentativesText() {
  std::string out;
  for (const Representative& p : representatives_) {
    int representative = -1, left = 0;
    for (int r = 0; r < table_->rowCount(); ++r) {
      const std::string line = RowLine(r);
      if (line == p.line) {
        representative = r;
      } else if (std::count(p.lines.begin(), p.lines.end(), line) > 0) {
        ++left;
      }
    }
    if (representative < 0) continue;
    out += "\nSeries               sight " + WholeText(representative + 1) + " in the fix with Hs " +
           navigation::SextantAltitudeText(p.hs) + ", " + WholeText(left) + " other sights of its series left out\n";
  }
  return out;
}

}  // namespace orrelin::ui
