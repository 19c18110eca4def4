#include "ui/plan_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QFontMetrics>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/date_box.h"
#include "app/settings_file.h"
#include "core/geodesy.h"
#include "core/printed_lines.h"
#include "navigation/plan_entry.h"
#include "navigation/plan_texts.h"
#include "navigation/sights_file.h"
#include "navigation/sky_plot.h"
#include "report/observer_reading.h"
#include "ui/printing.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QLineEdit* box) { return box->text().trimmed().toStdString(); }
// An empty box is a text not given.
std::optional<std::string> Given(const QLineEdit* box) {
  return S(box).empty() ? std::nullopt : std::optional<std::string>(S(box));
}

QLineEdit* Box(const char* name, const char* text, const char* tip, const char* placeholder = "") {
  auto* box = new QLineEdit(text);
  box->setObjectName(name);
  box->setToolTip(tip);
  box->setPlaceholderText(placeholder);
  return box;
}

QPushButton* Button(const char* name, const char* caption) {
  auto* b = new QPushButton(caption);
  b->setObjectName(name);
  return b;
}

// The table's columns; the numbers sort by their values, not their texts.
enum Column { kBody, kHc, kZn, kMagnitude, kPresetHs, kMarks, kColumns };
const char* const kCaptions[kColumns] = {"Body", "Hc", "Zn", "Mag", "Preset Hs", "Marks"};
constexpr int kBodyIndex = Qt::UserRole + 1;  // the row's body in the plan

