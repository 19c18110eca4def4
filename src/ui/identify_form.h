#pragma once
// The identification window, "Identify": a sextant altitude and an azimuth in, the
// observed place and the three nearest stars and planets out.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <array>
#include <filesystem>
#include <functional>

#include "core/messages.h"
#include "identify/identification.h"
#include "report/main_window_record.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class TIdentifyForm : public PlacedWindow {
  Q_OBJECT

 public:
  // The main window's boxes are read (and may be written: empty minutes) at every OK.
  struct MainWindowAccess {
    std::function<MainWindowRecord()> read;
    std::function<void(const MainWindowCorrections&)> write;
  };
  TIdentifyForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
                MainWindowAccess mainWindow, QWidget* anchor = nullptr, QWidget* parent = nullptr);

  // The OK button.
  void Ok();
  // What the last OK showed.
  const IdentifyResult& Record() const { return result_; }

 private:
  QWidget* BuildInputs();
  QWidget* BuildObserved();
  QGroupBox* BuildCandidate(int n);
  void ReadBoxes();
  void ClearResults();
  void Apply();
  void ConnectTypingChecks();

  std::filesystem::path starFile_;
  MessageSink& sink_;
  MainWindowAccess mainWindow_;
  IdentifySight sight_;
  IdentifyResult result_;
  QLineEdit *hmDeg_ = nullptr, *hmMin_ = nullptr, *azimuth_ = nullptr;
  QComboBox* magnitude_ = nullptr;
  QGroupBox* observedPanel_ = nullptr;
  QLineEdit *appHeight_ = nullptr, *obsDeg_ = nullptr, *obsMin_ = nullptr, *declination_ = nullptr, *lha_ = nullptr;
  QLineEdit *height2_ = nullptr, *azimuth2_ = nullptr;
  struct PanelBoxes {
    QGroupBox* panel = nullptr;
    QLabel* name = nullptr;
    QLineEdit *declination = nullptr, *lha = nullptr, *altitude = nullptr, *azimuth = nullptr, *magnitude = nullptr;
    QLineEdit* separation = nullptr;
  };
  std::array<PanelBoxes, 3> panels_;
  QLabel* notice_ = nullptr;
};

}  // namespace orrelin::ui
