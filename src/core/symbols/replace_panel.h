// The replace panel: renames the label operand of the picked rows.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class ReplacePanel {
 public:
  explicit ReplacePanel(ProgrammingPanel& w);

  Control ReplaceBox;
  ListControl ReplaceCombo;  // copy of the label names, filled by UpdateLabels
  Control ReplaceText;
  Control ExistingReplaceOption;
  Control NewReplaceOption;
  Control ReplaceAcceptButton;

  // Edit > Replace > Labels and Edit > Replace > Variables.
  void ReplaceLabel_Click();
  void ReplaceVariable_Click();
  void ReplaceStatus(bool Status);
  // On entering the row-picked state: Accept is usable for an existing label
  // or an acceptable new name.
  void PrimeAcceptButton();
  void ReplaceText_Change();

  template <class F>
  void VisitControls(F&& f) {
    f("ReplaceBox", ReplaceBox);
    f("ReplaceCombo", ReplaceCombo);
    f("ReplaceText", ReplaceText);
    f("ExistingReplaceOption", ExistingReplaceOption);
    f("NewReplaceOption", NewReplaceOption);
    f("ReplaceAcceptButton", ReplaceAcceptButton);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
