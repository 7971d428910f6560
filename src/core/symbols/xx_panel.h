// The variable panel: the 8-bit operand of an instruction, and the find and replace forms for variables.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class XXPanel {
 public:
  explicit XXPanel(ProgrammingPanel& w);

  Control XXBox;

  void XXStatus(bool Status);

  template <class F>
  void VisitControls(F&& f) {
    f("XXBox", XXBox);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
