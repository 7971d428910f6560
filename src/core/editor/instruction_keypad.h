// The instruction keypad: 80 mnemonic keys that start a program line, and the
// two hover labels that describe the key under the mouse.
//
// A key writes its mnemonic into the cursor row and either completes the line
// at once (operand-less keys) or enters the entry state that asks for its
// operand: a register or pair on the register keypad, a restart number on the
// number keypad, or a name on the operand panels.
#pragma once

#include <array>
#include <string>

#include "base/controls.h"
#include "tables/instruction_keys.h"

namespace parvix {

class ProgrammingPanel;

class InstructionKeypad {
 public:
  explicit InstructionKeypad(ProgrammingPanel& w);

  Control InstructionBox;
  std::array<Control, kInstructionKeyCount> INST;
  std::array<Control, 2> InstructionLabel;  // hover tip: mnemonic, operand pattern

  // Shows or hides the keypad.
  void InstructionStatus(bool Status);
  // Starts a line with key `Index` (only in the idle states). The row's old
  // contents are kept in SavedLine so that Esc can restore them while an
  // operand is still awaited.
  void INST_Click(int Index);
  // Hover tip: the key's mnemonic and operand pattern from InstTable.
  void INST_MouseMove(int Index);

  template <class F>
  void VisitControls(F&& f) {
    f("InstructionBox", InstructionBox);
    for (int i = 0; i < kInstructionKeyCount; ++i) f(IndexedName("INST", i), INST[i]);
    for (int i = 0; i < 2; ++i) f(IndexedName("InstructionLabel", i), InstructionLabel[i]);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
