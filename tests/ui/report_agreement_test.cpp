// The window's report and the command line's report of the same boxes agree, and the
// Delta box keeps only what the user typed.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_program.h"
#include "cli/report_command.h"
#include "core/messages.h"
#include "report/report_boxes.h"
#include "ui/date_box.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::DateBox;
using orrelin::ui::TOrrelinForm;

namespace {

struct Moment {
  orrelin::CivilDate date;
  const char* time;
  const char* body;   // the button's name
  const char* code;   // the command line's body
};

// The report window's boxes and lines as one text, for comparing.
std::string Shown(const orrelin::ReportWindowRecord& r) {
  std::string text = r.title + "\n";
  for (const auto& [caption, value] : orrelin::ReportBoxes(r)) text += caption + ": " + value + "\n";
  for (std::size_t i = 0; i < r.lines.labels.size(); ++i) text += r.lines.labels[i] + " " + r.lines.values[i] + "\n";
  return text;
}

}  // namespace

class ReportAgreementTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  static void Type(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
  }

 private slots:
  void theWindowAndTheCommandLineGiveTheSameReport() {
    // One window, moment after moment, as a user would go on; the command line
    // starts afresh for each.
    const std::vector<Moment> moments = {
        {{2026, 3, 21}, "10:00:00", "Sun", "sun"},       {{2054, 12, 12}, "06:00:00", "Moon", "moon"},
        {{2054, 12, 12}, "18:30:00", "Moon", "moon"},    {{1992, 4, 12}, "00:00:00", "Moon", "moon"},
        {{2500, 1, 1}, "12:00:00", "Mars", "mars"},      {{2200, 1, 2}, "12:30:00", "Moon", "moon"},
        {{1650, 6, 1}, "03:00:00", "Jupiter", "jupiter"}, {{2010, 7, 1}, "20:00:00", "Venus", "venus"},
        {{2026, 12, 8}, "00:00:00", "Saturn", "saturn"},  {{2100, 5, 5}, "12:00:00", "Sun", "sun"},
        {{1999, 8, 11}, "11:00:00", "Moon", "moon"},     {{2030, 1, 1}, "00:00:00", "Neptune", "neptune"},
    };
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = starts_.Next(true);
    TOrrelinForm form(env, sink);
    form.show();
    Type(Find<QLineEdit>(form, "Edit5"), "-2");
    for (const Moment& m : moments) {
      const QString label = QString("%1 %2-%3-%4 %5").arg(m.code).arg(m.date.year).arg(m.date.month)
                                .arg(m.date.day).arg(m.time);
      Find<DateBox>(form, "DateTimePicker1")->SetDate(m.date);
      Type(Find<QLineEdit>(form, "edtTime"), m.time);
      QTest::mouseClick(Find<QPushButton>(form, m.body), Qt::LeftButton);

      orrelin::cli::PlaceOptions options;
      options.latitude = "60 9.7 N";
      options.longitude = "24 57.3 E";
      options.height = "0";
      options.pressure = "1010";
      options.temperature = "10";
      options.offset = "-2";
      options.date = QString("%1-%2-%3").arg(m.date.year, 4, 10, QChar('0')).arg(m.date.month, 2, 10, QChar('0'))
                         .arg(m.date.day, 2, 10, QChar('0')).toStdString();
      options.time = m.time;
      const orrelin::SettingsFile none(std::filesystem::path(starts_.NextFolder().toStdString()) / "settings.ini");
      RecordingMessageSink cliSink;
      orrelin::MainWindowRecord main = orrelin::cli::StartingRecord(none, env.now, 0, cliSink);
      QVERIFY2(orrelin::cli::ApplyPlaceOptions(options, main, cliSink), qPrintable(label));
      const orrelin::cli::ReportOutcome cli = orrelin::cli::RunReport(main, *orrelin::BodyNamed(m.code));
      QVERIFY2(cli.ok, qPrintable(label));

      QCOMPARE(Shown(form.PlanetForm().Record()), Shown(cli.report));
      QCOMPARE(Find<QLineEdit>(form.PlanetForm(), "Edit6")->text().toStdString(), cli.report.transit);
      QCOMPARE(Find<QLineEdit>(form.PlanetForm(), "Edit3")->text().toStdString(), cli.report.deltaTime);
    }
    QVERIFY(sink.messages.empty());
  }

  // Helsinki set its clocks forward at 01:00 UT on 2026-03-29: the Sun rises at UTC + 2 h
  // the day before and at UTC + 3 h from that day on, as the command line's --zone gives it.
  // At 0h UT of the 29th the offset box still shows -2: the rising is read at its own moment.
  void aChosenZoneGivesTheReportTheOffsetOfItsMoment() {
    struct Case {
      orrelin::CivilDate date;
      const char* dateText;
      const char* fixedOffset;  // what the zone's clock reads at sunrise
    };
    const Case cases[] = {{{2026, 3, 28}, "2026-03-28", "-2"},
                          {{2026, 3, 29}, "2026-03-29", "-3"},
                          {{2026, 3, 30}, "2026-03-30", "-3"}};
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = starts_.Next(true);
    TOrrelinForm form(env, sink);
    form.show();
    auto* zone = Find<QComboBox>(form, "cbxZone");
    zone->setCurrentIndex(zone->findText("Europe/Helsinki"));
    emit zone->activated(zone->currentIndex());
    for (const Case& c : cases) {
      Find<DateBox>(form, "DateTimePicker1")->SetDate(c.date);
      Type(Find<QLineEdit>(form, "edtTime"), "00:00:00");
      QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
      const orrelin::ReportWindowRecord& shown = form.PlanetForm().Record();

      const auto cli = [&](const char* clockOption, const char* clock) {
        std::ostringstream out, err;
        orrelin::cli::CliContext context{out, err, starts_.NextFolder().toStdString(), {}, env.now};
        context.moduleFolders = {ORRELIN_MODULE_DIR};
        const int status = orrelin::cli::RunCli({"report", "sun", "--lat", "60 9.7 N", "--lon", "24 57.3 E",
                                                 "--date", c.dateText, "--time", "00:00:00", clockOption, clock,
                                                 "--json"},
                                                context);
        if (status != 0) qFatal("report: %s", err.str().c_str());
        return nlohmann::json::parse(out.str());
      };
      const auto zoned = cli("--zone", "Europe/Helsinki");
      QCOMPARE(shown.title, zoned["title"].get<std::string>());
      for (const auto& [caption, value] : orrelin::ReportBoxes(shown)) {
        QVERIFY2(value == zoned["boxes"][caption].get<std::string>(), (caption + ": " + value).c_str());
      }
      QCOMPARE(shown.rising, cli("--offset", c.fixedOffset)["boxes"]["Rising"].get<std::string>());
    }
    QVERIFY(sink.messages.empty());
  }

  void theDeltaBoxKeepsOnlyWhatWasTyped() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = starts_.Next(true);
    {
      TOrrelinForm form(env, sink);
      form.show();
      auto* delta = Find<QLineEdit>(form, "edDelta");
      auto* shown = Find<QLineEdit>(form.PlanetForm(), "Edit3");
      auto* date = Find<DateBox>(form, "DateTimePicker1");
      auto* moon = Find<QPushButton>(form, "Moon");
      QTest::mouseClick(moon, Qt::LeftButton);  // 2026: filled in
      QCOMPARE(delta->text(), QString("70.2"));
      date->SetDate({2500, 6, 1});
      QTest::mouseClick(moon, Qt::LeftButton);  // filled in afresh, not 70.2 again
      QCOMPARE(shown->text(), QString("1496.6 sec"));
      QCOMPARE(delta->text(), QString("1496.6"));
      Type(delta, "75.5");  // typed: it stays for every date
      QTest::mouseClick(moon, Qt::LeftButton);
      QCOMPARE(shown->text(), QString("75.5 sec"));
      date->SetDate({2026, 6, 12});
      QTest::mouseClick(moon, Qt::LeftButton);
      QCOMPARE(shown->text(), QString("75.5 sec"));
      QCOMPARE(delta->text(), QString("75.5"));
      form.close();
    }
    QCOMPARE(orrelin::SettingsFile(env.settingsFolder / "settings.ini").Read("Delta").value_or(""),
             std::string("75.5"));
    {
      TOrrelinForm form(env, sink);  // the saved value is a typed one
      form.show();
      auto* delta = Find<QLineEdit>(form, "edDelta");
      QCOMPARE(delta->text(), QString("75.5"));
      Find<DateBox>(form, "DateTimePicker1")->SetDate({2500, 6, 1});
      QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
      QCOMPARE(Find<QLineEdit>(form.PlanetForm(), "Edit3")->text(), QString("75.5 sec"));
      Type(delta, "");  // emptied: the next report fills it in, and it is not saved
      QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
      QCOMPARE(delta->text(), QString("1496.6"));
      form.close();
    }
    QCOMPARE(orrelin::SettingsFile(env.settingsFolder / "settings.ini").Read("Delta").value_or("<none>"),
             std::string(""));
    QVERIFY(sink.messages.empty());
  }
};

QTEST_MAIN(ReportAgreementTest)
#include "report_agreement_test.moc"
