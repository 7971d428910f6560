#include "editor/register_keypad.h"

#include "editor/programming_panel.h"
#include "tables/instruction_keys.h"

namespace parvix {

RegisterKeypad::RegisterKeypad(ProgrammingPanel& w) : w_(w) {
  RegisterBox.visible = false;
  for (int i = 0; i < 10; ++i) REG[i].text = std::string(kRegisterCaptions[i]);
}

void RegisterKeypad::RegisterStatus(bool Status) { RegisterBox.visible = Status; }

}  // namespace parvix
