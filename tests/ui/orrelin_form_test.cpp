// The main window, driven as a user would.
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QComboBox>
#include <QCompleter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>
#include <unistd.h>

#include <fstream>
#include <numeric>

#include "app/settings_file.h"
#include "core/calendar.h"
#include "core/messages.h"
#include "ui/about_box.h"
#include "ui/daily_pages_form.h"
#include "ui/date_box.h"
#include "ui/almanac_form.h"
#include "ui/help_form.h"
#include "ui/graph_form.h"
#include "ui/identify_form.h"
#include "ui/plan_form.h"
#include "ui/jupiter_form.h"
#include "ui/sights_form.h"
#include "ui/tonight_form.h"
#include "ui/watch_form.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/printing.h"
#include "ui/program_files.h"
#include "ui/qt_message_sink.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::DateBox;
using orrelin::ui::TOrrelinForm;

// Catches what the program asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

class OrrelinFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  // A fresh settings folder for each window, so that no test sees another's settings.
  orrelin::StartEnvironment Environment() { return starts_.Next(); }

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
    QCOMPARE(Find<QLineEdit>(form, "DateTimePicker1")->text(), QString("2026-06-12"));
    QCOMPARE(Find<QLabel>(form, "lbWeekday")->text(), QString("Friday"));
    QVERIFY(Find<QRadioButton>(form, "rbPcTime")->isChecked());
    // Neither a star file nor a place list was shipped to this first start.
    QCOMPARE(sink.messages, (std::vector<std::string>{"Star file not in use",
                                                      " File missing or cannot be opened Position.txt"}));
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

  void theBeginningOfANumberIsNotJudgedWhileTyping() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    const std::size_t before = sink.messages.size();
    for (const char* name : {"Edit1", "Edit2", "Edit4", "edtHeight", "edtTemperature"}) {
      for (const char* beginning : {"-", ".", "-."}) {
        QLineEdit* box = Find<QLineEdit>(form, name);
        box->clear();
        QTest::keyClicks(box, beginning);
      }
    }
    QCOMPARE(sink.messages.size(), before);
    QLineEdit* minutes = Find<QLineEdit>(form, "Edit2");
    minutes->clear();
    QTest::keyClicks(minutes, ".5");  // the number itself is judged, and passes
    QCOMPARE(sink.messages.size(), before);
  }

  void closingSavesAndTheNextStartRestores() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = Environment();
    {
      TOrrelinForm form(env, sink);
      form.show();
      Find<QLineEdit>(form, "Edit1")->setText("33");
      Find<QLineEdit>(form, "Edit2")->setText("52.2");
      QTest::mouseClick(Find<QRadioButton>(form, "RadioButton2"), Qt::LeftButton);
      Find<QLineEdit>(form, "edtTemperature")->setText("-4");
      QTest::mouseClick(Find<QCheckBox>(form, "chPrecise"), Qt::LeftButton);
      form.close();
    }
    const auto ini = env.settingsFolder / "settings.ini";
    QVERIFY(std::filesystem::exists(ini));
    QCOMPARE(orrelin::SettingsFile(ini).Read("LatPos").value_or(""), std::string("S"));
    TOrrelinForm again(env, sink);
    QCOMPARE(Find<QLineEdit>(again, "Edit1")->text(), QString("33"));
    QCOMPARE(Find<QLineEdit>(again, "Edit2")->text(), QString("52.2"));
    QVERIFY(Find<QRadioButton>(again, "RadioButton2")->isChecked());
    QCOMPARE(Find<QLineEdit>(again, "edtTemperature")->text(), QString("-4"));
    // The precise reports stay chosen, and the report says so.
    QVERIFY(Find<QCheckBox>(again, "chPrecise")->isChecked());
    again.show();
    QTest::mouseClick(Find<QPushButton>(again, "Jupiter"), Qt::LeftButton);
    QCOMPARE(Find<QLabel>(again.PlanetForm(), "Label12")->text(), QString("JUPITER (precise)"));
  }

  void closingSavesThePlaceOfEveryOpenWindow() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = Environment();
    TOrrelinForm form(env, sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Identify"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Sights"), Qt::LeftButton);
    form.findChild<QAction*>("DailyPages")->trigger();
    form.IdentifyForm().move(40, 50);
    form.SightsForm().move(60, 70);
    form.DailyPagesForm().move(80, 90);
    form.close();
    const orrelin::SettingsFile saved(env.settingsFolder / "settings.ini");
    for (const auto& [key, window] : std::vector<std::pair<const char*, QWidget*>>{
             {"fIdentify", &form.IdentifyForm()}, {"fSights", &form.SightsForm()},
             {"fDailyPages", &form.DailyPagesForm()}}) {
      QVERIFY2(!window->isVisible(), key);
      const QString expected = QString("0,%1,%2").arg(window->geometry().y()).arg(window->geometry().x());
      QCOMPARE(QString::fromStdString(saved.Read(key).value_or("none")), expected);
    }
  }

  void opensAtTheSameSizeOnEveryStart() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = Environment();
    QSize first;
    {
      TOrrelinForm form(env, sink);
      form.show();
      first = form.size();
      form.close();
    }
    QVERIFY(orrelin::SettingsFile(env.settingsFolder / "settings.ini").Read("fOrrelin").has_value());
    TOrrelinForm again(env, sink);
    again.show();
    QCOMPARE(again.size(), first);
  }

  void theReportShowsEveryLineOfBothColumns() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QTest::mouseClick(Find<QCheckBox>(form, "chPrecise"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Moon"), Qt::LeftButton);
    auto* labels = Find<QPlainTextEdit>(form.PlanetForm(), "Memo1");
    auto* values = Find<QPlainTextEdit>(form.PlanetForm(), "Memo2");
    QVERIFY(values->toPlainText().contains("Swiss Ephemeris"));  // the longest value
    QApplication::processEvents();
    for (QPlainTextEdit* column : {labels, values}) {
      QVERIFY(!column->horizontalScrollBar()->isVisible());
      const QStringList lines = column->toPlainText().split('\n');
      const int widest = std::accumulate(lines.begin(), lines.end(), 0, [column](int w, const QString& line) {
        return std::max(w, column->fontMetrics().horizontalAdvance(line));
      });
      QVERIFY2(widest < column->viewport()->width(), qPrintable(column->objectName()));
    }
    // Scrolled to the end together, both show their last line.
    labels->verticalScrollBar()->setValue(labels->verticalScrollBar()->maximum());
    QCOMPARE(values->verticalScrollBar()->value(), values->verticalScrollBar()->maximum());
    QCOMPARE(labels->verticalScrollBar()->maximum(), values->verticalScrollBar()->maximum());
  }

  void aSaveThatFailsIsToldOnce() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = Environment();
    TOrrelinForm form(env, sink);
    // The file became a folder while the program ran: every save of the closing fails.
    std::filesystem::remove(env.settingsFolder / "settings.ini");
    std::filesystem::create_directories(env.settingsFolder / "settings.ini");
    form.close();
    form.PlanetForm().close();
    const auto said = std::count_if(sink.messages.begin(), sink.messages.end(), [](const std::string& m) {
      return m.rfind("The settings could not be saved to ", 0) == 0;
    });
    QCOMPARE(said, 1);
  }

  void theDateBoxTakesEveryYearFromOneTo9999() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    auto* date = Find<DateBox>(form, "DateTimePicker1");
    auto* weekday = Find<QLabel>(form, "lbWeekday");
    date->setFocus();
    for (const auto& [typed, shown, day] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"17510601", "1751-06-01", "Tuesday"},
             {"15000229", "1500-02-29", "Saturday"},  // a Julian leap day
             {"05000301", "0500-03-01", "Wednesday"},
             {"00010101", "0001-01-01", "Saturday"}}) {
      date->setCursorPosition(0);
      QTest::keyClicks(date, typed);
      QTest::keyClick(date, Qt::Key_Return);
      QCOMPARE(date->text(), QString(shown));
      QCOMPARE(weekday->text(), QString(day));
    }
    // The down arrow stops at year 1, and steps below 1752 on the way there.
    date->setCursorPosition(2);
    QTest::keyClick(date, Qt::Key_Down);
    QCOMPARE(date->text(), QString("0001-01-01"));
    date->SetDate({1752, 3, 1});
    QTest::keyClick(date, Qt::Key_Down);
    QCOMPARE(date->text(), QString("1751-03-01"));
    // Year 0 is no year: the box goes back and says how to write 1 B.C.
    const std::size_t before = sink.messages.size();
    date->setCursorPosition(0);
    QTest::keyClicks(date, "00000101");
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(date->text(), QString("1751-03-01"));  // the date before the typing
    QCOMPARE(sink.messages.size(), before + 1);
    QCOMPARE(sink.messages.back(), std::string("Year 0 does not exist: 1 B.C. is year 1 with B.C. ticked"));
    // 1 B.C. was a leap year.
    QTest::mouseClick(Find<QCheckBox>(form, "chBChr"), Qt::LeftButton);
    date->setCursorPosition(0);
    QTest::keyClicks(date, "00010229");
    QTest::keyClick(date, Qt::Key_Return);
    QCOMPARE(date->text(), QString("0001-02-29"));
    QCOMPARE(form.ToRecord().date.day, 29);
    QVERIFY(form.ToRecord().beforeChrist);
  }

  void aYearTypedOverTheSelectedYearIsTheYearTyped() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    auto* date = Find<DateBox>(form, "DateTimePicker1");
    auto* weekday = Find<QLabel>(form, "lbWeekday");
    for (const auto& [typed, shown, day] : std::vector<std::tuple<const char*, const char*, const char*>>{
             {"1500", "1500-06-12", "Friday"}, {"1988", "1988-06-12", "Sunday"}, {"7", "0007-06-12", "Sunday"}}) {
      const QPoint onTheYear(date->fontMetrics().horizontalAdvance("20") + 4, date->height() / 2);
      QTest::mouseDClick(date, Qt::LeftButton, {}, onTheYear);
      QVERIFY(date->selectedText().startsWith(date->text().left(4)));  // the year
      QTest::keyClicks(date, typed);
      QCOMPARE(date->Date().year, QString(shown).left(4).toInt());
      QTest::keyClick(date, Qt::Key_Return);
      QCOMPARE(date->text(), QString(shown));
      QCOMPARE(weekday->text(), QString(day));
    }
  }

  void datesBeforeChristAreMarkedInTheReportAndTheSatellitesWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    Find<DateBox>(form, "DateTimePicker1")->SetDate({44, 3, 15});
    QTest::mouseClick(Find<QCheckBox>(form, "chBChr"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(form, "Jupiter"), Qt::LeftButton);
    const QString shown = QString::fromStdString(orrelin::ShownDateText({44, 3, 15}, true));
    QCOMPARE(shown, QString("0044-03-15 B.C."));
    const QStringList labels = Find<QPlainTextEdit>(form.PlanetForm(), "Memo1")->toPlainText().split('\n');
    const QStringList values = Find<QPlainTextEdit>(form.PlanetForm(), "Memo2")->toPlainText().split('\n');
    QCOMPARE(values.value(labels.indexOf("Date:")), shown);
    QTest::mouseClick(Find<QPushButton>(form.PlanetForm(), "btnSatellit"), Qt::LeftButton);
    auto* date = Find<QLineEdit>(form.JupiterForm(), "edDate");
    QCOMPARE(date->text(), shown);
    QVERIFY(date->fontMetrics().horizontalAdvance(shown) < date->contentsRect().width());
  }

  void deltaPanelFollowsTheYearAndTheWeekdayTheDate() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    auto* date = Find<DateBox>(form, "DateTimePicker1");
    date->SetDate({2010, 6, 1});
    QVERIFY(!Find<QWidget>(form, "Panel4")->isVisible());
    date->SetDate({2011, 1, 1});
    QVERIFY(Find<QWidget>(form, "Panel4")->isVisible());
    date->SetDate({1582, 10, 4});
    QCOMPARE(Find<QLabel>(form, "lbWeekday")->text(), QString("Thursday"));
  }

  void localTimeFollowsTheTimeAndIsEmptyWhileItDoesNotRead() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    QLineEdit* time = Find<QLineEdit>(form, "edtTime");
    time->setText("22:30:00");
    QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString("01:30:00"));
    for (const char* unreadable : {"99:99:99", "", "25:00:00"}) {
      time->setText(unreadable);
      QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString(""));
    }
    time->setText("12:3");  // missing seconds read as 00
    QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString("15:03:00"));
    // ... and the offset, at every key typed into it.
    form.show();
    QLineEdit* offset = Find<QLineEdit>(form, "Edit5");
    offset->selectAll();
    for (const auto& [key, local] : std::vector<std::pair<const char*, const char*>>{
             {"-", ""}, {"2", "14:03:00"}, {".", "14:03:00"}, {"5", "14:33:00"}}) {
      QTest::keyClicks(offset, key);
      QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString(local));
    }
    QTest::keyClick(offset, Qt::Key_Backspace);
    QTest::keyClick(offset, Qt::Key_Backspace);
    QTest::keyClick(offset, Qt::Key_Backspace);
    QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString(""));
  }

  // Helsinki set its clocks forward at 01:00 UT on 2026-03-29.
  void theOffsetBoxFollowsTheChosenZone() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    sink.messages.clear();
    auto* zone = Find<QComboBox>(form, "cbxZone");
    QCOMPARE(zone->itemText(0), QString(""));  // the fixed offset
    QVERIFY(zone->count() > 300);
    auto* offset = Find<QLineEdit>(form, "Edit5");
    zone->lineEdit()->selectAll();
    QTest::keyClicks(zone->lineEdit(), "europe/helsinki");
    QTest::keyClick(zone->lineEdit(), Qt::Key_Return);
    QCOMPARE(zone->currentText(), QString("Europe/Helsinki"));
    QVERIFY(offset->isReadOnly());
    struct Case {
      orrelin::CivilDate date;
      const char* time;
      const char* offset;
      const char* local;
    };
    const Case cases[] = {{{2026, 3, 28}, "12:00:00", "-2", "14:00:00"},
                          {{2026, 3, 29}, "00:59:00", "-2", "02:59:00"},
                          {{2026, 3, 29}, "01:01:00", "-3", "04:01:00"},
                          {{2026, 3, 30}, "12:00:00", "-3", "15:00:00"},
                          {{2026, 12, 1}, "12:00:00", "-2", "14:00:00"}};
    for (const Case& c : cases) {
      Find<DateBox>(form, "DateTimePicker1")->SetDate(c.date);
      Find<QLineEdit>(form, "edtTime")->setText(c.time);
      QCOMPARE(offset->text(), QString(c.offset));
      QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString(c.local));
    }
    // The empty entry: the fixed offset again, typed as before.
    zone->setCurrentIndex(0);
    emit zone->activated(0);
    QVERIFY(!offset->isReadOnly());
    offset->setText("-5");
    QCOMPARE(Find<QLineEdit>(form, "edLocTime")->text(), QString("17:00:00"));
    QVERIFY(sink.messages.empty());
  }

  void anUnknownZoneIsToldAndTheFixedOffsetStays() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    sink.messages.clear();
    auto* zone = Find<QComboBox>(form, "cbxZone");
    zone->lineEdit()->selectAll();
    QTest::keyClicks(zone->lineEdit(), "Europe/Atlantis");
    QTest::keyClick(zone->lineEdit(), Qt::Key_Return);
    QCOMPARE(sink.messages, (std::vector<std::string>{
                                "No time zone \"Europe/Atlantis\" in the time-zone database: the fixed offset in hours stays"}));
    QCOMPARE(zone->currentText(), QString(""));
    QVERIFY(!Find<QLineEdit>(form, "Edit5")->isReadOnly());
    QCOMPARE(Find<QLineEdit>(form, "Edit5")->text(), QString("-3"));
  }

  // A place kept with a zone chooses it again; one of the list without a zone, its fixed
  // offset. The zone chosen at closing is chosen at the next start.
  void aPlaceAndARestartChooseTheZone() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = starts_.Next(true);
    {
      TOrrelinForm form(env, sink);
      form.show();
      auto* zone = Find<QComboBox>(form, "cbxZone");
      auto* place = Find<QComboBox>(form, "cbxPlace");
      QTest::mouseClick(Find<QRadioButton>(form, "rbOthTime"), Qt::LeftButton);
      zone->setCurrentIndex(zone->findText("America/New_York"));
      emit zone->activated(zone->currentIndex());
      place->lineEdit()->selectAll();
      QTest::keyClicks(place->lineEdit(), "Zoned Harbour");
      QTest::mouseClick(Find<QPushButton>(form, "BitBtn1"), Qt::LeftButton);
      std::ifstream file(env.settingsFolder / "Position.txt");
      const std::string all((std::istreambuf_iterator<char>(file)), {});
      QVERIFY(all.find("\nZoned Harbour=60_10_N,24_58_E,+4,America/New_York\n") != std::string::npos);
      const auto choose = [&](const char* name) {
        place->lineEdit()->selectAll();
        QTest::keyClicks(place->lineEdit(), name);
        QTest::keyClick(place->lineEdit(), Qt::Key_Return);
      };
      // A place saved without a zone keeps the fixed offset; a shipped place has its zone.
      zone->setCurrentIndex(zone->findText(""));
      emit zone->activated(zone->currentIndex());
      place->lineEdit()->selectAll();
      QTest::keyClicks(place->lineEdit(), "Open Sea");
      QTest::mouseClick(Find<QPushButton>(form, "BitBtn1"), Qt::LeftButton);
      choose("Helsinki");
      QCOMPARE(zone->currentText(), QString("Europe/Helsinki"));
      QVERIFY(Find<QLineEdit>(form, "Edit5")->isReadOnly());
      choose("Open Sea");
      QCOMPARE(zone->currentText(), QString(""));
      QVERIFY(!Find<QLineEdit>(form, "Edit5")->isReadOnly());
      choose("Zoned Harbour");
      QCOMPARE(zone->currentText(), QString("America/New_York"));
      QVERIFY(Find<QLineEdit>(form, "Edit5")->isReadOnly());
      form.close();
    }
    QCOMPARE(orrelin::SettingsFile(env.settingsFolder / "settings.ini").Read("Zone").value_or(""),
             std::string("America/New_York"));
    TOrrelinForm again(env, sink);
    QCOMPARE(Find<QComboBox>(again, "cbxZone")->currentText(), QString("America/New_York"));
    QVERIFY(Find<QLineEdit>(again, "Edit5")->isReadOnly());
    QCOMPARE(Find<QLineEdit>(again, "Edit5")->text(), QString("+4"));  // 2026-06-12: daylight saving time
    QCOMPARE(sink.messages.back(), std::string("Position saved in Position.txt"));
  }

  void messageBoxesHaveRoomForTheirTitle() {
    orrelin::ui::QtMessageSink sink;
    int width = 0, needed = 0;
    orrelin::testing::WhenAMessageBoxOpens([&](QMessageBox& box) {
      box.adjustSize();
      width = box.width();
      needed = orrelin::ui::MessageBoxMinimumWidth(box);
    });
    sink.ShowMessage("0 .. 90");
    QVERIFY(needed > 150);
    QVERIFY(width >= needed);
  }

  void thePlaceListFillsTheBoxesAndSKeepsANewPlace() {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = starts_.Next(true);
    TOrrelinForm form(env, sink);
    form.show();
    QVERIFY(sink.messages.empty());
    auto* place = Find<QComboBox>(form, "cbxPlace");
    QVERIFY(place->count() > 300);
    QTest::mouseClick(Find<QRadioButton>(form, "rbOthTime"), Qt::LeftButton);
    // Chosen from the list.
    place->showPopup();
    QAbstractItemView* list = place->view();
    const QModelIndex kolkata = list->model()->index(place->findText("Kolkata"), 0);
    list->scrollTo(kolkata);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(kolkata).center());
    QCOMPARE(place->currentText(), QString("Kolkata"));
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("22"));
    QCOMPARE(Find<QComboBox>(form, "cbxZone")->currentText(), QString("Asia/Kolkata"));
    QCOMPARE(Find<QLineEdit>(form, "Edit2")->text(), QString("32"));
    QVERIFY(Find<QRadioButton>(form, "RadioButton1")->isChecked());
    QCOMPARE(Find<QLineEdit>(form, "Edit3")->text(), QString("88"));
    QVERIFY(Find<QRadioButton>(form, "RadioButton4")->isChecked());
    QCOMPARE(Find<QLineEdit>(form, "Edit5")->text(), QString("-5.5"));
    // The time is the clock's, and the local time follows with the place's offset.
    QCOMPARE(Find<QLineEdit>(form, "edtTime")->text(), Find<QPushButton>(form, "btClock1")->text());
    // A name typed key by key, even the beginning of a place in the list, changes no
    // box; "S" keeps it with the coordinates typed.
    Find<QLineEdit>(form, "Edit1")->setText("59");
    place->lineEdit()->selectAll();
    QTest::keyClicks(place->lineEdit(), "Z");
    QCOMPARE(place->currentText(), QString("Z"));
    QTest::keyClicks(place->lineEdit(), "ambezi Camp");
    QCOMPARE(place->currentText(), QString("Zambezi Camp"));
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("59"));
    QCOMPARE(Find<QLineEdit>(form, "Edit3")->text(), QString("88"));
    QCOMPARE(Find<QLineEdit>(form, "Edit5")->text(), QString("-5.5"));
    QTest::keyClick(place->lineEdit(), Qt::Key_Return);  // no such place: nothing changes
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("59"));
    QTest::mouseClick(Find<QPushButton>(form, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(sink.messages.back(), std::string("Position saved in Position.txt"));
    std::ifstream file(env.settingsFolder / "Position.txt");
    std::string all((std::istreambuf_iterator<char>(file)), {});
    QVERIFY(all.find("\nZambezi Camp=59_32_N,88_22_E,-5.5,Asia/Kolkata\n") != std::string::npos);
    QCOMPARE(place->findText("Zambezi Camp"), -1);  // the list is as it was loaded
    // An exact name and Enter choose that place.
    place->lineEdit()->selectAll();
    QTest::keyClicks(place->lineEdit(), "helsinki");
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("59"));
    // Leaving the box with a whole name in it chooses nothing either.
    place->completer()->popup()->hide();  // the names offered while typing
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    place->setFocus();
    Find<QLineEdit>(form, "Edit1")->setFocus();
    QTRY_VERIFY(Find<QLineEdit>(form, "Edit1")->hasFocus());
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("59"));
    place->setFocus();
    QTest::keyClick(place->lineEdit(), Qt::Key_Return);
    QCOMPARE(Find<QLineEdit>(form, "Edit1")->text(), QString("60"));
    QCOMPARE(Find<QLineEdit>(form, "Edit3")->text(), QString("24"));
  }

  void closingTheMainWindowClosesTheWindowsItOpened() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    form.show();
    const char* buttons[] = {"Sights", "NoonCompass", "Plan", "Graph", "Tonight"};
    for (const char* name : buttons) QTest::mouseClick(Find<QPushButton>(form, name), Qt::LeftButton);
    const std::vector<QWidget*> opened{&form.SightsForm(), &form.WatchForm(), &form.PlanForm(), &form.GraphForm(),
                                       &form.TonightForm()};
    for (QWidget* window : opened) QVERIFY2(window->isVisible(), qPrintable(window->objectName()));
    form.close();
    for (QWidget* window : opened) QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
  }

  void printsTheMainWindowToAPdfFile() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    const QString path = starts_.Path() + "/main.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, path);
    QVERIFY(orrelin::ui::PrintWidgetImage(form, printer));
    QVERIFY(orrelin::testing::IsPdfFile(path, 1000));
  }

  void aboutShowsTheVersionAndOpensItsLinks() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    orrelin::ui::TAboutBox& about = form.AboutBox();
    QCOMPARE(about.windowTitle(), QString("About"));
    QCOMPARE(Find<QLabel>(about, "ProductName")->text(), QString("Orrelin"));
    QCOMPARE(Find<QLabel>(about, "lbVersion")->text(), QString("Version: 0.2.0.0"));
    QCOMPARE(Find<QLabel>(about, "Label1")->text(), QString("The astronomical formulas used are from the book"));
    QVERIFY(!Find<QLabel>(about, "ProgramIcon")->pixmap().isNull());
    QVERIFY(Find<QPushButton>(about, "OKButton")->isDefault());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    about.show();
    QTest::mouseClick(Find<QLabel>(about, "lbEmail"), Qt::LeftButton);
    QTest::mouseClick(Find<QLabel>(about, "lbUrl"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.opened.size(), 2);
    QCOMPARE(catcher.opened[0].toString(), QString("mailto:orrelin@users.noreply.example.org"));
    QCOMPARE(catcher.opened[1].toString(), QString("https://orrelin.example.org/"));
    QTest::mouseClick(Find<QPushButton>(about, "OKButton"), Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }

  // The manual in the program's own window, no browser needed: Help at the main window's
  // chapter, the almanac's Help at the almanac's, and About's links, where the desktop
  // has no program for them, at the front page with the address above it.
  void helpShowsTheManualInItsOwnWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    const std::size_t messages = sink.messages.size();
    auto& help = form.HelpForm();
    auto* browser = Find<QTextBrowser>(help, "tbHelp");
    auto* note = Find<QLabel>(help, "lbHelpNote");
    auto shows = [&](const char* page) { return browser->source().toLocalFile().endsWith(QString("manual/") + page); };

    form.findChild<QAction*>("Help")->trigger();
    QVERIFY(help.isVisible());
    QVERIFY(shows("place-and-moment.html"));
    QCOMPARE(browser->documentTitle(), QString("The place and the moment"));
    QVERIFY(browser->loadResource(QTextDocument::ImageResource, QUrl("images/main-window.png")).toByteArray().startsWith(
        "\x89PNG"));
    QVERIFY(!note->isVisible());
    // The first link (back to the contents) by the keyboard, and back again.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    QVERIFY(shows("index.html"));
    help.findChild<QAction*>("Back")->trigger();
    QVERIFY(shows("place-and-moment.html"));
    help.close();

    QTest::mouseClick(Find<QPushButton>(form, "Almanac"), Qt::LeftButton);
    form.AlmanacForm().findChild<QAction*>("Help")->trigger();
    QVERIFY(help.isVisible());
    QVERIFY(shows("almanac.html"));

    orrelin::ui::TAboutBox& about = form.AboutBox();
    for (const auto& [link, said] : std::vector<std::pair<const char*, const char*>>{
             {"lbUrl", "No web browser could be started for https://orrelin.example.org/."},
             {"lbEmail", "No mail program could be started: write to orrelin@users.noreply.example.org."}}) {
      help.close();
      about.show();
      QTest::mouseClick(Find<QLabel>(about, link), Qt::LeftButton);  // offscreen: no program for any address
      QVERIFY(!about.isVisible());
      QVERIFY(help.isVisible());
      QVERIFY(shows("index.html"));
      QVERIFY(note->isVisible());
      QCOMPARE(note->text(), QString(said));
    }
    QCOMPARE(sink.messages.size(), messages);
  }

  void startsFromAFolderThatWasDeleted() {
    QTemporaryDir gone;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(gone.path()));
    gone.remove();
    const auto folders = orrelin::ui::ProgramDataFolders();  // no exception
    QDir::setCurrent(before);
    QCOMPARE(folders.size(), std::size_t{2});  // beside the program and share/orrelin
  }

  void theDailyPagesOpenForTheDateAndPrint() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    form.show();
    QAction* daily = form.findChild<QAction*>("DailyPages");
    QVERIFY(daily != nullptr);
    daily->trigger();
    auto& pages = form.DailyPagesForm();
    QVERIFY(pages.isVisible());
    const QString text = Find<QPlainTextEdit>(pages, "memDaily")->toPlainText();
    QVERIFY2(text.startsWith("2026 JUNE 12, 13, 14"), qPrintable(text.left(60)));
    QPrinter printer;
    const QString pdf = starts_.Path() + "/daily.pdf";
    orrelin::testing::PrintToPdf(printer, pdf);
    QVERIFY(pages.PrintPagesTo(printer));
    QVERIFY(orrelin::testing::IsPdfFile(pdf, 10000));
    // A year the ephemeris does not hold: a message, and the pages shown stay.
    Find<QCheckBox>(form, "chBChr")->setChecked(true);
    daily->trigger();
    QCOMPARE(sink.messages.back(), std::string("No daily pages for this date: the daily pages are given for the years "
                                               "1800 to 2399"));
  }

  void damagedFilesInTheSettingsFolderStartEveryWindow() {
    // Settings with places no one can have, negative window places, garbage; a damaged
    // catalogue and place list: the windows open on the screen and close again.
    for (const auto& [file, target] : std::vector<std::pair<const char*, const char*>>{
             {"settings-out-of-range.ini", "settings.ini"},
             {"settings-binary-garbage.ini", "settings.ini"},
             {"stars-numbers-garbage.dat", "Mstars.dat"},
             {"places-malformed-lines.txt", "Position.txt"}}) {
      const orrelin::StartEnvironment env = Environment();
      std::filesystem::create_directories(env.settingsFolder);
      std::filesystem::copy_file(std::filesystem::path(ORRELIN_DAMAGED_FILES) / file, env.settingsFolder / target);
      RecordingMessageSink sink;
      TOrrelinForm form(env, sink);
      form.show();
      for (const char* opens : {"Sun", "Moon", "Stars", "Identify", "Almanac"}) {
        QTest::mouseClick(Find<QPushButton>(form, opens), Qt::LeftButton);
      }
      const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) QVERIFY2(screen.intersects(window->geometry()), file);
      }
      form.close();
    }
  }
};

QTEST_MAIN(OrrelinFormTest)
#include "orrelin_form_test.moc"
