#include "ui/date_box.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDate>
#include <QKeyEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "app/date_box.h"

namespace orrelin::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The field under the cursor of "yyyy-mm-dd".
DateField FieldAt(int cursor) {
  if (cursor <= 4) return DateField::kYear;
  if (cursor <= 7) return DateField::kMonth;
  return DateField::kDay;
}

// The calendar pop-up shows the Gregorian calendar, so only its dates.
const QDate kFirstGregorianDay(1582, 10, 15);

}  // namespace

DateBox::DateBox(QWidget* parent) : QLineEdit(parent) {
  setObjectName("DateTimePicker1");
  setInputMask("9999-99-99");
  setMinimumWidth(fontMetrics().horizontalAdvance("0000-00-00") + 60);
  calendarAction_ = addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
  calendarAction_->setObjectName("DateTimePicker1Calendar");
  calendarAction_->setToolTip("Calendar");
  connect(calendarAction_, &QAction::triggered, this, &DateBox::OpenCalendar);
  connect(this, &QLineEdit::textEdited, this, &DateBox::TextTyped);
  connect(this, &QLineEdit::returnPressed, this, &DateBox::FinishTyping);
  ShowText();
}

void DateBox::SetDate(const CivilDate& date, bool notify) {
  const bool changed = date.year != date_.year || date.month != date_.month || date.day != date_.day;
  // While the user types, the text stays as typed for the date it already reads.
  if (!changed && typing_) return;
  date_ = date;
  ShowText();
  if (changed && notify) emit DateChanged();
}

void DateBox::SetBeforeChrist(bool beforeChrist) {
  beforeChrist_ = beforeChrist;
  SetDate(FitDate(date_, beforeChrist_));
}

void DateBox::ShowText() {
  const int cursor = cursorPosition();
  const QSignalBlocker quiet(this);
  setText(Q(DateBoxText(date_)));
  setCursorPosition(cursor);
  const QDate gregorian(date_.year, date_.month, date_.day);
  calendarAction_->setEnabled(!beforeChrist_ && gregorian >= kFirstGregorianDay);
}

void DateBox::TextTyped() {
  if (!typing_) beforeTyping_ = date_;
  typing_ = true;
  // A date that reads is taken at once, as a date box does; anything else waits until
  // the typing is finished. The text is written out in full only then: "1" typed over
  // the year must stay "1", not become "0001", or the next digits would land after
  // the zeros (1500 would read 0500).
  const DateRead read = ReadDateText(text().toStdString(), beforeChrist_);
  if (!read.date) return;
  const CivilDate& d = *read.date;
  if (d.year == date_.year && d.month == date_.month && d.day == date_.day) return;
  date_ = d;
  emit DateChanged();
}

void DateBox::FinishTyping() {
  const bool typed = typing_;
  typing_ = false;
  const DateRead read = ReadDateText(text().toStdString(), beforeChrist_);
  if (read.date) {
    SetDate(*read.date);
    return;
  }
  SetDate(typed ? beforeTyping_ : date_);  // back to the date before the typing, and say why
  emit Rejected(Q(read.message));
}

void DateBox::focusOutEvent(QFocusEvent* event) {
  FinishTyping();
  QLineEdit::focusOutEvent(event);
}

void DateBox::Step(int steps) {
  const int cursor = cursorPosition();
  SetDate(StepDate(date_, FieldAt(cursor), steps, beforeChrist_));
  setCursorPosition(cursor);
}

void DateBox::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
      Step(1);
      return;
    case Qt::Key_Down:
      Step(-1);
      return;
    case Qt::Key_PageUp:
      Step(10);
      return;
    case Qt::Key_PageDown:
      Step(-10);
      return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
      FinishTyping();
      return;
    default:
      QLineEdit::keyPressEvent(event);
  }
}

void DateBox::OpenCalendar() {
  auto* popup = new QWidget(this, Qt::Popup);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(popup);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* calendar = new QCalendarWidget;
  calendar->setObjectName("DateTimePicker1CalendarPopup");
  calendar->setMinimumDate(kFirstGregorianDay);
  calendar->setMaximumDate(QDate(kLastDateBoxYear, 12, 31));
  calendar->setSelectedDate(QDate(date_.year, date_.month, date_.day));
  layout->addWidget(calendar);
  connect(calendar, &QCalendarWidget::clicked, popup, [this, popup](const QDate& d) {
    SetDate({d.year(), d.month(), d.day()});
    popup->close();
  });
  popup->move(mapToGlobal(QPoint(0, height())));
  popup->show();
}

}  // namespace orrelin::ui
