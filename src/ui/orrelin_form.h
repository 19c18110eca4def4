#pragma once
// The main window, "Orrelin": the observing place, the moment, and the buttons
// that open every other window.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "app/settings_file.h"
#include "core/body.h"
#include "core/messages.h"
#include "report/main_window_record.h"

namespace orrelin::ui {

class DateBox;
class TAboutBox;
class TAlmanacForm;
class TDailyPagesForm;
class TSightsForm;
class TWatchForm;
class TPlanForm;
class TTonightForm;
class TGraphForm;
class TIdentifyForm;
class TJupiterForm;
class THelpForm;
class TPlanetForm;
class TStarForm;

class TOrrelinForm : public QMainWindow {
  Q_OBJECT

 public:
  TOrrelinForm(const StartEnvironment& env, MessageSink& sink, QWidget* parent = nullptr);
  ~TOrrelinForm() override;

  TPlanetForm& PlanetForm() { return *planetForm_; }
  TStarForm& StarForm() { return *starForm_; }
  TJupiterForm& JupiterForm() { return *jupiterForm_; }
  TIdentifyForm& IdentifyForm() { return *identifyForm_; }
  TAlmanacForm& AlmanacForm() { return *almanacForm_; }
  TDailyPagesForm& DailyPagesForm() { return *dailyPagesForm_; }
  TSightsForm& SightsForm() { return *sightsForm_; }
  TWatchForm& WatchForm() { return *watchForm_; }
  TPlanForm& PlanForm() { return *planForm_; }
  TTonightForm& TonightForm() { return *tonightForm_; }
  TGraphForm& GraphForm() { return *graphForm_; }
  const SettingsFile& Settings() const { return settings_; }
  MessageSink& Sink() { return reportSink_; }

  // The boxes as a record, and back.
  MainWindowRecord ToRecord() const;
  void FromRecord(const MainWindowRecord& record);

  // Runs the report of a body as its button does.
  void RunBodyReport(Body body);
  // The report window's "Satellites": the satellites window for the date and time.
  void OpenSatellites();
  // The twilight's plan, from the main window's button and the Sights window's.
  void OpenPlan();
  // "&Help": the user's manual in the help window at the chapter ("almanac.html"), with
  // a note above it when one is given; a message when it is not installed.
  void OpenHelp(const QString& chapter = "place-and-moment.html", const QString& note = {});
  TAboutBox& AboutBox() { return *aboutBox_; }
  THelpForm& HelpForm() { return *helpForm_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenu();
  QWidget* BuildPlace();
  QWidget* BuildMoment();
  QWidget* BuildButtons();
  void ConnectTypingChecks();
  void DateChanged();
  void TimeChanged();
  void TakeComputerTime();
  void ClockClicked();
  void Tick();
  void CloseSatellites();
  // The place of the drop-down into the boxes, with the clock's time (the place list).
  void ApplyChosenPlace();
  // The time zone of that name (any letter case) becomes the clock, and the offset box
  // follows it; an empty name is the fixed offset. A name the database does not have is
  // said, and the fixed offset stays.
  void ChooseZone(const QString& name);
  // With a zone: the offset box shows its offset at the date and time of the boxes.
  void FollowZone();
  void ShowBody(Body body);
  std::filesystem::path PlaceFile() const;

  // Messages of the windows: before one is shown, the report window shows what the
  // report has written so far (emptied boxes, never the previous body's numbers).
  class ReportFirstSink : public MessageSink {
   public:
    ReportFirstSink(TOrrelinForm& form, MessageSink& sink) : form_(form), sink_(sink) {}
    void Beep() override { sink_.Beep(); }
    void ShowMessage(const std::string& text) override;
    void BringMainWindowForward() override { sink_.BringMainWindowForward(); }

   private:
    TOrrelinForm& form_;
    MessageSink& sink_;
  };

  QCheckBox* precise_ = nullptr;  // chPrecise
  SettingsFile settings_;
  std::filesystem::path settingsFolder_;
  MessageSink& sink_;
  ReportFirstSink reportSink_;
  TAboutBox* aboutBox_ = nullptr;  // a child dialog of this window
  THelpForm* helpForm_ = nullptr;  // a window of its own, owned by this one
  std::unique_ptr<TIdentifyForm> identifyForm_;
  std::unique_ptr<TJupiterForm> jupiterForm_;
  std::unique_ptr<TAlmanacForm> almanacForm_;
  std::unique_ptr<TStarForm> starForm_;
  std::unique_ptr<TDailyPagesForm> dailyPagesForm_;
  std::unique_ptr<TSightsForm> sightsForm_;
  std::unique_ptr<TWatchForm> watchForm_;
  std::unique_ptr<TPlanForm> planForm_;
  std::unique_ptr<TTonightForm> tonightForm_;
  std::unique_ptr<TGraphForm> graphForm_;
  std::unique_ptr<TPlanetForm> planetForm_;

  QComboBox* place_ = nullptr;
  QLineEdit *latDeg_ = nullptr, *latMin_ = nullptr, *lonDeg_ = nullptr, *lonMin_ = nullptr;
  QRadioButton *north_ = nullptr, *south_ = nullptr, *west_ = nullptr, *east_ = nullptr;
  QLineEdit *height_ = nullptr, *pressure_ = nullptr, *temperature_ = nullptr;
  DateBox* date_ = nullptr;
  QLabel* weekday_ = nullptr;
  QCheckBox* beforeChrist_ = nullptr;
  QLineEdit *offset_ = nullptr, *time_ = nullptr, *localTime_ = nullptr;
  QComboBox* zone_ = nullptr;          // cbxZone: empty for the fixed offset
  std::optional<LocalClock> zoneClock_;  // the chosen zone's clock
  QPushButton* clock_ = nullptr;
  QRadioButton *pcTime_ = nullptr, *otherTime_ = nullptr;
  QWidget* deltaPanel_ = nullptr;
  QLineEdit* delta_ = nullptr;
  bool deltaTyped_ = false;  // edDelta holds what the user typed
  bool leavingPlaceBox_ = false;  // the place box is losing the focus: no place is chosen
  QLabel* bodyCode_ = nullptr;  // the code of body_
  Body body_ = Body::kSun;      // the body of the last report button, or the star window's
  QTimer* timer_ = nullptr;
};

}  // namespace orrelin::ui
