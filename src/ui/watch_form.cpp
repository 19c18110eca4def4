#include "ui/watch_form.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/date_box.h"
#include "app/settings_file.h"
#include "core/calendar.h"
#include "core/geodesy.h"
#include "core/printed_lines.h"
#include "navigation/compass_check.h"
#include "navigation/deviation_card.h"
#include "navigation/deviation_file.h"
#include "navigation/noon.h"
#include "navigation/polaris.h"
#include "navigation/sight_entry.h"
#include "navigation/sights_file.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"
#include "ui/printing.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QLineEdit* box) { return box->text().trimmed().toStdString(); }

QLineEdit* Box(const char* name, const char* text, const char* tip) {
  auto* box = new QLineEdit(text);
  box->setObjectName(name);
  box->setToolTip(tip);
  return box;
}

QPlainTextEdit* Working(const char* name, const char* placeholder) {
  auto* text = new QPlainTextEdit;
  text->setObjectName(name);
  text->setReadOnly(true);
  text->setFont(QFont("DejaVu Sans Mono", 9));
  text->setPlaceholderText(placeholder);
  return text;
}

// A tab: its boxes in rows of label and box, its button, its working lines below.
QWidget* Tab(const std::vector<std::pair<const char*, QWidget*>>& boxes, QPushButton* compute, QPlainTextEdit* text) {
  auto* tab = new QWidget;
  auto* layout = new QVBoxLayout(tab);
  auto* grid = new QGridLayout;
  int i = 0;
  for (const auto& [label, box] : boxes) {
    grid->addWidget(new QLabel(label), i / 3, 2 * (i % 3));
    grid->addWidget(box, i / 3, 2 * (i % 3) + 1);
    ++i;
  }
  layout->addLayout(grid);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(compute);
  layout->addLayout(row);
  layout->addWidget(text, 1);
  return tab;
}

QPushButton* Button(const char* name, const char* caption) {
  auto* b = new QPushButton(caption);
  b->setObjectName(name);
  return b;
}

// The sight's problem under the box's own name.
std::string TypedSightMessage(const navigation::TypedSightProblem& p) {
  using Field = navigation::TypedSightProblem::Field;
  return std::string(p.field == Field::kLimb ? "Limb: " : p.field == Field::kHs ? "Hs: " : "IE: ") + p.text;
}

}  // namespace

TWatchForm::TWatchForm(const SettingsFile& settings, MessageSink& sink, std::function<MainWindowRecord()> mainWindow,
                       QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fWatch", anchor, parent), sink_(sink), main_(std::move(mainWindow)) {
  setObjectName("WatchForm");
  setWindowTitle("Noon & compass");
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* top = new QHBoxLayout;
  dr_ = Box("edDr", "", "The dead-reckoning position: \"59 50 N, 24 50 E\"");
  top->addWidget(new QLabel("DR"));
  top->addWidget(dr_, 1);
  layout->addLayout(top);
  tabs_ = new QTabWidget;
  tabs_->setObjectName("tabChecks");
  tabs_->addTab(NoonTab(), "Noon");
  tabs_->addTab(PolarisTab(), "Polaris");
  tabs_->addTab(AzimuthTab(), "Azimuth");
  tabs_->addTab(AmplitudeTab(), "Amplitude");
  tabs_->addTab(DeviationTab(), "Deviation");
  layout->addWidget(tabs_, 1);
  setCentralWidget(central);
  resize(760, 640);
  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) {
    const auto* text = tabs_->currentWidget()->findChild<QPlainTextEdit*>();
    if (text == nullptr || text->toPlainText().isEmpty()) return false;
    const QFont font("DejaVu Sans Mono");
    const auto pages = LinesOnPages(SplitLines(text->toPlainText().toStdString()), PageAreaOf(printer), 10);
    return PrintPages(printer, pages, font);
  });
  RestoreStoredPlace();
}

