#pragma once
// "Daily pages": the nautical almanac's two pages for three days from the main
// window's date, to read and to print.
#include <QPlainTextEdit>
#include <QPrinter>
#include <optional>

#include "core/calendar.h"
#include "core/messages.h"
#include "daily/daily_pages.h"
#include "ui/placed_window.h"

namespace orrelin::ui {

class TDailyPagesForm : public PlacedWindow {
  Q_OBJECT

 public:
  TDailyPagesForm(const SettingsFile& settings, MessageSink& sink, QWidget* anchor, QWidget* parent = nullptr);

  // Computes the pages of the three days from `first` and shows them; a message, and
  // the window stays as it was, when there are none.
  void ShowForDate(const CivilDate& first, bool beforeChrist);
  // Prints both pages on the printer; false when painting failed.
  bool PrintPagesTo(QPrinter& printer);

 private:
  MessageSink& sink_;
  QPlainTextEdit* text_ = nullptr;
  std::optional<daily::DailyPages> pages_;
};

}  // namespace orrelin::ui
