// The Plan window, driven as a navigator would: its table holds the numbers of the plan
// command for the same boxes (one planner, one reading of the boxes), sorts by azimuth,
// altitude and magnitude, hands the chosen bodies to the Sights window, and refuses a
// box that does not read with its message, keeping every box.
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

#include <nlohmann/json.hpp>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "app/date_box.h"
#include "cli/cli_program.h"
#include "ui/orrelin_form.h"
#include "ui/plan_form.h"
#include "ui/sights_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;
using orrelin::ui::TPlanForm;
using orrelin::ui::TSightsForm;

namespace {

// The table's columns: body, Hc, Zn, magnitude, preset Hs, marks.
constexpr int kHc = 1, kZn = 2, kMag = 3, kHs = 4, kMarks = 5;

// An evening under way in the Gulf of Finland, and the plan command's options for it.
const std::vector<std::pair<const char*, const char*>> kBoxes{
    {"edDate", "2026-12-10"}, {"edDr", "59 50 N, 24 50 E"},       {"edCourse", "225"}, {"edSpeed", "12"},
    {"edDrUtc", "2026-12-10 12:00:00"}, {"edHeight", "3"},         {"edIe", "-1.2"},    {"edMag", "2.5"},
    {"edBandLow", "20"},      {"edBandHigh", "65"}};
const std::vector<std::string> kOptions{"plan", "--date", "2026-12-10", "--twilight", "evening", "--dr",
                                        "59 50 N, 24 50 E", "--course", "225", "--speed", "12", "--dr-utc",
                                        "2026-12-10 12:00:00", "--height", "3", "--ie", "-1.2", "--mag", "2.5",
                                        "--band", "20 65", "--json"};

void Type(QWidget& window, const std::vector<std::pair<const char*, const char*>>& boxes) {
  for (const auto& [name, text] : boxes) Find<QLineEdit>(window, name)->setText(text);
}

std::vector<double> Column(const QTableWidget& table, int column) {
  std::vector<double> values;
  for (int r = 0; r < table.rowCount(); ++r) values.push_back(table.item(r, column)->data(Qt::UserRole).toDouble());
  return values;
}

void ClickHeader(QTableWidget& table, int column) {
  QHeaderView* header = table.horizontalHeader();
  const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

}  // namespace

class PlanFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  // The plan command run in-process on the window's own settings folder and catalogue.
  static std::string CommandLine(const orrelin::StartEnvironment& env, bool json) {
    std::ostringstream out, err;
    const orrelin::cli::CliContext context{out, err, env.settingsFolder, {ORRELIN_SHIPPED_STAR_DIR}};
    std::vector<std::string> options = kOptions;
    if (!json) options.pop_back();
    if (orrelin::cli::RunCli(options, context) != 0) qFatal("plan: %s", err.str().c_str());
    return out.str();
  }

