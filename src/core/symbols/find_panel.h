// The find panel: picks a label and marks the rows that place or use it.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class FindPanel {
 public:
  explicit FindPanel(ProgrammingPanel& w);

  Control FindBox;
  ListControl FindCombo;  // copy of the label names, filled by UpdateLabels

  // Edit > Find > Label and Edit > Find > Variable.
  void FindLabel_Click();
  void FindVariable_Click();
  void FindStatus(bool Status);

  template <class F>
  void VisitControls(F&& f) {
    f("FindBox", FindBox);
    f("FindCombo", FindCombo);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
