#include "ui/orrelin_form.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QVBoxLayout>

#include "app/place_list.h"
#include "app/settings_folder.h"
#include "navigation/sights_file.h"
#include "report/observer_reading.h"
#include "ui/about_box.h"
#include "ui/almanac_form.h"
#include "ui/daily_pages_form.h"
#include "ui/date_box.h"
#include "ui/help_form.h"
#include "ui/identify_form.h"
#include "ui/jupiter_form.h"
#include "ui/planet_form.h"
#include "ui/printing.h"
#include "ui/program_files.h"
#include "ui/sights_form.h"
#include "ui/plan_form.h"
#include "ui/graph_form.h"
#include "ui/tonight_form.h"
#include "ui/watch_form.h"
#include "ui/star_form.h"
#include "ui/window_placement.h"

// The main window's making, its other windows, its menu and what closing it saves.
// Its place and moment boxes and its buttons are in the files beside this one.
namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

void TOrrelinForm::ReportFirstSink::ShowMessage(const std::string& text) {
  if (form_.planetForm_) form_.planetForm_->Apply();
  sink_.ShowMessage(text);
}

TOrrelinForm::TOrrelinForm(const StartEnvironment& env, MessageSink& sink, QWidget* parent)
    : QMainWindow(parent), settings_(env.settingsFolder / kSettingsFileName), settingsFolder_(env.settingsFolder),
      sink_(sink), reportSink_(*this, sink) {
  setObjectName("OrrelinForm");
  setWindowTitle("Orrelin");
  BuildMenu();
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(BuildPlace());
  layout->addWidget(BuildMoment());
  layout->addWidget(BuildButtons());
  bodyCode_ = new QLabel;
  bodyCode_->setObjectName("Label9");
  bodyCode_->hide();
  layout->addWidget(bodyCode_);
  setCentralWidget(central);

  settings_.TellFailuresTo(&sink_);
  MainWindowRecord record;
  const StartResult start = StartMainWindow(env, settings_, record, sink_);
  {
    const QSignalBlocker quiet(place_);
    for (const auto& name : start.placeNames) place_->addItem(Q(name));
  }
  FromRecord(record);
  // Its own size before it is placed, as on a first start (moving it first would give
  // it the toolkit's default size).
  adjustSize();
  if (start.mainWindowPosition) MoveToStoredPlace(*this, *start.mainWindowPosition);
  ConnectTypingChecks();
  // Only a place chosen from the list, or an exact name and Enter, fills the boxes:
  // typing a new name never changes the coordinates typed for it.
  connect(place_, &QComboBox::activated, this, [this] {
    if (!leavingPlaceBox_) ApplyChosenPlace();
  });
  place_->installEventFilter(this);
  connect(place_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    if (!place_->currentText().isEmpty()) ApplyChosenPlace();
  });

  timer_ = new QTimer(this);
  timer_->setObjectName("Timer1");
  timer_->setInterval(1000);
  connect(timer_, &QTimer::timeout, this, &TOrrelinForm::Tick);
  timer_->start();
  Tick();

  // The windows are created in their order: About, identification, Jupiter's, the almanac,
  // the star window, the report window.
  helpForm_ = new THelpForm(FindManual(), this);
  // A link the desktop cannot open (no browser or mail program) shows the manual's
  // front page instead, with the address above it.
  aboutBox_ = new TAboutBox(this, [this](const QString& note) { OpenHelp("index.html", note); });
  identifyForm_ = std::make_unique<TIdentifyForm>(
      settings_, env.settingsFolder / kStarFileName, reportSink_,
      TIdentifyForm::MainWindowAccess{[this] { return ToRecord(); },
                                      [this](const MainWindowCorrections& c) {
                                        if (c.latMin) latMin_->setText(Q(*c.latMin));
                                        if (c.lonMin) lonMin_->setText(Q(*c.lonMin));
                                      }},
      this);
  jupiterForm_ = std::make_unique<TJupiterForm>(
      settings_, [this] {
        return TJupiterForm::MainTexts{Q(ShownDateText(date_->Date(), beforeChrist_->isChecked())),
                                       localTime_->text(), weekday_->text()};
      },
      this);
  almanacForm_ = std::make_unique<TAlmanacForm>(
      settings_, reportSink_,
      TAlmanacForm::MainWindowAccess{[this] { return ToRecord(); }, [this] { OpenHelp("almanac.html"); }},
      this);
  starForm_ = std::make_unique<TStarForm>(settings_, env.settingsFolder / kStarFileName, sink_,
                                          [this] { RunBodyReport(body_); }, this);
  planetForm_ = std::make_unique<TPlanetForm>(settings_, [this] { OpenSatellites(); }, this);
  dailyPagesForm_ = std::make_unique<TDailyPagesForm>(settings_, reportSink_, this);
  sightsForm_ = std::make_unique<TSightsForm>(
      settings_, env.settingsFolder / navigation::kSightsFileName, sink_,
      TSightsForm::MainWindowAccess{[this] { return ToRecord(); },
                                    [this] {
                                      const auto& first = identifyForm_->Record().panels[0];
                                      return first.visible ? first.name : std::string();
                                    },
                                    [this] { OpenPlan(); }},
      this);
  watchForm_ = std::make_unique<TWatchForm>(settings_, sink_, [this] { return ToRecord(); }, this);
  planForm_ = std::make_unique<TPlanForm>(
      settings_, env.settingsFolder / kStarFileName, sink_, [this] { return ToRecord(); },
      [this]() -> TSightsForm& { return *sightsForm_; }, this);
  tonightForm_ = std::make_unique<TTonightForm>(settings_, env.settingsFolder / kStarFileName, sink_,
                                                [this] { return ToRecord(); }, this);
  graphForm_ = std::make_unique<TGraphForm>(settings_, env.settingsFolder / kStarFileName, sink_,
                                            [this] { return ToRecord(); }, this);
}

