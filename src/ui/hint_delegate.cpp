#include "ui/hint_delegate.h"

#include <QPainter>

namespace orrelin::ui {

void HintDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QStyledItemDelegate::paint(painter, option, index);
  const QString hint = index.data(Qt::UserRole).toString();
  if (hint.isEmpty() || !index.data(Qt::DisplayRole).toString().isEmpty()) return;
  painter->save();
  painter->setPen(option.palette.color(QPalette::PlaceholderText));
  painter->drawText(option.rect.adjusted(4, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, hint);
  painter->restore();
}

}  // namespace orrelin::ui
