#include "ui/graph_form.h"

#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>
#include <tuple>

#include "app/date_box.h"
#include "app/settings_file.h"
#include "core/angle_text.h"
#include "core/body.h"
#include "core/calendar.h"
#include "core/numbers.h"
#include "report/observer_reading.h"
#include "sky/graph_sheet.h"
#include "sky/sky_night.h"
#include "stars/star_file.h"
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

// The names typed in the stars' box, separated by commas.
std::vector<std::string> TypedNames(const QLineEdit* box) {
  std::vector<std::string> names;
  for (const QString& name : box->text().split(',')) {
    if (!name.trimmed().isEmpty()) names.push_back(name.trimmed().toStdString());
  }
  return names;
}

// Completes the name being typed after the last comma, keeping the names before it.
class NameListCompleter : public QCompleter {
 public:
  using QCompleter::QCompleter;
  QStringList splitPath(const QString& path) const override { return {path.section(',', -1).trimmed()}; }
  QString pathFromIndex(const QModelIndex& index) const override {
    const QString typed = widget() ? static_cast<QLineEdit*>(widget())->text() : QString();
    const int comma = typed.lastIndexOf(',');
    const QString before = comma < 0 ? QString() : typed.left(comma + 1) + ' ';
    return before + QCompleter::pathFromIndex(index);
  }
};

constexpr Body kGraphBodies[] = {Body::kSun,     Body::kMoon,   Body::kMercury, Body::kVenus,  Body::kMars,
                                 Body::kJupiter, Body::kSaturn, Body::kUranus,  Body::kNeptune};

// The boxes kept from one run to the next, under these keys.
constexpr const char *kKeptBodies = "GraphBodies", *kKeptStars = "GraphStars", *kKeptStep = "GraphStep",
                     *kKeptLine = "GraphLine", *kKeptPrecise = "GraphPrecise";

}  // namespace

TGraphForm::TGraphForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
                       std::function<MainWindowRecord()> mainWindow, QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fGraph", anchor, parent), starFile_(std::move(starFile)), sink_(sink),
      main_(std::move(mainWindow)) {
  setObjectName("GraphForm");
  setWindowTitle("Altitude graph");
  auto* central = new QWidget;
  central->setObjectName("GraphPanel");
  auto* layout = new QVBoxLayout(central);
  auto* boxes = new QWidget;
  boxes->setObjectName("GraphBoxes");
  BuildBoxes(*boxes);
  layout->addWidget(boxes);
  view_ = new GraphView;
  view_->SetEmptyText("The altitudes of the ticked bodies from noon to noon: Draw");
  view_->OnPointed([this](std::optional<navigation::SheetPoint> point) { ShowCursor(point); });
  layout->addWidget(view_, 1);
  cursor_ = new QLabel;
  cursor_->setObjectName("lblCursor");
  cursor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cursor_->setText("Move the mouse over the graph: the time and each body's altitude there");
  layout->addWidget(cursor_);
  setCentralWidget(central);
  resize(760, 840);
  BuildMenu();
  RestoreBoxes();
  RestoreStoredPlace();
}

