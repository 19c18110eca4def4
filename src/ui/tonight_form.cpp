#include "ui/tonight_form.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "app/date_box.h"
#include "app/settings_file.h"
#include "core/angle_text.h"
#include "core/printed_lines.h"
#include "report/observer_reading.h"
#include "sky/sky_night.h"
#include "sky/tonight_texts.h"
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

// The table's columns; the numbers and the times sort by their values, not their texts.
enum Column { kBody, kMagnitude, kAbove, kTransit, kAltitude, kBest, kNote, kColumns };
const char* const kCaptions[kColumns] = {"Body", "Mag", "Above", "Transit", "Alt", "Best", "Note"};

// A cell sorted by its value; a cell without one (a body with no magnitude, no transit)
// comes last whichever way the column is sorted.
class ValueItem : public QTableWidgetItem {
 public:
  ValueItem(const std::string& text, std::optional<double> value) : QTableWidgetItem(Q(text)) {
    if (value) setData(Qt::UserRole, *value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const QVariant a = data(Qt::UserRole), b = other.data(Qt::UserRole);
    if (a.isValid() && b.isValid()) return a.toDouble() < b.toDouble();
    if (a.isValid() == b.isValid()) return false;
    const bool descending =
        tableWidget() != nullptr && tableWidget()->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
    return a.isValid() != descending;
  }
};

// The boxes kept from one list to the next, under these keys.
constexpr const char* kMinimumKey = "TonightMinAltitude";
constexpr const char* kMagnitudeKey = "TonightMag";
constexpr const char* kDarknessKey = "TonightDark";

}  // namespace

TTonightForm::TTonightForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
                           std::function<MainWindowRecord()> mainWindow, QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fTonight", anchor, parent), starFile_(std::move(starFile)), sink_(sink),
      main_(std::move(mainWindow)) {
  setObjectName("TonightForm");
  setWindowTitle("Tonight: what is up while it is dark");
  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);

  date_ = Box("edDate", "", "The evening's local date, yyyy-mm-dd: the night that begins that evening");
  minimum_ = Box("edMinAltitude", "15", "The lowest altitude a body counts at, degrees (-5 to 89)");
  mag_ = Box("edMag", "3.0", "The magnitude limit of the stars: this bright or brighter");
  nautical_ = new QRadioButton("Nautical");
  nautical_->setObjectName("rbNautical");
  nautical_->setToolTip("Dark from the end of nautical twilight (the Sun 12° below the horizon) to its beginning");
  nautical_->setChecked(true);
  astronomical_ = new QRadioButton("Astronomical");
  astronomical_->setObjectName("rbAstronomical");
  astronomical_->setToolTip("Dark from the end of astronomical twilight (the Sun 18° below the horizon) to its beginning");
  auto* darkness = new QWidget;
  darkness->setObjectName("pnlDarkness");
  auto* choice = new QHBoxLayout(darkness);
  choice->setContentsMargins(0, 0, 0, 0);
  choice->addWidget(nautical_);
  choice->addWidget(astronomical_);
  auto* list = new QPushButton("List");
  list->setObjectName("btnList");
  list->setDefault(true);
  auto* grid = new QGridLayout;
  const std::vector<std::pair<const char*, QWidget*>> boxes{
      {"Date", date_}, {"Min altitude", minimum_}, {"Magnitude", mag_}, {"Darkness", darkness}};
  int i = 0;
  for (const auto& [label, box] : boxes) {
    auto* caption = new QLabel(label);
    caption->setObjectName(QString("lbl") + QString(label).remove(' '));
    grid->addWidget(caption, i / 2, 2 * (i % 2));
    grid->addWidget(box, i / 2, 2 * (i % 2) + 1);
    ++i;
  }
  grid->addWidget(list, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  layout->addLayout(grid);

  dark_ = new QLabel("The dark hours and what stands above the minimum altitude in them: List");
  dark_->setObjectName("lblDark");
  dark_->setMinimumHeight(2 * dark_->fontMetrics().lineSpacing() + 4);  // the place, the dark hours
  layout->addWidget(dark_);

  table_ = new QTableWidget(0, kColumns);
  table_->setObjectName("grdTonight");
  QStringList captions;
  for (const char* c : kCaptions) captions << c;
  table_->setHorizontalHeaderLabels(captions);
  table_->horizontalHeaderItem(kMagnitude)->setToolTip("The magnitude; the Moon: its illuminated part");
  table_->horizontalHeaderItem(kAbove)->setToolTip("Above the minimum altitude while it is dark, from - to, local time");
  table_->horizontalHeaderItem(kTransit)->setToolTip("The transit nearest the middle of the night, local time");
  table_->horizontalHeaderItem(kAltitude)->setToolTip("The altitude at the transit");
  table_->horizontalHeaderItem(kBest)->setToolTip("The best time: highest while it is dark, local time");
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);  // one line a body
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->horizontalHeader()->setStretchLastSection(true);
  table_->setSortingEnabled(true);
  table_->sortByColumn(kBest, Qt::AscendingOrder);
  table_->setToolTip("Click a column's header to sort by it");
  messages_ = new QPlainTextEdit;
  messages_->setObjectName("memMessages");
  messages_->setReadOnly(true);
  messages_->setPlaceholderText("What is told with the list: no darkness, the bodies that never set or never rise");
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(table_);
  split->addWidget(messages_);
  split->setStretchFactor(0, 4);
  split->setStretchFactor(1, 1);
  layout->addWidget(split, 1);
  setCentralWidget(central);
  resize(720, 640);
  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) { return Print(printer); });

  connect(list, &QPushButton::clicked, this, &TTonightForm::List);
  for (QLineEdit* box : {date_, minimum_, mag_}) connect(box, &QLineEdit::returnPressed, this, &TTonightForm::List);
  RestoreBoxes();
  RestoreStoredPlace();
}