QWidget* TWatchForm::NoonTab() {
  noonDate_ = Box("edNoonDate", "", "The date at the ship, yyyy-mm-dd");
  noonBody_ = Box("edNoonBody", "Sun", "The body on the meridian: the Sun, the Moon, a planet or a star");
  course_ = Box("edCourse", "0", "The ship's course, degrees true");
  speed_ = Box("edSpeed", "0", "The ship's speed, knots (0: at rest)");
  drUtc_ = Box("edDrUtc", "", "The time the DR holds, yyyy-mm-dd hh:mm:ss UT (empty: noon by the DR's longitude)");
  noonHs_ = Box("edNoonHs", "", "The sextant altitude on the meridian, \"61 12.4\" (empty: the passage only)");
  noonLimb_ = Box("edNoonLimb", "lower", "The Sun's or the Moon's limb: lower or upper; empty for a star or a planet");
  noonIe_ = Box("edNoonIe", "0", "Index error, minutes; positive on the arc");
  lowerTransit_ = new QCheckBox("Lower transit");
  lowerTransit_->setObjectName("chLowerTransit");
  noonText_ = Working("memNoon", "Local apparent noon at the ship and, from Hs, the latitude, line by line");
  auto* compute = Button("btnNoon", "Noon");
  connect(compute, &QPushButton::clicked, this, &TWatchForm::ComputeNoon);
  return Tab({{"Date", noonDate_}, {"Body", noonBody_}, {"", lowerTransit_}, {"Course", course_},
              {"Speed", speed_}, {"DR UT", drUtc_}, {"Hs", noonHs_}, {"Limb", noonLimb_}, {"IE", noonIe_}},
             compute, noonText_);
}

QWidget* TWatchForm::PolarisTab() {
  polarisUtc_ = Box("edPolarisUtc", "", "The time of the sight, yyyy-mm-dd hh:mm:ss UT");
  polarisHs_ = Box("edPolarisHs", "", "The sextant altitude of Polaris, \"60 20.0\"");
  polarisIe_ = Box("edPolarisIe", "0", "Index error, minutes; positive on the arc");
  polarisText_ = Working("memPolaris", "The latitude by Polaris, line by line");
  auto* compute = Button("btnPolaris", "Latitude");
  connect(compute, &QPushButton::clicked, this, &TWatchForm::ComputePolaris);
  return Tab({{"UTC", polarisUtc_}, {"Hs", polarisHs_}, {"IE", polarisIe_}}, compute, polarisText_);
}

QWidget* TWatchForm::AzimuthTab() {
  azimuthBody_ = Box("edAzimuthBody", "Sun", "The body whose bearing was taken");
  azimuthUtc_ = Box("edAzimuthUtc", "", "The time of the bearing, yyyy-mm-dd hh:mm:ss UT");
  bearing_ = Box("edBearing", "", "The bearing by compass (or gyro), degrees");
  variation_ = Box("edVariation", "", "The variation, \"4.5 E\" or \"3 W\" (empty: the error only)");
  heading_ = Box("edHeading", "", "The ship's heading by the same compass, degrees (empty: not recorded)");
  azimuthText_ = Working("memAzimuth", "The compass error by azimuth, line by line");
  auto* compute = Button("btnAzimuth", "Error");
  connect(compute, &QPushButton::clicked, this, &TWatchForm::ComputeAzimuth);
  return Tab({{"Body", azimuthBody_}, {"UTC", azimuthUtc_}, {"Bearing", bearing_}, {"Variation", variation_},
              {"Heading", heading_}},
             compute, azimuthText_);
}

QWidget* TWatchForm::AmplitudeTab() {
  amplitudeBody_ = Box("edAmplitudeBody", "Sun", "The body rising or setting");
  amplitudeDate_ = Box("edAmplitudeDate", "", "The date at the ship, yyyy-mm-dd");
  rising_ = new QRadioButton("Rising");
  rising_->setObjectName("rbRising");
  setting_ = new QRadioButton("Setting");
  setting_->setObjectName("rbSetting");
  setting_->setChecked(true);
  auto* crossing = new QWidget;
  auto* choice = new QHBoxLayout(crossing);
  choice->setContentsMargins(0, 0, 0, 0);
  choice->addWidget(rising_);
  choice->addWidget(setting_);
  amplitudeBearing_ = Box("edAmplitudeBearing", "", "The bearing by compass, the centre on the visible horizon");
  amplitudeVariation_ = Box("edAmplitudeVariation", "", "The variation, \"4.5 E\" or \"3 W\" (empty: the error only)");
  amplitudeText_ = Working("memAmplitude", "The amplitude and the compass error, line by line");
  auto* compute = Button("btnAmplitude", "Amplitude");
  connect(compute, &QPushButton::clicked, this, &TWatchForm::ComputeAmplitude);
  return Tab({{"Body", amplitudeBody_}, {"Date", amplitudeDate_}, {"", crossing}, {"Bearing", amplitudeBearing_},
              {"Variation", amplitudeVariation_}},
             compute, amplitudeText_);
}