void TGraphForm::BuildBoxes(QWidget& boxes) {
  auto* grid = new QGridLayout(&boxes);
  grid->setContentsMargins(0, 0, 0, 0);
  date_ = Box("edDate", "", "The evening's local date, yyyy-mm-dd: the graph runs from its noon to the next noon");
  step_ = Box("edStep", "10", "Minutes between the samples, 1 to 60");
  line_ = Box("edLine", "15", "The altitude drawn dashed, degrees, -20 to 90");
  precise_ = new QCheckBox("Precise");
  precise_->setObjectName("chPrecise");
  precise_->setToolTip("From the precise ephemeris (JPL DE431, 1800 to 2399) where the body has a place in it");
  auto* draw = new QPushButton("Draw");
  draw->setObjectName("btnDraw");
  draw->setDefault(true);
  const std::vector<std::tuple<const char*, const char*, QWidget*>> top{
      {"lblDate", "Date", date_}, {"lblStep", "Step, min", step_}, {"lblLine", "Dashed at, \xC2\xB0", line_}};
  int column = 0;
  for (const auto& [name, caption, box] : top) {
    auto* label = new QLabel(caption);
    label->setObjectName(name);
    label->setBuddy(box);
    grid->addWidget(label, 0, column++);
    grid->addWidget(box, 0, column++);
  }
  grid->addWidget(precise_, 0, column++);
  grid->addWidget(draw, 0, column++);
  auto* ticks = new QHBoxLayout;
  for (const Body body : kGraphBodies) {
    const QString name = Q(std::string(BodyName(body)));
    auto* tick = new QCheckBox(name);
    tick->setObjectName("ch" + name);
    ticks->addWidget(tick);
    bodies_.push_back(tick);
  }
  ticks->addStretch(1);
  bodies_[0]->setChecked(true);
  bodies_[1]->setChecked(true);
  grid->addLayout(ticks, 1, 0, 1, column);
  stars_ = Box("edStars", "", "Stars of the catalogue by name, several separated by commas: Sirius, Vega");
  stars_->setPlaceholderText("Stars by name: Sirius, Vega");
  starNames_ = new QStringListModel(this);
  auto* completer = new NameListCompleter(starNames_, this);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  stars_->setCompleter(completer);
  auto* starsLabel = new QLabel("Stars");
  starsLabel->setObjectName("lblStars");
  starsLabel->setBuddy(stars_);
  grid->addWidget(starsLabel, 2, 0);
  grid->addWidget(stars_, 2, 1, 1, column - 1);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(3, 1);
  grid->setColumnStretch(5, 1);

  connect(draw, &QPushButton::clicked, this, &TGraphForm::Draw);
  for (QLineEdit* box : {date_, step_, line_, stars_}) connect(box, &QLineEdit::returnPressed, this, &TGraphForm::Draw);
  // A tick changes the graph shown at once.
  for (QCheckBox* tick : bodies_) {
    connect(tick, &QCheckBox::toggled, this, [this] {
      if (graph_) Draw();
    });
  }
  connect(precise_, &QCheckBox::toggled, this, [this] {
    if (graph_) Draw();
  });
}

void TGraphForm::BuildMenu() {
  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) { return Print(printer); });
  AddSavePlotMenu(*this, *view_, sink_, "Save the altitude graph", "graph.png", "graph");
}

bool TGraphForm::Print(QPrinter& printer) {
  if (!view_->Sheet()) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect page = painter.viewport();
  const int side = std::min(page.width(), page.height());
  PaintPlottingSheet(painter, *view_->Sheet(), QRectF(0, 0, side, side));
  return painter.end();
}

void TGraphForm::showEvent(QShowEvent* event) {
  // An empty date starts from the main window's.
  if (date_->text().isEmpty()) {
    bool valid = true;
    date_->setText(Q(DateToRecord(main_().date, valid).dateText));
  }
  ListStarNames();
  PlacedWindow::showEvent(event);
  // The first opening shows the graph of the boxes at once.
  if (!graph_ && !drawnOnce_) {
    drawnOnce_ = true;
    Draw();
  }
}

void TGraphForm::ListStarNames() {
  const StarCatalogue catalogue = LoadStarCatalogue(starFile_);
  QStringList names;
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    if (catalogue.values[i] && !catalogue.records[i].Name().empty()) names << Q(catalogue.records[i].Name());
  }
  starNames_->setStringList(names);
}

bool TGraphForm::Refuse(const std::string& message) {
  sink_.ShowMessage(message);
  return false;
}

