#include "ui/almanac_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QPrintDialog>
#include <QVBoxLayout>

#include "core/checks.h"
#include "core/numbers.h"
#include "ui/printing.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QWidget* TwoLines(const char* name, const QString& first, const QString& second) {
  auto* panel = new QWidget;
  panel->setObjectName(name);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(first));
  layout->addWidget(new QLabel(second));
  return panel;
}

}  // namespace

TAlmanacForm::TAlmanacForm(const SettingsFile& settings, MessageSink& sink, MainWindowAccess mainWindow,
                           QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fAlmanac", anchor, parent), sink_(sink), mainWindow_(std::move(mainWindow)) {
  setObjectName("AlmanacForm");
  setWindowTitle("Almanac");
  AddCloseAndPrintImageMenu(*this, "&Print", "Print");
  // "&Print" prints the list, not the window's image.
  QAction* print = findChild<QAction*>("Print");
  disconnect(print, nullptr, nullptr, nullptr);
  connect(print, &QAction::triggered, this, [this] {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted) PrintList(printer);
  });
  QAction* help = menuBar()->addAction("&Help");
  help->setObjectName("Help");
  help->setEnabled(static_cast<bool>(mainWindow_.openHelp));
  connect(help, &QAction::triggered, this, [this] {
    if (mainWindow_.openHelp) mainWindow_.openHelp();
  });

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  auto* top = new QGridLayout;
  year_ = new QLineEdit;
  year_->setObjectName("edYear");
  year_->setFixedWidth(70);
  bcLabel_ = new QLabel("B.C.");
  bcLabel_->setObjectName("lbBChr");
  bcPanel_ = TwoLines("Panel3", "Year 3 B.C. = -2", "in the almanac");
  partial_ = new QRadioButton("partial");
  partial_->setObjectName("RadioButton1");
  partial_->setChecked(true);
  total_ = new QRadioButton("total");
  total_->setObjectName("RadioButton2");
  total_->setToolTip("Planet proximities shown ");
  slowPanel_ = TwoLines("Panel2", "With 166 MHz Pentium-", "processor 30 seconds");
  count_ = new QPushButton("Count");
  count_->setObjectName("Count");
  progress_ = new QProgressBar;
  progress_->setObjectName("ProgressBar1");
  progress_->setVisible(false);
  top->addWidget(new QLabel("Year"), 0, 0);
  top->addWidget(year_, 0, 1);
  top->addWidget(bcLabel_, 0, 2);
  top->addWidget(bcPanel_, 0, 3);
  top->addWidget(partial_, 1, 0);
  top->addWidget(total_, 1, 1);
  top->addWidget(slowPanel_, 1, 2, 1, 2);
  top->addWidget(count_, 2, 0, 1, 2);
  top->addWidget(progress_, 2, 2, 1, 2);
  top->setColumnStretch(4, 1);
  layout->addLayout(top);
  list_ = new QTableWidget(0, 1);
  list_->setObjectName("StringGrid1");
  list_->horizontalHeader()->hide();
  list_->verticalHeader()->hide();
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list_->setShowGrid(false);
  list_->setFont(QFont("DejaVu Sans Mono"));
  list_->verticalHeader()->setDefaultSectionSize(QFontMetrics(list_->font()).height() + 4);
  layout->addWidget(list_, 1);
  setCentralWidget(central);
  resize(640, 560);
  slowPanel_->setVisible(false);

  // Any change of the year, typed or written by the main window's Almanac button.
  connect(year_, &QLineEdit::textChanged, this, [this] {
    CancelSearch();
    Clear();
  });
  connect(year_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!text.isEmpty() && !CheckIntRange(text.toStdString(), kLastAlmanacYear, sink_)) year_->selectAll();
  });
  connect(partial_, &QRadioButton::toggled, this, [this](bool) {
    slowPanel_->setVisible(total_->isChecked());
    CancelSearch();
    Clear();
  });
  connect(count_, &QPushButton::clicked, this, &TAlmanacForm::Count);
  RestoreStoredPlace();
  SetBeforeChrist(mainWindow_.read ? mainWindow_.read().beforeChrist : false);
}

