// The Sights window, driven as a navigator would: sights into the table, the fix, the
// plotting sheet saved, the sights kept for the next run, a damaged file.
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "cli/cli_program.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "app/settings_file.h"
#include "navigation/sights_file.h"
#include "navigation/watch_time.h"
#include "synthesised_sights.h"
#include "ui/orrelin_form.h"
#include "ui/sights_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;
using orrelin::ui::TSightsForm;

class SightsFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  static void Type(QTableWidget& table, int row, const std::string& line) {
    for (int c = 0; c < 8; ++c) {
      table.setItem(row, c, new QTableWidgetItem(QString::fromStdString(orrelin::ExtractField(line, ",", c))));
    }
  }

 private slots:
  void threeSightsFixTheShipAndDrawTheSheet() {
    const orrelin::StartEnvironment env = starts_.Next();
    RecordingMessageSink sink;
    using orrelin::navigation::testing::SightOf;
    const double jd = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
    {
      TOrrelinForm form(env, sink);
      form.show();
      QTest::mouseClick(Find<QPushButton>(form, "Sights"), Qt::LeftButton);
      TSightsForm& sights = form.SightsForm();
      QVERIFY(sights.isVisible());
      QCOMPARE(Find<QLineEdit>(sights, "edDr")->text(), QString("60 9.7 N, 24 57.3 E"));  // the main window's place
      auto* table = Find<QTableWidget>(sights, "grdSights");
      for (const char* star : {"Vega", "Arcturus", "Altair"}) {
        QTest::mouseClick(Find<QPushButton>(sights, "btnAdd"), Qt::LeftButton);
        Type(*table, table->rowCount() - 1, orrelin::navigation::SightLine(SightOf(star, jd, {35.5, -40.25})));
      }
      QVERIFY(Find<QPlainTextEdit>(sights, "memReduction")->toPlainText().contains("Intercept:"));
      Find<QLineEdit>(sights, "edDr")->setText("35 10 N, 40 40 W");
      // The chosen sight's reduction follows the DR box.
      QVERIFY(Find<QPlainTextEdit>(sights, "memReduction")->toPlainText().contains("N 35\xC2\xB0 10.0'  W 40\xC2\xB0 40.0'"));
      QTest::mouseClick(Find<QPushButton>(sights, "btnFix"), Qt::LeftButton);
      QVERIFY2(sights.LastFix().has_value(), sink.messages.empty() ? "" : sink.messages.back().c_str());
      QCOMPARE(Find<QPlainTextEdit>(sights, "memFix")->toPlainText().section('\n', 0, 0),
               QString("Fix                  35 30.0 N, 40 15.0 W"));
      for (const char* name : {"/plot.png", "/plot.pdf"}) {
        const QString path = starts_.Path() + name;
        QVERIFY(orrelin::ui::SavePlottingSheet(*sights.SheetView().Sheet(), path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly) && file.size() > 5000);
      }
      sights.SheetView().resize(400, 400);
      QVERIFY(!sights.SheetView().grab().isNull());
      form.close();
    }
    // The next run has the sights again, from the file in the settings folder.
    TOrrelinForm again(env, sink);
    QCOMPARE(Find<QTableWidget>(again.SightsForm(), "grdSights")->rowCount(), 3);
  }

  // The manual's worked example: a running fix of three stars. The chosen sight is
  // reduced from the DR run back to its time, as the fix reduces it; Add takes the
  // sextant and deck of the sight before.
  void theChosenSightIsReducedAsTheRunningFixReducesIt() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Sights"), Qt::LeftButton);
    TSightsForm& sights = form.SightsForm();
    auto* table = Find<QTableWidget>(sights, "grdSights");
    auto set = [table](int row, int column, const char* text) { table->item(row, column)->setText(text); };
    QTest::mouseClick(Find<QPushButton>(sights, "btnAdd"), Qt::LeftButton);
    for (const auto& [column, text] : std::vector<std::pair<int, const char*>>{{4, "-1.2"}, {5, "12"}, {6, "1020"}, {7, "18"}}) {
      set(0, column, text);
    }
    const std::vector<std::vector<const char*>> stars = {{"2026-09-21 20:00:00", "Vega", "74 43.9"},
                                                         {"2026-09-21 20:20:00", "Arcturus", "42 12.1"},
                                                         {"2026-09-21 20:40:00", "Altair", "53 32.8"}};
    for (int row = 0; row < 3; ++row) {
      if (row > 0) QTest::mouseClick(Find<QPushButton>(sights, "btnAdd"), Qt::LeftButton);
      for (int c = 4; c < 8; ++c) QCOMPARE(table->item(row, c)->text(), table->item(0, c)->text());
      set(row, 0, stars[row][0]);
      set(row, 1, stars[row][1]);
      set(row, 2, "");
      set(row, 3, stars[row][2]);
    }
    Find<QLineEdit>(sights, "edDr")->setText("35 20 N, 40 40 W");
    Find<QLineEdit>(sights, "edCourse")->setText("225");
    Find<QLineEdit>(sights, "edSpeed")->setText("12");
    table->setCurrentCell(0, 3);
    const QString reduction = Find<QPlainTextEdit>(sights, "memReduction")->toPlainText();
    QVERIFY2(reduction.contains("N 35\xC2\xB0 25.7'  W 40\xC2\xB0 33.1'"), qPrintable(reduction));
    QVERIFY2(reduction.contains("Intercept:                  22.5 nm toward"), qPrintable(reduction));
    QTest::mouseClick(Find<QPushButton>(sights, "btnFix"), Qt::LeftButton);
    QVERIFY(sights.LastFix().has_value());
    QCOMPARE(orrelin::FixedText(sights.LastFix()->lines[0].intercept, 1), std::string("22.5"));
    QCOMPARE(Find<QPlainTextEdit>(sights, "memFix")->toPlainText().section('\n', 0, 0),
             QString("Fix                  35 29.9 N, 40 15.0 W"));
  }

  // The window's reduction of a sight is the command line's "sight" of it, line for line,
  // for limbs of the Sun and the Moon, a planet and a star.
  void theWindowReducesASightAsTheCommandLineDoes() {
    struct Case {
      const char *utc, *body, *limb, *hs, *ie, *height, *pressure, *temperature;
    };
    const std::vector<Case> cases = {
        {"2026-12-08 14:32:10", "Sun", "lower", "31 41.6", "-1.2", "3", "1010", "10"},
        {"2026-12-08 09:15:00", "Moon", "upper", "40 12.3", "0.8", "12", "1025", "-5"},
        {"2026-09-21 20:10:00", "Jupiter", "", "18 05.0", "0", "2.5", "990", "22"},
        {"2026-09-21 20:00:00", "Vega", "", "74 43.9", "-1.2", "12", "1020", "18"},
    };
    const char* const dr = "35 20 N, 40 40 W";
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Sights"), Qt::LeftButton);
    TSightsForm& sights = form.SightsForm();
    auto* table = Find<QTableWidget>(sights, "grdSights");
    Find<QLineEdit>(sights, "edDr")->setText(dr);
    for (const Case& c : cases) {
      QTest::mouseClick(Find<QPushButton>(sights, "btnAdd"), Qt::LeftButton);
      const int row = table->rowCount() - 1;
      Type(*table, row,
           std::string(c.utc) + "," + c.body + "," + c.limb + "," + c.hs + "," + c.ie + "," + c.height + "," +
               c.pressure + "," + c.temperature);
      table->setCurrentCell(row, 0);
      const std::string shown = Find<QPlainTextEdit>(sights, "memReduction")->toPlainText().toStdString();

      std::ostringstream out, err;
      const orrelin::cli::CliContext context{out, err, starts_.NextFolder().toStdString(), {}};
      const int status = orrelin::cli::RunCli({"sight", "--body", c.body, "--limb", c.limb, "--utc", c.utc, "--hs", c.hs,
                                               "--ie", c.ie, "--dr", dr, "--height", c.height, "--pressure", c.pressure,
                                               "--temp", c.temperature},
                                              context);
      QVERIFY2(status == 0, err.str().c_str());
      QCOMPARE(shown, out.str());
      QVERIFY2(shown.find("Intercept:") != std::string::npos, shown.c_str());
    }
  }

  // A sight timed by the watch keeps its watch, error and zone through the window's
  // saves; a file of sights in UT keeps its eight columns.
  void theWatchColumnsSurviveTheWindowsSaves() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    std::filesystem::create_directories(env.settingsFolder);
    orrelin::navigation::Sight sight;
    sight.body = "Vega";
    sight.sextantAltitude = 40.0;
    sight.julianDayUt = 2461304.5 + 20.0 / 24.0;
    const orrelin::navigation::WatchTime watch{orrelin::navigation::WatchReadingOf(sight.julianDayUt, 3.0, 2.0), 3.0,
                                               2.0};
    const std::string timed = orrelin::navigation::SightLine(sight, watch);
    {
      std::ofstream file(env.settingsFolder / "sights.csv");
      file << orrelin::navigation::kSightsWatchHeader << "\n" << timed << "\n"
           << orrelin::navigation::SightLine(sight) << "\n";
    }
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    auto* table = Find<QTableWidget>(form.SightsForm(), "grdSights");
    QCOMPARE(table->rowCount(), 2);
    table->item(1, 3)->setText("41 0.0");  // an edit saves the file
    const auto lines = orrelin::ReadTextLines(env.settingsFolder / "sights.csv", 1 << 20).lines;
    QCOMPARE(lines.size(), std::size_t{3});
    QCOMPARE(lines[0], std::string(orrelin::navigation::kSightsWatchHeader));
    QCOMPARE(lines[1], timed);
    QVERIFY2(lines[2].rfind("2026-09-21 20:00:00,Vega,,41 0.0,", 0) == 0, lines[2].c_str());
    QCOMPARE(std::count(lines[2].begin(), lines[2].end(), ','), 7L);
  }

  void aDamagedSightsFileKeepsEveryLineAndNamesTheWrongOne() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    std::filesystem::create_directories(env.settingsFolder);
    const std::vector<std::string> lines = {orrelin::navigation::kSightsHeader,
                                            "2026-12-08 14:32:10,Sun,lower,23 41.6,-1.2,3,1010,10", "",
                                            "2026-12-08 14:40:00,Vega,,ninety,0,12,1010,10", "\xff\xfe garbage"};
    {
      std::ofstream file(env.settingsFolder / "sights.csv");
      for (const auto& line : lines) file << line << "\n";
    }
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    QCOMPARE(Find<QTableWidget>(form.SightsForm(), "grdSights")->rowCount(), 3);
    // Nothing is said before the main window shows, nor until the Sights window opens.
    form.show();
    QVERIFY2(sink.messages.empty(), sink.messages.empty() ? "" : sink.messages.front().c_str());
    QTest::mouseClick(Find<QPushButton>(form, "Sights"), Qt::LeftButton);
    QCOMPARE(sink.messages.size(), std::size_t{1});
    const QString told = QString::fromStdString(sink.messages.back());
    QVERIFY2(told.contains("line 4: the sextant altitude") && told.contains("line 5: the time"), qPrintable(told));
    QVERIFY(!told.contains("line 2"));
    // The command line's fix numbers them by the same reading of the file.
    for (const std::string& problem : orrelin::navigation::ReadSights(lines).problems) {
      QVERIFY2(told.contains(QString::fromStdString(problem)), problem.c_str());
    }
    // Once told is enough.
    form.SightsForm().close();
    form.SightsForm().show();
    QCOMPARE(sink.messages.size(), std::size_t{1});
  }
};

QTEST_MAIN(SightsFormTest)
#include "sights_form_test.moc"
