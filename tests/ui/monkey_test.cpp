// A monkey at the keyboard and the mouse: random typing into every box and clicks on
// every button and menu item of every open window, many thousand times. Nothing may
// crash, hang or trip a sanitizer, and the settings file must still be readable after
// the main window closes. ORRELIN_MONKEY_EVENTS and ORRELIN_MONKEY_SEED change the run;
// the seed and the event are printed when it fails.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "app/main_window.h"
#include "app/settings_file.h"
#include "core/messages.h"
#include "report/observer_reading.h"
#include "ui/orrelin_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::ui::TOrrelinForm;

// Swallows what the program asks the desktop to open (the manual, the web page).
class UrlSink : public QObject {
  Q_OBJECT

 public slots:
  void open(const QUrl&) {}
};

// Ends the process when no event has been done for a while: a hang is a failure too.
class Watchdog {
 public:
  Watchdog(unsigned seed, std::chrono::seconds patience)
      : thread_([this, seed, patience] {
          long seen = -1;
          auto since = std::chrono::steady_clock::now();
          while (!done_) {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            const long now = event_;
            if (now != seen) {
              seen = now;
              since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > patience) {
              std::fprintf(stderr, "The monkey hung at event %ld (seed %u)\n", now, seed);
              std::abort();
            }
          }
        }) {}
  ~Watchdog() {
    done_ = true;
    thread_.join();
  }
  void Done(long event) { event_ = event; }

 private:
  std::atomic<long> event_{0};
  std::atomic<bool> done_{false};
  std::thread thread_;
};

class Monkey {
 public:
  explicit Monkey(unsigned seed) : random_(seed) {}
  QMap<QString, int> acted;  // events by window

  // One random event in a random open window. When the monkey has closed the main
  // window (which closes the others), the program is started again, as a user would.
  void Act(QWidget& mainWindow) {
    if (!mainWindow.isVisible()) {
      ++acted["(started again)"];
      mainWindow.show();
    }
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && !qobject_cast<QDialog*>(w)) windows << w;
    }
    if (windows.isEmpty()) return;
    QWidget* window = windows[static_cast<int>(Below(windows.size()))];
    ++acted[window->objectName()];
    switch (Below(10)) {
      case 0: TriggerAMenuItem(*window); break;
      case 1: ChooseInADropDown(*window); break;
      case 2:
        if (Below(30) == 0 && window->objectName() != "OrrelinForm") window->close();
        break;
      case 3: case 4: case 5: ClickAButton(*window); break;
      default: TypeIntoABox(*window); break;
    }
  }

 private:
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  template <typename T>
  QList<T*> Usable(QWidget& window) {
    QList<T*> usable;
    for (T* w : window.findChildren<T*>()) {
      if (w->isVisible() && w->isEnabled()) usable << w;
    }
    return usable;
  }

  void ClickAButton(QWidget& window) {
    const auto buttons = Usable<QAbstractButton>(window);
    if (!buttons.isEmpty()) QTest::mouseClick(buttons[static_cast<int>(Below(buttons.size()))], Qt::LeftButton);
  }

  void TriggerAMenuItem(QWidget& window) {
    QList<QAction*> actions;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
      for (QAction* a : bar->actions()) {
        if (a->isEnabled() && a->isVisible()) actions << a;
      }
    }
    if (!actions.isEmpty()) actions[static_cast<int>(Below(actions.size()))]->trigger();
  }

  void ChooseInADropDown(QWidget& window) {
    const auto boxes = Usable<QComboBox>(window);
    if (boxes.isEmpty()) return;
    QComboBox* box = boxes[static_cast<int>(Below(boxes.size()))];
    if (box->count() > 0) box->setCurrentIndex(static_cast<int>(Below(box->count())));
  }

  QString RandomText() {
    static const QString kTyped = "0123456789+-.,:eE NSEW xyzÅäö°'\"_=";
    const std::size_t kind = Below(20);
    if (kind == 0) return QString(static_cast<int>(2000 + Below(3000)), QChar('9'));  // a very long text
    QString text;
    for (std::size_t n = 1 + Below(8); n > 0; --n) {
      text += kind < 10 ? kTyped[static_cast<int>(Below(12))] : kTyped[static_cast<int>(Below(kTyped.size()))];
    }
    return text;
  }

  void TypeIntoABox(QWidget& window) {
    const auto boxes = Usable<QLineEdit>(window);
    if (boxes.isEmpty()) return;
    QLineEdit* box = boxes[static_cast<int>(Below(boxes.size()))];
    box->setFocus();
    static const Qt::Key kControls[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,   Qt::Key_Right,
                                        Qt::Key_Home,      Qt::Key_End,    Qt::Key_Up,     Qt::Key_Down,
                                        Qt::Key_PageUp,    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab};
    switch (Below(6)) {
      case 0:
        QTest::keyClick(box, kControls[Below(std::size(kControls))]);
        break;
      case 1:  // a paste of a long text, or of anything
        QApplication::clipboard()->setText(Below(2) ? QString(100000, QChar('7')) : RandomText());
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
      case 2:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        Type(box, RandomText());
        break;
      default: {
        const QString text = RandomText();
        Type(box, text.size() > 300 ? text.left(300) : text);
      }
    }
  }

  // Each character as the keyboard sends it (QTest's typing knows only ASCII).
  static void Type(QWidget* box, const QString& text) {
    for (const QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box, &press);
      QApplication::sendEvent(box, &release);
    }
  }

  std::mt19937 random_;
};

class MonkeyTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  UrlSink urls_;

 private slots:
  void randomEventsInEveryWindowLeaveTheSettingsReadable() {
    const unsigned seed = qEnvironmentVariableIsSet("ORRELIN_MONKEY_SEED")
                              ? qEnvironmentVariable("ORRELIN_MONKEY_SEED").toUInt()
                              : 20261208u;
    const long events = qEnvironmentVariableIsSet("ORRELIN_MONKEY_EVENTS")
                            ? qEnvironmentVariable("ORRELIN_MONKEY_EVENTS").toLong()
                            : 10000;
    std::printf("Monkey: %ld events, seed %u\n", events, seed);
    std::fflush(stdout);
    for (const char* scheme : {"file", "http", "https", "mailto"}) QDesktopServices::setUrlHandler(scheme, &urls_, "open");
    // Dialogs the monkey opens (About, printing) and pop-ups (the calendar) are closed
    // again at once, as a user who changed their mind would.
    QTimer closer;
    connect(&closer, &QTimer::timeout, [] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
      if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    closer.start(0);

    const orrelin::StartEnvironment env =
        orrelin::testing::WindowEnvironment(dir_.path() + "/cfg", true);
    RecordingMessageSink sink;
    Watchdog watchdog(seed, std::chrono::seconds(120));
    {
      TOrrelinForm form(env, sink);
      form.show();
      for (const char* opens : {"Sun", "Stars", "Identify", "Almanac"}) {
        QTest::mouseClick(orrelin::testing::Find<QAbstractButton>(form, opens), Qt::LeftButton);
      }
      Monkey monkey(seed);
      for (long event = 1; event <= events; ++event) {
        monkey.Act(form);
        QCoreApplication::processEvents();
        watchdog.Done(event);
        if (event % 2000 == 0) {
          std::printf("  %ld events, %zu messages so far\n", event, sink.messages.size());
          std::fflush(stdout);
        }
      }
      for (auto it = monkey.acted.begin(); it != monkey.acted.end(); ++it) {
        std::printf("  %d events in %s\n", it.value(), qPrintable(it.key()));
      }
      form.close();
    }
    for (const char* scheme : {"file", "http", "https", "mailto"}) QDesktopServices::unsetUrlHandler(scheme);
    const orrelin::SettingsRead read =
        orrelin::SettingsFile(env.settingsFolder / orrelin::kSettingsFileName).ReadSection();
    QVERIFY2(read.readable, read.problem.c_str());
    orrelin::MainWindowRecord restored;
    const orrelin::RestoredSettings r = orrelin::RestoreMainSettings(read.values, restored);
    QVERIFY(r.present);
  }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