bool TGraphForm::Draw() {
  const MainWindowRecord main = main_();
  const auto observer = ReadObserver(main);
  if (!observer) return Refuse("The main window's place or weather does not read: mend it there");
  std::string why;
  const auto day = ReadDayJulianDay(S(date_), why);
  if (!day) return Refuse("Date: " + why);
  const auto step = sky::ReadStepMinutes(S(step_));
  if (!step) return Refuse("Step: minutes between the samples, 1 to 60");
  const auto line = ReadBoundedDecimal(S(line_), -20.0, 90.0);
  if (!line) return Refuse("Dashed at: an altitude, degrees, -20 to 90");
  const bool precise = precise_->isChecked();
  std::vector<sky::SkyBody> bodies;
  for (std::size_t i = 0; i < bodies_.size(); ++i) {
    if (!bodies_[i]->isChecked()) continue;
    if (const auto body = sky::SkyBodyNamed(std::string(BodyName(kGraphBodies[i])), {}, precise, why)) {
      bodies.push_back(*body);
    }
  }
  const std::vector<std::string> stars = TypedNames(stars_);
  std::string catalogueMessage;
  if (!stars.empty()) {
    const StarCatalogue catalogue = LoadStarCatalogue(starFile_);
    if (!catalogue.read) return Refuse(catalogue.message);
    catalogueMessage = catalogue.message;
    for (const std::string& name : stars) {
      const auto body = sky::SkyBodyNamed(name, catalogue, precise, why);
      if (!body) return Refuse("Stars: " + why);
      bodies.push_back(*body);
    }
  }
  if (bodies.empty()) return Refuse("Tick a body or name a star: the graph has nothing to draw");
  const sky::SkyNight night = sky::SkyNightOf(main, *observer, *day);
  sky::GraphInput in = sky::GraphInputOf(night, std::move(bodies), *step, precise);
  auto graph = sky::DrawAltitudeGraph(in, why);
  if (!graph) return Refuse(why);
  graph_ = std::move(graph);
  drawn_ = std::move(in);
  view_->SetCursor(std::nullopt);
  view_->SetSheet(sky::DrawGraphSheet(*graph_, night.utcMinusLocal, *line, sky::GraphTitle(night, S(date_))));
  StoreBoxes();
  if (!catalogueMessage.empty()) sink_.ShowMessage(catalogueMessage);
  return true;
}

std::optional<TGraphForm::CursorReading> TGraphForm::ReadCursor(const navigation::SheetPoint& point) const {
  if (!graph_) return std::nullopt;
  const auto at = sky::ReadGraphAt(*graph_, point);
  if (!at) return std::nullopt;
  CursorReading reading{at->julianDayUt, {}};
  std::string why;
  for (const sky::SkyBody& body : drawn_.bodies) {
    if (const auto altitude = sky::AltitudeAt(body, drawn_.observer, at->julianDayUt, why)) {
      reading.altitudes.emplace_back(body.name, *altitude);
    }
  }
  return reading;
}

void TGraphForm::ShowCursor(std::optional<navigation::SheetPoint> point) {
  const auto reading = point ? ReadCursor(*point) : std::nullopt;
  if (!reading) {
    view_->SetCursor(std::nullopt);
    return;
  }
  view_->SetCursor(sky::GraphPoint(*graph_, reading->julianDayUt, 0.0).x);
  std::string text = sky::LocalMomentText(drawn_.utcMinusLocal, reading->julianDayUt) + " local  (" +
                     UtcMomentText(reading->julianDayUt).substr(11) + " UT)";
  for (const auto& [name, altitude] : reading->altitudes) {
    text += "    " + name + " " + FixedText(altitude, 2) + kDegreeSign;
  }
  cursor_->setText(Q(text));
}

void TGraphForm::StoreBoxes() const {
  std::string ticked;
  for (std::size_t i = 0; i < bodies_.size(); ++i) {
    if (!bodies_[i]->isChecked()) continue;
    if (!ticked.empty()) ticked += ",";
    ticked += BodyName(kGraphBodies[i]);
  }
  settings_.WriteAll({{kKeptBodies, ticked},
                      {kKeptStars, S(stars_)},
                      {kKeptStep, S(step_)},
                      {kKeptLine, S(line_)},
                      {kKeptPrecise, precise_->isChecked() ? "1" : "0"}});
}

void TGraphForm::RestoreBoxes() {
  const SettingsValues kept = settings_.ReadAll();
  if (const auto ticked = kept.Get(kKeptBodies)) {
    const QStringList names = Q(*ticked).split(',');
    for (std::size_t i = 0; i < bodies_.size(); ++i) {
      bodies_[i]->setChecked(names.contains(Q(std::string(BodyName(kGraphBodies[i])))));
    }
  }
  for (const auto& [key, box] : {std::pair{kKeptStars, stars_}, {kKeptStep, step_}, {kKeptLine, line_}}) {
    if (const auto value = kept.Get(key)) box->setText(Q(*value));
  }
  if (const auto value = kept.Get(kKeptPrecise)) precise_->setChecked(*value == "1");
}

}  // namespace orrelin::ui
