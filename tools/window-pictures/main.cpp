// Saves a picture of every window, as the program shows it, for the manual: the
// pictures are made from the program itself, so they never drift from it.
// Usage: window-pictures OUTPUT_FOLDER SHIPPED_DATA_FOLDER
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/main_window.h"
#include "app/settings_folder.h"
#include "core/messages.h"
#include "ui/about_box.h"
#include "ui/almanac_form.h"
#include "ui/daily_pages_form.h"
#include "ui/plan_form.h"
#include "ui/graph_form.h"
#include "ui/tonight_form.h"
#include "ui/sights_form.h"
#include "ui/watch_form.h"
#include "core/fields.h"
#include "sky/graph_sheet.h"
#include "ui/date_box.h"
#include "ui/identify_form.h"
#include "ui/jupiter_form.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/star_form.h"

namespace {

bool Save(QWidget& window, const QString& path) {
  const bool saved = window.grab().save(path);
  if (!saved) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
  return saved;
}

template <typename T>
T* Child(QWidget& window, const char* name) {
  return window.findChild<T*>(name);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orreline");
  if (argc != 3) {
    std::fprintf(stderr, "usage: window-pictures OUTPUT_FOLDER SHIPPED_DATA_FOLDER\n");
    return 2;
  }
  const QString out = argv[1];
  QDir().mkpath(out);
  QTemporaryDir home;
  orrelin::StartEnvironment env;
  env.settingsFolder = orrelin::SettingsFolderFrom(home.path().toStdString(), "");
  env.starFileSources = {argv[2]};
  env.now = 1781258400;  // 2026-06-12 10:00:00 UTC, a summer morning in Helsinki
  env.secondsEastOfUtc = 3 * 3600;
  orrelin::RecordingMessageSink sink;
  orrelin::ui::TOrrelinForm form(env, sink);
  form.show();
  bool ok = Save(form, out + "/main-window.png");
  form.RunBodyReport(orrelin::Body::kSun);
  ok = Save(form.PlanetForm(), out + "/report-sun.png") && ok;
  form.RunBodyReport(orrelin::Body::kMoon);
  ok = Save(form.PlanetForm(), out + "/report-moon.png") && ok;
  form.RunBodyReport(orrelin::Body::kJupiter);
  ok = Save(form.PlanetForm(), out + "/report-jupiter.png") && ok;
  form.OpenSatellites();
  ok = Save(form.JupiterForm(), out + "/satellites.png") && ok;
  Child<QPushButton>(form, "Stars")->click();
  ok = Save(form.StarForm(), out + "/star-window.png") && ok;

  // A sight of Sirius on the meridian, 2026 January 15 at 21:44 UT, from 3 m.
  Child<orrelin::ui::DateBox>(form, "DateTimePicker1")->SetDate({2026, 1, 15});
  Child<QLineEdit>(form, "edtTime")->setText("21:44:00");
  Child<QLineEdit>(form, "edtHeight")->setText("3");
  orrelin::ui::TIdentifyForm& identify = form.IdentifyForm();
  identify.show();
  Child<QLineEdit>(identify, "edtHmDeg")->setText("13");
  Child<QLineEdit>(identify, "edtHmMin")->setText("3.6");
  Child<QLineEdit>(identify, "edtAzim")->setText("184.6");
  identify.Ok();
  ok = Save(identify, out + "/identify.png") && ok;

  orrelin::ui::TAlmanacForm& almanac = form.AlmanacForm();
  almanac.ShowForYear(2026, false);
  almanac.Count();
  ok = Save(almanac, out + "/almanac.png") && ok;

  form.DailyPagesForm().ShowForDate({2026, 12, 8}, false);
  ok = Save(form.DailyPagesForm(), out + "/daily-pages.png") && ok;

  // The manual's worked example of sights: three stars from a ship making 12 knots on 225.
  orrelin::ui::TSightsForm& sights = form.SightsForm();
  sights.show();
  auto* table = Child<QTableWidget>(sights, "grdSights");
  for (const char* line : {"2026-09-21 20:00:00,Vega,,74 43.9,-1.2,12,1020,18",
                           "2026-09-21 20:20:00,Arcturus,,42 12.1,-1.2,12,1020,18",
                           "2026-09-21 20:40:00,Altair,,53 32.8,-1.2,12,1020,18"}) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < 8; ++c) {
      table->setItem(row, c, new QTableWidgetItem(QString::fromStdString(orrelin::ExtractField(line, ",", c))));
    }
  }
  Child<QLineEdit>(sights, "edDr")->setText("35 20 N, 40 40 W");
  Child<QLineEdit>(sights, "edCourse")->setText("225");
  Child<QLineEdit>(sights, "edSpeed")->setText("12");
  table->setCurrentCell(0, 0);
  sights.ShowReduction(0);
  ok = sights.ComputeFix() && ok;
  ok = Save(sights, out + "/sights.png") && ok;
  ok = orrelin::ui::SavePlottingSheet(*sights.SheetView().Sheet(), out + "/plotting-sheet.png") && ok;
  // The manual's series: five Sun sights, the third misread by 3'.
  table->setRowCount(0);
  for (const char* line :
       {"2026-12-10 09:30:00,Sun,lower,6 41.3,0,3,1010,10", "2026-12-10 09:31:10,Sun,lower,6 42.3,0,3,1010,10",
        "2026-12-10 09:32:05,Sun,lower,6 46.8,0,3,1010,10", "2026-12-10 09:33:20,Sun,lower,6 45.4,0,3,1010,10",
        "2026-12-10 09:34:30,Sun,lower,6 46.5,0,3,1010,10"}) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < 8; ++c) {
      table->setItem(row, c, new QTableWidgetItem(QString::fromStdString(orrelin::ExtractField(line, ",", c))));
    }
  }
  Child<QLineEdit>(sights, "edDr")->setText("59 50 N, 24 50 E");
  Child<QLineEdit>(sights, "edCourse")->setText("0");
  Child<QLineEdit>(sights, "edSpeed")->setText("0");
  table->setCurrentCell(1, 0);
  {
    // The table and the series; the sheet below is still the stars' fix.
    const QWidget* graph = Child<QWidget>(sights, "pbSeries");
    const int bottom = graph->mapTo(&sights, QPoint(0, graph->height())).y() + 6;
    const bool saved = sights.grab(QRect(0, 0, sights.width(), bottom)).save(out + "/sights-series.png");
    if (!saved) std::fprintf(stderr, "could not write %s\n", qPrintable(out + "/sights-series.png"));
    ok = saved && ok;
  }
  sights.close();

  // The manual's noon example: the Sun's lower limb at the passage, the ship running south.
  orrelin::ui::TWatchForm& watch = form.WatchForm();
  watch.show();
  for (const auto& [box, text] : std::vector<std::pair<const char*, const char*>>{
           {"edDr", "50 6 N, 4 18 W"}, {"edNoonDate", "2026-06-21"}, {"edCourse", "180"}, {"edSpeed", "15"},
           {"edNoonHs", "63 10.0"}, {"edNoonLimb", "lower"}, {"edNoonIe", "-1.2"}}) {
    Child<QLineEdit>(watch, box)->setText(text);
  }
  ok = watch.ComputeNoon() && ok;
  ok = Save(watch, out + "/noon-and-compass.png") && ok;
  watch.close();

  // The manual's twilight plan: the evening of 2026 December 10 in the Gulf of Finland, from 3 m.
  orrelin::ui::TPlanForm& plan = form.PlanForm();
  plan.show();
  for (const auto& [box, text] : std::vector<std::pair<const char*, const char*>>{
           {"edDate", "2026-12-10"}, {"edDr", "59 50 N, 24 50 E"}, {"edHeight", "3"}}) {
    Child<QLineEdit>(plan, box)->setText(text);
  }
  ok = plan.ComputePlan() && ok;
  ok = Save(plan, out + "/plan.png") && ok;
  plan.close();

  // The manual's tonight: the evening of 2026 March 15 at Helsinki, on the zone's clock.
  auto* zone = Child<QComboBox>(form, "cbxZone");
  zone->setCurrentIndex(zone->findText("Europe/Helsinki"));
  emit zone->activated(zone->currentIndex());
  orrelin::ui::TTonightForm& tonight = form.TonightForm();
  tonight.show();
  Child<QLineEdit>(tonight, "edDate")->setText("2026-03-15");
  ok = tonight.List() && ok;
  ok = Save(tonight, out + "/tonight.png") && ok;
  tonight.close();
  // The manual's graph: the Sun, the Moon, Jupiter and Sirius over the night of 2026
  // December 10 at Helsinki, by its zone's clock, the cursor at a quarter past nine in the
  // evening.
  orrelin::ui::TGraphForm& graph = form.GraphForm();
  graph.show();
  Child<QLineEdit>(graph, "edDate")->setText("2026-12-10");
  Child<QLineEdit>(graph, "edStars")->setText("Sirius");
  Child<QCheckBox>(graph, "chJupiter")->setChecked(true);
  ok = graph.Draw() && ok;
  {
    const auto& drawn = *graph.LastGraph();
    const double evening = drawn.fromJulianDayUt + 9.25 / 24.0;
    const QPoint at = graph.View().ViewPointOf(orrelin::sky::GraphPoint(drawn, evening, 30.0)).toPoint();
    QMouseEvent move(QEvent::MouseMove, at, graph.View().mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&graph.View(), &move);
  }
  ok = Save(graph, out + "/graph-window.png") && ok;
  graph.close();

  form.AboutBox().show();
  ok = Save(form.AboutBox(), out + "/about.png") && ok;
  return ok ? 0 : 1;
}
