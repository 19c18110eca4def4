#include "ui/planet_form.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/moon_phase_box.h"
#include "ui/printing.h"
#include "ui/window_placement.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLineEdit* ReadOnlyBox(const char* name, int width = 150) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setReadOnly(true);
  box->setMinimumWidth(width);
  return box;
}

QString Lines(const std::vector<std::string>& lines) {
  QStringList list;
  for (const auto& line : lines) list << Q(line);
  return list.join('\n');
}

// The column at least `least` pixels wide, and wide enough for its longest line.
void FitColumnToLines(QPlainTextEdit& memo, int least, const std::vector<std::string>& lines) {
  int widest = 0;
  for (const auto& line : lines) widest = std::max(widest, memo.fontMetrics().horizontalAdvance(Q(line)));
  const int chrome = memo.frameWidth() * 2 + static_cast<int>(memo.document()->documentMargin() * 2) +
                     memo.verticalScrollBar()->sizeHint().width() + 4;
  memo.setMinimumWidth(std::max(least, widest + chrome));
}

}  // namespace

TPlanetForm::TPlanetForm(const SettingsFile& settings, std::function<void()> openSatellites, QWidget* anchor,
                         QWidget* parent)
    : PlacedWindow(settings, "fPlanet", anchor, parent) {
  setObjectName("PlanetForm");
  setWindowTitle("Celestial Body");
  BuildMenu();

  auto* central = new QWidget;
  auto* outer = new QVBoxLayout(central);
  title_ = new QLabel;
  title_->setObjectName("Label12");
  QFont big = title_->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.8);
  title_->setFont(big);
  outer->addWidget(title_);

  auto* body = new QHBoxLayout;
  auto* leftPanel = new QWidget;
  auto* left = new QVBoxLayout(leftPanel);
  left->setContentsMargins(0, 0, 0, 0);
  left->addWidget(BuildResults());
  left->addWidget(BuildLocalTimes());
  left->addWidget(BuildTwilight());
  left->addWidget(BuildPhase());
  satellites_ = new QPushButton("Satellites");
  satellites_->setObjectName("btnSatellit");
  satellites_->setEnabled(static_cast<bool>(openSatellites));
  connect(satellites_, &QPushButton::clicked, this, [openSatellites] {
    if (openSatellites) openSatellites();
  });
  left->addWidget(satellites_);
  spare_ = ReadOnlyBox("Edit20");
  spare_->hide();
  left->addWidget(spare_);
  left->addStretch();
  // One width for every body: the column does not jump when the twilight panel or
  // the phase picture comes and goes.
  leftPanel->setFixedWidth(leftPanel->sizeHint().width());
  body->addWidget(leftPanel);
  body->addWidget(BuildColumns(), 1);
  outer->addLayout(body, 1);
  setCentralWidget(central);
  resize(900, 640);
  RestoreStoredPlace();
  Apply();
}

void TPlanetForm::BuildMenu() {
  AddCloseAndPrintImageMenu(*this, "&Print", "Print");
}

QLineEdit* TPlanetForm::AddResultBox(QGridLayout* grid, int row, const char* name, const QString& caption,
                                     const QString& hint) {
  auto* label = new QLabel(caption);
  QLineEdit* box = ReadOnlyBox(name);
  if (!hint.isEmpty()) box->setToolTip(hint);
  label->setBuddy(box);
  grid->addWidget(label, row, 0);
  grid->addWidget(box, row, 1);
  return box;
}

