#pragma once
// The utc cell of a sight timed by the watch: left empty, it shows the UT the watch's
// reading, error and zone description give, grey and in italics, from the same
// conversion as the sights file and the command line's "time".
#include <QStyledItemDelegate>
#include <string>

namespace orrelin::ui {

// Where the utc cell keeps the UT resolved from the watch ("" when there is none).
inline constexpr int kResolvedUtRole = Qt::UserRole + 1;

// "2026-12-08 14:32:13" from the watch's reading, error and zone description as typed;
// "" when the reading is empty or a text does not read.
std::string ResolvedUtText(const std::string& reading, const std::string& error, const std::string& zone);

class ResolvedTimeDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;
};

}  // namespace orrelin::ui
