// A Qt table model over one of the watch window's tables (registers, memory,
// ports, instruction, interrupts). It reads the core's cells on demand, so the
// 65,536 memory rows cost nothing until they scroll into view. The table's
// heading row (row 0 of the core's table) becomes the Qt header; Qt row r is
// the core's row r + 1. The window tells it which core rows changed, and it
// signals just those.
#pragma once

#include <QAbstractTableModel>

#include "simulator/watch_window.h"

namespace parvix::ui {

class WatchTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  WatchTableModel(const WatchWindowDialog& watch, WatchTable table, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Core rows first to last (heading row excluded) have new contents.
  void rowsChanged(int first, int last);
  // Every row is new (the window's set-up ran).
  void resetAll();

 private:
  const WatchWindowDialog& watch_;
  WatchTable table_;
};

}  // namespace parvix::ui
