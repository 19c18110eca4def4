#include "ui/identify_form.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/checks.h"
#include "core/numbers.h"
#include "ui/printing.h"
#include "ui/window_placement.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QLineEdit* Box(const QString& name, int width, bool readOnly, const QString& hint = {}) {
  auto* box = new QLineEdit;
  box->setObjectName(name);
  box->setFixedWidth(width);
  box->setReadOnly(readOnly);
  box->setToolTip(hint);
  return box;
}

}  // namespace

TIdentifyForm::TIdentifyForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
                             MainWindowAccess mainWindow, QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fIdentify", anchor, parent), starFile_(std::move(starFile)), sink_(sink),
      mainWindow_(std::move(mainWindow)) {
  setObjectName("IdentifyForm");
  setWindowTitle("Identify");
  AddCloseAndPrintImageMenu(*this, "&Print", "Print");
  // The sight and what it gives above, the three candidates side by side below. Hidden
  // panels keep their room, so that the window never grows (nor off the screen) at OK.
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* upper = new QHBoxLayout;
  upper->addWidget(BuildInputs(), 0, Qt::AlignTop);
  upper->addWidget(BuildObserved(), 1);
  layout->addLayout(upper);
  notice_ = new QLabel;
  notice_->setObjectName("lblNotice");
  layout->addWidget(notice_);
  auto* lower = new QHBoxLayout;
  for (int n = 0; n < 3; ++n) lower->addWidget(BuildCandidate(n));
  layout->addLayout(lower);
  layout->addStretch();
  for (QWidget* panel : {static_cast<QWidget*>(observedPanel_), static_cast<QWidget*>(notice_),
                         static_cast<QWidget*>(panels_[0].panel), static_cast<QWidget*>(panels_[1].panel),
                         static_cast<QWidget*>(panels_[2].panel)}) {
    QSizePolicy policy = panel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    panel->setSizePolicy(policy);
  }
  setCentralWidget(central);
  ConnectTypingChecks();
  RestoreStoredPlace();
  Apply();
}

