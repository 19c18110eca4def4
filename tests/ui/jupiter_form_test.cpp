// The satellites window, opened from Jupiter's report; and the report window's parts
// for every body.
#include <QCheckBox>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "app/settings_file.h"
#include "core/messages.h"
#include "ui/date_box.h"
#include "ui/jupiter_form.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/printing.h"
#include "ui_test_support.h"

using orrelin::Body;
using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TJupiterForm;
using orrelin::ui::TOrrelinForm;

class JupiterFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;
  orrelin::StartEnvironment Environment() { return starts_.Next(); }

  // The book's moment: 1992 December 16, 0h UT.
  static void SetBooksMoment(TOrrelinForm& form) {
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({1992, 12, 16});
    Find<QLineEdit>(form, "edtTime")->setText("00:00:00");
  }

  static QImage Picture(TJupiterForm& window) {
    return Find<orrelin::ui::JupiterPictureBox>(window, "PaintBox1")->Image();
  }

 private slots:
  void jupitersReportOpensTheSatellites() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    SetBooksMoment(form);
    QTest::mouseClick(Find<QPushButton>(form, "Jupiter"), Qt::LeftButton);
    auto* button = Find<QPushButton>(form.PlanetForm(), "btnSatellit");
    QVERIFY(button->isVisible());
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    TJupiterForm& window = form.JupiterForm();
    QVERIFY(window.isVisible());
    QCOMPARE(window.windowTitle(), QString("The 4 Satellites of Jupiter"));
    const QStringList x = {"-3.45", "7.45", "1.24", "7.09"}, y = {"0.21", "0.25", "0.65", "1.10"};
    for (int n = 1; n <= 4; ++n) {
      QCOMPARE(Find<QLineEdit>(window, qPrintable("edX" + QString::number(n)))->text(), x[n - 1]);
      QCOMPARE(Find<QLineEdit>(window, qPrintable("edY" + QString::number(n)))->text(), y[n - 1]);
    }
    QCOMPARE(Find<QLineEdit>(window, "edPx1")->text(), QString("135"));
    QCOMPARE(Find<QLineEdit>(window, "edPy1")->text(), QString("89"));
    QCOMPARE(Find<QLineEdit>(window, "edDate")->text(), QString("1992-12-16"));
    QCOMPARE(Find<QLabel>(window, "lbWeekday")->text(), QString("Wednesday"));
    const QStringList memo = Find<QPlainTextEdit>(window, "Memo1")->toPlainText().split('\n');
    QCOMPARE(memo.size(), 8);
    QCOMPARE(memo.last(), QString("4 = Callisto"));
    QCOMPARE(Picture(window).size(), QSize(345, 217));
    QCOMPARE(Picture(window).pixel(2, 2), qRgb(0, 255, 255));   // aqua
    QCOMPARE(Picture(window).pixel(156, 105), qRgb(255, 255, 255));  // the disk's white outline
  }

  void theInvertedViewRedrawsTheKeptValuesWithoutComputing() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    SetBooksMoment(form);
    form.RunBodyReport(Body::kJupiter);
    form.OpenSatellites();
    TJupiterForm& window = form.JupiterForm();
    const QImage first = Picture(window);
    const QString firstPx = Find<QLineEdit>(window, "edPx1")->text();
    // A new time closes the window (its picture is stale); shown again, it keeps its values.
    Find<QLineEdit>(form, "edtTime")->setText("06:00:00");
    QVERIFY(!window.isVisible());
    window.show();
    auto* inverted = Find<QCheckBox>(window, "cbTelescope");
    QCOMPARE(inverted->text(), QString("Inverted view"));
    inverted->click();
    QCOMPARE(Find<QLineEdit>(window, "edPx1")->text(), QString("207"));
    QCOMPARE(Find<QLineEdit>(window, "edX1")->text(), QString("-3.45"));
    inverted->click();
    QCOMPARE(Find<QLineEdit>(window, "edPx1")->text(), firstPx);
    QCOMPARE(Picture(window), first);
  }

  // Each satellite stands on the side its letters name, in both views; the letters are
  // those the command line prints (one function gives both).
  void theCompassLettersMatchThePictureInBothViews() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    SetBooksMoment(form);
    form.RunBodyReport(Body::kJupiter);
    form.OpenSatellites();
    TJupiterForm& window = form.JupiterForm();
    const QPoint centre(171, 105);  // the disk's centre in the 345-pixel picture
    for (bool inverted : {false, true}) {
      Find<QCheckBox>(window, "cbTelescope")->setChecked(inverted);
      const orrelin::CompassLetters letters = orrelin::SatelliteCompass(inverted);
      QCOMPARE(Find<QLabel>(window, "lbCompassTop")->text(), QString(QChar(letters.top)));
      QCOMPARE(Find<QLabel>(window, "lbCompassLeft")->text(), QString(QChar(letters.left)));
      for (int n = 1; n <= 4; ++n) {
        const QString number = QString::number(n);
        const double x = Find<QLineEdit>(window, qPrintable("edX" + number))->text().toDouble();
        const double y = Find<QLineEdit>(window, qPrintable("edY" + number))->text().toDouble();
        const int px = Find<QLineEdit>(window, qPrintable("edPx" + number))->text().toInt();
        const int py = Find<QLineEdit>(window, qPrintable("edPy" + number))->text().toInt();
        const QString side = Find<QLabel>(window, px < centre.x() ? "lbCompassLeft" : "lbCompassRight")->text();
        const QString level = Find<QLabel>(window, py < centre.y() ? "lbCompassTop" : "lbCompassBottom")->text();
        QVERIFY2(side == (x > 0 ? "W" : "E"), qPrintable(number + (inverted ? " inverted" : " direct")));
        QVERIFY2(level == (y > 0 ? "N" : "S"), qPrintable(number + (inverted ? " inverted" : " direct")));
      }
    }
  }

  void theWindowStandsWhereItWasOrWhereItsDesignPutsIt() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = Environment();
    TOrrelinForm form(env, sink);
    TJupiterForm& window = form.JupiterForm();
    window.show();
    // The design's place, kept on the screen (the test's screen may be narrow).
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int frameLeft = window.geometry().x() - window.frameGeometry().x();
    QCOMPARE(window.geometry().topLeft(),
             QPoint(std::min(393, screen.right() + 1 - window.frameGeometry().width() + frameLeft), 2));
    window.close();
    form.Settings().Write("fJupiter", "0,120,50");
    window.show();  // read at every show
    QCOMPARE(window.geometry().topLeft(), QPoint(50, 120));
    window.move(60, 140);
    window.close();
    QCOMPARE(form.Settings().Read("fJupiter").value_or(""), std::string("0,") +
                                                                std::to_string(window.geometry().y()) + "," +
                                                                std::to_string(window.geometry().x()));
  }

  void theDateAndLocalTimeLabelsRefreshFromTheMainWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    TJupiterForm& window = form.JupiterForm();
    window.show();
    Find<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({2026, 7, 4});
    window.show();
    QTest::mouseClick(Find<QLabel>(window, "Label14"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(window, "edDate")->text(), QString("2026-07-04"));
    QCOMPARE(Find<QLabel>(window, "lbWeekday")->text(), QString("Saturday"));
    QTest::mouseClick(Find<QLabel>(window, "lbLocal"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(window, "edLocTime")->text(), Find<QLineEdit>(form, "edLocTime")->text());
  }

  void printsTheWindowsImage() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.RunBodyReport(Body::kJupiter);
    form.OpenSatellites();
    const QString path = starts_.Path() + "/jupiter.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, path);
    QVERIFY(orrelin::ui::PrintWidgetImage(form.JupiterForm(), printer));
    QVERIFY(orrelin::testing::IsPdfFile(path, 1000));
  }

  void eachBodyShowsItsOwnPartsOfTheReportWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    auto& report = form.PlanetForm();
    struct Parts {
      bool phase, twilight, satellites, magnitude;
    };
    const std::vector<std::pair<Body, Parts>> bodies = {
        {Body::kMoon, {true, false, false, false}},    {Body::kSun, {false, true, false, false}},
        {Body::kJupiter, {false, false, true, true}},  {Body::kMars, {false, false, false, true}},
        {Body::kNeptune, {false, false, false, true}}, {Body::kSaturn, {false, false, false, false}},
    };
    for (const auto& [before, unused] : bodies) {
      for (const auto& [body, parts] : bodies) {
        form.RunBodyReport(before);
        form.RunBodyReport(body);
        const QString which =
            QString::fromStdString(std::string(BodyCode(before)) + " then " + std::string(BodyCode(body)));
        QVERIFY2(Find<QWidget>(report, "PaintBox1")->isVisible() == parts.phase, qPrintable(which));
        QVERIFY2(Find<QWidget>(report, "lblPhase")->isVisible() == parts.phase, qPrintable(which));
        QVERIFY2(Find<QWidget>(report, "pnlTwilight")->isVisible() == parts.twilight, qPrintable(which));
        QVERIFY2(Find<QWidget>(report, "btnSatellit")->isVisible() == parts.satellites, qPrintable(which));
        QVERIFY2(Find<QWidget>(report, "edMagn")->isVisible() == parts.magnitude, qPrintable(which));
        QVERIFY2(!Find<QWidget>(report, "Edit20")->isVisible(), qPrintable(which));
        QVERIFY2(Find<QLineEdit>(report, "Edit20")->text().isEmpty(), qPrintable(which));
      }
    }
    QCOMPARE(Find<QLineEdit>(report, "Edit6")->toolTip(), QString("Taivaankappale ylittää paikan meridiaanin"));
  }
};

QTEST_MAIN(JupiterFormTest)
#include "jupiter_form_test.moc"
