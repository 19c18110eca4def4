#pragma once
// "Plan": the coming twilight's star sights planned at the ship. The boxes of the DR,
// the ship's course and speed, the sextant and the band; every body with its Hc, Zn,
// magnitude and preset Hs in a table sorted by a click on its header, the triad and the
// pair marked with their rule, the twilight's moments and the sky as a star finder shows
// it. The chosen rows go to the Sights window, ready for the observed altitudes.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <functional>
#include <optional>
#include <string>

#include "core/messages.h"
#include "navigation/twilight_plan.h"
#include "report/main_window_record.h"
#include "ui/placed_window.h"
#include "ui/plotting_sheet_view.h"
#include "ui/sights_form.h"

namespace orrelin::ui {

class TPlanForm : public PlacedWindow {
  Q_OBJECT

 public:
  // `mainWindow` reads the main window's place and moment boxes; `starFile` is the
  // catalogue whose stars are planned; `sights` opens the Sights window.
  TPlanForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
            std::function<MainWindowRecord()> mainWindow, std::function<TSightsForm&()> sights, QWidget* anchor,
            QWidget* parent = nullptr);

  // Plans from the boxes and shows the table, the moments and the sky; a box that does
  // not read is told and what is shown stays as it was. False then.
  bool ComputePlan();
  // The chosen rows (every row when none is chosen) into the Sights window.
  void AddToSights();
  // The sky on the first page, the plan's text on the pages after it; false with no plan
  // or when painting failed.
  bool Print(QPrinter& printer);
  const std::optional<navigation::TwilightPlan>& LastPlan() const { return plan_; }
  PlottingSheetView& SkyView() { return *view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildBoxes(QGridLayout& grid);
  void BuildMenu();
  void ShowPlan();
  void StoreBoxes() const;
  void RestoreBoxes();
  bool Refuse(const std::string& message);

  std::filesystem::path starFile_;
  MessageSink& sink_;
  std::function<MainWindowRecord()> main_;
  std::function<TSightsForm&()> sights_;
  QLineEdit *date_ = nullptr, *dr_ = nullptr, *course_ = nullptr, *speed_ = nullptr, *drUtc_ = nullptr,
            *utc_ = nullptr, *height_ = nullptr, *ie_ = nullptr, *limb_ = nullptr, *mag_ = nullptr,
            *bandLow_ = nullptr, *bandHigh_ = nullptr;
  QRadioButton *morning_ = nullptr, *evening_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPlainTextEdit* moments_ = nullptr;
  PlottingSheetView* view_ = nullptr;
  std::optional<navigation::TwilightPlan> plan_;
  double planDay_ = 0.0;
  std::string planIe_, planHeight_;  // the boxes the plan was made with, for its sights
};

}  // namespace orrelin::ui
