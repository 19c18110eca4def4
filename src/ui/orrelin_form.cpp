#include "ui/orrelin_form.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QCompleter>
#include <QDesktopServices>
#include <QUrl>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QVBoxLayout>
#include <ctime>
#include <functional>

#include "app/place_list.h"
#include "app/settings_folder.h"
#include "core/calendar.h"
#include "core/clock.h"
#include "core/checks.h"
#include "core/numbers.h"
#include "report/observer_reading.h"
#include "report/body_report.h"
#include "report/satellites_moment.h"
#include "ui/daily_pages_form.h"
#include "navigation/sights_file.h"
#include "ui/sights_form.h"
#include "ui/date_box.h"
#include "ui/deferred_messages.h"
#include "ui/about_box.h"
#include "ui/help_form.h"
#include "ui/almanac_form.h"
#include "ui/identify_form.h"
#include "ui/jupiter_form.h"
#include "ui/planet_form.h"
#include "ui/printing.h"
#include "ui/program_files.h"
#include "ui/star_form.h"
#include "ui/window_placement.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QLineEdit* Box(const char* name, const QString& hint, int width) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setToolTip(hint);
  box->setFixedWidth(width);
  return box;
}

QRadioButton* Radio(const char* name, const QString& caption) {
  auto* button = new QRadioButton(caption);
  button->setObjectName(name);
  return button;
}


// On rejection the whole text is selected, so that the next key replaces it.
void SelectAllWhenRejected(QLineEdit* box, bool accepted) {
  if (!accepted) box->selectAll();
}

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
                                      [this](const MainWindowRecord& r) {
                                        // Reading the place shows "0.0" in an empty minutes box.
                                        const MainWindowCorrections c = PlaceBoxCorrections(r);
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
                                    }},
      this);
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

QWidget* TOrrelinForm::BuildPlace() {
  auto* group = new QGroupBox("Place");
  auto* grid = new QGridLayout(group);
  place_ = new QComboBox;
  place_->setObjectName("cbxPlace");
  place_->setEditable(true);
  place_->setInsertPolicy(QComboBox::NoInsert);
  // Names are offered below the box while typing, never written into it.
  place_->completer()->setCompletionMode(QCompleter::PopupCompletion);
  place_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  place_->lineEdit()->setMaxLength(20);
  place_->setMaxVisibleItems(16);
  place_->setMinimumWidth(220);
  place_->setToolTip("Select from drop-down list. Countries are in alphabetical order according to ARRL");
  auto* save = new QPushButton("S");
  save->setObjectName("BitBtn1");
  save->setToolTip("Save to file");
  save->setFixedWidth(32);
  connect(save, &QPushButton::clicked, this, [this] { SavePlace(PlaceFile(), ToRecord(), sink_); });
  grid->addWidget(place_, 0, 0, 1, 4);
  grid->addWidget(save, 0, 4);

  latDeg_ = Box("Edit1", "Degrees", 50);
  latMin_ = Box("Edit2", "Minutes", 60);
  north_ = Radio("RadioButton1", "North");
  south_ = Radio("RadioButton2", "South");
  auto* latitudeGroup = new QButtonGroup(this);
  latitudeGroup->addButton(north_);
  latitudeGroup->addButton(south_);
  grid->addWidget(new QLabel("Latitude"), 1, 0);
  grid->addWidget(latDeg_, 1, 1);
  grid->addWidget(latMin_, 1, 2);
  grid->addWidget(north_, 1, 3);
  grid->addWidget(south_, 1, 4);

  lonDeg_ = Box("Edit3", "Degrees", 50);
  lonMin_ = Box("Edit4", "Minutes", 60);
  west_ = Radio("RadioButton3", "West");
  east_ = Radio("RadioButton4", "East");
  auto* longitudeGroup = new QButtonGroup(this);
  longitudeGroup->addButton(west_);
  longitudeGroup->addButton(east_);
  grid->addWidget(new QLabel("Longitude"), 2, 0);
  grid->addWidget(lonDeg_, 2, 1);
  grid->addWidget(lonMin_, 2, 2);
  grid->addWidget(west_, 2, 3);
  grid->addWidget(east_, 2, 4);

  height_ = Box("edtHeight", "", 60);
  pressure_ = Box("edtPressure", "Integer millibars", 60);
  temperature_ = Box("edtTemperature", "Integer degrees", 60);
  grid->addWidget(new QLabel("Obs Height"), 3, 0);
  grid->addWidget(height_, 3, 1);
  grid->addWidget(new QLabel("meters"), 3, 2);
  grid->addWidget(new QLabel("Pressure"), 4, 0);
  grid->addWidget(pressure_, 4, 1);
  grid->addWidget(new QLabel("mb"), 4, 2);
  grid->addWidget(new QLabel("Temperature"), 5, 0);
  grid->addWidget(temperature_, 5, 1);
  grid->addWidget(new QLabel("°C"), 5, 2);
  return group;
}

