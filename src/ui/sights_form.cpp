#include "ui/sights_form.h"

#include <algorithm>

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/date_box.h"
#include "app/settings_file.h"
#include "core/fields.h"
#include "core/file_io.h"
#include "core/geodesy.h"
#include "core/numbers.h"
#include "navigation/plotting_sheet.h"
#include "navigation/sight_texts.h"
#include "navigation/sights_file.h"
#include "report/observer_reading.h"
#include "ui/hint_delegate.h"
#include "ui/printing.h"

namespace orrelin::ui {

namespace {

// utc, body, limb, hs, ie, height, pressure, temperature; then the watch's reading, its
// error and the zone description of a sight timed by the watch.
constexpr int kColumns = 11;
constexpr int kWatchColumns = 3;
const char* const kCaptions[kColumns] = {"UTC",  "Body", "Limb", "Hs", "IE", "Height", "Pressure", "Temp",
                                         "Watch", "WE",  "ZD"};

const char* const kMessageDrCourseSpeed =
    "Give the DR as \"59 50 N, 24 50 E\", the course in degrees (0 to 360) and the speed in knots";

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

QPushButton* Button(const char* name, const char* caption) {
  auto* b = new QPushButton(caption);
  b->setObjectName(name);
  return b;
}

}  // namespace

TSightsForm::TSightsForm(const SettingsFile& settings, std::filesystem::path sightsFile, MessageSink& sink,
                         MainWindowAccess mainWindow, QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fSights", anchor, parent), file_(std::move(sightsFile)), sink_(sink),
      main_(std::move(mainWindow)) {
  setObjectName("SightsForm");
  setWindowTitle("Sights");
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  table_ = new QTableWidget(0, kColumns);
  table_->setObjectName("grdSights");
  QStringList captions;
  for (const char* c : kCaptions) captions << c;
  table_->setHorizontalHeaderLabels(captions);
  table_->verticalHeader()->hide();
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setColumnWidth(0, table_->fontMetrics().horizontalAdvance("2026-12-08 14:32:10") + 16);  // UTC on one line
  table_->setMinimumHeight(140);
  table_->setItemDelegateForColumn(3, new HintDelegate(table_));  // a planned sight's preset Hs
  layout->addWidget(table_);

  auto* controls = new QHBoxLayout;
  auto* add = Button("btnAdd", "Add");
  auto* remove = Button("btnDelete", "Delete");
  auto* fix = Button("btnFix", "Fix");
  dr_ = new QLineEdit;
  dr_->setObjectName("edDr");
  dr_->setToolTip("The dead-reckoning position at the last sight: \"59 50 N, 24 50 E\"");
  course_ = new QLineEdit("0");
  course_->setObjectName("edCourse");
  speed_ = new QLineEdit("0");
  speed_->setObjectName("edSpeed");
  controls->addWidget(add);
  controls->addWidget(remove);
  controls->addWidget(new QLabel("DR"));
  controls->addWidget(dr_, 2);
  controls->addWidget(new QLabel("Course"));
  controls->addWidget(course_);
  controls->addWidget(new QLabel("Speed"));
  controls->addWidget(speed_);
  controls->addWidget(fix);
  auto* plan = Button("btnPlan", "Plan…");
  plan->setToolTip("Plan the twilight's star sights: which bodies, where, and the altitude to preset");
  controls->addWidget(plan);
  connect(plan, &QPushButton::clicked, this, [this] {
    if (main_.plan) main_.plan();
  });
  layout->addLayout(controls);

  auto* lower = new QHBoxLayout;
  auto* texts = new QVBoxLayout;
  QFont mono("DejaVu Sans Mono", 9);
  reduction_ = new QPlainTextEdit;
  reduction_->setObjectName("memReduction");
  reduction_->setReadOnly(true);
  reduction_->setFont(mono);
  reduction_->setPlaceholderText("The reduction of the sight chosen in the table, line by line");
  fixText_ = new QPlainTextEdit;
  fixText_->setObjectName("memFix");
  fixText_->setReadOnly(true);
  fixText_->setFont(mono);
  fixText_->setPlaceholderText("The fix from the sights, with each line's residual");
  texts->addWidget(reduction_);
  texts->addWidget(fixText_);
  lower->addLayout(texts, 1);
  view_ = new PlottingSheetView;
  lower->addWidget(view_, 1);
  layout->addLayout(lower, 1);
  setCentralWidget(central);
  resize(980, 720);

  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) {
    if (!view_->Sheet()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const int side = std::min(page.width(), page.height());
    PaintPlottingSheet(painter, *view_->Sheet(), QRectF(0, 0, side, side));
    return painter.end();
  });
  QAction* save = menuBar()->addAction("&Save Plot");
  save->setObjectName("SavePlot");
  connect(save, &QAction::triggered, this, [this] {
    if (!view_->Sheet()) return;
    const QString path = QFileDialog::getSaveFileName(this, "Save the plotting sheet", "plot.png",
                                                      "Pictures and PDF (*.png *.pdf)");
    if (!path.isEmpty() && !SavePlottingSheet(*view_->Sheet(), path)) {
      sink_.ShowMessage("The plotting sheet could not be saved to " + S(path));
    }
  });

  connect(add, &QPushButton::clicked, this, &TSightsForm::AddSight);
  connect(remove, &QPushButton::clicked, this, &TSightsForm::DeleteSight);
  connect(fix, &QPushButton::clicked, this, &TSightsForm::ComputeFix);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) { ShowReduction(row); });
  // The chosen sight's reduction is from the DR run back to its time: it follows the
  // DR, the course and the speed.
  for (QLineEdit* box : {dr_, course_, speed_}) {
    connect(box, &QLineEdit::textChanged, this, [this] { ShowReduction(table_->currentRow()); });
  }
  connect(table_, &QTableWidget::cellChanged, this, [this](int row, int) {
    if (loading_) return;
    Save();
    ShowReduction(row);
  });
  RestoreStoredPlace();
  Load();
}