  // The window opened from the main window's button, planned from kBoxes.
  static TPlanForm& Planned(TOrrelinForm& form) {
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Plan"), Qt::LeftButton);
    TPlanForm& plan = form.PlanForm();
    Type(plan, kBoxes);
    Find<QRadioButton>(plan, "rbEvening")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(plan, "btnPlan"), Qt::LeftButton);
    return plan;
  }

 private slots:
  void theTableHoldsThePlanCommandsNumbers() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Plan"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(form.PlanForm(), "edDr")->text(), QString("60 9.7 N, 24 57.3 E"));  // the place
    QCOMPARE(Find<QLineEdit>(form.PlanForm(), "edDate")->text(), QString("2026-06-12"));
    sink.messages.clear();
    TPlanForm& plan = Planned(form);
    QVERIFY2(sink.messages.empty(), sink.messages.empty() ? "" : sink.messages[0].c_str());

    const nlohmann::json j = nlohmann::json::parse(CommandLine(env, true));
    const auto& table = *Find<QTableWidget>(plan, "grdPlan");
    QCOMPARE(static_cast<std::size_t>(table.rowCount()), j["bodies"].size());
    QVERIFY(table.rowCount() > 10);
    for (int r = 0; r < table.rowCount(); ++r) {
      const std::string name = table.item(r, 0)->text().toStdString();
      const auto body = std::find_if(j["bodies"].begin(), j["bodies"].end(),
                                     [&](const nlohmann::json& b) { return b["name"] == name; });
      QVERIFY2(body != j["bodies"].end(), name.c_str());
      // The JSON's six decimals of a degree.
      for (const auto& [column, key] : {std::pair{kHc, "hc_deg"}, {kZn, "zn_deg"}, {kHs, "hs_deg"}}) {
        QVERIFY2(std::abs(table.item(r, column)->data(Qt::UserRole).toDouble() - (*body)[key].get<double>()) <= 5.1e-7,
                 (name + " " + key).c_str());
      }
      const double magnitude = table.item(r, kMag)->data(Qt::UserRole).toDouble();
      QVERIFY(std::abs(magnitude - (*body)["magnitude"].get<double>()) <= 0.0051);  // two decimals
      QCOMPARE(table.item(r, kMarks)->text().contains("triad"), (*body)["recommended"].get<bool>());
      QCOMPARE(table.item(r, kMarks)->text().contains("pair"), (*body)["pair"].get<bool>());
    }
    const QString moments = Find<QPlainTextEdit>(plan, "memPlan")->toPlainText();
    for (const char* key : {"sunset_utc", "civil_utc", "nautical_utc", "planned_utc"}) {
      QVERIFY2(moments.contains(QString::fromStdString(j[key].get<std::string>())), key);
    }
    QVERIFY(moments.contains(QString::fromStdString(j["rule"].get<std::string>())));
    // And the texts: the moments, each row's cells and the rule as the command prints them.
    const QString text = QString::fromStdString(CommandLine(env, false));
    const QString rule = moments.mid(moments.indexOf("\nTriad") + 1);
    QVERIFY(text.startsWith(moments.left(moments.indexOf("\n\n") + 1)));
    QVERIFY(text.endsWith(rule));
    for (int r = 0; r < table.rowCount(); ++r) {
      const QRegularExpression row("\\s+" + QRegularExpression::escape(table.item(r, 0)->text()) + "\\s+" +
                                   QRegularExpression::escape(table.item(r, kHc)->text()) + "\\s+" +
                                   QRegularExpression::escape(table.item(r, kZn)->text()) + "\\s+" +
                                   QRegularExpression::escape(table.item(r, kMag)->text()) + "\\s+" +
                                   QRegularExpression::escape(table.item(r, kHs)->text()) + "\\s");
      QVERIFY2(text.contains(row), qPrintable(table.item(r, 0)->text()));
    }
    QVERIFY(plan.SkyView().Sheet().has_value());
    const QString pdf = starts_.Path() + "/plan.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, pdf);
    QVERIFY(plan.Print(printer));
    QVERIFY(orrelin::testing::IsPdfFile(pdf, 5000));
  }

  void headersSortByAzimuthAltitudeAndMagnitudeAsNumbers() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    auto& table = *Find<QTableWidget>(Planned(form), "grdPlan");
    auto ascending = [](const std::vector<double>& v) { return std::is_sorted(v.begin(), v.end()); };
    auto descending = [](const std::vector<double>& v) { return std::is_sorted(v.rbegin(), v.rend()); };
    QVERIFY(ascending(Column(table, kZn)));  // as planned: by azimuth
    for (const int column : {kHc, kMag, kZn}) {
      ClickHeader(table, column);
      const bool up = ascending(Column(table, column)), down = descending(Column(table, column));
      QVERIFY(up || down);
      ClickHeader(table, column);  // the other way
      QVERIFY(up ? descending(Column(table, column)) : ascending(Column(table, column)));
    }
  }

  void addToSightsPutsTheChosenBodiesAtThePlannedMoment() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    TPlanForm& plan = Planned(form);
    auto& table = *Find<QTableWidget>(plan, "grdPlan");
    const std::string planned = orrelin::UtcMomentText(*plan.LastPlan()->plannedJulianDayUt);
    std::vector<std::pair<QString, QString>> chosen;  // body and preset Hs
    for (int r = 0; r < table.rowCount(); ++r) {
      if (!table.item(r, kMarks)->text().contains("triad")) continue;
      table.selectionModel()->select(table.model()->index(r, 0),
                                     QItemSelectionModel::Select | QItemSelectionModel::Rows);
      chosen.emplace_back(table.item(r, 0)->text(), table.item(r, kHs)->text());
    }
    QCOMPARE(chosen.size(), std::size_t{3});
    QTest::mouseClick(Find<QPushButton>(plan, "btnAddToSights"), Qt::LeftButton);
    TSightsForm& sights = form.SightsForm();
    QVERIFY(sights.isVisible());
    auto& rows = *Find<QTableWidget>(sights, "grdSights");
    QCOMPARE(rows.rowCount(), 3);
    for (int r = 0; r < 3; ++r) {
      QCOMPARE(rows.item(r, 0)->text().toStdString(), planned);
      QCOMPARE(rows.item(r, 1)->text(), chosen[static_cast<std::size_t>(r)].first);
      QCOMPARE(rows.item(r, 3)->text(), QString());  // ready for the observed Hs
      QCOMPARE(rows.item(r, 4)->text(), QString("-1.2"));  // the sextant and the deck planned for
      QCOMPARE(rows.item(r, 5)->text(), QString("3"));
      QCOMPARE(rows.item(r, 3)->data(Qt::UserRole).toString(), chosen[static_cast<std::size_t>(r)].second);
      QVERIFY(rows.item(r, 3)->toolTip().contains(chosen[static_cast<std::size_t>(r)].second));
    }
    // And back: the Sights window opens the plan.
    plan.close();
    QTest::mouseClick(Find<QPushButton>(sights, "btnPlan"), Qt::LeftButton);
    QVERIFY(plan.isVisible());
  }

  void aBoxThatDoesNotReadIsToldAndEveryBoxKept() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    {
      TOrrelinForm form(env, sink);
      TPlanForm& plan = Planned(form);
      auto& table = *Find<QTableWidget>(plan, "grdPlan");
      const int rows = table.rowCount();
      const QString first = table.item(0, 0)->text();
      const std::vector<std::pair<std::vector<std::pair<const char*, const char*>>, std::string>> bad{
          {{{"edDr", "91 00 N, 24 50 E"}}, "DR: "},
          {{{"edSpeed", "-3"}}, "Speed: "},
          {{{"edBandLow", "70"}, {"edBandHigh", "15"}}, "Band: "},
          {{{"edCourse", ""}}, "Speed: give Course with it"},
          {{{"edDate", "2026-02-30"}}, "Date: "},
      };
      for (const auto& [boxes, message] : bad) {
        Type(plan, kBoxes);
        Type(plan, boxes);
        sink.messages.clear();
        QVERIFY(!plan.ComputePlan());
        QCOMPARE(sink.messages.size(), std::size_t{1});
        QVERIFY2(sink.messages[0].rfind(message, 0) == 0, sink.messages[0].c_str());
        for (const auto& [name, text] : boxes) QCOMPARE(Find<QLineEdit>(plan, name)->text(), QString(text));
        QCOMPARE(table.rowCount(), rows);  // the plan shown stays
        QCOMPARE(table.item(0, 0)->text(), first);
      }
    }
    // The boxes that planned are kept for the next run.
    TOrrelinForm again(env, sink);
    QTest::mouseClick(Find<QPushButton>(again, "Plan"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(again.PlanForm(), "edDr")->text(), QString("59 50 N, 24 50 E"));
    QCOMPARE(Find<QLineEdit>(again.PlanForm(), "edSpeed")->text(), QString("12"));
    QCOMPARE(Find<QLineEdit>(again.PlanForm(), "edBandLow")->text(), QString("20"));
  }
};

QTEST_MAIN(PlanFormTest)
#include "plan_form_test.moc"
