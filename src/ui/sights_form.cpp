#include "ui/sights_form.h"

#include <algorithm>

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
#include "ui/sights_columns.h"
#include "ui/sights_watch_column.h"

namespace orrelin::ui {

namespace {

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
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // the sights numbered as the texts name them
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setItemDelegateForColumn(0, new ResolvedTimeDelegate(table_));
  table_->setItemDelegateForColumn(3, new HintDelegate(table_));  // a planned sight's preset Hs
  FitColumns();
  // Five rows and a half at least.
  table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                           11 * table_->verticalHeader()->defaultSectionSize() / 2);
  layout->addWidget(table_, 1);

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

  QFont mono("DejaVu Sans Mono", 9);
  auto* series = new QHBoxLayout;
  seriesView_ = new SeriesGraphView;
  seriesText_ = new QPlainTextEdit;
  seriesText_->setObjectName("memSeries");
  seriesText_->setReadOnly(true);
  seriesText_->setFont(mono);
  seriesText_->setPlaceholderText("The series of the chosen sight's body: its intercept, spread, the sights off the line "
                                  "and the representative sight");
  seriesText_->setFixedHeight(140);
  seriesView_->setFixedHeight(140);
  auto* seriesButtons = new QVBoxLayout;
  useRepresentative_ = Button("btnUseRepresentative", "Use representative");
  useRepresentative_->setToolTip("The fix takes the representative sight, its Hs brought onto the fitted line, and "
                                 "leaves the series' other sights out");
  useEverySight_ = Button("btnUseAll", "Use every sight");
  useEverySight_->setToolTip("The fix takes every sight of the table again");
  seriesButtons->addWidget(useRepresentative_);
  seriesButtons->addWidget(useEverySight_);
  seriesButtons->addStretch(1);
  series->addWidget(seriesView_, 2);
  series->addWidget(seriesText_, 3);
  series->addLayout(seriesButtons);
  layout->addLayout(series);

  auto* lower = new QHBoxLayout;
  auto* texts = new QVBoxLayout;
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
  texts->addWidget(reduction_, 2);
  texts->addWidget(fixText_, 3);
  lower->addLayout(texts, 1);
  view_ = new PlottingSheetView;
  lower->addWidget(view_, 1);
  layout->addLayout(lower, 2);
  setCentralWidget(central);
  resize(1060, 820);

  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) {
    if (!view_->Sheet()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const int side = std::min(page.width(), page.height());
    PaintPlottingSheet(painter, *view_->Sheet(), QRectF(0, 0, side, side));
    return painter.end();
  });
  AddSavePlotMenu(*this, *view_, sink_, "Save the plotting sheet", "plot.png", "plotting sheet");

  connect(add, &QPushButton::clicked, this, &TSightsForm::AddSight);
  connect(remove, &QPushButton::clicked, this, &TSightsForm::DeleteSight);
  connect(fix, &QPushButton::clicked, this, &TSightsForm::ComputeFix);
  connect(useRepresentative_, &QPushButton::clicked, this, &TSightsForm::UseRepresentative);
  connect(useEverySight_, &QPushButton::clicked, this, &TSightsForm::UseEverySight);
  connect(table_, &QTableWidget::currentCellChanged, this, [this](int row, int, int previous, int) {
    ShowReduction(row);
    if (row != previous) ShowSeries();
  });
  connect(table_, &QTableWidget::itemSelectionChanged, this, &TSightsForm::ShowSeries);
  // The chosen sight's reduction and its series are from the DR run back to its time:
  // they follow the DR, the course and the speed.
  for (QLineEdit* box : {dr_, course_, speed_}) {
    connect(box, &QLineEdit::textChanged, this, [this] {
      ShowReduction(table_->currentRow());
      ShowSeries();
    });
  }
  connect(table_, &QTableWidget::cellChanged, this, [this](int row, int) {
    if (loading_) return;
    ShowWatchTime(row);
    Save();
    ShowReduction(row);
    ShowSeries();
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

std::vector<TSightsForm::RowSight> TSightsForm::RowsAsSights(bool tell) {
  std::vector<RowSight> sights;
  std::vector<std::string> problems;
  for (int r = 0; r < table_->rowCount(); ++r) {
    std::string problem;
    if (const auto s = navigation::ReadSightLine(RowLine(r), problem)) {
      sights.push_back({r, *s});
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
  const auto record = navigation::ReadSightRecord(RowLine(row), why);
  const auto in = FixInputOfBoxes(false);
  if (!record || !in) {
    reduction_->setPlainText(Q(!record ? "This sight does not read: " + why : kMessageDrCourseSpeed));
    return;
  }
  // From the DR at the sight's time, as the fix reduces it.
  const auto r = navigation::ReduceSightOfFix(*in, record->sight, why);
  std::string watch;
  if (const auto& w = record->watch) {
    // The UT it gives is the next line's.
    watch = "Watch time " + UtcMomentText(w->reading) + ", " + navigation::WatchErrorText(w->fastSeconds) + ", ZD " +
            navigation::ZoneDescriptionText(w->zoneDescription) + "\n";
  }
  reduction_->setPlainText(Q(r ? watch + navigation::SightText(record->sight, *r) : why));
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
  const std::vector<RowSight> rows = RowsAsSights(tell);
  std::vector<std::string> lines;
  for (const RowSight& r : rows) {
    in.sights.push_back(r.sight);
    lines.push_back(RowLine(r.row));
  }
  // A representative whose row was changed or deleted stands for its series no more.
  representatives_.erase(std::remove_if(representatives_.begin(), representatives_.end(),
                                        [&lines](const Representative& p) {
                                          return std::find(lines.begin(), lines.end(), p.line) == lines.end();
                                        }),
                         representatives_.end());
  in.timeOfFix = navigation::TimeOfFix(in);
  in.sights.clear();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const RowSight& r = rows[i];
    const std::string& line = lines[i];
    const auto stands = std::find_if(representatives_.begin(), representatives_.end(), [&line](const Representative& p) {
      return std::find(p.lines.begin(), p.lines.end(), line) != p.lines.end();
    });
    if (stands == representatives_.end()) {
      in.sights.push_back(r.sight);
    } else if (stands->line == line) {
      in.sights.push_back(r.sight);
      in.sights.back().sextantAltitude = stands->hs;
    }
  }
  return in;
}

bool TSightsForm::ComputeFix() {
  const auto in = FixInputOfBoxes(true);
  if (!in) {
    sink_.ShowMessage(kMessageDrCourseSpeed);
    return false;
  }
  std::string message;
  const auto checked = navigation::FixWithCheck(*in, message);
  if (!checked) {
    fix_.reset();
    sink_.ShowMessage(message);
    fixText_->clear();
    view_->SetSheet(std::nullopt);
    return false;
  }
  fix_ = checked->plain;
  fixText_->setPlainText(Q(navigation::FixText(*fix_, in->assumed) + navigation::FixCheckText(*checked) +
                           RepresentativesText()));
  view_->SetSheet(navigation::DrawPlottingSheet(*checked, in->assumed));
  return true;
}

}  // namespace orrelin::ui
