// The Graph window, driven as an observer would: its graph is the graph command's for
// the same boxes (one computation, one reading of the place and the clock), its cursor
// reads the report's altitudes at the moment under the mouse, a tick takes a curve away,
// and a box that does not read is told with every box and the graph shown kept.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/date_box.h"
#include "app/main_window.h"
#include "app/settings_folder.h"
#include "report/observer_reading.h"
#include "sky/sky_night.h"
#include "stars/star_file.h"
#include "cli/cli_program.h"
#include "cli/json_number.h"
#include "core/numbers.h"
#include "sky/graph_sheet.h"
#include "sky/local_time.h"
#include "ui/graph_form.h"
#include "ui/orrelin_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TGraphForm;
using orrelin::ui::TOrrelinForm;

namespace {

// A December evening at the main window's place: the Sun, the Moon, Jupiter and Sirius.
const std::vector<std::pair<const char*, const char*>> kBoxes{
    {"edDate", "2026-12-10"}, {"edStep", "15"}, {"edLine", "20"}, {"edStars", "Sirius"}};
const char* const kTicked[] = {"chSun", "chMoon", "chJupiter"};
const char* const kUnticked[] = {"chMercury", "chVenus", "chMars", "chSaturn", "chUranus", "chNeptune"};
const std::vector<std::string> kOptions{"graph", "sun",    "moon",   "jupiter", "sirius", "--date",
                                        "2026-12-10", "--step", "15", "--line", "20",     "--json"};

void Type(QWidget& window, const std::vector<std::pair<const char*, const char*>>& boxes) {
  for (const auto& [name, text] : boxes) Find<QLineEdit>(window, name)->setText(text);
}

// The mouse moved over a widget without a button pressed, as the window system tells it.
void MoveMouse(QWidget& widget, QPoint point) {
  QMouseEvent move(QEvent::MouseMove, point, widget.mapToGlobal(point), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&widget, &move);
}

}  // namespace

class GraphFormTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  // The graph command run in-process on the main window's settings as it saves them, the
  // window's catalogue and the zones' module.
  static nlohmann::json CommandLine(const orrelin::StartEnvironment& env, TOrrelinForm& form) {
    orrelin::SaveMainSettings(form.Settings(), form.ToRecord(), std::nullopt);
    std::ostringstream out, err;
    orrelin::cli::CliContext context{out, err, env.settingsFolder, {ORRELIN_SHIPPED_STAR_DIR}, env.now,
                                     env.secondsEastOfUtc};
    context.moduleFolders = {ORRELIN_MODULE_DIR};
    if (orrelin::cli::RunCli(kOptions, context) != 0) qFatal("graph: %s", err.str().c_str());
    return nlohmann::json::parse(out.str());
  }

  // The window opened from the main window's button and drawn from kBoxes.
  static TGraphForm& Drawn(TOrrelinForm& form) {
    form.show();
    QTest::mouseClick(Find<QPushButton>(form, "Graph"), Qt::LeftButton);
    TGraphForm& graph = form.GraphForm();
    Type(graph, kBoxes);
    for (const char* name : kTicked) Find<QCheckBox>(graph, name)->setChecked(true);
    for (const char* name : kUnticked) Find<QCheckBox>(graph, name)->setChecked(false);
    QTest::mouseClick(Find<QPushButton>(graph, "btnDraw"), Qt::LeftButton);
    return graph;
  }

 private slots:
  // With the fixed offset of the main window and with its zone (Helsinki keeps UTC + 2 h
  // in December while the box, at the main window's June moment, shows -3).
  void theGraphIsTheGraphCommands_data() {
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("clock");  // as the graph's title names it
    QTest::newRow("fixed offset") << QString() << QString("(UTC - local -3 h)");
    QTest::newRow("zone") << QString("Europe/Helsinki") << QString("(Europe/Helsinki, UTC - local -2 h)");
  }
  void theGraphIsTheGraphCommands() {
    QFETCH(QString, zone);
    QFETCH(QString, clock);
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    TOrrelinForm form(env, sink);
    form.show();
    if (!zone.isEmpty()) {
      auto* zones = Find<QComboBox>(form, "cbxZone");
      zones->setCurrentIndex(zones->findText(zone));
      emit zones->activated(zones->currentIndex());
      QVERIFY(form.ToRecord().clock.IsZone());
    }
    QTest::mouseClick(Find<QPushButton>(form, "Graph"), Qt::LeftButton);
    QCOMPARE(Find<QLineEdit>(form.GraphForm(), "edDate")->text(), QString("2026-06-12"));  // the main window's
    TGraphForm& graph = Drawn(form);
    QVERIFY2(sink.messages.empty(), sink.messages.empty() ? "" : sink.messages[0].c_str());
    QVERIFY(graph.LastGraph().has_value());
    const orrelin::sky::AltitudeGraph& g = *graph.LastGraph();
    const auto utcMinusLocal = orrelin::sky::UtcMinusLocalOf(form.ToRecord(), *orrelin::ReadObserver(form.ToRecord()));
    QCOMPARE(orrelin::sky::LocalClockText(utcMinusLocal, g.fromJulianDayUt), std::string("12:00"));  // local noon

    const nlohmann::json j = CommandLine(env, form);
    QCOMPARE(g.names, (std::vector<std::string>{"Sun", "Moon", "Jupiter", "Sirius"}));
    QCOMPARE(g.samples.size(), j["samples"].size());
    QVERIFY(g.samples.size() > 90);
    for (std::size_t s = 0; s < g.samples.size(); ++s) {
      const nlohmann::json& sample = j["samples"][s];
      QCOMPARE(orrelin::UtcMomentText(g.samples[s].julianDayUt), sample["utc"].get<std::string>());
      QCOMPARE(orrelin::sky::LocalMomentText(utcMinusLocal, g.samples[s].julianDayUt), sample["local"].get<std::string>());
      for (std::size_t b = 0; b < g.names.size(); ++b) {
        QCOMPARE(orrelin::cli::JsonNumber(g.samples[s].altitudes[b], 4),
                 sample["altitude_deg"][g.names[b]].get<double>());
      }
    }
    QCOMPARE(g.sunBands.size(), j["sun_bands"].size());
    for (std::size_t i = 0; i < g.sunBands.size(); ++i) {
      QCOMPARE(orrelin::UtcMomentText(g.sunBands[i].fromJulianDayUt), j["sun_bands"][i]["from_utc"].get<std::string>());
      QCOMPARE(orrelin::UtcMomentText(g.sunBands[i].toJulianDayUt), j["sun_bands"][i]["to_utc"].get<std::string>());
    }
    QCOMPARE(g.events.size(), j["events"].size());
    QVERIFY(g.events.size() >= 8);
    for (std::size_t i = 0; i < g.events.size(); ++i) {
      QCOMPARE(g.events[i].body, j["events"][i]["body"].get<std::string>());
      QCOMPARE(std::string(orrelin::sky::EventKindName(g.events[i].kind)), j["events"][i]["kind"].get<std::string>());
      QCOMPARE(orrelin::UtcMomentText(g.events[i].julianDayUt), j["events"][i]["utc"].get<std::string>());
    }

    // The sheet, titled with the clock of the night, on paper.
    QVERIFY(graph.View().Sheet().has_value());
    const auto& items = graph.View().Sheet()->items;
    QVERIFY(std::any_of(items.begin(), items.end(), [&](const auto& item) {
      return QString::fromStdString(item.text).startsWith("2026-12-10 noon to noon") &&
             QString::fromStdString(item.text).endsWith(clock);
    }));
    const QString pdf = starts_.Path() + "/graph.pdf";
    QPrinter printer(QPrinter::HighResolution);
    orrelin::testing::PrintToPdf(printer, pdf);
    QVERIFY(graph.Print(printer));
    QVERIFY(orrelin::testing::IsPdfFile(pdf, 5000));
  }

  void theCursorReadsTheReportsAltitudesAtItsMoment() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    TGraphForm& graph = Drawn(form);
    graph.resize(760, 900);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    const auto& g = *graph.LastGraph();
    const orrelin::sky::SkyNight night = orrelin::sky::SkyNightOf(form.ToRecord(), *orrelin::ReadObserver(form.ToRecord()),
                                                                   g.fromJulianDayUt);
    const auto& label = *Find<QLabel>(graph, "lblCursor");
    const orrelin::StarCatalogue catalogue =
        orrelin::LoadStarCatalogue(std::string(ORRELIN_SHIPPED_STAR_DIR) + "/" + orrelin::kStarFileName);
    // Points across the graph, and their readings' altitudes as the report gives them.
    for (const double x : {30.0, 95.0, 150.0}) {
      const orrelin::navigation::SheetPoint point{x, 75.0};
      const auto at = orrelin::sky::ReadGraphAt(g, point);
      QVERIFY(at.has_value());
      MoveMouse(graph.View(), graph.View().ViewPointOf(point).toPoint());
      const auto reading = graph.ReadCursor(graph.View().SheetPointOf(graph.View().ViewPointOf(point).toPoint()));
      QVERIFY(reading.has_value());
      QVERIFY(graph.View().Cursor().has_value());
      QVERIFY(std::abs(*graph.View().Cursor() - x) < 0.5);  // the line stands under the mouse
      const QString text = label.text();
      QVERIFY2(text.contains(QString::fromStdString(orrelin::sky::LocalMomentText(night.utcMinusLocal, reading->julianDayUt))),
               qPrintable(text));
      QCOMPARE(reading->altitudes.size(), std::size_t{4});
      for (const auto& [name, altitude] : reading->altitudes) {
        QVERIFY2(text.contains(QString::fromStdString(name + " " + orrelin::FixedText(altitude, 2))), qPrintable(text));
      }
      // At the exact moment ReadGraphAt gives for the point.
      const auto exact = graph.ReadCursor(point);
      QCOMPARE(exact->julianDayUt, at->julianDayUt);
      for (std::size_t b = 0; b < exact->altitudes.size(); ++b) {
        std::string why;
        const auto body = orrelin::sky::SkyBodyNamed(exact->altitudes[b].first, catalogue, false, why);
        QVERIFY2(body.has_value(), why.c_str());
        QCOMPARE(exact->altitudes[b].second, *orrelin::sky::AltitudeAt(*body, night.observer, at->julianDayUt, why));
      }
    }
    // Outside the graph: no line, no reading.
    QVERIFY(!graph.ReadCursor({5.0, 5.0}).has_value());
    MoveMouse(graph.View(), graph.View().ViewPointOf({5.0, 5.0}).toPoint());
    QVERIFY(!graph.View().Cursor().has_value());
  }

  void untickingABodyTakesItsCurveAway() {
    RecordingMessageSink sink;
    TOrrelinForm form(starts_.Next(true), sink);
    TGraphForm& graph = Drawn(form);
    auto texts = [&graph] {
      QStringList all;
      for (const auto& item : graph.View().Sheet()->items) all << QString::fromStdString(item.text);
      return all.join('\n');
    };
    QVERIFY(texts().contains("Moon"));
    const std::size_t items = graph.View().Sheet()->items.size();
    Find<QCheckBox>(graph, "chMoon")->setChecked(false);  // redrawn at once
    QCOMPARE(graph.LastGraph()->names, (std::vector<std::string>{"Sun", "Jupiter", "Sirius"}));
    QCOMPARE(graph.LastGraph()->samples.front().altitudes.size(), std::size_t{3});
    QVERIFY(!texts().contains("Moon"));
    QVERIFY(graph.View().Sheet()->items.size() < items);
    QVERIFY(sink.messages.empty());
  }

  void aBoxThatDoesNotReadIsToldAndEveryBoxKept() {
    const orrelin::StartEnvironment env = starts_.Next(true);
    RecordingMessageSink sink;
    {
      TOrrelinForm form(env, sink);
      TGraphForm& graph = Drawn(form);
      const std::vector<std::string> names = graph.LastGraph()->names;
      const std::vector<std::pair<std::vector<std::pair<const char*, const char*>>, std::string>> bad{
          {{{"edStars", "Sirius, Nostar"}}, "Stars: \"Nostar\" is no body"},
          {{{"edStep", "0"}}, "Step: "},
          {{{"edLine", "95"}}, "Dashed at: "},
          {{{"edDate", "2026-02-30"}}, "Date: "},
      };
      for (const auto& [boxes, message] : bad) {
        Type(graph, kBoxes);
        Type(graph, boxes);
        sink.messages.clear();
        QVERIFY(!graph.Draw());
        QCOMPARE(sink.messages.size(), std::size_t{1});
        QVERIFY2(sink.messages[0].rfind(message, 0) == 0, sink.messages[0].c_str());
        for (const auto& [name, text] : boxes) QCOMPARE(Find<QLineEdit>(graph, name)->text(), QString(text));
        QCOMPARE(graph.LastGraph()->names, names);  // the graph shown stays
        QVERIFY(graph.View().Sheet().has_value());
      }
      Type(graph, kBoxes);
      QVERIFY(graph.Draw());
      form.close();  // the graph window with it, keeping its place
      QVERIFY(!graph.isVisible());
      QVERIFY(form.Settings().Read("fGraph").has_value());
    }
    // The boxes that drew and the window's place are kept for the next run.
    TOrrelinForm again(env, sink);
    QTest::mouseClick(Find<QPushButton>(again, "Graph"), Qt::LeftButton);
    TGraphForm& graph = again.GraphForm();
    QCOMPARE(Find<QLineEdit>(graph, "edStep")->text(), QString("15"));
    QCOMPARE(Find<QLineEdit>(graph, "edLine")->text(), QString("20"));
    QCOMPARE(Find<QLineEdit>(graph, "edStars")->text(), QString("Sirius"));
    for (const char* name : kTicked) QVERIFY(Find<QCheckBox>(graph, name)->isChecked());
    for (const char* name : kUnticked) QVERIFY(!Find<QCheckBox>(graph, name)->isChecked());
  }
};

QTEST_MAIN(GraphFormTest)
#include "graph_form_test.moc"
