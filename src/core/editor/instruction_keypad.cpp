#include "editor/instruction_keypad.h"

#include "editor/programming_panel.h"

namespace parvix {

InstructionKeypad::InstructionKeypad(ProgrammingPanel& w) : w_(w) {
  for (int i = 0; i < kInstructionKeyCount; ++i) {
    INST[i].text = std::string(InstructionKeys()[i].caption);
  }
  InstructionBox.visible = false;
}

void InstructionKeypad::InstructionStatus(bool Status) { InstructionBox.visible = Status; }

}  // namespace parvix
