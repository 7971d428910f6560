// Whether a table view draws a cell's text whole, as its delegate decides:
// the text must fit the style's text room of the cell, less its margins.
#pragma once

#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace parvix::ui {

inline bool ShowsWhole(QTableView* table, const QModelIndex& index) {
  QStyleOptionViewItem option;
  option.initFrom(table);
  option.rect = table->visualRect(index);
  option.features |= QStyleOptionViewItem::HasDisplay;
  option.text = index.data().toString();
  QStyle* style = table->style();
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
  const int room =
      style->subElementRect(QStyle::SE_ItemViewItemText, &option, table).width() - 2 * margin;
  return table->fontMetrics().elidedText(option.text, Qt::ElideRight, room) == option.text;
}

}  // namespace parvix::ui
