#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <utility>

#include "app/placement.h"

namespace orrelin::ui {

namespace {

// The frame a window manager typically adds, for windows not yet framed.
constexpr int kTitleBarGuess = 30;
constexpr int kBorderGuess = 2;

// The frame the window manager put around the window; before it has framed one, the
// frame of `like` (a framed window of the same program), else a typical frame.
QMargins FrameMargins(const QWidget& window, const QWidget* like = nullptr) {
  if (const QWindow* handle = window.windowHandle(); handle != nullptr && window.isVisible()) {
    if (!handle->frameMargins().isNull()) return handle->frameMargins();
  }
  if (like != nullptr && like->windowHandle() != nullptr && !like->windowHandle()->frameMargins().isNull()) {
    return like->windowHandle()->frameMargins();
  }
  return {kBorderGuess, kTitleBarGuess, kBorderGuess, kBorderGuess};
}

// The available area of the screen that holds the point, else the nearest one.
QRect AvailableAround(const QPoint& point) {
  const QScreen* best = QGuiApplication::primaryScreen();
  long long bestDistance = -1;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->availableGeometry();
    if (area.contains(point)) return area;
    const long long dx = std::max({area.left() - point.x(), 0, point.x() - area.right()});
    const long long dy = std::max({area.top() - point.y(), 0, point.y() - area.bottom()});
    const long long distance = dx * dx + dy * dy;
    if (bestDistance < 0 || distance < bestDistance) {
      bestDistance = distance;
      best = screen;
    }
  }
  return best != nullptr ? best->availableGeometry() : QRect(0, 0, 1024, 768);
}

// The inside's top-left that puts the framed window into the area: the whole of it
// where it fits, else at least the title bar's left end.
QPoint InsideWithinArea(QPoint inside, QSize size, const QMargins& frame, const QRect& area) {
  const int frameWidth = size.width() + frame.left() + frame.right();
  const int frameHeight = size.height() + frame.top() + frame.bottom();
  const int left = std::clamp(inside.x() - frame.left(), area.left(), std::max(area.left(), area.right() + 1 - frameWidth));
  const int top = std::clamp(inside.y() - frame.top(), area.top(), std::max(area.top(), area.bottom() + 1 - frameHeight));
  return {left + frame.left(), top + frame.top()};
}

void MoveInsideTo(QWidget& window, const QPoint& inside) {
  window.setGeometry(QRect(inside, window.size()));
}

// A window larger than the screen is made to fit (within its own minimum size).
void FitIntoArea(QWidget& window, const QMargins& frame, const QRect& area) {
  const QSize room(area.width() - frame.left() - frame.right(), area.height() - frame.top() - frame.bottom());
  const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
  if (size != window.size()) window.resize(size);
}

}  // namespace

void MoveToStoredPlace(QWidget& window, const WindowPosition& position) {
  const QPoint inside(position.left, position.top);
  // Before the window manager has framed the window its frame is unknown: the stored
  // inside place is taken as it is (within the screen), and the frame is brought onto
  // the screen once it is known (KeepTitleBarOnScreen). A guessed title bar here would
  // move a window that stood right at the top a little down at every start.
  const QWindow* handle = window.windowHandle();
  const QMargins frame = handle != nullptr && window.isVisible() ? handle->frameMargins() : QMargins();
  const QRect area = AvailableAround(inside);
  FitIntoArea(window, frame, area);
  MoveInsideTo(window, InsideWithinArea(inside, window.size(), frame, area));
}

bool RestorePlacement(QWidget& window, const SettingsFile& settings, const char* key) {
  const auto position = RestoreWindowPlacement(settings, key);
  if (position) MoveToStoredPlace(window, *position);
  return position.has_value();
}

void PlaceBeside(QWidget& window, const QWidget& anchor) {
  const QMargins frame = FrameMargins(window, &anchor);
  const QRect anchorFrame = anchor.frameGeometry();
  const QRect area = AvailableAround(anchorFrame.center());
  FitIntoArea(window, frame, area);
  const QSize outer = window.size().grownBy(frame);
  QRect buttons;  // what must stay clear above all
  if (const QWidget* panel = anchor.findChild<QWidget*>(kKeepClearName); panel != nullptr && panel->isVisible()) {
    buttons = QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size());
  }
  auto coveredOf = [](const QRect& a, const QRect& b) {
    const QRect c = a.intersected(b);
    return c.isEmpty() ? 0LL : 1LL * c.width() * c.height();
  };
  // Right of it, left of it, below, above: the first that covers the least of its
  // buttons, then of the rest of it.
  const QPoint candidates[] = {
      {anchorFrame.right() + 1, anchorFrame.top()},
      {anchorFrame.left() - outer.width(), anchorFrame.top()},
      {anchorFrame.left(), anchorFrame.bottom() + 1},
      {anchorFrame.left(), anchorFrame.top() - outer.height()},
  };
  QPoint best;
  std::pair<long long, long long> leastCovered{-1, -1};
  for (const QPoint& frameTopLeft : candidates) {
    const QPoint inside = InsideWithinArea(frameTopLeft + QPoint(frame.left(), frame.top()), window.size(), frame, area);
    const QRect outerRect(inside - QPoint(frame.left(), frame.top()), outer);
    const std::pair<long long, long long> covered{coveredOf(outerRect, buttons), coveredOf(outerRect, anchorFrame)};
    if (leastCovered.first < 0 || covered < leastCovered) {
      leastCovered = covered;
      best = inside;
    }
  }
  MoveInsideTo(window, best);
}

void KeepTitleBarOnScreen(QWidget& window) {
  // The frame comes from the window manager a moment after the window is shown (on a
  // busy machine, seconds after): look every 50 ms for up to 3 s (without a window
  // manager it never comes). Once framed, look again a few times over the next second,
  // since a window manager may still move or resize the frame it has just made.
  constexpr int kLooksForFrame = 60;
  constexpr int kLooksAfterFrame = 4;
  auto correct = [&window](int triesLeft, int looksAfter, auto& self) -> void {
    const QWindow* handle = window.windowHandle();
    const bool framed = handle != nullptr && !handle->frameMargins().isNull();
    if (!framed && triesLeft > 0) {
      QTimer::singleShot(50, &window, [&window, triesLeft, self] { self(triesLeft - 1, kLooksAfterFrame, self); });
      return;
    }
    BringFrameOntoScreen(window);
    if (framed && looksAfter > 0) {
      QTimer::singleShot(250, &window, [&window, looksAfter, self] { self(0, looksAfter - 1, self); });
    }
  };
  correct(kLooksForFrame, kLooksAfterFrame, correct);
}

void BringFrameOntoScreen(QWidget& window) {
  if (!window.isVisible() || !InNormalState(window)) return;
  const QMargins frame = FrameMargins(window);
  const QRect area = AvailableAround(window.frameGeometry().topLeft() + QPoint(frame.left(), frame.top()));
  const QPoint inside = InsideWithinArea(window.geometry().topLeft(), window.size(), frame, area);
  if (inside != window.geometry().topLeft()) window.move(window.pos() + (inside - window.geometry().topLeft()));
}

bool InNormalState(const QWidget& window) {
  return !(window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
}

WindowPosition InsidePosition(const QWidget& window) { return {window.geometry().y(), window.geometry().x()}; }

void SavePlacement(const QWidget& window, const SettingsFile& settings, const char* key, bool mainWindow) {
  SaveWindowPlacement(settings, key, InsidePosition(window), InNormalState(window), mainWindow);
}

}  // namespace orrelin::ui
