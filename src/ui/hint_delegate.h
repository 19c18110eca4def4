#pragma once
// A table cell left empty for the user to fill may hold a hint (its Qt::UserRole text):
// shown greyed in the empty cell, as a box shows its placeholder, until a value is typed.
#include <QStyledItemDelegate>

namespace orrelin::ui {

class HintDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace orrelin::ui
