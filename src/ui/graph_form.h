#pragma once
// "Graph": the altitudes of the ticked bodies over the evening's 24 hours of local time,
// the Sun's twilights shaded behind them, their rising, transit and setting, a dashed
// line at a chosen altitude; a cursor that reads the time and each body's altitude.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "report/main_window_record.h"
#include "sky/altitude_graph.h"
#include "ui/graph_view.h"
#include "ui/placed_window.h"

class QStringListModel;

namespace orrelin::ui {

class TGraphForm : public PlacedWindow {
  Q_OBJECT

 public:
  // `mainWindow` reads the main window's place and clock; `starFile` is the catalogue
  // whose stars may be named.
  TGraphForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
             std::function<MainWindowRecord()> mainWindow, QWidget* anchor, QWidget* parent = nullptr);

  // Draws the graph of the boxes; a box that does not read is told, and the boxes and
  // the graph shown stay as they were. False then.
  bool Draw();
  // The moment under a point of the sheet and each body's altitude then; none outside
  // the graph or before one is drawn.
  struct CursorReading {
    double julianDayUt = 0.0;
    std::vector<std::pair<std::string, double>> altitudes;  // degrees, by body
  };
  std::optional<CursorReading> ReadCursor(const navigation::SheetPoint& point) const;
  // The graph on one page; false with no graph or when painting failed.
  bool Print(QPrinter& printer);
  const std::optional<sky::AltitudeGraph>& LastGraph() const { return graph_; }
  GraphView& View() { return *view_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildBoxes(QWidget& boxes);
  void BuildMenu();
  void ShowCursor(std::optional<navigation::SheetPoint> point);
  void ListStarNames();
  void StoreBoxes() const;
  void RestoreBoxes();
  bool Refuse(const std::string& message);

  std::filesystem::path starFile_;
  MessageSink& sink_;
  std::function<MainWindowRecord()> main_;
  QLineEdit *date_ = nullptr, *stars_ = nullptr, *step_ = nullptr, *line_ = nullptr;
  std::vector<QCheckBox*> bodies_;  // the Sun, the Moon, Mercury .. Neptune
  QCheckBox* precise_ = nullptr;
  QStringListModel* starNames_ = nullptr;
  GraphView* view_ = nullptr;
  QLabel* cursor_ = nullptr;
  std::optional<sky::AltitudeGraph> graph_;
  bool drawnOnce_ = false;  // drawn at the first opening
  sky::GraphInput drawn_;  // what the graph shown was drawn from, for the cursor's altitudes
};

}  // namespace orrelin::ui
