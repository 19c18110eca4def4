#pragma once
// "Tonight": what stands above a minimum altitude while it is dark tonight at the main
// window's place. The evening's date, the minimum altitude, the magnitude limit and the
// darkness; the dark hours; every planet, the Moon and the bright stars in a table with
// when each is above the altitude, its transit and its best time, sorted by a click on a
// header; what is told with the list (no darkness, bodies that never rise).
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTableWidget>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "core/messages.h"
#include "report/main_window_record.h"
#include "sky/tonight_list.h"
#include "sky/local_time.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class TTonightForm : public PlacedWindow {
  Q_OBJECT

 public:
  // `mainWindow` reads the main window's place, date and clock; `starFile` is the
  // catalogue whose stars are listed.
  TTonightForm(const SettingsFile& settings, std::filesystem::path starFile, MessageSink& sink,
               std::function<MainWindowRecord()> mainWindow, QWidget* anchor, QWidget* parent = nullptr);

  // Lists from the boxes; a box that does not read is told and what is shown stays as
  // it was. False then.
  bool List();
  // The messages and the list as the command line prints them; false with no list or
  // when painting failed.
  bool Print(QPrinter& printer);
  const std::optional<sky::TonightList>& LastList() const { return list_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowList();
  void StoreBoxes() const;
  void RestoreBoxes();
  bool Refuse(const std::string& message);

  std::filesystem::path starFile_;
  MessageSink& sink_;
  std::function<MainWindowRecord()> main_;
  QLineEdit *date_ = nullptr, *minimum_ = nullptr, *mag_ = nullptr;
  QRadioButton *nautical_ = nullptr, *astronomical_ = nullptr;
  QLabel* dark_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPlainTextEdit* messages_ = nullptr;
  std::optional<sky::TonightList> list_;
  sky::UtcMinusLocalAt clock_;        // the clock the list's local times are read with
  std::vector<std::string> told_;     // the list's messages
};

}  // namespace orrelin::ui
