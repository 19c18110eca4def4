#include "ui/qt_message_sink.h"

#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace orrelin::ui {

namespace {

// The room a window manager's title bar needs: the title and its buttons. A short
// message ("0 .. 90") would otherwise make a box so narrow that the title is cut.
constexpr int kTitleBarButtons = 150;

}  // namespace

int MessageBoxMinimumWidth(const QMessageBox& box) {
  return box.fontMetrics().horizontalAdvance(box.windowTitle()) + kTitleBarButtons;
}

void QtMessageSink::Beep() { QApplication::beep(); }

void QtMessageSink::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(), QString::fromStdString(text),
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setObjectName("OrrelinMessage");
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(MessageBoxMinimumWidth(box), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
  box.exec();
}

void QtMessageSink::BringMainWindowForward() {
  if (mainWindow_) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
}

}  // namespace orrelin::ui