QWidget* TOrrelinForm::BuildMoment() {
  auto* group = new QGroupBox("Moment");
  auto* grid = new QGridLayout(group);
  date_ = new DateBox;
  weekday_ = new QLabel;
  weekday_->setObjectName("lbWeekday");
  weekday_->setMinimumWidth(90);
  beforeChrist_ = new QCheckBox("B.C.");
  beforeChrist_->setObjectName("chBChr");
  grid->addWidget(new QLabel("Date "), 0, 0);
  grid->addWidget(date_, 0, 1);
  grid->addWidget(weekday_, 0, 2);
  grid->addWidget(beforeChrist_, 0, 3);

  offset_ = Box("Edit5", "Difference in hours", 60);
  grid->addWidget(new QLabel("Utc - Local Time"), 1, 0);
  grid->addWidget(offset_, 1, 1);
  grid->addWidget(new QLabel("hours"), 1, 2);

  time_ = Box("edtTime", "hh:mm:ss", 90);
  time_->setInputMask("09:99:99; ");
  time_->setMaxLength(8);
  localTime_ = Box("edLocTime", "", 90);
  localTime_->setReadOnly(true);
  grid->addWidget(new QLabel("Time Utc"), 2, 0);
  grid->addWidget(time_, 2, 1);
  grid->addWidget(new QLabel("Local Time"), 2, 2);
  grid->addWidget(localTime_, 2, 3);

  clock_ = new QPushButton;
  clock_->setObjectName("btClock1");
  clock_->setMinimumWidth(90);
  pcTime_ = Radio("rbPcTime", "PC Time");
  otherTime_ = Radio("rbOthTime", "Other Time");
  grid->addWidget(clock_, 3, 0);
  grid->addWidget(pcTime_, 3, 1);
  grid->addWidget(otherTime_, 3, 2);

  deltaPanel_ = new QWidget;
  deltaPanel_->setObjectName("Panel4");
  auto* deltaLayout = new QHBoxLayout(deltaPanel_);
  deltaLayout->setContentsMargins(0, 0, 0, 0);
  delta_ = Box("edDelta", "Latest value may be given", 60);
  // What the user types stays; what a report fills in is refilled for each report's date.
  connect(delta_, &QLineEdit::textEdited, this, [this](const QString& text) { deltaTyped_ = !text.isEmpty(); });
  deltaLayout->addWidget(new QLabel("Delta"));
  deltaLayout->addWidget(delta_);
  deltaLayout->addWidget(new QLabel("sec"));
  deltaLayout->addStretch();
  grid->addWidget(deltaPanel_, 4, 0, 1, 4);

  connect(date_, &DateBox::DateChanged, this, &TOrrelinForm::DateChanged);
  connect(date_, &DateBox::Rejected, this, [this](const QString& message) { sink_.ShowMessage(S(message)); });
  connect(beforeChrist_, &QCheckBox::toggled, this, [this](bool bc) {
    date_->SetBeforeChrist(bc);
    DateChanged();
  });
  connect(time_, &QLineEdit::textChanged, this, &TOrrelinForm::TimeChanged);
  connect(offset_, &QLineEdit::textChanged, this, [this] {
    MainWindowRecord record = ToRecord();
    UpdateLocalTime(record);
    localTime_->setText(Q(record.localTime));
  });
  connect(pcTime_, &QRadioButton::clicked, this, &TOrrelinForm::TakeComputerTime);
  connect(otherTime_, &QRadioButton::clicked, this, [this] {
    if (!place_->currentText().isEmpty()) ApplyChosenPlace();
  });
  connect(clock_, &QPushButton::clicked, this, &TOrrelinForm::ClockClicked);
  return group;
}