TOrrelinForm::~TOrrelinForm() = default;

void TOrrelinForm::BuildMenu() {
  AddCloseAndPrintImageMenu(*this, "&Print", "Print");
  QAction* daily = menuBar()->addAction("&Daily pages");
  daily->setObjectName("DailyPages");
  connect(daily, &QAction::triggered, this,
          [this] { dailyPagesForm_->ShowForDate(date_->Date(), beforeChrist_->isChecked()); });
  QAction* about = menuBar()->addAction("&About");
  about->setObjectName("About");
  connect(about, &QAction::triggered, this, [this] { aboutBox_->exec(); });
  QAction* help = menuBar()->addAction("&Help");
  help->setObjectName("Help");
  connect(help, &QAction::triggered, this, [this] { OpenHelp(); });
}

void TOrrelinForm::OpenHelp(const QString& chapter, const QString& note) {
  if (helpForm_->ShowChapter(chapter, note)) return;
  sink_.ShowMessage("The user's manual is not installed: no manual/index.html beside the program or in "
                    "share/doc/orrelin");
}

std::filesystem::path TOrrelinForm::PlaceFile() const { return settingsFolder_ / kPlaceFileName; }

void TOrrelinForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A preset top of -1 would leave the title bar above the screen.
  KeepTitleBarOnScreen(*this);
}

void TOrrelinForm::closeEvent(QCloseEvent* event) {
  std::optional<WindowPosition> position;
  if (InNormalState(*this)) position = InsidePosition(*this);
  SaveMainSettings(settings_, ToRecord(), position);
  for (QWidget* window : {static_cast<QWidget*>(planetForm_.get()), static_cast<QWidget*>(starForm_.get()),
                          static_cast<QWidget*>(jupiterForm_.get()), static_cast<QWidget*>(identifyForm_.get()),
                          static_cast<QWidget*>(almanacForm_.get()), static_cast<QWidget*>(sightsForm_.get()),
                          static_cast<QWidget*>(watchForm_.get()), static_cast<QWidget*>(planForm_.get()),
                          static_cast<QWidget*>(dailyPagesForm_.get()), static_cast<QWidget*>(tonightForm_.get()),
                          static_cast<QWidget*>(graphForm_.get()), static_cast<QWidget*>(helpForm_)}) {
    if (window->isVisible()) window->close();
  }
  event->accept();
}

}  // namespace orrelin::ui
