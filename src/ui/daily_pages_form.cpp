#include "ui/daily_pages_form.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>

#include "daily/daily_page_layout.h"
#include "ui/printing.h"

namespace orrelin::ui {

TDailyPagesForm::TDailyPagesForm(const SettingsFile& settings, MessageSink& sink, QWidget* anchor, QWidget* parent)
    : PlacedWindow(settings, "fDailyPages", anchor, parent), sink_(sink) {
  setObjectName("DailyPagesForm");
  setWindowTitle("Daily pages");
  text_ = new QPlainTextEdit;
  text_->setObjectName("memDaily");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFont("DejaVu Sans Mono", 9));
  setCentralWidget(text_);
  resize(1000, 700);
  AddCloseAndPrintMenu(*this, [this](QPrinter& printer) { return PrintPagesTo(printer); });
  RestoreStoredPlace();
}

void TDailyPagesForm::ShowForDate(const CivilDate& first, bool beforeChrist) {
  std::string why = "the daily pages are given for the years 1800 to 2399";
  const auto pages = beforeChrist ? std::nullopt : daily::ComputeDailyPages(first, why);
  if (!pages) {
    sink_.ShowMessage("No daily pages for this date: " + why);
    return;
  }
  pages_ = pages;
  text_->setPlainText(QString::fromStdString(daily::DailyPagesText(*pages_)));
  show();
  raise();
}

bool TDailyPagesForm::PrintPagesTo(QPrinter& printer) {
  if (!pages_) return false;
  const PageArea area = PageAreaOf(printer);
  return PrintPages(printer, daily::DailyPagesPrinted(*pages_, area.width, area.height, area.dpi),
                    QFont("DejaVu Sans Mono"));
}

}  // namespace orrelin::ui
