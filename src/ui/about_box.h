#pragma once
// The About window, "About": the program's name and version, the book its formulas
// come from, and the maker's e-mail and web addresses, which open the mail program
// and the browser.
#include <QDialog>
#include <QLabel>

namespace orrelin::ui {

// The program's picture (built from its SVG icon).
QPixmap ProgramPicture(int size);

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* email_ = nullptr;
  QLabel* url_ = nullptr;
};

}  // namespace orrelin::ui