TAlmanacForm::~TAlmanacForm() {
  stop_ = true;
  if (search_.joinable()) search_.join();
}

void TAlmanacForm::SetBeforeChrist(bool beforeChrist) {
  bcPanel_->setVisible(beforeChrist);
  bcLabel_->setVisible(beforeChrist);
}

void TAlmanacForm::ShowForYear(int year, bool beforeChrist) {
  show();
  raise();
  year_->setText(Q(AlmanacYearText(year)));
  SetBeforeChrist(beforeChrist);
}

void TAlmanacForm::Clear() {
  for (int r = 0; r < list_->rowCount(); ++r) {
    if (auto* item = list_->item(r, 0)) item->setText("");
  }
  shownYear_.reset();
}

void TAlmanacForm::CancelSearch() {
  if (!searching_) return;
  stop_ = true;
  if (search_.joinable()) search_.join();  // it stops within a day's samples
  stop_ = false;
  ++request_;
  searching_ = false;
  pending_.reset();
  progress_->setVisible(false);
  count_->setEnabled(true);
}

void TAlmanacForm::ShowListing(const AlmanacListing& listing) {
  const std::vector<std::string> lines = AlmanacListLines(listing);
  list_->setRowCount(static_cast<int>(lines.size()));
  for (std::size_t r = 0; r < lines.size(); ++r) {
    list_->setItem(static_cast<int>(r), 0, new QTableWidgetItem(Q(lines[r])));
  }
  list_->setVisible(true);
  shownYear_ = listing.range.year;
}

void TAlmanacForm::Count() {
  if (searching_) return;
  const MainWindowRecord main = mainWindow_.read();
  SetBeforeChrist(main.beforeChrist);
  auto count = StartAlmanacCount(year_->text().toStdString(), total_->isChecked(), main, sink_);
  if (!count) return;
  if (!count->proximity) {
    ShowListing(AlmanacListingOf(*count, {}));
    emit CountFinished();
    return;
  }
  // The planets seen near each other: off this thread, the progress bar fed as days are done.
  pending_ = std::move(count);
  const int request = ++request_;
  ProximityInput in = *pending_->proximity;
  in.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  in.stop = &stop_;
  in.progress = [this, request](int days) {
    QMetaObject::invokeMethod(
        this, [this, request, days] { if (request == request_) progress_->setValue(days); }, Qt::QueuedConnection);
  };
  progress_->setRange(0, in.days);
  progress_->setValue(0);
  progress_->setVisible(true);
  count_->setEnabled(false);
  searching_ = true;
  if (search_.joinable()) search_.join();
  search_ = std::thread([this, in, request] {
    const auto found = ProximitySearch(in);
    QMetaObject::invokeMethod(this, [this, request, found] { SearchFinished(request, found); }, Qt::QueuedConnection);
  });
}

void TAlmanacForm::SearchFinished(int request,
                                  const std::array<std::optional<PairClosest>, kProximityPairs>& found) {
  if (request != request_ || !searching_) return;  // a cancelled search's result
  if (search_.joinable()) search_.join();
  searching_ = false;
  progress_->setVisible(false);
  count_->setEnabled(true);
  if (pending_) ShowListing(AlmanacListingOf(*pending_, ProximityEvents(found)));
  pending_.reset();
  emit CountFinished();
}

QStringList TAlmanacForm::Lines() const {
  QStringList lines;
  for (int r = 0; r < list_->rowCount(); ++r) lines << (list_->item(r, 0) ? list_->item(r, 0)->text() : "");
  return lines;
}

std::vector<PrintedPage> TAlmanacForm::PrintedPages(QPrinter& printer) const {
  if (!shownYear_) return {};
  std::vector<std::string> lines;
  for (const QString& line : Lines()) lines.push_back(line.toStdString());
  const QFont font("DejaVu Sans Mono");
  return AlmanacPages(lines, *shownYear_, PageAreaOf(printer), PrinterTextWidth(printer, font));
}

bool TAlmanacForm::PrintList(QPrinter& printer) {
  const auto pages = PrintedPages(printer);
  return !pages.empty() && PrintPages(printer, pages, QFont("DejaVu Sans Mono"));
}

}  // namespace orrelin::ui
