// The almanac window, opened from the main window's Almanac button.
#include <QCheckBox>
#include <QPrinter>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

#include <ctime>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_program.h"
#include "core/messages.h"
#include "ui/almanac_form.h"
#include "ui/date_box.h"
#include "ui/orrelin_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TAlmanacForm;
using orrelin::ui::TOrrelinForm;

class AlmanacFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;
  orrelin::StartEnvironment Environment() { return starts_.Next(); }

  static bool AnyLine(const QStringList& lines, const QString& piece) {
    for (const QString& l : lines) {
      if (l.contains(piece)) return true;
    }
    return false;
  }

  // The almanac window as the main window's Almanac button opens it for a date.
  static TAlmanacForm& OpenAlmanac(TOrrelinForm& form, const orrelin::CivilDate& date) {
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate(date);
    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    return form.AlmanacForm();
  }

 private slots:
  void almanacButtonWritesTheYearAndCountListsIt() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({2000, 5, 1});
    Find<QLineEdit>(form, "Edit5")->setText("0");
    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    TAlmanacForm& almanac = form.AlmanacForm();
    QVERIFY(almanac.isVisible());
    QCOMPARE(almanac.windowTitle(), QString("Almanac"));
    QCOMPARE(Find<QLineEdit>(almanac, "edYear")->text(), QString("2000"));
    QVERIFY(!Find<QLabel>(almanac, "lbBChr")->isVisible());
    QVERIFY(!Find<QWidget>(almanac, "Panel3")->isVisible());
    QVERIFY(Find<QRadioButton>(almanac, "RadioButton1")->isChecked());
    QVERIFY(!Find<QWidget>(almanac, "Panel2")->isVisible());
    QTest::mouseClick(Find<QPushButton>(almanac, "Count"), Qt::LeftButton);
    const QStringList lines = almanac.Lines();
    // The first line says whose local times the list gives.
    QCOMPARE(lines.first(), QString("Local time at 60° 09.7' N, 24° 57.3' E: UTC"));
    QVERIFY(AnyLine(lines, "2000-04-23                            EASTER SUNDAY"));
    QVERIFY(AnyLine(lines, "Total lunar ECLIPSE"));
    // Typing in the year box empties the list, and a year beyond 2999 is refused.
    QLineEdit* year = Find<QLineEdit>(almanac, "edYear");
    year->clear();
    QTest::keyClicks(year, "3000");
    QCOMPARE(sink.messages.back(), std::string("0 .. 2999"));
    QCOMPARE(year->selectedText(), QString("3000"));
    QVERIFY(!AnyLine(almanac.Lines(), "EASTER"));
  }

  void beforeChristTheAstronomicalYear() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({3, 5, 1});
    QTest::mouseClick(Find<QCheckBox>(form, "chBChr"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    TAlmanacForm& almanac = form.AlmanacForm();
    QCOMPARE(Find<QLineEdit>(almanac, "edYear")->text(), QString("3"));
    QVERIFY(Find<QLabel>(almanac, "lbBChr")->isVisible());
    QVERIFY(Find<QWidget>(almanac, "Panel3")->isVisible());
    almanac.Count();
    QVERIFY(AnyLine(almanac.Lines(), "-0002-03-"));
    QVERIFY(!AnyLine(almanac.Lines(), "EASTER"));
    const QString path = starts_.Path() + "/almanac.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, path);
    QVERIFY(almanac.PrintList(printer));
    QVERIFY(orrelin::testing::IsPdfFile(path, 1000));
  }

  void totalSearchesOffTheWindowsThreadAndAddsThePairs() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    TAlmanacForm& almanac = OpenAlmanac(form, {2020, 5, 1});
    QTest::mouseClick(Find<QRadioButton>(almanac, "RadioButton2"), Qt::LeftButton);
    QVERIFY(Find<QWidget>(almanac, "Panel2")->isVisible());
    QSignalSpy finished(&almanac, &TAlmanacForm::CountFinished);
    QTest::mouseClick(Find<QPushButton>(almanac, "Count"), Qt::LeftButton);
    QVERIFY(almanac.Counting());
    QVERIFY(!Find<QPushButton>(almanac, "Count")->isEnabled());
    QVERIFY(Find<QProgressBar>(almanac, "ProgressBar1")->isVisible());
    QVERIFY(finished.wait(20000));
    QVERIFY(Find<QPushButton>(almanac, "Count")->isEnabled());
    QVERIFY(!Find<QProgressBar>(almanac, "ProgressBar1")->isVisible());
    QVERIFY(AnyLine(almanac.Lines(), "Jupiter and Saturn seen near each other: "));
    // A place that fails the search's check: its message, and the rest of the year listed.
    Find<QLineEdit>(form, "edtHeight")->setText("2.5");
    almanac.Count();
    QCOMPARE(sink.messages.back(),
             std::string("Give the location in degrees and minutes; height, pressure and temperature in integers"));
    QVERIFY(!almanac.Counting());
    QVERIFY(AnyLine(almanac.Lines(), "EASTER SUNDAY"));
    QVERIFY(!AnyLine(almanac.Lines(), "seen near each other"));
  }

  void aChangeOfYearOrChoiceCancelsTheRunningSearch() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    TAlmanacForm& almanac = OpenAlmanac(form, {2020, 5, 1});
    QSignalSpy finished(&almanac, &TAlmanacForm::CountFinished);
    auto* count = Find<QPushButton>(almanac, "Count");
    QTest::mouseClick(Find<QRadioButton>(almanac, "RadioButton2"), Qt::LeftButton);
    QTest::mouseClick(count, Qt::LeftButton);
    QVERIFY(almanac.Counting());
    // "partial" ends the search at once: Count lists the year without the pairs, and
    // the ended search's pairs never arrive.
    QTest::mouseClick(Find<QRadioButton>(almanac, "RadioButton1"), Qt::LeftButton);
    QVERIFY(!almanac.Counting());
    QVERIFY(count->isEnabled());
    QVERIFY(!Find<QProgressBar>(almanac, "ProgressBar1")->isVisible());
    QTest::mouseClick(count, Qt::LeftButton);
    QVERIFY(AnyLine(almanac.Lines(), "2020-04-12"));  // Easter
    QTest::qWait(300);
    QVERIFY(!AnyLine(almanac.Lines(), "seen near each other"));
    // A new year typed during the search: the list is of the year counted after it.
    QTest::mouseClick(Find<QRadioButton>(almanac, "RadioButton2"), Qt::LeftButton);
    QTest::mouseClick(count, Qt::LeftButton);
    QVERIFY(almanac.Counting());
    QLineEdit* year = Find<QLineEdit>(almanac, "edYear");
    year->selectAll();
    QTest::keyClicks(year, "2021");
    QVERIFY(!almanac.Counting());
    finished.clear();
    QTest::mouseClick(count, Qt::LeftButton);
    QVERIFY(finished.wait(20000));
    const QStringList lines = almanac.Lines();
    QVERIFY(AnyLine(lines, "seen near each other"));
    for (int i = 1; i < lines.size(); ++i) QVERIFY2(lines[i].startsWith("2021-"), qPrintable(lines[i]));
    QTest::qWait(300);
    QCOMPARE(almanac.Lines(), lines);
  }

  // The command line prints the window's list below the year's title: the same lines,
  // the pairs of "total" among them.
  void theWindowListsWhatTheCommandLinePrints() {
    struct Case {
      int year;
      bool beforeChrist, total;
      const char* offset;
    };
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    for (const Case& c : {Case{2020, false, true, "-2"}, Case{3, true, false, "5.5"}, Case{1900, false, false, "0"}}) {
      const QString label = QString("%1%2 offset '%3'").arg(c.year).arg(c.beforeChrist ? " B.C." : "").arg(c.offset);
      Find<QLineEdit>(form, "Edit5")->setText(c.offset);
      if (Find<QCheckBox>(form, "chBChr")->isChecked() != c.beforeChrist) {
        QTest::mouseClick(Find<QCheckBox>(form, "chBChr"), Qt::LeftButton);
      }
      TAlmanacForm& almanac = OpenAlmanac(form, {c.year, 5, 1});
      QTest::mouseClick(Find<QRadioButton>(almanac, c.total ? "RadioButton2" : "RadioButton1"), Qt::LeftButton);
      QSignalSpy finished(&almanac, &TAlmanacForm::CountFinished);
      QTest::mouseClick(Find<QPushButton>(almanac, "Count"), Qt::LeftButton);
      QVERIFY2(finished.count() == 1 || finished.wait(20000), qPrintable(label));
      std::string shown;
      for (const QString& line : almanac.Lines()) {
        std::string text = line.toStdString();
        text.erase(text.find_last_not_of(' ') + 1);
        shown += text + (shown.empty() ? "\n\n" : "\n");
      }
      QVERIFY2(c.total == (shown.find("seen near each other") != std::string::npos), qPrintable(label));

      std::vector<std::string> arguments = {"almanac", std::to_string(c.year), "--offset", c.offset};
      if (c.beforeChrist) arguments.push_back("--bc");
      if (c.total) arguments.push_back("--total");
      std::ostringstream out, err;
      const orrelin::cli::CliContext context{out, err, starts_.NextFolder().toStdString(), {}, std::time(nullptr)};
      QVERIFY2(orrelin::cli::RunCli(arguments, context) == 0,
               qPrintable(label + ": " + QString::fromStdString(err.str())));
      const std::string printed = out.str();
      QCOMPARE(printed.substr(printed.find('\n') + 1), shown);
    }
  }

  void aPrintDuringASearchNeverMixesTitleAndList() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    auto* date = Find<orrelin::ui::DateBox>(form, "DateTimePicker1");
    date->SetDate({2000, 5, 1});
    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    TAlmanacForm& almanac = form.AlmanacForm();
    QSignalSpy finished(&almanac, &TAlmanacForm::CountFinished);
    QTest::mouseClick(Find<QRadioButton>(almanac, "RadioButton2"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(almanac, "Count"), Qt::LeftButton);
    QVERIFY(finished.wait(20000));
    // The main window's Almanac button writes another year, and its count starts.
    date->SetDate({2020, 5, 1});
    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(almanac, "Count"), Qt::LeftButton);
    QVERIFY(almanac.Counting());
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, starts_.Path() + "/meanwhile.pdf");
    auto titleAndYearsAgree = [&] {
      const auto pages = almanac.PrintedPages(printer);
      if (pages.empty()) return !AnyLine(almanac.Lines(), "-");  // nothing shown, nothing printed
      const std::string title = pages[0].texts[0].text;
      const QString year = QString::fromStdString(title.substr(title.rfind(' ') + 1));
      for (const auto& page : pages) {
        for (const auto& t : page.texts) {
          if (t.pointSize != 16 && t.text.size() > 10 && t.text[4] == '-' && t.text.rfind(year.toStdString() + "-", 0) != 0) {
            return false;
          }
        }
      }
      return true;
    };
    QVERIFY(titleAndYearsAgree());
    QVERIFY(finished.wait(20000));
    QVERIFY(titleAndYearsAgree());
    QCOMPARE(almanac.PrintedPages(printer)[0].texts[0].text, std::string("Almanac for the year 2020"));
  }

  void printedPagesStayOnLetterAndA4() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    TAlmanacForm& almanac = OpenAlmanac(form, {2000, 5, 1});
    QTest::mouseClick(Find<QPushButton>(almanac, "Count"), Qt::LeftButton);
    const QString path = starts_.Path() + "/almanac-pages.pdf";
    orrelin::testing::ForEachPdfPage(path, [&](QPrinter& printer, const QString& which) {
      const auto pages = almanac.PrintedPages(printer);
      QVERIFY2(pages.size() == 2, qPrintable(which));
      QCOMPARE(orrelin::testing::TextOffThePage(printer, pages, QFont("DejaVu Sans Mono")), QString());
      QCOMPARE(pages[0].texts[1].text, std::string("Local time at 60° 09.7' N, 24° 57.3' E: UTC + 3 h"));
      QVERIFY(almanac.PrintList(printer));
      QVERIFY(orrelin::testing::IsPdfFile(path, 1000));
    });
  }
};

QTEST_MAIN(AlmanacFormTest)
#include "almanac_form_test.moc"
