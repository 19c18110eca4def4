// The Tonight window, driven as an observer would: its table holds the tonight
// command's bodies, magnitudes and times for the same place and boxes, and its rows as
// the command prints them; it sorts by name, magnitude and altitude both ways; a summer
// night far north is said to have no darkness; a box that does not read is told and
// nothing shown is lost; the list prints.
#include <QDateTime>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimeZone>
#include <QtTest>

#include <nlohmann/json.hpp>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "cli/cli_program.h"
#include "ui/orrelin_form.h"
#include "ui/tonight_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;
using orrelin::ui::TTonightForm;

namespace {

// The table's columns.
constexpr int kBody = 0, kMag = 1, kAbove = 2, kTransit = 3, kAlt = 4, kBest = 5, kNote = 6;

// A December evening at the main window's place: the Moon, and Saturn without a magnitude.
const std::vector<std::pair<const char*, const char*>> kBoxes{
    {"edDate", "2026-12-20"}, {"edMinAltitude", "15"}, {"edMag", "2.5"}};

void Type(QWidget& window, const std::vector<std::pair<const char*, const char*>>& boxes) {
  for (const auto& [name, text] : boxes) Find<QLineEdit>(window, name)->setText(text);
}

void ClickHeader(QTableWidget& table, int column) {
  QHeaderView* header = table.horizontalHeader();
  const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

// "2026-12-20 17:08:12" UT as a Julian day.
double JulianDayOf(const std::string& utc) {
  QDateTime t = QDateTime::fromString(QString::fromStdString(utc), "yyyy-MM-dd HH:mm:ss");
  t.setTimeZone(QTimeZone::utc());
  return static_cast<double>(t.toMSecsSinceEpoch()) / 86400000.0 + 2440587.5;
}

}  // namespace

class TonightFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  // The tonight command run in-process on the main window's place and the window's
  // boxes, with the clock's options (the main window's offset when none are given).
  static std::string CommandLine(const orrelin::StartEnvironment& env, const orrelin::MainWindowRecord& r,
                                 const char* date, bool json, std::vector<std::string> clock = {}) {
    std::ostringstream out, err;
    orrelin::cli::CliContext context{out, err, env.settingsFolder, {ORRELIN_SHIPPED_STAR_DIR}};
    context.moduleFolders = {ORRELIN_MODULE_DIR};
    if (clock.empty()) clock = {"--offset", r.utcMinusLocal};
    std::vector<std::string> options{"tonight", "--date", date, "--min-altitude", "15", "--mag", "2.5",
                                     "--lat", r.latDeg + " " + r.latMin + (r.north ? " N" : " S"),
                                     "--lon", r.lonDeg + " " + r.lonMin + (r.west ? " W" : " E"),
                                     "--height", r.height, "--pressure", r.pressure, "--temp", r.temperature};
    options.insert(options.end(), clock.begin(), clock.end());
    if (json) options.push_back("--json");
    if (orrelin::cli::RunCli(options, context) != 0) qFatal("tonight: %s", err.str().c_str());
    return err.str() + out.str();
  }

  // Each row's cells and the dark hours' line as the command prints them.
  static void SameTextsAsTheCommand(TTonightForm& tonight, const QString& text) {
    const auto& table = *Find<QTableWidget>(tonight, "grdTonight");
    const QString dark = Find<QLabel>(tonight, "lblDark")->text();
    QVERIFY2(text.contains(dark.mid(dark.indexOf('\n') + 1) + "\n"), qPrintable(dark));
    QVERIFY(text.startsWith(Find<QPlainTextEdit>(tonight, "memMessages")->toPlainText()));
    for (int r = 0; r < table.rowCount(); ++r) {
      QString pattern = "\n";
      for (const int c : {kBody, kMag, kAbove, kTransit, kAlt, kBest, kNote}) {
        if (!table.item(r, c)->text().isEmpty()) pattern += QRegularExpression::escape(table.item(r, c)->text()) + "\\s+";
      }
      QVERIFY2(text.contains(QRegularExpression(pattern)), qPrintable(table.item(r, kBody)->text()));
    }
  }

  // The window opened from the main window's button, listed from kBoxes.
  static TTonightForm& Listed(TOrrelinForm& form) {
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Tonight"), Qt::LeftButton);
    TTonightForm& tonight = form.TonightForm();
    Type(tonight, kBoxes);
    QTest::mouseClick(Find<QPushButton>(tonight, "btnList"), Qt::LeftButton);
    return tonight;
  }