void TTonightForm::showEvent(QShowEvent* event) {
  // An empty date starts from the main window's.
  if (date_->text().isEmpty()) {
    bool valid = true;
    date_->setText(Q(DateToRecord(main_().date, valid).dateText));
  }
  PlacedWindow::showEvent(event);
}

bool TTonightForm::Refuse(const std::string& message) {
  sink_.ShowMessage(message);
  return false;
}

bool TTonightForm::List() {
  const MainWindowRecord main = main_();
  const auto place = ReadObserver(main);
  if (!place) return Refuse("The main window's place or weather does not read: mend it there");
  std::string why;
  const auto day = ReadDayJulianDay(S(date_), why);
  if (!day) return Refuse("Date: " + why);
  const auto minimum = ReadBoundedDecimal(S(minimum_), sky::kLowestMinimumAltitude, sky::kHighestMinimumAltitude);
  if (!minimum) return Refuse("Min altitude: degrees, -5 to 89");
  const auto mag = ReadBoundedDecimal(S(mag_), sky::kBrightestMagnitudeLimit, sky::kFaintestMagnitudeLimit);
  if (!mag) return Refuse("Magnitude: a magnitude, -30 to 30");
  const StarCatalogue catalogue = LoadStarCatalogue(starFile_);
  if (!catalogue.read) return Refuse(catalogue.message);
  const sky::Darkness darkness = astronomical_->isChecked() ? sky::Darkness::kAstronomical : sky::Darkness::kNautical;
  const sky::SkyNight night = sky::SkyNightOf(main, *place, *day);
  auto list = sky::ListTonight(
      sky::TonightInputFor(*place, *day, {darkness, *minimum, *mag}, catalogue, night.utcMinusLocal), why);
  if (!list) return Refuse(why);
  told_ = sky::TonightMessages(*list, catalogue.message);
  told_.insert(told_.begin(), night.placeText);
  list_ = std::move(list);
  clock_ = night.utcMinusLocal;
  table_->horizontalHeaderItem(kAbove)->setText(Q("Above " + S(minimum_) + kDegreeSign));
  ShowList();
  StoreBoxes();
  return true;
}

void TTonightForm::ShowList() {
  const std::string hours = sky::DarkHoursText(*list_, clock_);
  // The place and the dark hours; without them, the reason stands first in the messages.
  dark_->setText(Q(told_.front() + "\n" + (hours.empty() ? "No darkness tonight" : hours)));
  table_->setSortingEnabled(false);  // rows filled in place, then sorted as the header shows
  table_->clearContents();
  table_->setRowCount(static_cast<int>(list_->bodies.size()));
  for (int row = 0; row < table_->rowCount(); ++row) {
    const sky::TonightBody& b = list_->bodies[static_cast<std::size_t>(row)];
    const sky::TonightCells cells = sky::CellsOf(b, clock_);
    table_->setItem(row, kBody, new QTableWidgetItem(Q(cells.name)));
    table_->setItem(row, kMagnitude, new ValueItem(cells.magnitude, b.magnitude));
    table_->setItem(row, kAbove, new ValueItem(cells.above, b.aboveFromJulianDayUt));
    table_->setItem(row, kTransit, new ValueItem(cells.transit, b.transitJulianDayUt));
    table_->setItem(row, kAltitude, new ValueItem(cells.altitude, b.transitAltitude));
    table_->setItem(row, kBest, new ValueItem(cells.best, b.bestJulianDayUt));
    table_->setItem(row, kNote, new QTableWidgetItem(Q(cells.stays)));
  }
  table_->setSortingEnabled(true);
  table_->resizeColumnsToContents();
  std::string text;
  for (std::size_t i = 1; i < told_.size(); ++i) text += told_[i] + "\n";
  messages_->setPlainText(Q(text));
}

bool TTonightForm::Print(QPrinter& printer) {
  if (!list_) return false;
  std::string text;
  for (const std::string& m : told_) text += m + "\n";
  text += "\n" + sky::TonightText(*list_, clock_);
  return PrintPages(printer, LinesOnPages(SplitLines(text), PageAreaOf(printer), 10), QFont("DejaVu Sans Mono"));
}

void TTonightForm::StoreBoxes() const {
  settings_.WriteAll({{kMinimumKey, S(minimum_)},
                      {kMagnitudeKey, S(mag_)},
                      {kDarknessKey, astronomical_->isChecked() ? "astronomical" : "nautical"}});
}

void TTonightForm::RestoreBoxes() {
  const SettingsValues kept = settings_.ReadAll();
  if (const auto value = kept.Get(kMinimumKey)) minimum_->setText(Q(*value));
  if (const auto value = kept.Get(kMagnitudeKey)) mag_->setText(Q(*value));
  if (kept.Get(kDarknessKey) == std::optional<std::string>("astronomical")) astronomical_->setChecked(true);
}

}  // namespace orrelin::ui
