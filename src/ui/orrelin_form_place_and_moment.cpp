#include "ui/orrelin_form.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <ctime>
#include <functional>

#include "app/place_list.h"
#include "core/calendar.h"
#include "core/checks.h"
#include "core/clock.h"
#include "core/numbers.h"
#include "ui/date_box.h"
#include "ui/jupiter_form.h"
#include "zones/zone_clock.h"

// The main window's place and moment boxes: making them, their typing checks, the
// place list, the clock, and the boxes as a record and back.
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
  auto* offsetHours = new QHBoxLayout;
  offsetHours->addWidget(offset_);
  offsetHours->addWidget(new QLabel("hours"));
  offsetHours->addStretch();
  grid->addWidget(new QLabel("Utc - Local Time"), 1, 0);
  grid->addLayout(offsetHours, 1, 1);
  grid->addWidget(new QLabel("Time Zone"), 1, 2);
  zone_ = new QComboBox;
  zone_->setObjectName("cbxZone");
  zone_->setEditable(true);
  zone_->setInsertPolicy(QComboBox::NoInsert);
  zone_->lineEdit()->setMaxLength(64);  // the database's longest names have about 30 characters
  zone_->setToolTip("Time zone: the clock on the wall, with its daylight saving time. "
                    "Empty: the fixed offset (at sea, the zone description)");
  zone_->addItem("");
  for (const std::string& name : ZoneNames()) zone_->addItem(Q(name));
  // "helsinki" offers Europe/Helsinki.
  zone_->completer()->setCompletionMode(QCompleter::PopupCompletion);
  zone_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
  zone_->completer()->setFilterMode(Qt::MatchContains);
  zone_->setMaxVisibleItems(16);
  zone_->setMinimumWidth(170);
  grid->addWidget(zone_, 1, 3, 1, 2);

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
  connect(zone_, &QComboBox::activated, this, [this](int index) { ChooseZone(zone_->itemText(index)); });
  // A typed name counts on Enter or when the box is left.
  connect(zone_->lineEdit(), &QLineEdit::editingFinished, this, [this] { ChooseZone(zone_->currentText()); });
  return group;
}

void TOrrelinForm::ApplyChosenPlace() {
  MainWindowRecord record = ToRecord();
  if (!ApplyPlace(PlaceFile(), record, sink_)) return;
  // ShowClockTime: the clock's UTC time, and the local time with the place's offset.
  record.time = S(clock_->text()).substr(0, S(clock_->text()).find(' '));
  UpdateLocalTime(record);
  FromRecord(record);
}

void TOrrelinForm::ChooseZone(const QString& typed) {
  const QString name = typed.trimmed();
  const QString chosen = zoneClock_ ? Q(zoneClock_->ZoneName()) : QString();
  if (name == chosen) {
    if (zone_->currentText() != chosen) zone_->setCurrentText(chosen);
    return;
  }
  // The list's own spelling of a name typed in another letter case.
  const int listed = zone_->findText(name, Qt::MatchFixedString);
  const std::optional<LocalClock> clock = ZoneClock(S(listed > 0 ? zone_->itemText(listed) : name));
  if (!name.isEmpty() && !clock) {
    // The box is emptied first: the message takes the focus, and leaving the box again
    // must not ask a second time.
    const QSignalBlocker quiet(zone_);
    zone_->setCurrentIndex(0);
    zoneClock_.reset();
    offset_->setReadOnly(false);
    sink_.ShowMessage("No time zone \"" + S(name) + "\" in the time-zone database: the fixed offset in hours stays");
    return;
  }
  zoneClock_ = clock;
  {
    const QSignalBlocker quiet(zone_);
    zone_->setCurrentText(clock ? Q(clock->ZoneName()) : QString());
  }
  // The zone's offset is the zone's: typed over, it would be another clock.
  offset_->setReadOnly(clock.has_value());
  FollowZone();
}

void TOrrelinForm::FollowZone() {
  if (!zoneClock_) return;
  MainWindowRecord record = ToRecord();
  FollowZoneClock(record);
  if (offset_->text() != Q(record.utcMinusLocal)) offset_->setText(Q(record.utcMinusLocal));
  localTime_->setText(Q(record.localTime));
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
  if (zoneClock_) {
    r.zone = zoneClock_->ZoneName();
    r.clock = *zoneClock_;
  }
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
  ChooseZone(Q(r.zone));
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

void TOrrelinForm::DateChanged() {
  CloseSatellites();
  const CivilDate date = date_->Date();
  deltaPanel_->setVisible(DeltaPanelVisible(date));
  weekday_->setText(Q(WeekdayName(date, beforeChrist_->isChecked())));
  FollowZone();
}

void TOrrelinForm::TimeChanged() {
  CloseSatellites();
  MainWindowRecord record = ToRecord();
  UpdateLocalTime(record);
  localTime_->setText(Q(record.localTime));
  FollowZone();
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

}  // namespace orrelin::ui
