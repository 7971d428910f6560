#include "ui/editor/grid_model.h"

#include <QBrush>

#include "ui/base/binding.h"
#include "ui/base/cell_tips.h"

namespace parvix::ui {

GridModel::GridModel(Grid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {
  alignment_.fill(Qt::AlignLeft | Qt::AlignVCenter);
  grid_.SetObserver(this);
}

GridModel::~GridModel() { grid_.SetObserver(nullptr); }

void GridModel::SetAlignment(int column, Qt::Alignment alignment) {
  if (column >= 0 && column < static_cast<int>(alignment_.size())) alignment_[column] = alignment;
}

int GridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Rows();
}

int GridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Cols();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Cell& cell = grid_.At(index.row(), index.column());
  switch (role) {
    // A cell of megabytes is drawn by its first few thousand characters only.
    case Qt::DisplayRole: return ShownCellText(cell.text);
    case Qt::BackgroundRole: return QBrush(ToQColor(cell.back));
    case Qt::ForegroundRole: return QBrush(ToQColor(cell.fore));
    case Qt::TextAlignmentRole:
      return index.column() < static_cast<int>(alignment_.size())
                 ? QVariant(static_cast<int>(alignment_[index.column()]))
                 : QVariant();
    default: return {};
  }
}

void GridModel::BeginInsertRows(int first, int count) {
  beginInsertRows({}, first, first + count - 1);
}
void GridModel::EndInsertRows() { endInsertRows(); }
void GridModel::BeginRemoveRows(int first, int count) {
  beginRemoveRows({}, first, first + count - 1);
}
void GridModel::EndRemoveRows() { endRemoveRows(); }
void GridModel::CellChanged(int row, int col) {
  const QModelIndex cell = index(row, col);
  emit dataChanged(cell, cell);
}
void GridModel::RowsChanged(int first, int count, int cols) {
  emit dataChanged(index(first, 0), index(first + count - 1, cols - 1));
}
void GridModel::BeginReset() { beginResetModel(); }
void GridModel::EndReset() { endResetModel(); }

}  // namespace parvix::ui
