// The almanac window, opened from the main window's Almanac button.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

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
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({2020, 5, 1});
    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    TAlmanacForm& almanac = form.AlmanacForm();
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
};

QTEST_MAIN(AlmanacFormTest)
#include "almanac_form_test.moc"
