#include "ui/star_form.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/printing.h"
#include "ui/window_placement.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

struct BoxSpec {
  const char* name;
  const char* caption;
  const char* hint;
};
constexpr std::array<BoxSpec, kStarFieldCount> kBoxes{{
    {"Edit1", "Star", ""},
    {"Edit2", "Right Ascension", "Epoch 2000"},
    {"Edit3", "Declination", "Epoch 2000"},
    {"Edit4", "PrpA", "Proper motion in Right Ascension"},
    {"Edit5", "PrpD", "Proper motion in Declination"},
    {"Edit6", "SAO", "Smithsonian Astrophysical Observatory catalogue number"},
    {"Edit7", "Vmagn", "Apparent visual magnitude"},
}};

}  // namespace

TStarForm::TStarForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
                     std::function<void()> runReport, QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fStar", anchor, parent), starFile_(std::move(starFile)), sink_(sink),
      runReport_(std::move(runReport)) {
  setObjectName("StarForm");
  setWindowTitle("Star");
  BuildMenu();
  auto* central = new QWidget;
  auto* layout = new QHBoxLayout(central);

  grid_ = new QTableWidget(0, static_cast<int>(kStarFieldCount));
  grid_->setObjectName("StringGrid1");
  grid_->setToolTip("Click the star");
  QStringList captions;
  for (const char* c : kStarColumnCaptions) captions << c;
  grid_->setHorizontalHeaderLabels(captions);
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(true);
  // The boxes follow the highlighted row, whether a click or the arrow keys moved it.
  connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { RowClicked(row); });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (row >= 0) RowClicked(row);
  });

  // The boxes stand on the left, as the hint of "Star Values" says.
  auto* side = new QWidget;
  auto* boxes = new QGridLayout(side);
  for (std::size_t i = 0; i < kStarFieldCount; ++i) {
    auto* label = new QLabel(kBoxes[i].caption);
    boxes_[i] = new QLineEdit;
    boxes_[i]->setObjectName(kBoxes[i].name);
    boxes_[i]->setToolTip(kBoxes[i].hint);
    boxes_[i]->setMinimumWidth(130);
    label->setBuddy(boxes_[i]);
    boxes->addWidget(label, static_cast<int>(i), 0);
    boxes->addWidget(boxes_[i], static_cast<int>(i), 1);
  }
  auto* values = new QPushButton("Star Values");
  values->setObjectName("btnValues");
  values->setToolTip("Count the values of the star in left side boxes");
  connect(values, &QPushButton::clicked, this, &TStarForm::StarValuesClicked);
  boxes->addWidget(values, static_cast<int>(kStarFieldCount), 0, 1, 2);
  count_ = new QLabel;
  count_->setObjectName("lblNumberStars");
  count_->setWordWrap(true);
  boxes->addWidget(count_, static_cast<int>(kStarFieldCount) + 1, 0, 1, 2);
  mode_ = new QLabel;
  mode_->setObjectName("lblMode");
  mode_->hide();
  boxes->addWidget(mode_, static_cast<int>(kStarFieldCount) + 2, 0);
  boxes->setRowStretch(static_cast<int>(kStarFieldCount) + 3, 1);
  layout->addWidget(side);
  layout->addWidget(grid_, 1);

  setCentralWidget(central);
  resize(980, 560);
  RestoreStoredPlace();
}

void TStarForm::BuildMenu() {
  AddCloseAndPrintImageMenu(*this, "&Print Form", "PrintForm");
  QAction* printList = menuBar()->addAction("Print &Starlist");
  printList->setObjectName("PrintStarlist");
  connect(printList, &QAction::triggered, this, [this] {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintStarList(printer);
  });
}

StarWindowRecord& TStarForm::Record() {
  for (std::size_t i = 0; i < kStarFieldCount; ++i) record_.boxes[i] = boxes_[i]->text().toStdString();
  return record_;
}

void TStarForm::Apply() {
  const QSignalBlocker quiet(grid_);  // filling the grid is no choice of a row
  // The columns are fitted to their texts once the grid is full, not after every cell
  // (which took half a second for the catalogue).
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setRowCount(static_cast<int>(record_.rows.size()));
  for (std::size_t r = 0; r < record_.rows.size(); ++r) {
    for (std::size_t c = 0; c < kStarFieldCount; ++c) {
      grid_->setItem(static_cast<int>(r), static_cast<int>(c), new QTableWidgetItem(Q(record_.rows[r].fields[c])));
    }
  }
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (std::size_t i = 0; i < kStarFieldCount; ++i) boxes_[i]->setText(Q(record_.boxes[i]));
  count_->setText(Q(record_.countLabel));
  mode_->setText(Q(record_.mode));
}

void TStarForm::showEvent(QShowEvent* event) {
  // Emptied and reloaded each time it is shown; no row stays highlighted over empty boxes.
  ShowStarWindow(record_, starFile_, sink_);
  Apply();
  {
    const QSignalBlocker quiet(grid_);
    grid_->clearSelection();
    grid_->setCurrentCell(-1, -1);
  }
  PlacedWindow::showEvent(event);
}

void TStarForm::RowClicked(int row) {
  Record();
  SelectStarRow(record_, static_cast<std::size_t>(row));
  Apply();
}

void TStarForm::StarValuesClicked() {
  if (!CheckStarChosen(Record(), sink_)) return;
  runReport_();
  mode_->setText(Q(record_.mode));
}

std::vector<PrintedPage> TStarForm::StarListPagesFor(QPrinter& printer) {
  const StarWindowRecord& record = Record();
  return StarListPages(record.rows, record.countLabel, PageAreaOf(printer), PrinterTextWidth(printer, QFont()));
}

bool TStarForm::PrintStarList(QPrinter& printer) { return PrintPages(printer, StarListPagesFor(printer), QFont()); }

}  // namespace orrelin::ui
