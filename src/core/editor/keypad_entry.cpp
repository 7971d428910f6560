// Writing instruction lines from the keypads: the opcode cell, the line
// completion and the restart digit.
#include "base/hex_text.h"
#include "editor/programming_panel.h"

namespace parvix {

void ProgrammingPanel::DisplayOpcode(int CurrentRow) {
  Table1.SetText(CurrentRow, kOpcodeColumn, Hex2(CurrentOpcode));
}

void ProgrammingPanel::AdvanceAfterLine() {
  if (CursorRow == Table1.Rows() - 1 || IsOriginRow(CursorRow + 1) || InsertMode()) {
    InsertLine(CursorRow + 1, 1);
  }
  NextLine(CursorRow + 1);
}

void ProgrammingPanel::CompleteLine() {
  DisplayOpcode(CursorRow);
  ApplyDefaultComment(CursorRow);
  AdvanceAfterLine();
  ControlTransfer(ProgramState);
}

void ProgrammingPanel::RestartDigit(int Index) {
  if (Index < 0 || Index >= 8) return;
  CurrentOpcode += 8 * Index;
  Table1.SetText(CursorRow, kMnemonicColumn,
                 Table1.Text(CursorRow, kMnemonicColumn) + " " + Numbers.NUM[Index].text);
  CompleteLine();
}

}  // namespace parvix
