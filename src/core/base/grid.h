// A grid of text cells with per-cell colours: the program table, its hidden
// companion tables and the clipboard are all grids. Every change is announced
// to an optional observer so that a view can update exactly the rows and cells
// that changed (inserted, removed, changed) instead of redrawing everything.
#pragma once

#include <string>
#include <vector>

#include "base/colors.h"

namespace parvix {

class GridObserver {
 public:
  virtual ~GridObserver() = default;
  virtual void BeginInsertRows(int first, int count) = 0;
  virtual void EndInsertRows() = 0;
  virtual void BeginRemoveRows(int first, int count) = 0;
  virtual void EndRemoveRows() = 0;
  virtual void CellChanged(int row, int col) = 0;
  virtual void BeginReset() = 0;
  virtual void EndReset() = 0;
  // A block of whole rows was rewritten at once (a paste): by default each
  // of its cells is reported; a view may take the block as one range.
  virtual void RowsChanged(int first, int count, int cols) {
    for (int r = first; r < first + count; ++r) {
      for (int c = 0; c < cols; ++c) CellChanged(r, c);
    }
  }
};

struct Cell {
  std::string text;
  Color back = kGridBackColor;
  Color fore = kGridForeColor;
};

// Called for a write outside a grid, with the operation and the cell. By
// default a debug build prints the cell and aborts, and a release build
// ignores the write; the test programs install a handler that fails the test.
using GridFaultHandler = void (*)(const char* operation, int row, int col);
// Installs `handler` (nullptr restores the default) and returns the previous one.
GridFaultHandler SetGridFaultHandler(GridFaultHandler handler);

class Grid {
 public:
  Grid(int cols, int rows = 0);

  int Rows() const { return static_cast<int>(rows_.size()); }
  int Cols() const { return cols_; }

  // Cell access. Reads out of range give an empty cell. Writes out of range
  // never touch the table; they are reported to the grid fault handler, so a
  // stale row number shows up at once in tests and debug builds.
  const std::string& Text(int row, int col) const;
  void SetText(int row, int col, std::string text);
  Color BackColor(int row, int col) const;
  Color ForeColor(int row, int col) const;
  void SetBackColor(int row, int col, Color color);
  void SetForeColor(int row, int col, Color color);
  void SetColors(int row, int col, Color back, Color fore);
  const Cell& At(int row, int col) const;
  // Replaces a whole row's cells (texts and colours) at once.
  void SetRow(int row, std::vector<Cell> cells);
  const std::vector<Cell>& Row(int row) const { return rows_[row]; }
  bool ValidCell(int row, int col) const {
    return row >= 0 && row < Rows() && col >= 0 && col < cols_;
  }

  // Row count changes. Growing appends empty rows, shrinking cuts the end.
  void SetRows(int count);
  void InsertRows(int at, int count);
  void RemoveRows(int at, int count);
  // Rewrites the rows from `at` on with `rows` (texts and colours), as one
  // change; rows beyond the end are dropped.
  void WriteRows(int at, std::vector<std::vector<Cell>> rows);
  // Empties every cell and resets its colours, keeping the row count.
  void ClearCells();
  // Replaces all rows at once (a whole new table: open, disassembly).
  void Reset(std::vector<std::vector<Cell>> rows);

  // The grid's current cell.
  int row = 0;
  int col = 0;

  void SetObserver(GridObserver* observer) { observer_ = observer; }

 private:
  std::vector<Cell> EmptyRow() const { return std::vector<Cell>(cols_); }
  // The cell to write, or nullptr (after reporting the fault) when outside.
  Cell* Mutable(int row, int col, const char* operation);
  void Changed(int row, int col) {
    if (observer_ != nullptr) observer_->CellChanged(row, col);
  }

  int cols_;
  std::vector<std::vector<Cell>> rows_;
  GridObserver* observer_ = nullptr;
};

}  // namespace parvix