QWidget* TOrrelinForm::BuildButtons() {
  auto* panel = new QWidget;
  panel->setObjectName(kKeepClearName);
  auto* grid = new QGridLayout(panel);
  int i = 0;
  for (const Body body : {Body::kSun, Body::kMoon, Body::kMercury, Body::kVenus, Body::kMars, Body::kJupiter,
                          Body::kSaturn, Body::kUranus, Body::kNeptune}) {
    const QString name = Q(std::string(BodyName(body)));
    auto* button = new QPushButton(name);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, body] { RunBodyReport(body); });
    grid->addWidget(button, i / 5, i % 5);
    ++i;
  }
  grid->itemAtPosition(0, 1)->widget()->setToolTip("Click two times");
  auto* stars = new QPushButton("Stars");
  stars->setObjectName("Stars");
  connect(stars, &QPushButton::clicked, this, [this] {
    ShowBody(Body::kStar);
    starForm_->show();
    starForm_->raise();
  });
  grid->addWidget(stars, i / 5, i % 5);
  ++i;
  auto* identify = new QPushButton("Identify");
  identify->setObjectName("Identify");
  connect(identify, &QPushButton::clicked, this, [this] {
    identifyForm_->show();
    identifyForm_->raise();
  });
  grid->addWidget(identify, i / 5, i % 5);
  ++i;
  auto* almanac = new QPushButton("Almanac");
  almanac->setObjectName("Almanac");
  connect(almanac, &QPushButton::clicked, this,
          [this] { almanacForm_->ShowForYear(date_->Date().year, beforeChrist_->isChecked()); });
  grid->addWidget(almanac, i / 5, i % 5);
  ++i;
  auto* sights = new QPushButton("Sights");
  sights->setObjectName("Sights");
  connect(sights, &QPushButton::clicked, this, [this] {
    sightsForm_->show();
    sightsForm_->raise();
  });
  grid->addWidget(sights, i / 5, i % 5);
  ++i;
  precise_ = new QCheckBox("Precise");
  precise_->setObjectName("chPrecise");
  precise_->setToolTip("Reports from the precise ephemeris (JPL DE431, 1800 to 2399) instead of the book's methods");
  grid->addWidget(precise_, i / 5, i % 5);
  return panel;
}

std::filesystem::path TOrrelinForm::PlaceFile() const { return settingsFolder_ / kPlaceFileName; }

void TOrrelinForm::ApplyChosenPlace() {
  MainWindowRecord record = ToRecord();
  if (!ApplyPlace(PlaceFile(), record, sink_)) return;
  // ShowClockTime: the clock's UTC time, and the local time with the place's offset.
  record.time = S(clock_->text()).substr(0, S(clock_->text()).find(' '));
  UpdateLocalTime(record);
  FromRecord(record);
}

void TOrrelinForm::ConnectTypingChecks() {
  // A check runs on what was typed, but not on the mere beginning of a number ("-", ".").
  auto check = [this](QLineEdit* box, std::function<bool(const std::string&)> accepts) {
    connect(box, &QLineEdit::textEdited, this, [box, accepts](const QString& text) {
      if (text.isEmpty() || IsNumberBeginning(S(text))) return;
      SelectAllWhenRejected(box, accepts(S(text)));
    });
  };
  check(latDeg_, [this](const std::string& t) { return CheckIntRange(t, 90, sink_); });
  check(latMin_, [this](const std::string& t) { return CheckMinutes(S(latDeg_->text()), t, 90, sink_); });
  check(lonMin_, [this](const std::string& t) { return CheckMinutes(S(lonDeg_->text()), t, 180, sink_); });
  check(height_, [this](const std::string& t) { return CheckRealRange(t, 8900, sink_); });
}

MainWindowRecord TOrrelinForm::ToRecord() const {
  MainWindowRecord r;
  r.place = S(place_->currentText());
  r.latDeg = S(latDeg_->text());
  r.latMin = S(latMin_->text());
  r.north = north_->isChecked();
  r.lonDeg = S(lonDeg_->text());
  r.lonMin = S(lonMin_->text());
  r.west = west_->isChecked();
  r.height = S(height_->text());
  r.pressure = S(pressure_->text());
  r.temperature = S(temperature_->text());
  r.date = date_->Date();
  r.beforeChrist = beforeChrist_->isChecked();
  r.utcMinusLocal = S(offset_->text());
  r.time = S(time_->text());
  r.localTime = S(localTime_->text());
  r.pcTime = pcTime_->isChecked();
  r.delta = S(delta_->text());
  r.deltaTyped = deltaTyped_;
  r.body = body_;
  r.precise = precise_->isChecked();
  return r;
}

