// The identification window, opened from the main window's Identify button.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/messages.h"
#include "ui/date_box.h"
#include "ui/identify_form.h"
#include "ui/orrelin_form.h"
#include "ui/printing.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TIdentifyForm;
using orrelin::ui::TOrrelinForm;

class IdentifyFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;
  orrelin::StartEnvironment Installed() { return starts_.Next(true); }

  // Sirius on the meridian at Helsinki, 2026 January 15 at 21:44 UT, from 3 m.
  static void SetSiriusSight(TOrrelinForm& form, TIdentifyForm& window) {
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({2026, 1, 15});
    Find<QLineEdit>(form, "edtTime")->setText("21:44:00");
    Find<QLineEdit>(form, "edtHeight")->setText("3");
    Find<QLineEdit>(window, "edtHmDeg")->setText("13");
    Find<QLineEdit>(window, "edtHmMin")->setText("3.6");
    Find<QLineEdit>(window, "edtAzim")->setText("184.6");
  }

 private slots:
  void identifyButtonOpensTheWindowAndOkNamesTheBody() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Identify"), Qt::LeftButton);
    TIdentifyForm& window = form.IdentifyForm();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QString("Identify"));
    auto* limit = Find<QComboBox>(window, "cbMg");
    QCOMPARE(limit->currentText(), QString("2.0"));
    QCOMPARE(limit->count(), 9);
    QCOMPARE(limit->itemText(6), QString("-0.0"));
    QVERIFY(!Find<QGroupBox>(window, "pnlObsHeight")->isVisible());
    for (const char* panel : {"pnlSearch1", "pnlSearch2", "pnlSearch3"}) QVERIFY(!Find<QGroupBox>(window, panel)->isVisible());

    SetSiriusSight(form, window);
    QTest::mouseClick(Find<QPushButton>(window, "Ok1"), Qt::LeftButton);
    QVERIFY(Find<QGroupBox>(window, "pnlObsHeight")->isVisible());
    QCOMPARE(Find<QLineEdit>(window, "edtObsDeg")->text(), QString("12"));
    QCOMPARE(Find<QLineEdit>(window, "edAzi2")->text(), QString("184.6°"));
    QCOMPARE(Find<QLabel>(window, "lblName1")->text(), QString("Sirius"));
    QCOMPARE(Find<QLineEdit>(window, "edMag1")->text(), QString("-1.4"));
    QVERIFY(Find<QGroupBox>(window, "pnlSearch3")->isVisible());
    QCOMPARE(Find<QGroupBox>(window, "pnlSearch1")->title(), QString("1."));
  }

  void typingChecksAndThePlaceOfTheMainWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    form.show();
    TIdentifyForm& window = form.IdentifyForm();
    window.show();
    auto* degrees = Find<QLineEdit>(window, "edtHmDeg");
    QTest::keyClicks(degrees, "91");
    QCOMPARE(sink.messages.back(), std::string("0 .. 90"));
    QCOMPARE(degrees->selectedText(), QString("91"));
    const std::size_t said = sink.messages.size();
    auto* azimuth = Find<QLineEdit>(window, "edtAzim");
    QTest::keyClicks(azimuth, "120.5");  // a decimal azimuth is one
    QCOMPARE(sink.messages.size(), said);
    azimuth->clear();
    QTest::keyClicks(azimuth, "400");
    QCOMPARE(sink.messages.back(), std::string("0 .. 360"));
    // An impossible place in the main window stops the search with the place message.
    SetSiriusSight(form, window);
    Find<QLineEdit>(form, "Edit1")->setText("91");
    QTest::mouseClick(Find<QPushButton>(window, "Ok1"), Qt::LeftButton);
    QCOMPARE(sink.messages.back(),
             std::string("Give the location in degrees and minutes; height, pressure and temperature in integers"));
    QVERIFY(!Find<QGroupBox>(window, "pnlSearch1")->isVisible());
  }

  // At the screen's right edge the window stays whole on the screen after OK; each
  // candidate says how far it is from the sight; a new sight clears the old results.
  void resultsFitTheScreenSayHowFarAndGoWhenTheSightChanges() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    form.show();
    TIdentifyForm& window = form.IdentifyForm();
    window.show();
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.right() + 1 - window.frameGeometry().width(), screen.top() + 40);
    const QSize before = window.size();
    SetSiriusSight(form, window);
    QTest::mouseClick(Find<QPushButton>(window, "Ok1"), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(Find<QLabel>(window, "lblName1")->text(), QString("Sirius"));
    QCOMPARE(window.size(), before);
    QVERIFY2(screen.contains(window.frameGeometry()), qPrintable(QString("%1,%2 %3x%4")
                                                                   .arg(window.frameGeometry().x())
                                                                   .arg(window.frameGeometry().y())
                                                                   .arg(window.frameGeometry().width())
                                                                   .arg(window.frameGeometry().height())));
    QCOMPARE(Find<QLineEdit>(window, "edSep1")->text(), QString("0.1°"));
    QVERIFY(!Find<QLabel>(window, "lblNotice")->isVisible());

    // A key in the azimuth box: the results of the old sight go.
    auto* azimuth = Find<QLineEdit>(window, "edtAzim");
    azimuth->setFocus();
    azimuth->selectAll();
    QTest::keyClicks(azimuth, "190.6");
    QVERIFY(!Find<QGroupBox>(window, "pnlSearch1")->isVisible());
    QCOMPARE(Find<QLabel>(window, "lblName1")->text(), QString());
    QCOMPARE(Find<QLineEdit>(window, "edtDeclination")->text(), QString());
    // Six degrees round from Sirius nothing is near, and the window says so.
    QTest::mouseClick(Find<QPushButton>(window, "Ok1"), Qt::LeftButton);
    QVERIFY(Find<QLabel>(window, "lblNotice")->isVisible());
    QCOMPARE(Find<QLabel>(window, "lblNotice")->text(), QString("No star or planet within 5° of the sight"));
    // A sight the check refuses clears them too.
    Find<QLineEdit>(window, "edtHmDeg")->setText("");
    QTest::mouseClick(Find<QPushButton>(window, "Ok1"), Qt::LeftButton);
    QCOMPARE(sink.messages.back(), std::string("Height in degrees and minutes"));
    QVERIFY(!Find<QGroupBox>(window, "pnlSearch1")->isVisible());
    QVERIFY(!Find<QLabel>(window, "lblNotice")->isVisible());
  }

  void printsTheWindowsImage() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    TIdentifyForm& window = form.IdentifyForm();
    SetSiriusSight(form, window);
    window.Ok();
    const QString path = starts_.Path() + "/identify.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, path);
    QVERIFY(orrelin::ui::PrintWidgetImage(window, printer));
    QVERIFY(orrelin::testing::IsPdfFile(path, 1000));
  }
};

QTEST_MAIN(IdentifyFormTest)
#include "identify_form_test.moc"