QWidget* TPlanetForm::BuildResults() {
  auto* panel = new QWidget;
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  julianDays_ = AddResultBox(grid, 0, "Edit1", "Julian Days");
  deltaTime_ = AddResultBox(grid, 1, "Edit3", "DeltaTime TD-UT");
  rightAscension_ = AddResultBox(grid, 2, "Edit5", "Right Ascension");
  declination_ = AddResultBox(grid, 3, "Edit7", "Declination");
  gha_ = AddResultBox(grid, 4, "Edit9", "Greenwich Hour Angle");
  lha_ = AddResultBox(grid, 5, "Edit10", "Local Hour Angle");
  altitude_ = AddResultBox(grid, 6, "Edit11", "Altitude");
  azimuth_ = AddResultBox(grid, 7, "Edit12", "Azimuth", "Compass course");

  // The refraction panel's caption column is as wide as the grid's, so that its box
  // stands in the column of the other boxes.
  refractionPanel_ = new QWidget;
  refractionPanel_->setObjectName("Panel2");
  auto* refraction = new QGridLayout(refractionPanel_);
  refraction->setContentsMargins(0, 0, 0, 0);
  auto* refractionCaption = new QLabel("Altitude taking into account\natmospheric refraction");
  refraction->addWidget(refractionCaption, 0, 0);
  refracted_ = ReadOnlyBox("Edit2");
  refraction->addWidget(refracted_, 0, 1);
  const int captionWidth = refractionCaption->sizeHint().width();
  grid->setColumnMinimumWidth(0, captionWidth);
  refraction->setColumnMinimumWidth(0, captionWidth);
  refraction->setHorizontalSpacing(grid->horizontalSpacing());
  grid->addWidget(refractionPanel_, 8, 0, 1, 2);

  magnitudeLabel_ = new QLabel("Visual magnitude");
  magnitudeLabel_->setObjectName("lbMagn");
  magnitude_ = ReadOnlyBox("edMagn");
  grid->addWidget(magnitudeLabel_, 9, 0);
  grid->addWidget(magnitude_, 9, 1);
  return panel;
}

QWidget* TPlanetForm::BuildLocalTimes() {
  auto* panel = new QGroupBox("Local Time");
  panel->setObjectName("Panel1");
  auto* grid = new QGridLayout(panel);
  rising_ = AddResultBox(grid, 0, "Edit4", "Rising");
  transit_ = AddResultBox(grid, 1, "Edit6", "Transit", "Taivaankappale ylittää paikan meridiaanin");
  setting_ = AddResultBox(grid, 2, "Edit8", "Setting");
  return panel;
}

QWidget* TPlanetForm::BuildTwilight() {
  auto* panel = new QGroupBox;
  panel->setObjectName("pnlTwilight");
  twilightPanel_ = panel;
  auto* grid = new QGridLayout(panel);
  struct Row {
    const char* caption;
    const char* begins;
    const char* ends;
    const char* hint;
    QLineEdit** beginsBox;
    QLineEdit** endsBox;
  };
  const Row rows[] = {
      {"Civil Twilight", "Edit14", "Edit15", "Artificial lights not needed", &civilBegins_, &civilEnds_},
      {"Nautical Twilight", "Edit16", "Edit17", "Horizon may be seen on the sea", &nauticalBegins_, &nauticalEnds_},
      {"Astronomical Twilight", "Edit18", "Edit19", "Daylight/total darkness", &astronomicalBegins_,
       &astronomicalEnds_},
  };
  int row = 0;
  for (const Row& r : rows) {
    *r.beginsBox = ReadOnlyBox(r.begins, 90);
    (*r.beginsBox)->setToolTip(r.hint);
    *r.endsBox = ReadOnlyBox(r.ends, 90);
    grid->addWidget(new QLabel(r.caption), row, 0);
    grid->addWidget(*r.beginsBox, row, 1);
    grid->addWidget(new QLabel("ends"), row, 2);
    grid->addWidget(*r.endsBox, row, 3);
    ++row;
  }
  return panel;
}

