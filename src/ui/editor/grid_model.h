// A Qt table model over a core Grid. It observes the grid and turns each
// reported change into the matching precise signal (rows inserted or removed,
// one cell changed); only a whole new table resets the model.
#pragma once

#include <QAbstractTableModel>
#include <array>

#include "base/grid.h"

namespace parvix::ui {

class GridModel : public QAbstractTableModel, public GridObserver {
  Q_OBJECT

 public:
  explicit GridModel(Grid& grid, QObject* parent = nullptr);
  ~GridModel() override;

  // Per-column alignment (Qt::Alignment flags) for display.
  void SetAlignment(int column, Qt::Alignment alignment);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  void BeginInsertRows(int first, int count) override;
  void EndInsertRows() override;
  void BeginRemoveRows(int first, int count) override;
  void EndRemoveRows() override;
  void CellChanged(int row, int col) override;
  void RowsChanged(int first, int count, int cols) override;
  void BeginReset() override;
  void EndReset() override;

 private:
  Grid& grid_;
  std::array<Qt::Alignment, 8> alignment_{};
};

}  // namespace parvix::ui
