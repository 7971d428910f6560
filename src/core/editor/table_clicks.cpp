// Clicks on the program table, dispatched by the entry state: the grid's
// current cell moves to the clicked cell, then the state decides what the
// click means. In the idle states a click moves the cursor, re-opens a line
// or an origin; in the tool states it picks the row or cells the running
// tool acts on, marking them in colour.
#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {

bool HasBack(const Grid& grid, int row, int col, Color color) {
  return grid.BackColor(row, col) == color;
}

void MarkPicked(Grid& grid, int row, int col) { grid.SetColors(row, col, kGreen, kBlack); }
void MarkOffered(Grid& grid, int row, int col) { grid.SetColors(row, col, kRed, kWhite); }

}  // namespace

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
    case CommentState:
    case CommentRowState:
      PickCommentRow(row);
      break;
    case ReplaceLabelState:
    case ReplaceLabelRowState:
      PickReplaceLabelCell(row, col);
      break;
    case ReplaceVariableState:
    case ReplaceVariableRowState:
      PickReplaceVariableCell(row, col);
      break;
    default:
      break;
  }
}

void ProgrammingPanel::Table1_MouseDown(int /*row*/, int /*col*/) {}
void ProgrammingPanel::Table1_MouseMove(int /*xTwips*/) {}
void ProgrammingPanel::Table1_MouseUp(int /*selectionEndRow*/) {}
void ProgrammingPanel::Table1_LeaveCell(int /*row*/, int /*col*/) {}

// The comment tool: the clicked row (any row) becomes the one whose comment
// is edited; the comment panel marks it and keeps its comment for Ignore.
void ProgrammingPanel::PickCommentRow(int row) { Comments.PickRow(row); }

// The label replace tool offers (red) the placed labels and the label
// operands; a click picks (green) or gives back (red) one of them. At most one
// Label cell is picked at a time; operand cells may be picked in any number.
void ProgrammingPanel::PickReplaceLabelCell(int row, int col) {
  if (IsOriginRow(row)) return;
  if (EntryState == ReplaceLabelState) {
    if (HasBack(Table1, row, col, kRed)) MarkPicked(Table1, row, col);
    ControlTransfer(ReplaceLabelRowState);
    return;
  }
  if (HasBack(Table1, row, col, kGreen)) {
    MarkOffered(Table1, row, col);
  } else if (HasBack(Table1, row, col, kRed)) {
    MarkPicked(Table1, row, col);
    if (col != kMnemonicColumn) {
      for (int r = 0; r < Table1.Rows(); ++r) {
        const std::string& label = Table1.Text(r, kLabelColumn);
        if (r != row && !label.empty() && label != "Origin") MarkOffered(Table1, r, kLabelColumn);
      }
    }
  }
}

// The variable replace tool offers (red) the Mnemonic cells of the rows whose
// operand is a variable; a click toggles a cell between offered and picked.
void ProgrammingPanel::PickReplaceVariableCell(int row, int col) {
  if (EntryState == ReplaceVariableState) {
    if (HasBack(Table1, row, col, kRed)) MarkPicked(Table1, row, col);
    ControlTransfer(ReplaceVariableRowState);
    return;
  }
  if (HasBack(Table1, row, col, kGreen)) {
    MarkOffered(Table1, row, col);
  } else if (HasBack(Table1, row, col, kRed)) {
    MarkPicked(Table1, row, col);
  }
}

}  // namespace parvix
