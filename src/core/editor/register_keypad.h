// The register keypad: B C D E H L M A SP PSW, used for register and pair
// operands; which keys are enabled depends on the entry state.
#pragma once

#include <array>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class RegisterKeypad {
 public:
  explicit RegisterKeypad(ProgrammingPanel& w);

  Control RegisterBox;
  std::array<Control, 10> REG;  // by 8085 register code
  Control RegisterLabel;        // hover tip

  void RegisterStatus(bool Status);

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
