#include "ui/sights_watch_column.h"

#include "app/date_box.h"
#include "navigation/watch_time.h"

namespace orrelin::ui {

std::string ResolvedUtText(const std::string& reading, const std::string& error, const std::string& zone) {
  if (reading.empty()) return "";
  std::string problem;
  const auto watch = navigation::ReadWatchTime(reading, error, zone, problem);
  return watch ? UtcMomentText(navigation::UtOfWatchTime(*watch)) : "";
}

void ResolvedTimeDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  const QString resolved = index.data(kResolvedUtRole).toString();
  if (!option->text.isEmpty() || resolved.isEmpty()) return;
  option->text = resolved;
  option->font.setItalic(true);
  option->palette.setColor(QPalette::Text, QColor(110, 110, 110));
}

}  // namespace orrelin::ui
