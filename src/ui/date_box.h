#pragma once
// The main window's date box: any date from year 1 to 9999, typed as yyyy-mm-dd or
// stepped with the arrow keys like a date box (Up/Down one step of the field under
// the cursor, Page Up/Down ten), with a calendar pop-up for the Gregorian years.
// Qt's own date editor stops at 1752 (and cannot go below year 100 at all), and its
// calendar is the Gregorian one throughout, which this program's dates are not.
#include <QLineEdit>
#include <QString>

#include "core/calendar.h"

class QCalendarWidget;

namespace orrelin::ui {

class DateBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit DateBox(QWidget* parent = nullptr);

  CivilDate Date() const { return date_; }
  // Shows the date; `notify` emits DateChanged when it differs from the one shown.
  void SetDate(const CivilDate& date, bool notify = true);
  // The B.C. tick decides which days exist (1 B.C. is a leap year, A.D. 1 is not).
  void SetBeforeChrist(bool beforeChrist);
  // Opens the calendar pop-up (for the dates it can show).
  void OpenCalendar();

 signals:
  void DateChanged();
  // A typed text that is no date: the message to show; the box goes back to its date.
  void Rejected(const QString& message);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void TextTyped();
  void FinishTyping();
  void Step(int steps);
  void ShowText();

  CivilDate date_{2000, 1, 1};
  CivilDate beforeTyping_{2000, 1, 1};  // where a rejected text goes back to
  bool typing_ = false;
  bool beforeChrist_ = false;
  QAction* calendarAction_ = nullptr;
};

}  // namespace orrelin::ui
