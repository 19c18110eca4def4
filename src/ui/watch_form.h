#pragma once
// "Noon & compass": the sights of every watch that are not a fix. Local apparent noon
// and the latitude by meridian altitude, the latitude by Polaris, the compass error by
// azimuth and by amplitude, and the deviation card; each shows its working lines as
// the command line prints them, and Print prints the tab in front.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <functional>
#include <optional>
#include <string>

#include "core/messages.h"
#include "earth/observer.h"
#include "navigation/sight_reduction.h"
#include "report/main_window_record.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class TWatchForm : public PlacedWindow {
  Q_OBJECT

 public:
  // `mainWindow` reads the main window's place and moment boxes.
  TWatchForm(const SettingsFile& settings, MessageSink& sink, std::function<MainWindowRecord()> mainWindow,
             QWidget* anchor, QWidget* parent = nullptr);

  // Each computes its tab from the boxes and shows the result; a box that does not read
  // is told and the tab's text stays as it was. False then.
  bool ComputeNoon();
  bool ComputePolaris();
  bool ComputeAzimuth();
  bool ComputeAmplitude();
  bool ComputeDeviation();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* NoonTab();
  QWidget* PolarisTab();
  QWidget* AzimuthTab();
  QWidget* AmplitudeTab();
  QWidget* DeviationTab();
  // The DR box and the main window's height, pressure and temperature; none, told.
  struct Ship {
    navigation::GeoPosition dr;
    Observer place;
  };
  std::optional<Ship> ReadShip();
  bool Refuse(const std::string& message);

  MessageSink& sink_;
  std::function<MainWindowRecord()> main_;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* dr_ = nullptr;
  QLineEdit *noonDate_ = nullptr, *noonBody_ = nullptr, *course_ = nullptr, *speed_ = nullptr, *drUtc_ = nullptr;
  QLineEdit *noonHs_ = nullptr, *noonLimb_ = nullptr, *noonIe_ = nullptr;
  QCheckBox* lowerTransit_ = nullptr;
  QLineEdit *polarisUtc_ = nullptr, *polarisHs_ = nullptr, *polarisIe_ = nullptr;
  QLineEdit *azimuthBody_ = nullptr, *azimuthUtc_ = nullptr, *bearing_ = nullptr, *variation_ = nullptr,
            *heading_ = nullptr;
  QLineEdit *amplitudeBody_ = nullptr, *amplitudeDate_ = nullptr, *amplitudeBearing_ = nullptr,
            *amplitudeVariation_ = nullptr;
  QRadioButton *rising_ = nullptr, *setting_ = nullptr;
  QLineEdit *deviationFile_ = nullptr, *deviationVariation_ = nullptr;
  QPlainTextEdit *noonText_ = nullptr, *polarisText_ = nullptr, *azimuthText_ = nullptr, *amplitudeText_ = nullptr,
                 *deviationText_ = nullptr;
};

}  // namespace orrelin::ui
