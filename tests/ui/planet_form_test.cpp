// The report window, "Celestial Body", as the main window's buttons fill it.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "core/messages.h"
#include "ui/moon_phase_box.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/printing.h"
#include "ui_test_support.h"

using orrelin::Body;
using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;
using orrelin::ui::TPlanetForm;

class PlanetFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;
  orrelin::StartEnvironment Environment() { return starts_.Next(true); }

 private slots:
  void sunButtonFillsTheReportWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
    TPlanetForm& report = form.PlanetForm();
    QVERIFY(report.isVisible());
    QCOMPARE(report.windowTitle(), QString("Celestial Body"));
    QCOMPARE(Find<QLabel>(report, "Label12")->text(), QString("SUN"));
    QCOMPARE(Find<QLineEdit>(report, "Edit1")->text(), QString("2461203.5"));
    QVERIFY(Find<QLineEdit>(report, "Edit3")->text().endsWith(" sec"));
    QVERIFY(Find<QLineEdit>(report, "Edit7")->text().endsWith("  N"));
    QVERIFY(!Find<QLineEdit>(report, "Edit4")->text().isEmpty());
    QVERIFY(!Find<QLineEdit>(report, "Edit14")->text().isEmpty() ||
            !Find<QLineEdit>(report, "Edit18")->text().isEmpty());
    const QStringList labels = Find<QPlainTextEdit>(report, "Memo1")->toPlainText().split('\n');
    const QStringList values = Find<QPlainTextEdit>(report, "Memo2")->toPlainText().split('\n');
    QCOMPARE(labels.size(), values.size());
    QCOMPARE(labels.first(), QString("Observer Latitude:"));
    QCOMPARE(values.first(), QString("60° 09' 42.00''"));
    QVERIFY(Find<QWidget>(report, "pnlTwilight")->isVisible());
    QVERIFY(!Find<QWidget>(report, "PaintBox1")->isVisible());
    QVERIFY(!Find<QLineEdit>(report, "edMagn")->isVisible());
    // The Delta box received the Delta T of 2026.
    QVERIFY(Find<QLineEdit>(form, "edDelta")->text().startsWith("70."));
    QVERIFY(sink.messages.empty());
  }

  void theBoxesStandInOneColumnOfOneWidthForEveryBody() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    TPlanetForm& report = form.PlanetForm();
    auto columnX = [&](const char* name) { return Find<QWidget>(report, name)->mapTo(&report, QPoint(0, 0)).x(); };
    form.RunBodyReport(Body::kSun);
    QTest::qWait(0);
    QCOMPARE(columnX("Edit2"), columnX("Edit11"));  // the refraction box under the altitude box
    const int memoX = columnX("Memo1");
    for (const Body body : {Body::kMoon, Body::kMars, Body::kJupiter}) {
      form.RunBodyReport(body);
      QTest::qWait(0);
      QCOMPARE(columnX("Memo1"), memoX);
    }
  }

  void aMessageNeverShowsThePreviousBodysNumbers() {
    // What the report window shows at the moment the message box comes up.
    struct LookingSink : orrelin::MessageSink {
      TOrrelinForm* form = nullptr;
      QStringList seen;
      void Beep() override {}
      void ShowMessage(const std::string& text) override {
        if (form == nullptr) return;
        TPlanetForm& report = form->PlanetForm();
        seen << QString::fromStdString(text) + "|" + Find<QLabel>(report, "Label12")->text() + "|" +
                    Find<QLineEdit>(report, "Edit1")->text() + "|" + Find<QLineEdit>(report, "Edit11")->text();
      }
    } sink;
    TOrrelinForm form(Environment(), sink);
    sink.form = &form;
    form.show();
    form.RunBodyReport(Body::kSun);
    QVERIFY(!Find<QLineEdit>(form.PlanetForm(), "Edit1")->text().isEmpty());
    Find<QLineEdit>(form, "Edit1")->setText("91");
    form.RunBodyReport(Body::kMars);
    QCOMPARE(sink.seen.size(), 1);
    QCOMPARE(sink.seen[0], QString("Give the location in degrees and minutes; height, pressure and temperature in "
                                   "integers|MARS||"));
  }

  void moonButtonShowsThePhaseAndHidesTheTwilight() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Moon"), Qt::LeftButton);
    TPlanetForm& report = form.PlanetForm();
    QCOMPARE(Find<QLabel>(report, "Label12")->text(), QString("MOON"));
    QVERIFY(!Find<QWidget>(report, "pnlTwilight")->isVisible());
    QVERIFY(Find<QWidget>(report, "PaintBox1")->isVisible());
    QVERIFY(Find<QLabel>(report, "lblPhase")->text().endsWith("%"));
    QVERIFY(!Find<QLineEdit>(report, "edMagn")->isVisible());
    QTest::mouseClick(Find<QPushButton>(form, "Saturn"), Qt::LeftButton);
    QVERIFY(!Find<QLineEdit>(report, "edMagn")->isVisible());
    QTest::mouseClick(Find<QPushButton>(form, "Mars"), Qt::LeftButton);
    QVERIFY(Find<QLineEdit>(report, "edMagn")->isVisible());
    QVERIFY(!Find<QLineEdit>(report, "edMagn")->text().isEmpty());
  }

  void moonPhasePictureIsDrawnOnTheRightSideWithoutHoles() {
    const QColor background(200, 200, 200);
    struct Case {
      const char* percent;
      const char* elongation;
      QRgb left, right;  // pixels at x = 10 and x = 52 on the centre line
    };
    const QRgb black = qRgb(0, 0, 0), white = qRgb(255, 255, 255);
    const Case cases[] = {
        {"50.0", "90", black, white},   // first quarter: the right half lit
        {"25.0", "60", black, white},   // waxing crescent on the right
        {"25.0", "270", white, black},  // waning crescent on the left
        {"99.5", "178", white, white},  // full: no fill
        {"75.0", "240", white, black},  // waning gibbous: dark on the right
        {"0.8", "350", black, black},   // a thin waning crescent: dark up to the limb
    };
    for (const Case& c : cases) {
      const QImage image = orrelin::ui::RenderMoonPhase(c.percent, c.elongation, QSize(62, 62), background);
      QVERIFY(!image.isNull());
      QCOMPARE(image.pixel(10, 31), c.left);
      QCOMPARE(image.pixel(52, 31), c.right);
      int whiteOnTheDarkSide = 0, outsideTouched = 0;
      for (int y = 0; y < 62; ++y) {
        for (int x = 0; x < 62; ++x) {
          const double dx = (x + 0.5 - 31) / 28.0, dy = (y + 0.5 - 31) / 29.0;
          const bool outside = dx * dx + dy * dy > 1.25;
          if (outside && image.pixel(x, y) != background.rgb()) ++outsideTouched;
          // The waning thin crescent is lit on the left only: no white specks on the right.
          if (QString(c.percent) == "0.8" && x > 31 && image.pixel(x, y) == white) ++whiteOnTheDarkSide;
        }
      }
      QCOMPARE(outsideTouched, 0);  // the fill stays inside the disk
      QCOMPARE(whiteOnTheDarkSide, 0);
    }
    QVERIFY(orrelin::ui::RenderMoonPhase("x", "90", QSize(62, 62), background).isNull());
  }

  void printsTheReportWindowToAPdfFile() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.RunBodyReport(Body::kSun);
    const QString path = starts_.Path() + "/report.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, path);
    QVERIFY(orrelin::ui::PrintWidgetImage(form.PlanetForm(), printer));
    QVERIFY(orrelin::testing::IsPdfFile(path, 1000));
  }
};

QTEST_MAIN(PlanetFormTest)
#include "planet_form_test.moc"