 private slots:
  void theTableHoldsTheTonightCommandsList() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Tonight"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(form.TonightForm(), "edDate")->text(), QString("2026-06-12"));  // the main window's
    TTonightForm& tonight = Listed(form);
    QVERIFY2(sink.messages.empty(), sink.messages.empty() ? "" : sink.messages[0].c_str());

    const nlohmann::json j = nlohmann::json::parse(CommandLine(env, form.ToRecord(), "2026-12-20", true));
    const auto& table = *Find<QTableWidget>(tonight, "grdTonight");
    QCOMPARE(static_cast<std::size_t>(table.rowCount()), j["bodies"].size());
    QVERIFY(table.rowCount() > 10);
    for (int r = 0; r < table.rowCount(); ++r) {  // by the best time, as the command lists them
      const nlohmann::json& body = j["bodies"][static_cast<std::size_t>(r)];
      const std::string name = table.item(r, kBody)->text().toStdString();
      QCOMPARE(name, body["name"].get<std::string>());
      const QVariant magnitude = table.item(r, kMag)->data(Qt::UserRole);
      QCOMPARE(magnitude.isValid(), !body["magnitude"].is_null());
      if (magnitude.isValid()) QVERIFY(std::abs(magnitude.toDouble() - body["magnitude"].get<double>()) <= 0.0051);
      for (const auto& [column, key] : {std::pair{kAbove, "above_from_utc"}, {kTransit, "transit_utc"}, {kBest, "best_utc"}}) {
        QVERIFY2(std::abs(table.item(r, column)->data(Qt::UserRole).toDouble() - JulianDayOf(body[key])) * 86400.0 <= 0.51,
                 (name + " " + key).c_str());
      }
      QVERIFY(std::abs(table.item(r, kAlt)->data(Qt::UserRole).toDouble() - body["transit_altitude_deg"].get<double>()) <= 5.1e-5);
    }
    const QString text = QString::fromStdString(CommandLine(env, form.ToRecord(), "2026-12-20", false));
    QVERIFY(text.contains("Moon: ") && text.contains("% illuminated"));
    SameTextsAsTheCommand(tonight, text);
    if (QTest::currentTestFailed()) return;
    const QString pdf = starts_.Path() + "/tonight.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, pdf);
    QVERIFY(tonight.Print(printer));
    QVERIFY(orrelin::testing::IsPdfFile(pdf, 3000));
  }

  // The night the clocks go forward: the evening at +02, the morning at +03.
  void aZoneGivesEachLocalTimeItsOwnOffset() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    auto* zone = Find<QComboBox>(form, "cbxZone");
    zone->setCurrentIndex(zone->findText("Europe/Helsinki"));
    emit zone->activated(zone->currentIndex());
    QTest::mouseClick(Find<QPushButton>(form, "Tonight"), Qt::LeftButton);
    TTonightForm& tonight = form.TonightForm();
    Type(tonight, kBoxes);
    Find<QLineEdit>(tonight, "edDate")->setText("2026-03-28");
    QVERIFY(tonight.List());
    const QString zoned = QString::fromStdString(
        CommandLine(env, form.ToRecord(), "2026-03-28", false, {"--zone", "Europe/Helsinki"}));
    SameTextsAsTheCommand(tonight, zoned);
    const QString fixed = QString::fromStdString(CommandLine(env, form.ToRecord(), "2026-03-28", false, {"--offset", "-2"}));
    const QString dark = Find<QLabel>(tonight, "lblDark")->text();
    QVERIFY(!fixed.contains(dark.mid(dark.indexOf('\n') + 1)));
    QVERIFY(sink.messages.empty());
  }

  void headersSortByNameMagnitudeAndAltitudeBothWays() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    auto& table = *Find<QTableWidget>(Listed(form), "grdTonight");
    struct Case {
      int column;
      Qt::SortOrder order;
    };
    for (const Case& c : {Case{kBody, Qt::AscendingOrder}, {kBody, Qt::DescendingOrder}, {kMag, Qt::AscendingOrder},
                          {kMag, Qt::DescendingOrder}, {kAlt, Qt::AscendingOrder}, {kAlt, Qt::DescendingOrder}}) {
      if (table.horizontalHeader()->sortIndicatorSection() != c.column) ClickHeader(table, c.column);
      if (table.horizontalHeader()->sortIndicatorOrder() != c.order) ClickHeader(table, c.column);
      QCOMPARE(table.horizontalHeader()->sortIndicatorOrder(), c.order);
      const bool up = c.order == Qt::AscendingOrder;
      bool emptySeen = false;
      for (int r = 1; r < table.rowCount(); ++r) {
        const QTableWidgetItem &a = *table.item(r - 1, c.column), &b = *table.item(r, c.column);
        if (c.column == kBody) {
          QVERIFY2(up ? a.text() <= b.text() : a.text() >= b.text(), qPrintable(a.text() + " " + b.text()));
          continue;
        }
        // Numbers as numbers (-2.3 before 0.5 before 1.2), a cell without one last.
        const QVariant x = a.data(Qt::UserRole), y = b.data(Qt::UserRole);
        emptySeen = emptySeen || !y.isValid();
        if (!x.isValid()) QVERIFY2(!y.isValid(), qPrintable(a.text() + " before " + b.text()));
        if (x.isValid() && y.isValid()) {
          QVERIFY2(up ? x.toDouble() <= y.toDouble() : x.toDouble() >= y.toDouble(), qPrintable(a.text() + " " + b.text()));
        }
      }
      if (c.column == kMag) QVERIFY(emptySeen);  // the Moon's and Saturn's cells
    }
  }

  void aSummerNightFarNorthHasNoDarkness() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    Find<QLineEdit>(form, "Edit1")->setText("70");
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Tonight"), Qt::LeftButton);
    TTonightForm& tonight = form.TonightForm();
    Find<QLineEdit>(tonight, "edDate")->setText("2026-06-21");
    QVERIFY(tonight.List());
    QVERIFY(Find<QLabel>(tonight, "lblDark")->text().contains("No darkness tonight"));
    QVERIFY(Find<QPlainTextEdit>(tonight, "memMessages")->toPlainText().startsWith("No darkness tonight"));
    QCOMPARE(Find<QTableWidget>(tonight, "grdTonight")->rowCount(), 0);
    QVERIFY(sink.messages.empty());
  }

  void aBoxThatDoesNotReadKeepsTheBoxesAndTheTable() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    {
      TOrrelinForm form(env, sink);
      TTonightForm& tonight = Listed(form);
      const auto& table = *Find<QTableWidget>(tonight, "grdTonight");
      const int rows = table.rowCount();
      const QString first = table.item(0, kBody)->text(), dark = Find<QLabel>(tonight, "lblDark")->text();
      const std::vector<std::tuple<const char*, const char*, std::string>> cases{
          {"edMinAltitude", "95", "Min altitude: degrees, -5 to 89"},
          {"edMag", "x", "Magnitude: a magnitude, -30 to 30"},
          {"edDate", "2026-13-40", "Date: "}};
      for (const auto& [box, typed, message] : cases) {
        Type(tonight, kBoxes);
        Find<QLineEdit>(tonight, box)->setText(typed);
        sink.messages.clear();
        QTest::keyClick(Find<QLineEdit>(tonight, box), Qt::Key_Return);
        QCOMPARE(sink.messages.size(), std::size_t{1});
        QVERIFY2(sink.messages[0].rfind(message, 0) == 0, sink.messages[0].c_str());
        QCOMPARE(Find<QLineEdit>(tonight, box)->text(), QString(typed));
        QCOMPARE(table.rowCount(), rows);
        QCOMPARE(table.item(0, kBody)->text(), first);
        QCOMPARE(Find<QLabel>(tonight, "lblDark")->text(), dark);
      }
      // The last list's boxes are kept for the next start.
      Type(tonight, kBoxes);
      Type(tonight, {{"edMinAltitude", "20"}, {"edMag", "1.5"}});
      Find<QRadioButton>(tonight, "rbAstronomical")->setChecked(true);
      QVERIFY(tonight.List());
      form.close();
    }
    TOrrelinForm again(env, sink);
    QCOMPARE(Find<QLineEdit>(again.TonightForm(), "edMinAltitude")->text(), QString("20"));
    QCOMPARE(Find<QLineEdit>(again.TonightForm(), "edMag")->text(), QString("1.5"));
    QVERIFY(Find<QRadioButton>(again.TonightForm(), "rbAstronomical")->isChecked());
  }
};

QTEST_MAIN(TonightFormTest)
#include "tonight_form_test.moc"
