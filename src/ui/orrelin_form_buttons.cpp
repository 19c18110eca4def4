#include "ui/orrelin_form.h"

#include <QGridLayout>

#include "report/body_report.h"
#include "report/satellites_moment.h"
#include "ui/almanac_form.h"
#include "ui/date_box.h"
#include "ui/deferred_messages.h"
#include "ui/identify_form.h"
#include "ui/jupiter_form.h"
#include "ui/planet_form.h"
#include "ui/sights_form.h"
#include "ui/plan_form.h"
#include "ui/graph_form.h"
#include "ui/tonight_form.h"
#include "ui/watch_form.h"
#include "ui/star_form.h"
#include "ui/window_placement.h"

// The main window's buttons: a body's report, the stars and the other windows; the
// report window's satellites.
namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

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
  auto* watch = new QPushButton("Noon && compass");
  watch->setObjectName("NoonCompass");
  watch->setToolTip("Local apparent noon, latitude by Polaris, the compass error by azimuth and amplitude, the deviation card");
  connect(watch, &QPushButton::clicked, this, [this] {
    watchForm_->show();
    watchForm_->raise();
  });
  grid->addWidget(watch, i / 5, i % 5);
  ++i;
  auto* plan = new QPushButton("Plan");
  plan->setObjectName("Plan");
  plan->setToolTip("The twilight's star sights planned: every body's Hc, Zn and preset Hs, the best triad, the sky");
  connect(plan, &QPushButton::clicked, this, &TOrrelinForm::OpenPlan);
  grid->addWidget(plan, i / 5, i % 5);
  ++i;
  auto* graph = new QPushButton("Graph");
  graph->setObjectName("Graph");
  graph->setToolTip("The altitudes of the bodies over the night, with the Sun's twilights, rising, transit and setting");
  connect(graph, &QPushButton::clicked, this, [this] {
    graphForm_->show();
    graphForm_->raise();
  });
  grid->addWidget(graph, 0, 5);  // beside the first row: the panel no taller
  auto* tonight = new QPushButton("Tonight");
  tonight->setObjectName("Tonight");
  tonight->setToolTip("What is up while it is dark tonight: the planets, the Moon and the bright stars, when and how high");
  connect(tonight, &QPushButton::clicked, this, [this] {
    tonightForm_->show();
    tonightForm_->raise();
  });
  grid->addWidget(tonight, 1, 5);  // above Precise, beside the last row: the panel no taller
  precise_ = new QCheckBox("Precise");
  precise_->setObjectName("chPrecise");
  precise_->setToolTip("Reports from the precise ephemeris (JPL DE431, 1800 to 2399) instead of the book's methods");
  grid->addWidget(precise_, (i - 1) / 5, 5);  // beside the last buttons: the panel no taller
  return panel;
}

void TOrrelinForm::OpenPlan() {
  planForm_->show();
  planForm_->raise();
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

}  // namespace orrelin::ui
