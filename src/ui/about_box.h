#pragma once
// The About window, "About": the program's name and version, the book its formulas
// come from, and the maker's e-mail and web addresses, which open the mail program
// and the browser.
#include <QDialog>
#include <QLabel>
#include <functional>

namespace orrelin::ui {

// The program's picture (built from its SVG icon).
QPixmap ProgramPicture(int size);

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // `notOpened` is told, with a note that names the address, when the desktop has no
  // program for a link (the window closes first).
  explicit TAboutBox(QWidget* parent = nullptr, std::function<void(const QString& note)> notOpened = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* email_ = nullptr;
  QLabel* url_ = nullptr;
  std::function<void(const QString&)> notOpened_;
};

}  // namespace orrelin::ui