void TSightsForm::showEvent(QShowEvent* event) {
  if (dr_->text().isEmpty()) {
    MainWindowRecord main = main_.read();
    if (const auto place = ReadObserver(main)) {
      dr_->setText(Q(navigation::PositionText({place->latitude, EastLongitude(place->longitude)})));
    }
  }
  PlacedWindow::showEvent(event);
  // What was wrong with the file is told when the user opens the window, not at start.
  if (!loadMessage_.empty()) {
    const std::string message = std::move(loadMessage_);
    loadMessage_.clear();
    sink_.ShowMessage(message);
  }
}

void TSightsForm::SetRow(int row, const std::vector<std::string>& fields) {
  for (int c = 0; c < kColumns; ++c) {
    table_->setItem(row, c, new QTableWidgetItem(Q(c < static_cast<int>(fields.size()) ? fields[c] : "")));
  }
}

void TSightsForm::AddSight() {
  MainWindowRecord main = main_.read();
  bool valid = true;
  const TCalendarDate date = DateToRecord(main.date, valid);
  const std::string body = main_.identifiedBody ? main_.identifiedBody() : "";
  const int row = table_->rowCount();
  // The same sextant and the same deck as the sight before, else the main window's.
  std::vector<std::string> kept{"0", main.height, main.pressure, main.temperature};
  if (row > 0) {
    for (int c = 4; c < kColumns - kWatchColumns; ++c) {
      const QTableWidgetItem* item = table_->item(row - 1, c);
      kept[static_cast<std::size_t>(c - 4)] = item ? S(item->text()) : std::string();
    }
  }
  loading_ = true;
  table_->insertRow(row);
  SetRow(row, {date.dateText + " " + main.time, body.empty() ? "Sun" : body, body.empty() ? "lower" : "", "", kept[0],
               kept[1], kept[2], kept[3]});
  loading_ = false;
  table_->setCurrentCell(row, 3);
  Save();
}

void TSightsForm::AddPlannedSights(const std::vector<PlannedSight>& sights) {
  for (const PlannedSight& planned : sights) {
    AddSight();
    const int row = table_->rowCount() - 1;
    const bool limbed = planned.body == "Sun" || planned.body == "Moon";
    loading_ = true;
    table_->item(row, 0)->setText(Q(planned.utc));
    table_->item(row, 1)->setText(Q(planned.body));
    table_->item(row, 2)->setText(limbed ? "lower" : "");
    table_->item(row, 4)->setText(Q(planned.ie));
    table_->item(row, 5)->setText(Q(planned.height));
    table_->item(row, 3)->setToolTip(Q("Preset the sextant to " + planned.presetHs));
    table_->item(row, 3)->setData(Qt::UserRole, Q(planned.presetHs));
    loading_ = false;
  }
  Save();
}

void TSightsForm::DeleteSight() {
  const int row = table_->currentRow();
  if (row < 0) return;
  table_->removeRow(row);
  Save();
}

