#include "ui/simulator/watch_table_model.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "ui/base/binding.h"

namespace parvix::ui {

WatchTableModel::WatchTableModel(const WatchWindowDialog& watch, WatchTable table,
                                 QObject* parent)
    : QAbstractTableModel(parent), watch_(watch), table_(table) {}

int WatchTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : watch_.tableRows(table_) - 1;
}

int WatchTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : watch_.tableCols(table_);
}

QVariant WatchTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int row = index.row() + 1;
  const int col = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return Q(watch_.cellText(table_, row, col));
    case Qt::TextAlignmentRole:
      if (table_ == WatchTable::Instruction && col >= kInstMnemonicsColumn)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
      return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole: {
      const Color color = watch_.cellColor(table_, row, col);
      if (color != Control::kNoColorSet) return ToQColor(color);
      // Column 0 is the grid's fixed column, except in the instruction row.
      if (col == 0 && table_ != WatchTable::Instruction)
        return QGuiApplication::palette().color(QPalette::Button);
      return {};
    }
    default:
      return {};
  }
}

QVariant WatchTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
    return Q(watch_.cellText(table_, 0, section));
  return {};
}

void WatchTableModel::rowsChanged(int first, int last) {
  first = std::max(first, 1);
  last = std::min(last, rowCount());
  if (first > last) return;
  emit dataChanged(index(first - 1, 0), index(last - 1, columnCount() - 1),
                   {Qt::DisplayRole, Qt::BackgroundRole});
}

void WatchTableModel::resetAll() {
  beginResetModel();
  endResetModel();
}

}  // namespace parvix::ui
