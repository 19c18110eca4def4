#pragma once
// The star window, "Star": the navigational stars of the catalogue, the chosen
// star in seven boxes, "Star Values" for its report, and the printed list.
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QTableWidget>
#include <array>
#include <filesystem>
#include <functional>

#include "app/settings_file.h"
#include "core/messages.h"
#include "stars/star_window.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class TStarForm : public PlacedWindow {
  Q_OBJECT

 public:
  TStarForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
            std::function<void()> runReport, QWidget* anchor = nullptr, QWidget* parent = nullptr);

  // The record with the boxes as they are typed now.
  StarWindowRecord& Record();
  // Shows the record's rows, boxes and labels.
  void Apply();
  // Prints the list on the printer (used by "Print Starlist" after the dialog).
  bool PrintStarList(QPrinter& printer);
  // The printed list laid out for the printer's page.
  std::vector<PrintedPage> StarListPagesFor(QPrinter& printer);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  void RowClicked(int row);
  void StarValuesClicked();

  std::filesystem::path starFile_;
  MessageSink& sink_;
  std::function<void()> runReport_;
  StarWindowRecord record_;
  QTableWidget* grid_ = nullptr;
  std::array<QLineEdit*, kStarFieldCount> boxes_{};
  QLabel* count_ = nullptr;
  QLabel* mode_ = nullptr;
};

}  // namespace orrelin::ui