class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const std::string& text, double value) : QTableWidgetItem(Q(text)) {
    setData(Qt::UserRole, value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

std::string Marks(const navigation::PlanBody& b) {
  if (b.recommended && b.pair) return "triad, pair";
  return b.recommended ? "triad" : b.pair ? "pair" : "";
}

// The boxes as the messages name them.
navigation::PlanFieldNames BoxNames() {
  return {"Date", "Twilight", "DR", "Course", "Speed", "DR UT", "UT", "Limb", "IE", "Magnitude", "Band"};
}

// The boxes kept from one run to the next, under these keys.
constexpr const char* kKeptBoxes[] = {"PlanDr", "PlanCourse", "PlanSpeed", "PlanIe",
                                      "PlanLimb", "PlanMag", "PlanBandLow", "PlanBandHigh"};

}  // namespace

TPlanForm::TPlanForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
                     std::function<MainWindowRecord()> mainWindow, std::function<TSightsForm&()> sights,
                     QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fPlan", anchor, parent), starFile_(std::move(starFile)), sink_(sink),
      main_(std::move(mainWindow)), sights_(std::move(sights)) {
  setObjectName("PlanForm");
  setWindowTitle("Plan the twilight's sights");
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* grid = new QGridLayout;
  BuildBoxes(*grid);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  auto* plan = Button("btnPlan", "Plan");
  plan->setDefault(true);
  auto* add = Button("btnAddToSights", "Add to sights");
  add->setToolTip("The bodies chosen in the table (Ctrl or Shift and click for several) into the Sights window, "
                  "at the planned moment, ready for the observed Hs");
  buttons->addStretch(1);
  buttons->addWidget(plan);
  buttons->addWidget(add);
  layout->addLayout(buttons);

  table_ = new QTableWidget(0, kColumns);
  table_->setObjectName("grdPlan");
  QStringList captions;
  for (const char* c : kCaptions) captions << c;
  table_->setHorizontalHeaderLabels(captions);
  table_->horizontalHeaderItem(kHc)->setToolTip("The computed altitude at the planned moment and the ship's DR then");
  table_->horizontalHeaderItem(kZn)->setToolTip("The true azimuth");
  table_->horizontalHeaderItem(kPresetHs)->setToolTip(
      "The altitude to set on the sextant: Hc with the corrections of the sight run backwards");
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSortingEnabled(true);
  table_->sortByColumn(kZn, Qt::AscendingOrder);  // as the planner lists them
  table_->setToolTip("Click a column's header to sort by it");
  moments_ = new QPlainTextEdit;
  moments_->setObjectName("memPlan");
  moments_->setReadOnly(true);
  moments_->setFont(QFont("DejaVu Sans Mono", 9));
  moments_->setPlaceholderText("The twilight's moments, the ship's position then, the triad, the pair and their rule");
  // The moments' lines whole, in their columns; the sky gives way on a narrow screen.
  moments_->setMinimumWidth(QFontMetrics(moments_->font()).horizontalAdvance(QString(64, 'M')) + 24);
  auto* left = new QSplitter(Qt::Vertical);
  left->addWidget(table_);
  left->addWidget(moments_);
  left->setStretchFactor(0, 3);
  left->setStretchFactor(1, 2);
  view_ = new PlottingSheetView;
  view_->setObjectName("viewSky");
  view_->SetEmptyText("The sky at the planned moment, as a star finder shows it: Plan");
  auto* lower = new QSplitter(Qt::Horizontal);
  lower->addWidget(left);
  lower->addWidget(view_);
  lower->setSizes({480, 520});
  layout->addWidget(lower, 1);
  setCentralWidget(central);
  resize(1000, 740);
  BuildMenu();

  connect(plan, &QPushButton::clicked, this, &TPlanForm::ComputePlan);
  connect(add, &QPushButton::clicked, this, &TPlanForm::AddToSights);
  RestoreBoxes();
  RestoreStoredPlace();
}

void TPlanForm::BuildBoxes(QGridLayout& grid) {
  date_ = Box("edDate", "", "The ship's local date, yyyy-mm-dd");
  morning_ = new QRadioButton("Morning");
  morning_->setObjectName("rbMorning");
  evening_ = new QRadioButton("Evening");
  evening_->setObjectName("rbEvening");
  evening_->setChecked(true);
  auto* twilight = new QWidget;
  auto* choice = new QHBoxLayout(twilight);
  choice->setContentsMargins(0, 0, 0, 0);
  choice->addWidget(morning_);
  choice->addWidget(evening_);
  utc_ = Box("edUtc", "", "The moment to plan, yyyy-mm-dd hh:mm:ss UT", "mid-twilight");
  dr_ = Box("edDr", "", "The dead-reckoning position: \"59 50 N, 24 50 E\"");
  course_ = Box("edCourse", "", "The ship's course, degrees true (empty: at rest)", "at rest");
  speed_ = Box("edSpeed", "", "The ship's speed, knots (empty: at rest)", "at rest");
  drUtc_ = Box("edDrUtc", "", "The time the DR holds under way, yyyy-mm-dd hh:mm:ss UT", "when the DR holds");
  height_ = Box("edHeight", "", "The height of eye, metres");
  ie_ = Box("edIe", "0", "Index error, minutes; positive on the arc");
  limb_ = Box("edLimb", "lower", "The Sun's and the Moon's limb for the preset Hs: lower or upper");
  mag_ = Box("edMag", "3.0", "The magnitude limit: the bodies this bright or brighter are listed");
  bandLow_ = Box("edBandLow", "15", "The lowest altitude a triad is chosen at, degrees");
  bandHigh_ = Box("edBandHigh", "70", "The highest altitude a triad is chosen at, degrees");
  auto* band = new QWidget;
  auto* limits = new QHBoxLayout(band);
  limits->setContentsMargins(0, 0, 0, 0);
  limits->addWidget(bandLow_);
  limits->addWidget(new QLabel("to"));
  limits->addWidget(bandHigh_);
  const std::vector<std::pair<const char*, QWidget*>> boxes{
      {"Date", date_},     {"Twilight", twilight}, {"Planned UT", utc_}, {"Magnitude", mag_},
      {"DR", dr_},         {"Course", course_},    {"Speed", speed_},    {"DR UT", drUtc_},
      {"Height", height_}, {"IE", ie_},            {"Limb", limb_},      {"Band", band}};
  int i = 0;
  for (const auto& [label, box] : boxes) {
    grid.addWidget(new QLabel(label), i / 4, 2 * (i % 4));
    grid.addWidget(box, i / 4, 2 * (i % 4) + 1);
    ++i;
  }
  for (int c = 1; c < 8; c += 2) grid.setColumnStretch(c, 1);
  grid.setColumnStretch(1, 2);  // the DR's box takes a position
  // Enter in a box plans, as the Plan button does.
  for (QLineEdit* box : {date_, utc_, mag_, dr_, course_, speed_, drUtc_, height_, ie_, limb_, bandLow_, bandHigh_}) {
    connect(box, &QLineEdit::returnPressed, this, &TPlanForm::ComputePlan);
  }
}

void TPlanForm::BuildMenu() {
  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) { return Print(printer); });
  AddSavePlotMenu(*this, *view_, sink_, "Save the sky plot", "sky.png", "sky plot");
}