QWidget* TWatchForm::DeviationTab() {
  deviationFile_ = Box("edDeviationFile", "", "The bearings of the swing, a CSV file: utc,heading,bearing,body");
  auto* browse = Button("btnBrowse", "Choose…");
  connect(browse, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, "The bearings of the swing", deviationFile_->text(),
                                                      "CSV files (*.csv);;All files (*)");
    if (!path.isEmpty()) deviationFile_->setText(path);
  });
  auto* file = new QWidget;
  auto* row = new QHBoxLayout(file);
  row->setContentsMargins(0, 0, 0, 0);
  row->addWidget(deviationFile_, 1);
  row->addWidget(browse);
  deviationVariation_ = Box("edDeviationVariation", "", "The variation, \"4.5 E\" or \"3 W\" (empty: the errors)");
  deviationText_ = Working("memDeviation", "The deviation on each heading, the coefficients and the card");
  auto* compute = Button("btnDeviation", "Card");
  connect(compute, &QPushButton::clicked, this, &TWatchForm::ComputeDeviation);
  return Tab({{"Bearings", file}, {"Variation", deviationVariation_}}, compute, deviationText_);
}

void TWatchForm::showEvent(QShowEvent* event) {
  // Empty boxes start from the main window's place and moment.
  const MainWindowRecord main = main_();
  bool valid = true;
  const std::string date = DateToRecord(main.date, valid).dateText;
  if (dr_->text().isEmpty()) {
    if (const auto place = ReadObserver(main)) {
      dr_->setText(Q(navigation::PositionText({place->latitude, EastLongitude(place->longitude)})));
    }
  }
  for (QLineEdit* day : {noonDate_, amplitudeDate_}) {
    if (day->text().isEmpty()) day->setText(Q(date));
  }
  for (QLineEdit* moment : {polarisUtc_, azimuthUtc_}) {
    if (moment->text().isEmpty()) moment->setText(Q(date + " " + main.time));
  }
  PlacedWindow::showEvent(event);
}

bool TWatchForm::Refuse(const std::string& message) {
  sink_.ShowMessage(message);
  return false;
}

std::optional<TWatchForm::Ship> TWatchForm::ReadShip() {
  const auto place = ReadObserver(main_());
  if (!place) {
    sink_.ShowMessage("The main window's place or weather does not read: mend it there");
    return std::nullopt;
  }
  const auto dr = navigation::ReadPosition(S(dr_));
  if (!dr) {
    sink_.ShowMessage("DR: give the position as \"59 50 N, 24 50 E\"");
    return std::nullopt;
  }
  return Ship{*dr, *place};
}

bool TWatchForm::ComputeNoon() {
  const auto ship = ReadShip();
  if (!ship) return false;
  std::string why;
  const auto day = ReadDayJulianDay(S(noonDate_), why);
  if (!day) return Refuse("Date: " + why);
  const auto course = ReadBoundedDecimal(S(course_), 0.0, 360.0);
  if (!course) return Refuse("Course: degrees true, 0 to 360");
  const auto speed = ReadBoundedDecimal(S(speed_), 0.0, 100.0);
  if (!speed) return Refuse("Speed: knots, 0 to 100");
  navigation::ShipTrack track{ship->dr, *day + 0.5 - ship->dr.longitude / 360.0, *course, *speed};
  if (!S(drUtc_).empty()) {
    const auto drUtc = ReadUtcMoment(S(drUtc_), why);
    if (!drUtc) return Refuse("DR UT: " + why);
    track.drJulianDayUt = *drUtc;
  }
  const std::string body = S(noonBody_);
  if (!navigation::IsSightBody(body)) return Refuse("Body: no body of the almanacs is called " + body);
  std::optional<navigation::Sight> sight;
  if (!S(noonHs_).empty()) {
    navigation::TypedSightProblem problem;
    sight = navigation::SightOfTyped({body, S(noonLimb_), S(noonHs_), S(noonIe_)}, ship->place, problem);
    if (!sight) return Refuse(TypedSightMessage(problem));
  }
  const auto transit = lowerTransit_->isChecked() ? navigation::Transit::kLower : navigation::Transit::kUpper;
  const auto noon = navigation::MeridianTransit(body, track, *day, transit, why);
  if (!noon) return Refuse(why);
  std::optional<navigation::MeridianLatitude> latitude;
  if (sight) {
    latitude = navigation::LatitudeByMeridianAltitude(*sight, noon->passage, transit, why);
    if (!latitude) return Refuse(why);
  }
  noonText_->setPlainText(Q(navigation::NoonText(*noon, latitude)));
  return true;
}

bool TWatchForm::ComputePolaris() {
  const auto ship = ReadShip();
  if (!ship) return false;
  std::string why;
  const auto utc = ReadUtcMoment(S(polarisUtc_), why);
  if (!utc) return Refuse("UTC: " + why);
  navigation::TypedSightProblem problem;
  auto sight = navigation::SightOfTyped({"Polaris", "", S(polarisHs_), S(polarisIe_)}, ship->place, problem);
  if (!sight) return Refuse(TypedSightMessage(problem));
  sight->julianDayUt = *utc;
  const auto polaris = navigation::LatitudeByPolaris(*sight, ship->dr, why);
  if (!polaris) return Refuse(why);
  polarisText_->setPlainText(Q(navigation::PolarisText(*utc, *polaris)));
  return true;
}

