// The star window, "Star": the catalogue, the chosen star, its report and the printed list.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "core/messages.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/star_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;
using orrelin::ui::TStarForm;

class StarFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;
  // A machine where the program was installed with its star catalogue.
  orrelin::StartEnvironment Installed() { return starts_.Next(true); }

  static int RowOf(QTableWidget* grid, const QString& name) {
    for (int r = 0; r < grid->rowCount(); ++r) {
      if (grid->item(r, 0)->text() == name) return r;
    }
    return -1;
  }

 private slots:
  void starsButtonListsTheCatalogueAndStarValuesReportsTheStar() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    QVERIFY(sink.messages.empty());  // the catalogue was installed on first start
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    TStarForm& stars = form.StarForm();
    QVERIFY(stars.isVisible());
    QCOMPARE(stars.windowTitle(), QString("Star"));
    auto* grid = Find<QTableWidget>(stars, "StringGrid1");
    QCOMPARE(grid->rowCount(), 58);
    QCOMPARE(Find<QLabel>(stars, "lblNumberStars")->text(), QString("The number of stars in the file: 58"));
    const int sirius = RowOf(grid, "Sirius");
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
    // A typed star whose place does not read gets the same answer, and no report.
    Find<QLineEdit>(stars, "Edit1")->setText("Nowhere");
    Find<QLineEdit>(stars, "Edit2")->setText("abc");
    Find<QLineEdit>(stars, "Edit3")->setText("north");
    report.close();
    QTest::mouseClick(Find<QPushButton>(stars, "btnValues"), Qt::LeftButton);
    QCOMPARE(sink.messages.back(), std::string("A star must be chosen"));
    QVERIFY(!report.isVisible());
  }

  void theBoxesFollowTheHighlightedRowAndStandLeft() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    TStarForm& stars = form.StarForm();
    auto* grid = Find<QTableWidget>(stars, "StringGrid1");
    QVERIFY(Find<QLineEdit>(stars, "Edit1")->mapTo(&stars, QPoint(0, 0)).x() <
            grid->mapTo(&stars, QPoint(0, 0)).x());
    grid->setFocus();
    grid->setCurrentCell(3, 0);
    QTest::keyClick(grid, Qt::Key_Down);
    QCOMPARE(Find<QLineEdit>(stars, "Edit1")->text(), grid->item(4, 0)->text());
    QTest::keyClick(grid, Qt::Key_Up);
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(Find<QLineEdit>(stars, "Edit1")->text(), grid->item(2, 0)->text());
    // Reopened, the list has no highlighted row over its empty boxes.
    stars.close();
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(stars, "Edit1")->text(), QString(""));
    QVERIFY(grid->selectedItems().isEmpty());
    QCOMPARE(grid->currentRow(), -1);
  }

  void printsTheStarListToAPdfFile() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    const QString path = starts_.Path() + "/stars.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, path);
    QVERIFY(form.StarForm().PrintStarList(printer));
    QVERIFY(orrelin::testing::IsPdfFile(path));
  }

  void thePrintedListHasHeadingsEpochAndPageNumbersAndStaysOnThePage() {
    RecordingMessageSink sink;
    TOrrelinForm form(Installed(), sink);
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    const QString path = starts_.Path() + "/stars-pages.pdf";
    orrelin::testing::ForEachPdfPage(path, [&](QPrinter& printer, const QString& which) {
      const auto pages = form.StarForm().StarListPagesFor(printer);
      QVERIFY2(pages.size() >= 2, qPrintable(which));
      QCOMPARE(orrelin::testing::TextOffThePage(printer, pages, QFont()), QString());
      std::vector<std::string> first;
      for (const auto& t : pages[0].texts) first.push_back(t.text);
      auto holds = [&first](const std::string& text) { return std::find(first.begin(), first.end(), text) != first.end(); };
      QVERIFY2(holds("1"), qPrintable(which));  // page 1 numbered like the others
      QVERIFY(holds("List of Stars for Navigation"));
      QVERIFY(holds("Epoch J2000.0; proper motions a year: PrpA in seconds of time, PrpD in seconds of arc"));
      for (const char* heading : {"Name", "RAscension", "Declination", "PrpA", "PrpD", "SAO", "Vmagn"}) QVERIFY(holds(heading));
      QVERIFY(holds("Sirius"));
      QVERIFY(form.StarForm().PrintStarList(printer));
      QVERIFY(orrelin::testing::IsPdfFile(path));
    });
  }
};

QTEST_MAIN(StarFormTest)
#include "star_form_test.moc"
