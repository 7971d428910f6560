// Writing instruction lines from the keypads: the opcode cell, the line
// completion, the restart digit and the clearing of the hover tips.
#include "base/hex_text.h"
#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

void ProgrammingPanel::DisplayOpcode(int CurrentRow) {
  Table1.SetText(CurrentRow, kOpcodeColumn, Hex2(CurrentOpcode));
}

bool ProgrammingPanel::LineAddsRow() const {
  return CursorRow == Table1.Rows() - 1 || IsOriginRow(CursorRow + 1) || InsertMode();
}

void ProgrammingPanel::AdvanceAfterLine() {
  if (LineAddsRow()) InsertLine(CursorRow + 1, 1);
  NextLine(CursorRow + 1);
}

void ProgrammingPanel::CompleteLine() {
  DisplayOpcode(CursorRow);
  ApplyDefaultComment(CursorRow);
  AdvanceAfterLine();
  // A finished line always returns to program mode, even from a line that
  // was re-opened in data mode.
  ControlTransfer(ProgramState);
}

void ProgrammingPanel::RestartDigit(int Index) {
  // Only the restart state has an RST line waiting for its number; the other
  // states that show the number panel key addresses.
  if (EntryState != RstState) return;
  if (Index < 0 || Index >= 8) return;
  CurrentOpcode += 8 * Index;
  Table1.SetText(CursorRow, kMnemonicColumn,
                 Table1.Text(CursorRow, kMnemonicColumn) + " " + Numbers.NUM[Index].text);
  CompleteLine();
}

void ProgrammingPanel::Form_MouseMove() {
  Instructions.InstructionLabel[0].text.clear();
  Instructions.InstructionLabel[1].text.clear();
  Registers.RegisterLabel.text.clear();
}

}  // namespace parvix