QWidget* TIdentifyForm::BuildInputs() {
  auto* group = new QGroupBox("Sight");
  auto* grid = new QGridLayout(group);
  hmDeg_ = Box("edtHmDeg", 50, false, "Angle from the horizon ");
  hmMin_ = Box("edtHmMin", 60, false);
  azimuth_ = Box("edtAzim", 70, false, "Compass direction");
  magnitude_ = new QComboBox;
  magnitude_->setObjectName("cbMg");
  magnitude_->setEditable(true);
  for (const char* choice : kMagnitudeChoices) magnitude_->addItem(choice);
  magnitude_->setCurrentText(kInitialMagnitudeLimit);
  magnitude_->setToolTip("Magnitude limit");
  auto* ok = new QPushButton("OK");
  ok->setObjectName("Ok1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &TIdentifyForm::Ok);
  grid->addWidget(new QLabel("Sextant altitude"), 0, 0);
  grid->addWidget(hmDeg_, 0, 1);
  grid->addWidget(new QLabel("°"), 0, 2);
  grid->addWidget(hmMin_, 0, 3);
  grid->addWidget(new QLabel("'"), 0, 4);
  grid->addWidget(new QLabel("Azimuth"), 1, 0);
  grid->addWidget(azimuth_, 1, 1, 1, 3);
  grid->addWidget(new QLabel("Magnitude limit"), 2, 0);
  grid->addWidget(magnitude_, 2, 1, 1, 3);
  grid->addWidget(ok, 3, 0, 1, 5);
  return group;
}

QWidget* TIdentifyForm::BuildObserved() {
  observedPanel_ = new QGroupBox("Observed");
  observedPanel_->setObjectName("pnlObsHeight");
  auto* form = new QFormLayout(observedPanel_);
  appHeight_ = Box("edtAppHeight", 110, true);
  obsDeg_ = Box("edtObsDeg", 50, true);
  obsMin_ = Box("edtObsMin", 60, true);
  declination_ = Box("edtDeclination", 130, true);
  lha_ = Box("edtLHA", 110, true);
  height2_ = Box("edHei2", 110, true);
  azimuth2_ = Box("edAzi2", 110, true);
  auto* observed = new QHBoxLayout;
  observed->addWidget(obsDeg_);
  observed->addWidget(new QLabel("°"));
  observed->addWidget(obsMin_);
  observed->addWidget(new QLabel("'"));
  observed->addStretch();
  form->addRow("Apparent altitude", appHeight_);
  form->addRow("Observed altitude", observed);
  form->addRow("Declination", declination_);
  form->addRow("Local hour angle", lha_);
  form->addRow("Altitude", height2_);
  form->addRow("Azimuth", azimuth2_);
  return observedPanel_;
}

QGroupBox* TIdentifyForm::BuildCandidate(int n) {
  const QString number = QString::number(n + 1);
  PanelBoxes& p = panels_[static_cast<std::size_t>(n)];
  p.panel = new QGroupBox(number + ".");
  p.panel->setObjectName("pnlSearch" + number);
  auto* form = new QFormLayout(p.panel);
  p.name = new QLabel;
  p.name->setObjectName("lblName" + number);
  QFont bold = p.name->font();
  bold.setBold(true);
  p.name->setFont(bold);
  p.declination = Box("edtDec" + number, 110, true);
  p.lha = Box("edtLHA" + number, 90, true);
  p.altitude = Box("edtHei" + number, 90, true);
  p.azimuth = Box("edtAzi" + number, 90, true);
  p.magnitude = Box("edMag" + number, 60, true);
  p.separation = Box("edSep" + number, 60, true, "How far the body stands from the sight on the sky");
  form->addRow("Name", p.name);
  form->addRow("Declination", p.declination);
  form->addRow("Local hour angle", p.lha);
  form->addRow("Altitude", p.altitude);
  form->addRow("Azimuth", p.azimuth);
  form->addRow("Magnitude", p.magnitude);
  form->addRow("From the sight", p.separation);
  return p.panel;
}

void TIdentifyForm::ConnectTypingChecks() {
  // The checks run on what was typed, not on the mere beginning of a number. The
  // azimuth is a decimal number (120.5 is one), refused only outside 0..360.
  auto check = [this](QLineEdit* box, std::function<bool(const std::string&)> accepts) {
    connect(box, &QLineEdit::textEdited, this, [box, accepts](const QString& text) {
      if (text.isEmpty() || IsNumberBeginning(S(text))) return;
      if (!accepts(S(text))) box->selectAll();
    });
  };
  // A change of the sight makes the shown results stale: they go at once.
  for (QLineEdit* box : {hmDeg_, hmMin_, azimuth_}) connect(box, &QLineEdit::textEdited, this, &TIdentifyForm::ClearResults);
  connect(magnitude_, &QComboBox::currentTextChanged, this, &TIdentifyForm::ClearResults);
  check(hmDeg_, [this](const std::string& t) { return CheckIntRange(t, 90, sink_); });
  check(hmMin_, [this](const std::string& t) { return CheckMinutes(S(hmDeg_->text()), t, 90, sink_); });
  check(azimuth_, [this](const std::string& t) {
    const NumberRead r = ReadDecimal(t);
    if (r.ok && r.value >= 0 && r.value <= 360) return true;
    return CheckIntRange(t, 360, sink_);  // its beep and its "0 .. 360"
  });
}

void TIdentifyForm::ClearResults() {
  result_ = IdentifyResult{};
  Apply();
}

void TIdentifyForm::ReadBoxes() {
  sight_.hmDeg = S(hmDeg_->text());
  sight_.hmMin = S(hmMin_->text());
  sight_.azimuth = S(azimuth_->text());
  sight_.magnitudeLimit = S(magnitude_->currentText());
}

void TIdentifyForm::Ok() {
  ReadBoxes();
  result_ = IdentifyOk(sight_, mainWindow_.read(), starFile_, sink_);
  mainWindow_.write(result_.mainWindow);  // an empty minutes box of the place became "0.0"
  Apply();
  BringFrameOntoScreen(*this);
}

void TIdentifyForm::Apply() {
  const IdentifyResult& r = result_;
  observedPanel_->setVisible(r.observedVisible);
  appHeight_->setText(Q(r.apparentAltitude));
  obsDeg_->setText(Q(r.observedDeg));
  obsMin_->setText(Q(r.observedMin));
  declination_->setText(Q(r.declination));
  lha_->setText(Q(r.lha));
  height2_->setText(Q(r.observedAltitude));
  azimuth2_->setText(Q(r.observedAzimuth));
  for (std::size_t n = 0; n < 3; ++n) {
    const CandidatePanel& c = r.panels[n];
    PanelBoxes& p = panels_[n];
    p.panel->setVisible(c.visible);
    p.name->setText(Q(c.name));
    p.declination->setText(Q(c.declination));
    p.lha->setText(Q(c.lha));
    p.altitude->setText(Q(c.altitude));
    p.azimuth->setText(Q(c.azimuth));
    p.magnitude->setText(Q(c.magnitude));
    p.separation->setText(Q(c.separation));
  }
  notice_->setText(Q(r.notice));
  notice_->setVisible(!r.notice.empty());
}

}  // namespace orrelin::ui
