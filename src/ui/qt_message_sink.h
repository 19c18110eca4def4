#pragma once
// Messages and the beep as the user sees them: a modal message box and the system beep.
#include <QPointer>
#include <QWidget>

class QMessageBox;

#include "core/messages.h"

namespace orrelin::ui {

// The narrowest a message box is made, so that its title is never cut.
int MessageBoxMinimumWidth(const QMessageBox& box);

class QtMessageSink : public MessageSink {
 public:
  void Beep() override;
  void ShowMessage(const std::string& text) override;
  void BringMainWindowForward() override;
  void SetMainWindow(QWidget* window) { mainWindow_ = window; }

 private:
  QPointer<QWidget> mainWindow_;
};

}  // namespace orrelin::ui
