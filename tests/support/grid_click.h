// One click on the program table as the grid reports it to the core: the
// press, the old current cell left, the release, then the click. Qt-free, for
// the core tests and the benchmarks alike.
#pragma once

#include "editor/programming_panel.h"

namespace parvix::testing {

inline void ClickAsTheGrid(ProgrammingPanel& w, int row, int col) {
  const int oldRow = w.Table1.row, oldCol = w.Table1.col;
  w.Table1_MouseDown(row, col);
  w.Table1_LeaveCell(oldRow, oldCol);
  w.Table1_MouseUp(row);
  w.Table1_Click(row, col);
}

}  // namespace parvix::testing
