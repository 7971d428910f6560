#include "base/grid.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace parvix {

namespace {
const Cell kEmptyCell{};

void DefaultGridFault([[maybe_unused]] const char* operation, [[maybe_unused]] int row,
                      [[maybe_unused]] int col) {
#ifndef NDEBUG
  std::fprintf(stderr, "Grid::%s outside the grid: row %d, column %d\n", operation, row, col);
  std::abort();
#endif
}

GridFaultHandler gridFaultHandler = DefaultGridFault;
}  // namespace

GridFaultHandler SetGridFaultHandler(GridFaultHandler handler) {
  const GridFaultHandler previous = gridFaultHandler;
  gridFaultHandler = handler != nullptr ? handler : DefaultGridFault;
  return previous;
}

Grid::Grid(int cols, int rows) : cols_(cols) { rows_.assign(rows, EmptyRow()); }

const Cell& Grid::At(int row, int col) const {
  return ValidCell(row, col) ? rows_[row][col] : kEmptyCell;
}

const std::string& Grid::Text(int row, int col) const { return At(row, col).text; }
Color Grid::BackColor(int row, int col) const { return At(row, col).back; }
Color Grid::ForeColor(int row, int col) const { return At(row, col).fore; }

Cell* Grid::Mutable(int row, int col, const char* operation) {
  if (ValidCell(row, col)) return &rows_[row][col];
  gridFaultHandler(operation, row, col);
  return nullptr;
}

void Grid::SetText(int row, int col, std::string text) {
  Cell* cell = Mutable(row, col, "SetText");
  if (cell == nullptr || cell->text == text) return;
  cell->text = std::move(text);
  Changed(row, col);
}

void Grid::SetBackColor(int row, int col, Color color) {
  Cell* cell = Mutable(row, col, "SetBackColor");
  if (cell == nullptr || cell->back == color) return;
  cell->back = color;
  Changed(row, col);
}

void Grid::SetForeColor(int row, int col, Color color) {
  Cell* cell = Mutable(row, col, "SetForeColor");
  if (cell == nullptr || cell->fore == color) return;
  cell->fore = color;
  Changed(row, col);
}

void Grid::SetColors(int row, int col, Color back, Color fore) {
  Cell* cell = Mutable(row, col, "SetColors");
  if (cell == nullptr || (cell->back == back && cell->fore == fore)) return;
  cell->back = back;
  cell->fore = fore;
  Changed(row, col);
}

void Grid::SetRow(int row, std::vector<Cell> cells) {
  if (row < 0 || row >= Rows()) {
    gridFaultHandler("SetRow", row, 0);
    return;
  }
  cells.resize(cols_);
  rows_[row] = std::move(cells);
  for (int c = 0; c < cols_; ++c) Changed(row, c);
}

void Grid::SetRows(int count) {
  count = std::max(count, 0);
  int old = Rows();
  if (count > old) {
    InsertRows(old, count - old);
  } else if (count < old) {
    RemoveRows(count, old - count);
  }
}

void Grid::InsertRows(int at, int count) {
  if (count <= 0) return;
  at = std::clamp(at, 0, Rows());
  if (observer_ != nullptr) observer_->BeginInsertRows(at, count);
  rows_.insert(rows_.begin() + at, static_cast<size_t>(count), EmptyRow());
  if (observer_ != nullptr) observer_->EndInsertRows();
}

void Grid::RemoveRows(int at, int count) {
  if (at < 0 || at >= Rows()) return;
  count = std::min(count, Rows() - at);
  if (count <= 0) return;
  if (observer_ != nullptr) observer_->BeginRemoveRows(at, count);
  rows_.erase(rows_.begin() + at, rows_.begin() + at + count);
  if (observer_ != nullptr) observer_->EndRemoveRows();
  row = std::min(row, std::max(Rows() - 1, 0));
}

void Grid::WriteRows(int at, std::vector<std::vector<Cell>> rows) {
  if (at < 0 || at >= Rows()) return;
  const int count = std::min(static_cast<int>(rows.size()), Rows() - at);
  if (count <= 0) return;
  for (int i = 0; i < count; ++i) {
    rows[i].resize(cols_);
    rows_[at + i] = std::move(rows[i]);
  }
  if (observer_ != nullptr) observer_->RowsChanged(at, count, cols_);
}

void Grid::ClearCells() {
  if (observer_ != nullptr) observer_->BeginReset();
  for (auto& r : rows_) std::fill(r.begin(), r.end(), Cell{});
  if (observer_ != nullptr) observer_->EndReset();
}

void Grid::Reset(std::vector<std::vector<Cell>> rows) {
  if (observer_ != nullptr) observer_->BeginReset();
  rows_ = std::move(rows);
  for (auto& r : rows_) r.resize(cols_);
  row = std::min(row, std::max(Rows() - 1, 0));
  if (observer_ != nullptr) observer_->EndReset();
}

}  // namespace parvix
