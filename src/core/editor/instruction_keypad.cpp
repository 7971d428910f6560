#include "editor/instruction_keypad.h"

#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

InstructionKeypad::InstructionKeypad(ProgrammingPanel& w) : w_(w) {
  for (int i = 0; i < kInstructionKeyCount; ++i) {
    INST[i].text = std::string(InstructionKeys()[i].caption);
  }
  InstructionBox.visible = false;
}

void InstructionKeypad::InstructionStatus(bool Status) { InstructionBox.visible = Status; }

void InstructionKeypad::INST_Click(int Index) {
  if (Index < 0 || Index >= kInstructionKeyCount) return;
  if (!IsIdle(w_.EntryState)) return;
  // A line that would need a new row below it on a full table is refused
  // before the row is touched, so no half-keyed line is left behind.
  if (w_.NoRoomForLine()) return;
  w_.ProgramChanged = true;

  // Keep the row as it was for Esc, then clear it and its operand name. A
  // label placed on the row stays there: the line keyed again is still the
  // line the label names, and the jumps to it keep their target.
  const int row = w_.CursorRow;
  for (int c = 0; c < 5; ++c) {
    w_.SavedLine[c] = w_.Table1.Text(row, c);
    if (c != kLabelColumn || !IsLabelCell(w_.SavedLine[c])) w_.Table1.SetText(row, c, {});
  }
  w_.SavedLine[5] = w_.StringTable.Text(row, 0);
  w_.StringTable.SetText(row, 0, {});

  const InstructionKey& key = InstructionKeys()[Index];
  w_.Table1.SetText(row, kMnemonicColumn, INST[Index].text);
  w_.CurrentOpcode = key.opcode;

  const std::optional<EntryStates> next = PatternEntryState(key.pattern);
  if (!next) {
    w_.CompleteLine();
    return;
  }
  // A name operand follows the opcode byte, which is shown at once; a
  // register or number operand still changes the opcode, so the cell waits.
  if (*next == ByteState || *next == LabelState) w_.DisplayOpcode(row);
  w_.SavedLineFlag = true;
  w_.ControlTransfer(*next);
}

void InstructionKeypad::INST_MouseMove(int Index) {
  if (Index < 0 || Index >= kInstructionKeyCount) return;
  if (InstructionLabel[0].text == INST[Index].text) return;
  InstructionLabel[0].text = w_.InstTable[Index].first;
  InstructionLabel[1].text = w_.InstTable[Index].second;
}

}  // namespace parvix