bool TPlanForm::Print(QPrinter& printer) {
  if (!plan_) return false;
  const QFont font("DejaVu Sans Mono");
  const auto pages = LinesOnPages(SplitLines(navigation::PlanText(*plan_, planDay_)), PageAreaOf(printer), 10);
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  if (view_->Sheet()) {
    const QRect page = painter.viewport();
    painter.save();
    PaintPlottingSheet(painter, *view_->Sheet(), QRectF(0, 0, std::min(page.width(), page.height()),
                                                        std::min(page.width(), page.height())));
    painter.restore();
  }
  QFont f = font;
  for (const PrintedPage& p : pages) {
    printer.newPage();
    for (const PrintedText& t : p.texts) {
      f.setPointSize(t.pointSize);
      painter.setFont(f);
      painter.drawText(QRect(t.x, t.y, painter.viewport().width(), painter.viewport().height()),
                       Qt::AlignLeft | Qt::AlignTop, Q(t.text));
    }
  }
  return painter.end();
}

void TPlanForm::showEvent(QShowEvent* event) {
  // Empty boxes start from the main window's place and moment.
  const MainWindowRecord main = main_();
  if (date_->text().isEmpty()) {
    bool valid = true;
    date_->setText(Q(DateToRecord(main.date, valid).dateText));
  }
  if (dr_->text().isEmpty()) {
    if (const auto place = ReadObserver(main)) {
      dr_->setText(Q(navigation::PositionText({place->latitude, EastLongitude(place->longitude)})));
    }
  }
  if (height_->text().isEmpty()) height_->setText(Q(main.height));
  PlacedWindow::showEvent(event);
}

bool TPlanForm::Refuse(const std::string& message) {
  sink_.ShowMessage(message);
  return false;
}

bool TPlanForm::ComputePlan() {
  MainWindowRecord main = main_();
  if (!ReadObserver(main)) return Refuse("The main window's place or weather does not read: mend it there");
  main.height = S(height_);
  const auto place = ReadObserver(main);
  if (!place) return Refuse("Height: metres above the sea, 0 to 8900");
  navigation::TypedPlan typed;
  typed.date = S(date_);
  typed.twilight = morning_->isChecked() ? "morning" : "evening";
  typed.dr = S(dr_);
  typed.course = Given(course_);
  typed.speed = Given(speed_);
  typed.drUtc = Given(drUtc_);
  typed.utc = Given(utc_);
  typed.limb = S(limb_);
  typed.ie = S(ie_);
  typed.mag = S(mag_);
  typed.band = S(bandLow_) + " " + S(bandHigh_);
  std::string why;
  auto in = navigation::PlanInputOfTyped(typed, *place, BoxNames(), why);
  if (!in) return Refuse(why);
  const StarCatalogue catalogue = LoadStarCatalogue(starFile_);
  if (!catalogue.read) return Refuse(catalogue.message);
  in->stars = navigation::CatalogueStars(catalogue);
  auto plan = navigation::PlanTwilight(*in, why);
  if (!plan) return Refuse(why);
  plan_ = std::move(plan);
  planDay_ = in->dayJulianDayUt;
  planIe_ = S(ie_);
  planHeight_ = S(height_);
  ShowPlan();
  view_->SetSheet(navigation::DrawSkyPlot(navigation::SkyPlotBodies(*plan_), in->band,
                                          navigation::PlanTitle(*plan_, planDay_)));
  StoreBoxes();
  if (!catalogue.message.empty()) sink_.ShowMessage(catalogue.message);
  return true;
}

