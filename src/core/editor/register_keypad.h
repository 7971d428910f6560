// The register keypad: B C D E H L M A SP PSW, used for register and pair
// operands; which keys are enabled depends on the entry state.
//
// A register key appends its register to the line's text, adds its code to
// the opcode under construction and then completes the line, asks for the
// next register (MOV) or hands over to the operand panel (LXI, MVI).
#pragma once

#include <array>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

// Register codes of the keys.
enum RegisterCode : int {
  kRegB = 0,
  kRegC,
  kRegD,
  kRegE,
  kRegH,
  kRegL,
  kRegM,
  kRegA,
  kRegSP,
  kRegPSW
};

class RegisterKeypad {
 public:
  explicit RegisterKeypad(ProgrammingPanel& w);

  Control RegisterBox;
  std::array<Control, 10> REG;  // by 8085 register code
  Control RegisterLabel;        // hover tip

  // Shows the panel with the keys of the current entry state enabled, or hides it.
  void RegisterStatus(bool Status);
  void REG_Click(int Index);
  void REG_MouseMove(int Index);
  // Typed letters pick a register: A B C D E H L M, P for PSW, S for SP.
  void RegisterBox_KeyPress(char KeyAscii);

  template <class F>
  void VisitControls(F&& f) {
    f("RegisterBox", RegisterBox);
    for (int i = 0; i < 10; ++i) f(IndexedName("REG", i), REG[i]);
    f("RegisterLabel", RegisterLabel);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
