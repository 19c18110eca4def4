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

#include <nlohmann/json.hpp>

#include "cli/cli_program.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "app/settings_file.h"
#include "navigation/sheet_items.h"
#include "navigation/sights_file.h"
#include "navigation/watch_time.h"
#include "synthesised_sights.h"
#include "ui/orrelin_form.h"
#include "ui/sights_form.h"
#include "ui/sights_watch_column.h"
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

  // The command line's output for the arguments, its status checked.
  std::string Cli(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const orrelin::cli::CliContext context{out, err, starts_.NextFolder().toStdString(), {}};
    const int status = orrelin::cli::RunCli(arguments, context);
    if (status != 0) QTest::qFail(err.str().c_str(), __FILE__, __LINE__);
    return out.str();
  }

  // A window whose sights file holds the lines, open, with the DR typed.
  static orrelin::StartEnvironment WithSights(orrelin::testing::FreshStarts& starts,
                                              const std::vector<std::string>& lines) {
    const orrelin::StartEnvironment env = starts.Next(true);
    std::filesystem::create_directories(env.settingsFolder);
    std::ofstream file(env.settingsFolder / "sights.csv");
    for (const std::string& line : lines) file << line << "\n";
    return env;
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

  // Five Sun sights a minute apart, the third read 4' high, and a star between them: the
  // window's graph flags the rows the command line's series flags; the representative
  // sent to the fix stands for its series there.
  void theSeriesGraphFlagsTheRowsTheCommandLineFlags() {
    using orrelin::navigation::testing::SightOf;
    const orrelin::navigation::GeoPosition ship{35.5, -40.25};
    const double jd = 2461384.5 + 12.0 / 24.0;  // 2026-12-10 12:00 UT
    std::vector<std::string> lines = {orrelin::navigation::kSightsHeader};
    for (int i = 0; i < 5; ++i) {
      orrelin::navigation::Sight sun = SightOf("Sun", jd + i / 1440.0, ship, orrelin::navigation::Limb::kLower);
      if (i == 2) sun.sextantAltitude += 4.0 / 60.0;
      lines.push_back(orrelin::navigation::SightLine(sun));
      if (i == 1) lines.push_back(orrelin::navigation::SightLine(SightOf("Venus", jd + 1.5 / 1440.0, ship)));
    }
    const orrelin::StartEnvironment env = WithSights(starts_, lines);
    const std::string file = (env.settingsFolder / "sights.csv").string();
    const char* const dr = "35 30 N, 40 15 W";
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    TSightsForm& sights = form.SightsForm();
    sights.show();
    Find<QLineEdit>(sights, "edDr")->setText(dr);
    auto* table = Find<QTableWidget>(sights, "grdSights");
    table->setCurrentCell(0, 0);
    const auto json = nlohmann::json::parse(Cli({"series", file, "--dr", dr, "--json"}));
    QCOMPARE(json["bodies"].size(), std::size_t{1});
    std::vector<int> flagged;
    for (int row : sights.SeriesView().FlaggedRows()) flagged.push_back(row + 2);  // the file's lines, the header first
    QCOMPARE(flagged, json["bodies"][0]["flagged"].get<std::vector<int>>());
    QCOMPARE(flagged, std::vector<int>{5});
    const QString text = Find<QPlainTextEdit>(sights, "memSeries")->toPlainText();
    QVERIFY2(text.contains("Off the line         sight 4,"), qPrintable(text));
    // Sights of one body selected are a series of their own; with another body's, none.
    auto select = [table](int row) {
      table->selectionModel()->select(table->model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    };
    table->clearSelection();
    for (int row : {0, 1, 4}) select(row);
    QVERIFY(Find<QPlainTextEdit>(sights, "memSeries")
                ->toPlainText()
                .startsWith("Sun, 3 sights, 2026-12-10 12:00:00 to 12:03:00 UT"));
    select(2);
    QCOMPARE(sights.SeriesView().FlaggedRows(), std::vector<int>{3});  // the chosen row's series again
    table->setCurrentCell(0, 0);

    QTest::mouseClick(Find<QPushButton>(sights, "btnUseRepresentative"), Qt::LeftButton);
    QVERIFY(sights.LastFix().has_value());
    QCOMPARE(sights.LastFix()->lines.size(), std::size_t{2});  // the Sun's representative and Venus
    const QString fix = Find<QPlainTextEdit>(sights, "memFix")->toPlainText();
    const int representative = json["bodies"][0]["representative"]["row"].get<int>() - 1;
    QVERIFY2(fix.contains(QString("sight %1 in the fix").arg(representative)) && fix.contains("4 other sights"),
             qPrintable(fix));
    QTest::mouseClick(Find<QPushButton>(sights, "btnUseAll"), Qt::LeftButton);
    QCOMPARE(sights.LastFix()->lines.size(), std::size_t{6});
  }

  // Five stars, Altair read 10' high: the window's fix text is the command line's, the
  // line it names suspect is the JSON's, and the sheet draws it dashed apart.
  void theSuspectLineIsTheCommandLinesAndDrawnApart() {
    using orrelin::navigation::testing::SightOf;
    const double jd = 2461304.5 + 20.0 / 24.0;  // 2026-09-21 20:00 UT
    std::vector<std::string> lines = {orrelin::navigation::kSightsHeader};
    for (const char* star : {"Vega", "Arcturus", "Altair", "Antares", "Deneb"}) {
      orrelin::navigation::Sight s = SightOf(star, jd, {35.5, -40.25});
      if (std::string(star) == "Altair") s.sextantAltitude += 10.0 / 60.0;
      lines.push_back(orrelin::navigation::SightLine(s));
    }
    const orrelin::StartEnvironment env = WithSights(starts_, lines);
    const std::string file = (env.settingsFolder / "sights.csv").string();
    const char* const dr = "35 20 N, 40 40 W";
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    TSightsForm& sights = form.SightsForm();
    sights.show();
    Find<QLineEdit>(sights, "edDr")->setText(dr);
    QTest::mouseClick(Find<QPushButton>(sights, "btnFix"), Qt::LeftButton);
    const std::string shown = Find<QPlainTextEdit>(sights, "memFix")->toPlainText().toStdString();
    QCOMPARE(shown, Cli({"fix", file, "--dr", dr}));
    const auto json = nlohmann::json::parse(Cli({"fix", file, "--dr", dr, "--json"}));
    QCOMPARE(json["suspect"].get<std::vector<int>>(), std::vector<int>{4});
    const std::string body = orrelin::ExtractField(lines[json["suspect"][0].get<int>() - 1], ",", 1);
    QVERIFY2(shown.find("Suspect line         " + body + ",") != std::string::npos, shown.c_str());
    int dashed = 0;
    for (const auto& item : sights.SheetView().Sheet()->items) {
      dashed += item.tone == orrelin::navigation::SheetItem::Tone::kSuspect && item.dashed;
    }
    QCOMPARE(dashed, 1);
  }

  // A sight timed by the watch in a west zone late in the evening: its utc cell shows the
  // UT of the command line's "time", on the next date, and so does its reduction.
  void theWatchTimesUtIsTheCommandLines() {
    const std::vector<std::string> lines = {orrelin::navigation::kSightsWatchHeader,
                                            ",Vega,,40 0.0,0,12,1020,18,2026-09-21 22:42:17,3 fast,+2"};
    const orrelin::StartEnvironment env = WithSights(starts_, lines);
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    TSightsForm& sights = form.SightsForm();
    sights.show();
    auto* table = Find<QTableWidget>(sights, "grdSights");
    const auto json = nlohmann::json::parse(
        Cli({"time", "--watch", "22:42:17", "--we", "3 fast", "--zd", "+2", "--date", "2026-09-21", "--json"}));
    const QString ut = QString::fromStdString(json["utc"].get<std::string>());
    QCOMPARE(ut, QString("2026-09-22 00:42:14"));
    QCOMPARE(table->item(0, 0)->text(), QString());
    QCOMPARE(table->item(0, 0)->data(orrelin::ui::kResolvedUtRole).toString(), ut);
    QVERIFY(table->item(0, 0)->toolTip().contains("from the watch time"));
    table->setCurrentCell(0, 3);
    QVERIFY(Find<QPlainTextEdit>(sights, "memReduction")->toPlainText().contains(ut + " UT"));
    table->item(0, 10)->setText("+3");  // the zone changed: the UT follows
    QCOMPARE(table->item(0, 0)->data(orrelin::ui::kResolvedUtRole).toString(), QString("2026-09-22 01:42:14"));
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