void TPlanForm::ShowPlan() {
  table_->setSortingEnabled(false);  // rows filled in place, then sorted as the header shows
  table_->clearContents();
  table_->setRowCount(plan_->plannedJulianDayUt ? static_cast<int>(plan_->bodies.size()) : 0);
  for (int row = 0; row < table_->rowCount(); ++row) {
    const navigation::PlanBody& b = plan_->bodies[static_cast<std::size_t>(row)];
    const navigation::PlanBodyCells cells = navigation::CellsOf(b);
    auto* name = new QTableWidgetItem(Q(cells.name));
    name->setData(kBodyIndex, row);
    if (b.recommended) {
      QFont bold = name->font();
      bold.setBold(true);
      name->setFont(bold);
    }
    table_->setItem(row, kBody, name);
    table_->setItem(row, kHc, new NumberItem(cells.hc, b.body.hc));
    table_->setItem(row, kZn, new NumberItem(cells.zn, b.body.zn));
    table_->setItem(row, kMagnitude, new NumberItem(cells.magnitude, b.body.magnitude));
    table_->setItem(row, kPresetHs, new NumberItem(cells.presetHs, b.presetAltitude));
    table_->setItem(row, kMarks, new QTableWidgetItem(Q(Marks(b))));
  }
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
  std::string text = navigation::PlanMomentsText(*plan_, planDay_);
  if (plan_->plannedJulianDayUt) text += "\n" + navigation::PlanRuleText(*plan_);
  moments_->setPlainText(Q(text));
}

void TPlanForm::AddToSights() {
  if (!plan_ || !plan_->plannedJulianDayUt) {
    sink_.ShowMessage("Plan first: the sights go to the Sights window at the planned moment");
    return;
  }
  if (!table_->selectionModel()->hasSelection()) {
    sink_.ShowMessage("Choose the bodies in the table (Ctrl or Shift and click for several), then Add to sights");
    return;
  }
  std::vector<TSightsForm::PlannedSight> sights;
  for (int row = 0; row < table_->rowCount(); ++row) {  // in the table's order
    if (!table_->selectionModel()->isRowSelected(row, QModelIndex())) continue;
    const auto& b = plan_->bodies[static_cast<std::size_t>(table_->item(row, kBody)->data(kBodyIndex).toInt())];
    sights.push_back({UtcMomentText(*plan_->plannedJulianDayUt), b.body.name, navigation::CellsOf(b).presetHs,
                      planIe_, planHeight_});
  }
  TSightsForm& form = sights_();
  form.AddPlannedSights(sights);
  form.show();
  form.raise();
}

void TPlanForm::StoreBoxes() const {
  const QLineEdit* boxes[] = {dr_, course_, speed_, ie_, limb_, mag_, bandLow_, bandHigh_};
  std::vector<std::pair<std::string, std::string>> values{
      {"PlanTwilight", morning_->isChecked() ? "morning" : "evening"}};
  for (std::size_t i = 0; i < std::size(boxes); ++i) values.emplace_back(kKeptBoxes[i], S(boxes[i]));
  settings_.WriteAll(values);
}

void TPlanForm::RestoreBoxes() {
  const SettingsValues kept = settings_.ReadAll();
  QLineEdit* boxes[] = {dr_, course_, speed_, ie_, limb_, mag_, bandLow_, bandHigh_};
  for (std::size_t i = 0; i < std::size(boxes); ++i) {
    if (const auto value = kept.Get(kKeptBoxes[i])) boxes[i]->setText(Q(*value));
  }
  if (kept.Get("PlanTwilight") == std::optional<std::string>("morning")) morning_->setChecked(true);
}

}  // namespace orrelin::ui
