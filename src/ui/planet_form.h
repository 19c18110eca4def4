#pragma once
// The report window, "Celestial Body": the result of one body report.
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "app/settings_file.h"
#include "report/report_record.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class MoonPhaseBox;

class TPlanetForm : public PlacedWindow {
  Q_OBJECT

 public:
  // `openSatellites` is the "Satellites" button's action (Jupiter's report only).
  TPlanetForm(const SettingsFile& settings, std::function<void()> openSatellites = {}, QWidget* anchor = nullptr,
              QWidget* parent = nullptr);

  // The record a report fills; Apply() shows it.
  ReportWindowRecord& Record() { return record_; }
  // Copies the record into the widgets and shows the window when the report did.
  void Apply();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* AddResultBox(QGridLayout* grid, int row, const char* name, const QString& caption,
                          const QString& hint = {});
  void BuildMenu();
  QWidget* BuildResults();
  QWidget* BuildLocalTimes();
  QWidget* BuildTwilight();
  QWidget* BuildPhase();
  QWidget* BuildColumns();

  ReportWindowRecord record_;
  QLabel* title_ = nullptr;
  QLineEdit *julianDays_ = nullptr, *deltaTime_ = nullptr, *rightAscension_ = nullptr, *declination_ = nullptr;
  QLineEdit *gha_ = nullptr, *lha_ = nullptr, *altitude_ = nullptr, *azimuth_ = nullptr;
  QWidget* refractionPanel_ = nullptr;
  QLineEdit* refracted_ = nullptr;
  QLabel* magnitudeLabel_ = nullptr;
  QLineEdit* magnitude_ = nullptr;
  QLineEdit *rising_ = nullptr, *transit_ = nullptr, *setting_ = nullptr;
  QWidget* twilightPanel_ = nullptr;
  QLineEdit *civilBegins_ = nullptr, *civilEnds_ = nullptr, *nauticalBegins_ = nullptr, *nauticalEnds_ = nullptr;
  QLineEdit *astronomicalBegins_ = nullptr, *astronomicalEnds_ = nullptr;
  QWidget* phasePanel_ = nullptr;
  QLabel *phaseLabel_ = nullptr, *elongationLabel_ = nullptr;
  MoonPhaseBox* phaseBox_ = nullptr;
  QPushButton* satellites_ = nullptr;
  QLineEdit* spare_ = nullptr;
  QPlainTextEdit *labels_ = nullptr, *values_ = nullptr;
};

}  // namespace orrelin::ui
