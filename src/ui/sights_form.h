#pragma once
// "Sights": the sights of a watch, each reduced to its line of position, and the fix
// with its plotting sheet. The sights are kept in the settings folder as a CSV file.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/messages.h"
#include "navigation/fix.h"
#include "navigation/robust_fix.h"
#include "navigation/sight_series.h"
#include "report/main_window_record.h"
#include "ui/placed_window.h"
#include "ui/plotting_sheet_view.h"
#include "ui/sights_series_view.h"

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
  // The series of the selected sights (three or more of one body), else the series the
  // chosen sight belongs to: its graph and text.
  void ShowSeries();
  SeriesGraphView& SeriesView() { return *seriesView_; }
  // The fix takes the shown series' representative sight (its Hs brought onto the line)
  // instead of the series' sights; every sight again.
  void UseRepresentative();
  void UseEverySight();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  struct RowSight {
    int row = 0;
    navigation::Sight sight;
  };
  // The table's rows that read as sights; the others are told (once) when `tell`.
  std::vector<RowSight> RowsAsSights(bool tell);
  // The DR, course and speed boxes with the rows that read (told when `tell`), the time
  // of the fix that of every row, a series' sights replaced by its representative where
  // the user chose so; none when a box does not read.
  std::optional<navigation::FixInput> FixInputOfBoxes(bool tell);
  // A series' rows whose representative stands for them in the fix, by the rows' lines.
  struct Representative {
    std::vector<std::string> lines;  // the series' rows
    std::string line;                // the representative's row
    double hs = 0.0;                 // its sextant altitude on the fitted line, degrees
  };
  // Which of the fix's sights stand for series, and how: a sentence each ("" for none).
  std::string RepresentativesText();
  // The utc cell of a row timed by the watch shows the UT the watch gives.
  void ShowWatchTime(int row);
  void FitColumns();
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
  QPlainTextEdit* seriesText_ = nullptr;
  SeriesGraphView* seriesView_ = nullptr;
  QPushButton* useRepresentative_ = nullptr;
  QPushButton* useEverySight_ = nullptr;
  PlottingSheetView* view_ = nullptr;
  std::optional<navigation::Fix> fix_;
  struct ShownSeries {
    std::vector<int> rows;  // in time order
    std::vector<navigation::Sight> sights;
    navigation::SightSeries fitted;
  };
  std::optional<ShownSeries> series_;
  std::vector<Representative> representatives_;
  bool loading_ = false;
  std::string loadMessage_;  // what was wrong with the file, told when the window first shows
};

}  // namespace orrelin::ui