std::vector<navigation::Sight> TSightsForm::RowsAsSights(bool tell) {
  std::vector<navigation::Sight> sights;
  std::vector<std::string> problems;
  for (int r = 0; r < table_->rowCount(); ++r) {
    std::string problem;
    if (const auto s = navigation::ReadSightLine(RowLine(r), problem)) {
      sights.push_back(*s);
    } else {
      problems.push_back("Sight " + WholeText(r + 1) + ": " + problem);
    }
  }
  if (tell && !problems.empty()) {
    std::string text;
    for (const auto& p : problems) text += (text.empty() ? "" : "\n") + p;
    sink_.ShowMessage(text);
  }
  return sights;
}

void TSightsForm::ShowReduction(int row) {
  reduction_->clear();
  if (row < 0 || row >= table_->rowCount()) return;
  std::string why;
  const auto sight = navigation::ReadSightLine(RowLine(row), why);
  const auto in = FixInputOfBoxes(false);
  if (!sight || !in) {
    reduction_->setPlainText(Q(!sight ? "This sight does not read: " + why : kMessageDrCourseSpeed));
    return;
  }
  // From the DR at the sight's time, as the fix reduces it.
  const auto r = navigation::ReduceSightOfFix(*in, *sight, why);
  reduction_->setPlainText(Q(r ? navigation::SightText(*sight, *r) : why));
}

std::optional<navigation::FixInput> TSightsForm::FixInputOfBoxes(bool tell) {
  const auto assumed = navigation::ReadPosition(S(dr_->text()));
  const auto course = ReadBoundedDecimal(S(course_->text()), 0.0, 360.0);
  const auto speed = ReadBoundedDecimal(S(speed_->text()), 0.0, 100.0);
  if (!assumed || !course || !speed) return std::nullopt;
  navigation::FixInput in;
  in.assumed = *assumed;
  in.course = *course;
  in.speed = *speed;
  in.sights = RowsAsSights(tell);
  return in;
}

bool TSightsForm::ComputeFix() {
  const auto in = FixInputOfBoxes(true);
  if (!in) {
    sink_.ShowMessage(kMessageDrCourseSpeed);
    return false;
  }
  std::string message;
  fix_ = navigation::FixPosition(*in, message);
  if (!fix_) {
    sink_.ShowMessage(message);
    fixText_->clear();
    view_->SetSheet(std::nullopt);
    return false;
  }
  fixText_->setPlainText(Q(navigation::FixText(*fix_, in->assumed)));
  view_->SetSheet(navigation::DrawPlottingSheet(*fix_, in->assumed));
  return true;
}

std::vector<std::string> TSightsForm::RowFields(int row) const {
  std::vector<std::string> fields;
  for (int c = 0; c < kColumns; ++c) {
    const QTableWidgetItem* item = table_->item(row, c);
    fields.push_back(item ? S(item->text()) : std::string());
  }
  // A sight timed in UT keeps the file's eight columns.
  if (std::all_of(fields.end() - kWatchColumns, fields.end(), [](const std::string& f) { return f.empty(); })) {
    fields.resize(kColumns - kWatchColumns);
  }
  return fields;
}

std::string TSightsForm::RowLine(int row) const { return navigation::SightsFileLine(RowFields(row)); }

void TSightsForm::Save() {
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < table_->rowCount(); ++r) rows.push_back(RowFields(r));
  const std::vector<std::string> lines = navigation::SightsFileLines(rows);
  const FileWrite written = WriteFileAtomically(file_, JoinLines(lines));
  if (!written.ok) sink_.ShowMessage("The sights could not be saved to " + file_.string() + " (" + written.errorText + ")");
}

void TSightsForm::Load() {
  const TextLines text = ReadTextLines(file_, 16 * 1024 * 1024);
  if (!text.exists) return;
  if (!text.readable) {
    loadMessage_ = "The sights could not be read from " + file_.string() + " (" + text.problem + ")";
    return;
  }
  loading_ = true;
  for (const std::vector<std::string>& fields : navigation::SightsFileRows(text.lines)) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    SetRow(row, fields);  // a line that does not read is kept as it is, to be mended
  }
  loading_ = false;
  // Numbered as the file's lines, by the reading the command line's fix uses.
  const navigation::SightsFile read = navigation::ReadSights(text.lines);
  if (!read.problems.empty()) {
    loadMessage_ = "Some sights of " + file_.string() + " do not read:";
    for (const auto& p : read.problems) loadMessage_ += "\n" + p;
  }
}

}  // namespace orrelin::ui
