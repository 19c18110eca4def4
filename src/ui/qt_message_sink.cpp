#include "ui/qt_message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace orrelin::ui {

void QtMessageSink::Beep() { QApplication::beep(); }

void QtMessageSink::ShowMessage(const std::string& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(),
                           QString::fromStdString(text));
}

void QtMessageSink::BringMainWindowForward() {
  if (mainWindow_) {
    mainWindow_->raise();
    mainWindow_->activateWindow();
  }
}

}  // namespace orrelin::ui
