// The "Noon & compass" window, driven as a navigator would, beside the command line:
// each check shows the very text the command prints for the same input.
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "cli/cli_program.h"
#include "ui/orrelin_form.h"
#include "ui/watch_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;
using orrelin::ui::TWatchForm;

class WatchFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  std::string CommandLine(const std::vector<std::string>& arguments) {
    std::ostringstream out, err;
    const orrelin::cli::CliContext context{out, err, starts_.NextFolder().toStdString(), {}};
    const int status = orrelin::cli::RunCli(arguments, context);
    return status == 0 ? out.str() : "status " + std::to_string(status) + ": " + err.str();
  }

  static void Type(QWidget& window, const std::vector<std::pair<const char*, const char*>>& boxes) {
    for (const auto& [name, text] : boxes) Find<QLineEdit>(window, name)->setText(text);
  }

  static std::string Shown(QWidget& window, const char* name) {
    return Find<QPlainTextEdit>(window, name)->toPlainText().toStdString();
  }

 private slots:
  void everyCheckShowsWhatTheCommandLinePrints() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "NoonCompass"), Qt::LeftButton);
    TWatchForm& watch = form.WatchForm();
    QVERIFY(watch.isVisible());
    QCOMPARE(Find<QLineEdit>(watch, "edDr")->text(), QString("60 9.7 N, 24 57.3 E"));  // the main window's place
    sink.messages.clear();  // what the main window said at its start

    Type(watch, {{"edDr", "50 6 N, 4 18 W"}, {"edNoonDate", "2026-06-21"}, {"edCourse", "180"}, {"edSpeed", "15"},
                 {"edNoonHs", "63 10.0"}, {"edNoonLimb", "lower"}, {"edNoonIe", "-1.2"}});
    QTest::mouseClick(Find<QPushButton>(watch, "btnNoon"), Qt::LeftButton);
    QCOMPARE(Shown(watch, "memNoon"),
             CommandLine({"noon", "--date", "2026-06-21", "--dr", "50 6 N, 4 18 W", "--course", "180", "--speed", "15",
                          "--hs", "63 10.0", "--limb", "lower", "--ie", "-1.2"}));
    QVERIFY(Shown(watch, "memNoon").find("Latitude:") != std::string::npos);

    Type(watch, {{"edDr", "59 50 N, 24 50 E"}, {"edPolarisUtc", "2026-12-10 15:30:00"}, {"edPolarisHs", "60 20.0"}});
    QTest::mouseClick(Find<QPushButton>(watch, "btnPolaris"), Qt::LeftButton);
    QCOMPARE(Shown(watch, "memPolaris"), CommandLine({"polaris", "--utc", "2026-12-10 15:30:00", "--hs", "60 20.0",
                                                      "--dr", "59 50 N, 24 50 E"}));

    Type(watch, {{"edAzimuthBody", "sun"}, {"edAzimuthUtc", "2026-12-10 09:30:00"}, {"edBearing", "147.5"},
                 {"edVariation", "8.5 E"}, {"edHeading", "225"}});
    QTest::mouseClick(Find<QPushButton>(watch, "btnAzimuth"), Qt::LeftButton);
    QCOMPARE(Shown(watch, "memAzimuth"),
             CommandLine({"compass", "--body", "sun", "--utc", "2026-12-10 09:30:00", "--dr", "59 50 N, 24 50 E",
                          "--bearing", "147.5", "--variation", "8.5 E", "--heading", "225"}));

    Type(watch, {{"edAmplitudeBody", "Sun"}, {"edAmplitudeDate", "2026-12-10"}, {"edAmplitudeBearing", "222"},
                 {"edAmplitudeVariation", "8.5 E"}});
    Find<QRadioButton>(watch, "rbSetting")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(watch, "btnAmplitude"), Qt::LeftButton);
    QCOMPARE(Shown(watch, "memAmplitude"),
             CommandLine({"amplitude", "--body", "Sun", "--date", "2026-12-10", "--dr", "59 50 N, 24 50 E",
                          "--setting", "--bearing", "222", "--variation", "8.5 E"}));

    const QString swing = starts_.Path() + "/swing.csv";
    {
      std::ofstream file(swing.toStdString());
      file << "utc,heading,bearing,body\n";
      for (int i = 0; i < 8; ++i) file << "2026-06-21 07:" << 10 + 3 * i << ":00," << 45 * i << ",85." << i << ",Sun\n";
    }
    Type(watch, {{"edDr", "50 6 N, 4 18 W"}, {"edDeviationVariation", "2.5 W"}});
    Find<QLineEdit>(watch, "edDeviationFile")->setText(swing);
    QTest::mouseClick(Find<QPushButton>(watch, "btnDeviation"), Qt::LeftButton);
    QCOMPARE(Shown(watch, "memDeviation"), CommandLine({"deviation", swing.toStdString(), "--dr", "50 6 N, 4 18 W",
                                                        "--variation", "2.5 W"}));
    QVERIFY2(sink.messages.empty(), sink.messages.empty() ? "" : sink.messages.front().c_str());
  }

  void aBoxThatDoesNotReadIsNamedAndTheResultKept() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "NoonCompass"), Qt::LeftButton);
    TWatchForm& watch = form.WatchForm();
    Type(watch, {{"edNoonDate", "2026-06-21"}});
    QVERIFY(watch.ComputeNoon());
    const std::string before = Shown(watch, "memNoon");
    const struct {
      const char* box;
      const char* text;
      const char* message;
    } cases[] = {
        {"edNoonDate", "2026-02-30", "Date: There is no such day: 2026-02-30"},
        {"edSpeed", "-3", "Speed: knots, 0 to 100"},
        {"edNoonHs", "sixty", "Hs: degrees and minutes, \"23 41.6\""},
        {"edDr", "somewhere", "DR: give the position as \"59 50 N, 24 50 E\""},
        {"edNoonBody", "Vulcan", "Body: no body of the almanacs is called Vulcan"},
    };
    for (const auto& c : cases) {
      QLineEdit* box = Find<QLineEdit>(watch, c.box);
      const QString kept = box->text();
      box->setText(c.text);
      sink.messages.clear();
      QVERIFY(!watch.ComputeNoon());
      QCOMPARE(sink.messages, std::vector<std::string>{c.message});
      QCOMPARE(Shown(watch, "memNoon"), before);
      box->setText(kept);
    }
  }
};

QTEST_MAIN(WatchFormTest)
#include "watch_form_test.moc"
