#pragma once
// "Sights": the sights of a watch, each reduced to its line of position, and the fix
// with its plotting sheet. The sights are kept in the settings folder as a CSV file.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/messages.h"
#include "navigation/fix.h"
#include "report/main_window_record.h"
#include "ui/placed_window.h"
#include "ui/plotting_sheet_view.h"

namespace orrelin::ui {

class TSightsForm : public PlacedWindow {
  Q_OBJECT

 public:
  struct MainWindowAccess {
    std::function<MainWindowRecord()> read;       // the place and moment boxes
    std::function<std::string()> identifiedBody;  // the identification's first result, or ""
    std::function<void()> plan;                   // opens the twilight's plan
  };
  TSightsForm(const SettingsFile& settings, std::filesystem::path sightsFile, MessageSink& sink,
              MainWindowAccess mainWindow, QWidget* anchor, QWidget* parent = nullptr);

  // A new sight at the main window's moment, with its height, pressure and temperature.
  void AddSight();
  // Sights planned for a twilight, added as rows ready for the observed Hs: the moment
  // and the body (the lower limb of the Sun or the Moon), the index error and height of
  // eye the plan was made for, the Hs empty with the preset altitude as its hint.
  struct PlannedSight {
    std::string utc, body, presetHs, ie, height;
  };
  void AddPlannedSights(const std::vector<PlannedSight>& sights);
  void DeleteSight();
  // Reduces the chosen row; computes the fix of all rows and draws its sheet.
  void ShowReduction(int row);
  bool ComputeFix();
  const std::optional<navigation::Fix>& LastFix() const { return fix_; }
  PlottingSheetView& SheetView() { return *view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The table's rows as sights; rows that do not read are told (once) and left out.
  std::vector<navigation::Sight> RowsAsSights(bool tell);
  // The DR, course and speed boxes with the rows that read (told when `tell`); none when
  // a box does not read.
  std::optional<navigation::FixInput> FixInputOfBoxes(bool tell);
  // A row's cells, and the row as a line of the sights file.
  std::vector<std::string> RowFields(int row) const;
  std::string RowLine(int row) const;
  void Save();
  void Load();
  void SetRow(int row, const std::vector<std::string>& fields);

  std::filesystem::path file_;
  MessageSink& sink_;
  MainWindowAccess main_;
  QTableWidget* table_ = nullptr;
  QLineEdit* dr_ = nullptr;
  QLineEdit* course_ = nullptr;
  QLineEdit* speed_ = nullptr;
  QPlainTextEdit* reduction_ = nullptr;
  QPlainTextEdit* fixText_ = nullptr;
  PlottingSheetView* view_ = nullptr;
  std::optional<navigation::Fix> fix_;
  bool loading_ = false;
  std::string loadMessage_;  // what was wrong with the file, told when the window first shows
};

}  // namespace orrelin::ui
