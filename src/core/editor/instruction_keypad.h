// The instruction keypad: 80 mnemonic keys that start a program line, and the
// two hover labels that describe the key under the mouse.
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
