// The label panel: the 16-bit operand of an instruction, an existing label or a new name.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class LabelPanel {
 public:
  explicit LabelPanel(ProgrammingPanel& w);

  Control LabelBox;

  void LabelStatus(bool Status);

  template <class F>
  void VisitControls(F&& f) {
    f("LabelBox", LabelBox);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
