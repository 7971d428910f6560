// Clicks on the program table, dispatched by the entry state: the grid's
// current cell moves to the clicked cell, then the state decides what the
// click means.
#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

void ProgrammingPanel::Table1_Click(int row, int col) {
  if (!Table1.ValidCell(row, col)) return;
  Table1.row = row;
  Table1.col = col;
  switch (EntryState) {
    case ProgramState:
    case DataState:
      // The Label cell of an origin row opens the origin for a new address.
      if (col == kLabelColumn && IsOriginRow(row)) {
        TargetRow = row;
        ControlTransfer(EditOriginState);
      }
      break;
    default:
      break;
  }
}

}  // namespace parvix