QWidget* TPlanetForm::BuildPhase() {
  phasePanel_ = new QWidget;
  auto* layout = new QHBoxLayout(phasePanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  phaseBox_ = new MoonPhaseBox;
  layout->addWidget(phaseBox_);
  auto* caption = new QLabel("Phase");
  caption->setObjectName("Label22");
  layout->addWidget(caption);
  phaseLabel_ = new QLabel;
  phaseLabel_->setObjectName("lblPhase");
  layout->addWidget(phaseLabel_);
  elongationLabel_ = new QLabel;
  elongationLabel_->setObjectName("lbFas");
  elongationLabel_->hide();
  layout->addWidget(elongationLabel_);
  layout->addStretch();
  return phasePanel_;
}

QWidget* TPlanetForm::BuildColumns() {
  auto* panel = new QWidget;
  auto* layout = new QHBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  for (auto [memo, name] : {std::pair{&labels_, "Memo1"}, std::pair{&values_, "Memo2"}}) {
    *memo = new QPlainTextEdit;
    (*memo)->setObjectName(name);
    (*memo)->setReadOnly(true);
    (*memo)->setLineWrapMode(QPlainTextEdit::NoWrap);
    (*memo)->setFont(fixed);
    // Each column is made as wide as its longest line (FitColumnToLines): a horizontal
    // scroll bar in one column only would hide its last line beside the other's.
    (*memo)->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  }
  FitColumnToLines(*labels_, 230, {});
  FitColumnToLines(*values_, 190, {});
  // The two columns scroll together so that labels and values stay side by side.
  connect(labels_->verticalScrollBar(), &QScrollBar::valueChanged, values_->verticalScrollBar(),
          &QScrollBar::setValue);
  connect(values_->verticalScrollBar(), &QScrollBar::valueChanged, labels_->verticalScrollBar(),
          &QScrollBar::setValue);
  layout->addWidget(labels_, 1);
  layout->addWidget(values_, 1);
  return panel;
}

void TPlanetForm::Apply() {
  const ReportWindowRecord& r = record_;
  title_->setText(Q(r.title));
  julianDays_->setText(Q(r.julianDays));
  deltaTime_->setText(Q(r.deltaTime));
  rightAscension_->setText(Q(r.rightAscension));
  declination_->setText(Q(r.declination));
  gha_->setText(Q(r.greenwichHourAngle));
  lha_->setText(Q(r.localHourAngle));
  altitude_->setText(Q(r.altitude));
  azimuth_->setText(Q(r.azimuth));
  refractionPanel_->setVisible(r.refractionVisible);
  refracted_->setText(Q(r.refractedAltitude));
  magnitudeLabel_->setVisible(r.magnitudeVisible);
  magnitude_->setVisible(r.magnitudeVisible);
  magnitude_->setText(Q(r.magnitude));
  rising_->setText(Q(r.rising));
  transit_->setText(Q(r.transit));
  setting_->setText(Q(r.setting));
  twilightPanel_->setVisible(r.twilightVisible);
  civilBegins_->setText(Q(r.civilBegins));
  civilEnds_->setText(Q(r.civilEnds));
  nauticalBegins_->setText(Q(r.nauticalBegins));
  nauticalEnds_->setText(Q(r.nauticalEnds));
  astronomicalBegins_->setText(Q(r.astronomicalBegins));
  astronomicalEnds_->setText(Q(r.astronomicalEnds));
  phasePanel_->setVisible(r.phaseVisible);
  phaseLabel_->setText(Q(r.phase));
  elongationLabel_->setText(Q(r.elongation));
  phaseBox_->SetTexts(phaseLabel_->text(), elongationLabel_->text());
  satellites_->setVisible(r.satellitesVisible);
  spare_->setVisible(r.spareVisible);
  spare_->setText(Q(r.spare));
  labels_->setPlainText(Lines(r.lines.labels));
  values_->setPlainText(Lines(r.lines.values));
  FitColumnToLines(*labels_, 230, r.lines.labels);
  FitColumnToLines(*values_, 190, r.lines.values);
  if (r.shown && !isVisible()) show();
  if (r.shown) raise();
}

void TPlanetForm::closeEvent(QCloseEvent* event) {
  record_.shown = false;
  PlacedWindow::closeEvent(event);
}

}  // namespace orrelin::ui
