// Window tests: real widgets, found by their object names, driven as a user would.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/settings_file.h"
#include "app/settings_folder.h"
#include "core/messages.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/moon_phase_box.h"
#include "ui/printing.h"
#include "ui/star_form.h"

using orrelin::RecordingMessageSink;
using orrelin::StartEnvironment;
using orrelin::ui::TOrrelinForm;

class OrrelinFormTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;

  StartEnvironment Environment() const {
    StartEnvironment env;
    env.settingsFolder = orrelin::SettingsFolderFrom((dir_.path() + "/cfg").toStdString(), "");
    env.starFileSources = {};
    env.now = 1781258400;  // 2026-06-12 10:00:00 UTC
    env.secondsEastOfUtc = 3 * 3600;
    return env;
  }

  // A machine where the program was installed with its star catalogue.
  StartEnvironment InstalledEnvironment() const {
    StartEnvironment env = Environment();
    env.settingsFolder = orrelin::SettingsFolderFrom((dir_.path() + "/installed").toStdString(), "");
    env.starFileSources = {ORRELIN_SHIPPED_STAR_DIR};
    return env;
  }

  template <typename T>
  static T* Find(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    if (widget == nullptr) qFatal("no widget %s", name);
    return widget;
  }

 private slots:
  void firstStartShowsHelsinkisDefaults() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    QCOMPARE(form.windowTitle(), QString("Orrelin"));
    QCOMPARE(form.objectName(), QString("OrrelinForm"));
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("60"));
    QCOMPARE(Find<QLineEdit>(form, "Edit2")->text(), QString("9.7"));
    QVERIFY(Find<QRadioButton>(form, "RadioButton1")->isChecked());
    QCOMPARE(Find<QLineEdit>(form, "Edit3")->text(), QString("24"));
    QCOMPARE(Find<QLineEdit>(form, "Edit4")->text(), QString("57.3"));
    QVERIFY(Find<QRadioButton>(form, "RadioButton4")->isChecked());
    QCOMPARE(Find<QLineEdit>(form, "edtHeight")->text(), QString("0"));
    QCOMPARE(Find<QLineEdit>(form, "edtPressure")->text(), QString("1010"));
    QCOMPARE(Find<QLineEdit>(form, "edtTemperature")->text(), QString("10"));
    QCOMPARE(Find<QLineEdit>(form, "Edit5")->text(), QString("-3"));
    QCOMPARE(Find<QLineEdit>(form, "edtTime")->text(), QString("10:00:00"));
    QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString("13:00:00"));
    QCOMPARE(Find<QLabel>(form, "lbWeekday")->text(), QString("Friday"));
    QVERIFY(Find<QRadioButton>(form, "rbPcTime")->isChecked());
    // No star file was shipped to this first start.
    QCOMPARE(sink.messages, std::vector<std::string>{"Star file not in use"});
  }

  void typingChecksBeepShowTheMessageAndSelectTheText() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QLineEdit* latitude = Find<QLineEdit>(form, "Edit1");
    latitude->clear();
    latitude->setFocus();
    QTest::keyClicks(latitude, "91");
    QCOMPARE(sink.messages.back(), std::string("0 .. 90"));
    QVERIFY(sink.beeps >= 1);
    QCOMPARE(latitude->selectedText(), QString("91"));

    latitude->setText("90");
    QLineEdit* minutes = Find<QLineEdit>(form, "Edit2");
    minutes->clear();
    QTest::keyClicks(minutes, "1");
    QCOMPARE(sink.messages.back(), std::string("Not greater than 90 degrees"));
    minutes->clear();
    latitude->setText("45");
    QTest::keyClicks(minutes, "60");
    QCOMPARE(sink.messages.back(), std::string("0 .. 59.9"));

    QLineEdit* height = Find<QLineEdit>(form, "edtHeight");
    height->clear();
    QTest::keyClicks(height, "9000");
    QCOMPARE(sink.messages.back(), std::string("0.0 .. 8900.0"));
  }

  void sunButtonFillsTheReportWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
    orrelin::ui::TPlanetForm& report = form.PlanetForm();
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
    QVERIFY(sink.messages.size() <= 1);  // only the first start's star file message
    // Windows that this build does not have yet are not offered.
    QVERIFY(Find<QPushButton>(form, "Moon")->isEnabled());
    QVERIFY(!Find<QPushButton>(form, "Identify")->isEnabled());
  }

  void closingSavesAndTheNextStartRestores() {
    RecordingMessageSink sink;
    {
      TOrrelinForm form(Environment(), sink);
      form.show();
      Find<QLineEdit>(form, "Edit1")->setText("33");
      Find<QLineEdit>(form, "Edit2")->setText("52.2");
      QTest::mouseClick(Find<QRadioButton>(form, "RadioButton2"), Qt::LeftButton);
      Find<QLineEdit>(form, "edtTemperature")->setText("-4");
      form.close();
    }
    const auto ini = Environment().settingsFolder / "settings.ini";
    QVERIFY(std::filesystem::exists(ini));
    QCOMPARE(orrelin::SettingsFile(ini).Read("LatPos").value_or(""), std::string("S"));
    TOrrelinForm again(Environment(), sink);
    QCOMPARE(Find<QLineEdit>(again, "Edit1")->text(), QString("33"));
    QCOMPARE(Find<QLineEdit>(again, "Edit2")->text(), QString("52.2"));
    QVERIFY(Find<QRadioButton>(again, "RadioButton2")->isChecked());
    QCOMPARE(Find<QLineEdit>(again, "edtTemperature")->text(), QString("-4"));
  }

  void deltaPanelFollowsTheYearAndTheWeekdayTheDate() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QDateEdit* date = Find<QDateEdit>(form, "DateTimePicker1");
    date->setDate(QDate(2010, 6, 1));
    QVERIFY(!Find<QWidget>(form, "Panel4")->isVisible());
    date->setDate(QDate(2011, 1, 1));
    QVERIFY(Find<QWidget>(form, "Panel4")->isVisible());
    date->setDate(QDate(1582, 10, 4));
    QCOMPARE(Find<QLabel>(form, "lbWeekday")->text(), QString("Thursday"));
  }

  void changingTheTimeUpdatesTheLocalTime() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    QLineEdit* time = Find<QLineEdit>(form, "edtTime");
    time->setText("22:30:00");
    QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString("01:30:00"));
  }

  void moonPhasePictureIsDrawnOnTheRightSide() {
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
    };
    for (const Case& c : cases) {
      const QImage image = orrelin::ui::RenderMoonPhase(c.percent, c.elongation, QSize(62, 62), background);
      QVERIFY(!image.isNull());
      QCOMPARE(image.pixel(10, 31), c.left);
      QCOMPARE(image.pixel(52, 31), c.right);
      QCOMPARE(image.pixel(0, 0), background.rgb());  // the fill stays inside the disk
    }
    QVERIFY(orrelin::ui::RenderMoonPhase("x", "90", QSize(62, 62), background).isNull());
  }

  void moonButtonShowsThePhaseAndHidesTheTwilight() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Moon"), Qt::LeftButton);
    orrelin::ui::TPlanetForm& report = form.PlanetForm();
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

  void starsButtonListsTheCatalogueAndStarValuesReportsTheStar() {
    RecordingMessageSink sink;
    TOrrelinForm form(InstalledEnvironment(), sink);
    QVERIFY(sink.messages.empty());  // the catalogue was installed on first start
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    orrelin::ui::TStarForm& stars = form.StarForm();
    QVERIFY(stars.isVisible());
    QCOMPARE(stars.windowTitle(), QString("Star"));
    auto* grid = Find<QTableWidget>(stars, "StringGrid1");
    QCOMPARE(grid->rowCount(), 58);
    QCOMPARE(Find<QLabel>(stars, "lblNumberStars")->text(), QString("The number of stars in the file: 58"));
    int sirius = -1;
    for (int r = 0; r < grid->rowCount(); ++r) {
      if (grid->item(r, 0)->text() == "Sirius") sirius = r;
    }
    QVERIFY(sirius >= 0);
    grid->cellClicked(sirius, 0);
    QCOMPARE(Find<QLineEdit>(stars, "Edit1")->text(), QString("Sirius"));
    QCOMPARE(Find<QLineEdit>(stars, "Edit7")->text(), QString("-1.4"));
    QTest::mouseClick(Find<QPushButton>(stars, "btnValues"), Qt::LeftButton);
    orrelin::ui::TPlanetForm& report = form.PlanetForm();
    QVERIFY(report.isVisible());
    QCOMPARE(Find<QLabel>(report, "Label12")->text(), QString("Sirius"));
    QCOMPARE(Find<QLabel>(stars, "lblMode")->text(), QString("STAR"));
    QVERIFY(Find<QLineEdit>(report, "edMagn")->text().isEmpty());
    QVERIFY(Find<QLineEdit>(report, "Edit7")->text().startsWith("-16°"));

    Find<QLineEdit>(stars, "Edit1")->clear();
    QTest::mouseClick(Find<QPushButton>(stars, "btnValues"), Qt::LeftButton);
    QCOMPARE(sink.messages.back(), std::string("A star must be chosen"));

    const QString path = dir_.path() + "/stars.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(stars.PrintStarList(printer));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(4), QByteArray("%PDF"));
  }

  void printsTheReportWindowToAPdfFile() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.RunBodyReport("SUN");
    const QString path = dir_.path() + "/report.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QVERIFY(orrelin::ui::PrintWidgetImage(form.PlanetForm(), printer));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.size() > 1000);
    QCOMPARE(pdf.read(4), QByteArray("%PDF"));
  }
};

QTEST_MAIN(OrrelinFormTest)
#include "orrelin_form_test.moc"
