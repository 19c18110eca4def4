// The Sights window's table: its rows as the sights file's lines, kept in the file at
// each change, and the utc cell of a sight timed by the watch.
#include <algorithm>

#include "app/date_box.h"
#include "core/file_io.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"
#include "ui/sights_columns.h"
#include "ui/sights_form.h"
#include "ui/sights_watch_column.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

}  // namespace

void TSightsForm::SetRow(int row, const std::vector<std::string>& fields) {
  for (int c = 0; c < kColumns; ++c) {
    table_->setItem(row, c, new QTableWidgetItem(Q(c < static_cast<int>(fields.size()) ? fields[c] : "")));
  }
  ShowWatchTime(row);
}

void TSightsForm::ShowWatchTime(int row) {
  QTableWidgetItem* utc = table_->item(row, 0);
  if (utc == nullptr) return;
  const std::vector<std::string> f = RowFields(row);
  // Only where the utc cell is empty: a typed UT is shown as typed.
  const std::string resolved = f.size() == kColumns && f[0].empty() ? ResolvedUtText(f[8], f[9], f[10]) : "";
  const bool wasLoading = loading_;
  loading_ = true;  // no save, no reduction: the cell's text stays as typed
  utc->setData(kResolvedUtRole, Q(resolved));
  utc->setToolTip(resolved.empty() ? QString() : Q(resolved + " UT, from the watch time"));
  loading_ = wasLoading;
}

void TSightsForm::FitColumns() {
  // Each column as wide as its caption or a typical entry, whichever is wider.
  const char* const widest[kColumns] = {"2026-12-08 14:32:10", "Rasalhague", "lower", "23 41.6", "-1.2", "Height",
                                        "Pressure", "Temp", "2026-12-08 16:32:13", "3.5 fast", "+10"};
  const QFontMetrics metrics = table_->fontMetrics();
  for (int c = 0; c < kColumns; ++c) {
    table_->setColumnWidth(c, std::max(metrics.horizontalAdvance(widest[c]), metrics.horizontalAdvance(kCaptions[c])) + 18);
  }
}

void TSightsForm::AddSight() {
  MainWindowRecord main = main_.read();
  bool valid = true;
  const TCalendarDate date = DateToRecord(main.date, valid);
  const std::string body = main_.identifiedBody ? main_.identifiedBody() : "";
  const int row = table_->rowCount();
  // The same sextant and the same deck as the sight before, else the main window's.
  std::vector<std::string> kept{"0", main.height, main.pressure, main.temperature};
  if (row > 0) {
    for (int c = 4; c < kColumns - kWatchColumns; ++c) {
      const QTableWidgetItem* item = table_->item(row - 1, c);
      kept[static_cast<std::size_t>(c - 4)] = item ? S(item->text()) : std::string();
    }
  }
  loading_ = true;
  table_->insertRow(row);
  SetRow(row, {date.dateText + " " + main.time, body.empty() ? "Sun" : body, body.empty() ? "lower" : "", "", kept[0],
               kept[1], kept[2], kept[3]});
  loading_ = false;
  table_->setCurrentCell(row, 3);
  Save();
}

void TSightsForm::AddPlannedSights(const std::vector<PlannedSight>& sights) {
  for (const PlannedSight& planned : sights) {
    AddSight();
    const int row = table_->rowCount() - 1;
    const bool limbed = planned.body == "Sun" || planned.body == "Moon";
    loading_ = true;
    table_->item(row, 0)->setText(Q(planned.utc));
    table_->item(row, 1)->setText(Q(planned.body));
    table_->item(row, 2)->setText(limbed ? "lower" : "");
    table_->item(row, 4)->setText(Q(planned.ie));
    table_->item(row, 5)->setText(Q(planned.height));
    table_->item(row, 3)->setToolTip(Q("Preset the sextant to " + planned.presetHs));
    table_->item(row, 3)->setData(Qt::UserRole, Q(planned.presetHs));
    loading_ = false;
  }
  Save();
}

void TSightsForm::DeleteSight() {
  const int row = table_->currentRow();
  if (row < 0) return;
  table_->removeRow(row);
  Save();
}

std::vector<std::string> TSightsForm::RowFields(int row) const {
  std::vector<std::string> fields;
  for (int c = 0; c < kColumns; ++c) {
    const QTableWidgetItem* item = table_->item(row, c);
    fields.push_back(item ? S(item->text()) : std::string());
  }
  // A sight timed in UT keeps the file's eight columns.
  if (std::all_of(fields.end() - kWatchColumns, fields.end(), [](const std::string& f) { return f.empty(); })) {
    fields.resize(kColumns - kWatchColumns);
  }
  return fields;
}

std::string TSightsForm::RowLine(int row) const { return navigation::SightsFileLine(RowFields(row)); }

void TSightsForm::Save() {
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < table_->rowCount(); ++r) rows.push_back(RowFields(r));
  const std::vector<std::string> lines = navigation::SightsFileLines(rows);
  const FileWrite written = WriteFileAtomically(file_, JoinLines(lines));
  if (!written.ok) sink_.ShowMessage("The sights could not be saved to " + file_.string() + " (" + written.errorText + ")");
}

void TSightsForm::Load() {
  const TextLines text = ReadTextLines(file_, 16 * 1024 * 1024);
  if (!text.exists) return;
  if (!text.readable) {
    loadMessage_ = "The sights could not be read from " + file_.string() + " (" + text.problem + ")";
    return;
  }
  loading_ = true;
  for (const std::vector<std::string>& fields : navigation::SightsFileRows(text.lines)) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    SetRow(row, fields);  // a line that does not read is kept as it is, to be mended
  }
  loading_ = false;
  // Numbered as the file's lines, by the reading the command line's fix uses.
  const navigation::SightsFile read = navigation::ReadSights(text.lines);
  if (!read.problems.empty()) {
    loadMessage_ = "Some sights of " + file_.string() + " do not read:";
    for (const auto& p : read.problems) loadMessage_ += "\n" + p;
  }
}

}  // namespace orrelin::ui