void TOrrelinForm::FromRecord(const MainWindowRecord& r) {
  {
    const QSignalBlocker quiet(place_);
    place_->setCurrentText(Q(r.place));
  }
  latDeg_->setText(Q(r.latDeg));
  latMin_->setText(Q(r.latMin));
  (r.north ? north_ : south_)->setChecked(true);
  lonDeg_->setText(Q(r.lonDeg));
  lonMin_->setText(Q(r.lonMin));
  (r.west ? west_ : east_)->setChecked(true);
  height_->setText(Q(r.height));
  pressure_->setText(Q(r.pressure));
  temperature_->setText(Q(r.temperature));
  {
    const QSignalBlocker blockBc(beforeChrist_);
    beforeChrist_->setChecked(r.beforeChrist);
    date_->SetBeforeChrist(r.beforeChrist);
    date_->SetDate(r.date, false);
  }
  offset_->setText(Q(r.utcMinusLocal));
  {
    const QSignalBlocker blockTime(time_);
    time_->setText(Q(r.time));
  }
  localTime_->setText(Q(r.localTime));
  (r.pcTime ? pcTime_ : otherTime_)->setChecked(true);
  delta_->setText(Q(r.delta));
  deltaTyped_ = r.deltaTyped;
  ShowBody(r.body);
  precise_->setChecked(r.precise);
  DateChanged();
}

void TOrrelinForm::ShowBody(Body body) {
  body_ = body;
  bodyCode_->setText(Q(std::string(BodyCode(body))));
}

void TOrrelinForm::RunBodyReport(Body body) {
  ShowBody(body);
  // Once, by the report function the command line runs too. Its messages come once
  // the windows show what the run gave: the report window never shows the previous
  // body's numbers under a message.
  MainWindowRecord record = ToRecord();
  DeferredMessages messages;
  const BodyReportResult run = BodyReport(record, planetForm_->Record(), messages, &starForm_->Record());
  planetForm_->Record() = run.report;
  if (run.starMode) starForm_->Record().mode = BodyCode(Body::kStar);
  ApplyCorrections(run.mainWindow, record);
  FromRecord(record);
  planetForm_->Apply();
  messages.ReplayTo(reportSink_);
}

void TOrrelinForm::OpenSatellites() {
  const auto moment = SatellitesMomentOf(ToRecord());
  if (!moment) {
    sink_.ShowMessage(kMessageBadTime);
    return;
  }
  jupiterForm_->ShowFor(*moment);
}

// A changed date or time makes the satellites window's picture stale: it closes.
void TOrrelinForm::CloseSatellites() {
  if (jupiterForm_ && jupiterForm_->isVisible()) jupiterForm_->close();
}

void TOrrelinForm::DateChanged() {
  CloseSatellites();
  const CivilDate date = date_->Date();
  deltaPanel_->setVisible(DeltaPanelVisible(date));
  weekday_->setText(Q(WeekdayName(date, beforeChrist_->isChecked())));
}

void TOrrelinForm::TimeChanged() {
  CloseSatellites();
  MainWindowRecord record = ToRecord();
  UpdateLocalTime(record);
  localTime_->setText(Q(record.localTime));
}

void TOrrelinForm::TakeComputerTime() {
  MainWindowRecord record = ToRecord();
  const std::time_t now = std::time(nullptr);
  TakePcTime(record, now, ComputerZoneOffset(now));
  FromRecord(record);
}

void TOrrelinForm::ClockClicked() {
  MainWindowRecord record = ToRecord();
  ClockButtonClicked(record, std::time(nullptr));
  FromRecord(record);
}

void TOrrelinForm::Tick() { clock_->setText(Q(ClockCaption(std::time(nullptr)))); }

void TOrrelinForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // A preset top of -1 would leave the title bar above the screen.
  KeepTitleBarOnScreen(*this);
}

// Leaving the place box is no choice, though the toolkit takes a whole name that stands
// in the box for one when the focus leaves it: the boxes keep what was typed.
bool TOrrelinForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != place_ || event->type() != QEvent::FocusOut ||
      static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) {
    return QMainWindow::eventFilter(watched, event);
  }
  leavingPlaceBox_ = true;
  place_->event(event);
  leavingPlaceBox_ = false;
  return true;
}

void TOrrelinForm::closeEvent(QCloseEvent* event) {
  std::optional<WindowPosition> position;
  if (InNormalState(*this)) position = InsidePosition(*this);
  SaveMainSettings(settings_, ToRecord(), position);
  for (QWidget* window : {static_cast<QWidget*>(planetForm_.get()), static_cast<QWidget*>(starForm_.get()),
                          static_cast<QWidget*>(jupiterForm_.get()), static_cast<QWidget*>(identifyForm_.get()),
                          static_cast<QWidget*>(almanacForm_.get()), static_cast<QWidget*>(sightsForm_.get()),
                          static_cast<QWidget*>(dailyPagesForm_.get()), static_cast<QWidget*>(helpForm_)}) {
    if (window->isVisible()) window->close();
  }
  event->accept();
}

}  // namespace orrelin::ui
