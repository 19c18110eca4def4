// Window places under a real window manager (run by with_window_manager.sh): the
// frame and title bar that openbox adds are what the user sees and drags.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "app/settings_file.h"
#include "core/messages.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/star_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::TOrrelinForm;

class WindowManagerTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;
  orrelin::StartEnvironment Environment() { return starts_.Next(); }

  // Framed by the window manager and settled where it will stay: its place the same
  // at two looks in a row (a busy machine may take a second to get there).
  static void Settle(QWidget& window) {
    QPoint last(-100000, -100000);
    for (int look = 0; look < 40; ++look) {
      QTest::qWait(100);
      const QPoint now = window.geometry().topLeft();
      if (now == last) return;
      last = now;
    }
  }

  static void ShowAndSettle(QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Settle(window);
  }

  static QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

 private slots:
  void tenRestartsLeaveTheMainWindowWhereTheUserPutIt() {
    const orrelin::StartEnvironment env = Environment();
    RecordingMessageSink sink;
    QPoint placed;
    {
      TOrrelinForm form(env, sink);
      ShowAndSettle(form);
      form.move(300, 200);  // the user drags it by its title bar
      Settle(form);
      placed = form.geometry().topLeft();
      form.close();
    }
    // The inside stands where it stood, so the frame does too. (Qt learns the frame's
    // size from the window manager only some time after the window is shown, or on a
    // busy machine not at all: the inside is what the program saves and restores.)
    for (int restart = 0; restart < 10; ++restart) {
      TOrrelinForm form(env, sink);
      ShowAndSettle(form);
      QVERIFY2(form.geometry().topLeft() == placed,
               qPrintable(QString("restart %1: inside %2,%3").arg(restart).arg(form.geometry().x()).arg(form.geometry().y())));
      form.close();
    }
  }

  void aPresetAboveTheScreenLeavesTheTitleBarOnIt() {
    const orrelin::StartEnvironment env = Environment();
    std::filesystem::create_directories(env.settingsFolder);
    RecordingMessageSink sink;
    {
      TOrrelinForm first(env, sink);  // a first start writes the place on closing
      first.close();
    }
    orrelin::SettingsFile(env.settingsFolder / "settings.ini").WriteAll({{"fOrrelin", "1,-1,3"}});
    TOrrelinForm form(env, sink);
    ShowAndSettle(form);
    QTRY_VERIFY(form.frameGeometry().top() >= Available().top());
    QVERIFY(form.frameGeometry().left() >= Available().left());
  }

  void windowsOpenedForTheFirstTimeStandBesideTheMainWindow() {
    RecordingMessageSink sink;
    TOrrelinForm form(Environment(), sink);
    ShowAndSettle(form);
    QTest::mouseClick(Find<QPushButton>(form, "Sun"), Qt::LeftButton);
    QTest::qWait(300);
    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    QTest::qWait(300);
    const QRect buttons(Find<QPushButton>(form, "Sun")->mapToGlobal(QPoint(0, 0)),
                        Find<QPushButton>(form, "Neptune")->mapToGlobal(QPoint(60, 20)));
    for (QWidget* window : {static_cast<QWidget*>(&form.PlanetForm()), static_cast<QWidget*>(&form.StarForm())}) {
      QVERIFY(window->isVisible());
      // Once framed, the window is moved wholly onto the screen (which may take a moment).
      const auto where = [window] {
        const QRect f = window->frameGeometry();
        const QRect a = Available();
        return QString("%1: frame %2,%3 %4x%5 on %6,%7 %8x%9")
            .arg(window->windowTitle()).arg(f.x()).arg(f.y()).arg(f.width()).arg(f.height())
            .arg(a.x()).arg(a.y()).arg(a.width()).arg(a.height());
      };
      QTRY_VERIFY2_WITH_TIMEOUT(Available().contains(window->frameGeometry()), qPrintable(where()), 8000);
      QVERIFY2(!window->frameGeometry().intersects(buttons), qPrintable(window->windowTitle()));
    }
  }
};

QTEST_MAIN(WindowManagerTest)
#include "window_manager_test.moc"
