// Cells drawn without the focus frame of a view's current cell. The program
// table and the watch window's tables show their cursor rows themselves, in
// the core's colours; the view's own current cell (often row 0, the origin)
// would otherwise carry a frame that marks a row the user did not choose.
#pragma once

#include <QStyle>
#include <QStyledItemDelegate>

namespace parvix::ui {

class UnmarkedCellDelegate : public QStyledItemDelegate {
 public:
  // `showSelection`: whether selected cells are still drawn as selected.
  explicit UnmarkedCellDelegate(QObject* parent, bool showSelection)
      : QStyledItemDelegate(parent), showSelection_(showSelection) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->state &= ~QStyle::State_HasFocus;
    if (!showSelection_) option->state &= ~QStyle::State_Selected;
  }

 private:
  bool showSelection_;
};

}  // namespace parvix::ui