bool TWatchForm::ComputeAzimuth() {
  const auto ship = ReadShip();
  if (!ship) return false;
  std::string why;
  const std::string body = S(azimuthBody_);
  const auto utc = ReadUtcMoment(S(azimuthUtc_), why);
  if (!utc) return Refuse("UTC: " + why);
  if (!navigation::IsSightBody(body)) return Refuse("Body: no body of the almanacs is called " + body);
  const auto bearing = navigation::ReadBearing(S(bearing_));
  if (!bearing) return Refuse("Bearing: degrees by compass, 0 to 360");
  navigation::AzimuthCheckInput in{body, *utc, ship->dr, *bearing, std::nullopt, std::nullopt};
  if (!S(variation_).empty()) {
    in.variation = navigation::ReadVariation(S(variation_));
    if (!in.variation) return Refuse("Variation: degrees and E or W, \"4.5 E\"");
  }
  if (!S(heading_).empty()) {
    in.heading = navigation::ReadBearing(S(heading_));
    if (!in.heading) return Refuse("Heading: degrees by compass, 0 to 360");
  }
  const auto check = navigation::CheckByAzimuth(in, why);
  if (!check) return Refuse(why);
  azimuthText_->setPlainText(Q(navigation::AzimuthCheckText(navigation::SightBodyNamed(body)->name, *check)));
  return true;
}

bool TWatchForm::ComputeAmplitude() {
  const auto ship = ReadShip();
  if (!ship) return false;
  std::string why;
  const std::string body = S(amplitudeBody_);
  const auto day = ReadDayJulianDay(S(amplitudeDate_), why);
  if (!day) return Refuse("Date: " + why);
  if (!navigation::IsSightBody(body)) return Refuse("Body: no body of the almanacs is called " + body);
  navigation::AmplitudeCheckInput in;
  in.body = body;
  in.dayJulianDayUt = *day;
  in.dr = ship->dr;
  in.crossing = rising_->isChecked() ? navigation::HorizonCrossing::kRising : navigation::HorizonCrossing::kSetting;
  in.heightOfEye = ship->place.height;
  in.pressure = ship->place.pressure;
  in.temperature = ship->place.temperature;
  if (!S(amplitudeBearing_).empty()) {
    in.bearing = navigation::ReadBearing(S(amplitudeBearing_));
    if (!in.bearing) return Refuse("Bearing: degrees by compass, 0 to 360");
  }
  if (!S(amplitudeVariation_).empty()) {
    if (!in.bearing) return Refuse("Variation: give the bearing with it");
    in.variation = navigation::ReadVariation(S(amplitudeVariation_));
    if (!in.variation) return Refuse("Variation: degrees and E or W, \"4.5 E\"");
  }
  const auto check = navigation::CheckByAmplitude(in, why);
  if (!check) return Refuse(why);
  amplitudeText_->setPlainText(
      Q(navigation::AmplitudeCheckText(navigation::SightBodyNamed(body)->name, in.crossing, *check)));
  return true;
}

bool TWatchForm::ComputeDeviation() {
  const auto ship = ReadShip();
  if (!ship) return false;
  double variation = 0.0;
  if (!S(deviationVariation_).empty()) {
    const auto v = navigation::ReadVariation(S(deviationVariation_));
    if (!v) return Refuse("Variation: degrees and E or W, \"4.5 E\"");
    variation = *v;
  }
  const std::string path = deviationFile_->text().toStdString();
  const TextLines file = ReadTextLines(path, 16 * 1024 * 1024);
  if (!file.exists) return Refuse("No bearings file " + path);
  if (!file.readable) return Refuse("The bearings file " + path + " could not be read (" + file.problem + ")");
  const navigation::DeviationFile bearings = navigation::ReadDeviationFile(file.lines);
  std::string why;
  const auto card = navigation::MakeDeviationCard(bearings.observations, ship->dr, variation, why);
  if (!card) return Refuse(why);
  deviationText_->setPlainText(Q(navigation::DeviationCardText(*card)));
  // The lines that did not read are named; the card is of the others.
  std::string problems;
  for (const std::string& problem : bearings.problems) problems += path + ", " + problem + "\n";
  if (!problems.empty()) sink_.ShowMessage(problems.substr(0, problems.size() - 1));
  return true;
}

}  // namespace orrelin::ui
