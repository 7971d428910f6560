// The replace tools: the label tool offers (red) every placed label and
// every label operand, the user picks cells (green) in the program table,
// chooses a new name or an existing label and presses Replace; the variable
// tool, in the variable panel's replace form, does the same for the
// operands of 8-bit instructions. A tool stays open after each Replace with
// its marks renewed, until Done or Esc. The marks are the tools' whole
// selection state: Replace acts on exactly the green cells.
#pragma once

#include <string>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class ReplacePanel {
 public:
  explicit ReplacePanel(ProgrammingPanel& w);

  Control ReplaceBox;              // "Label"
  Control NewReplaceOption;        // "New:"
  Control ReplaceText;             // the new name
  Control ExistingReplaceOption;   // "Existing:"
  ListControl ReplaceCombo;        // copy of the label names, filled by UpdateLabels
  Control ReplaceAcceptButton;     // "Replace"
  Control ReplaceDoneButton;       // "Done"

  // Edit > Replace > Labels and Edit > Replace > Variables.
  void ReplaceLabel_Click();
  void ReplaceVariable_Click();
  // True: marks the offered cells red and shows the panel with "New:"
  // selected, or tells that there is no label to replace.
  void ReplaceStatus(bool Status);
  void NewReplaceOption_Click();
  void ExistingReplaceOption_Click();
  void ReplaceCombo_Click(int ListIndex);
  // On entering the row-picked state: Accept is usable for an existing label
  // or an acceptable new name.
  void PrimeAcceptButton();
  // ReplaceText holds the text as typed.
  void ReplaceText_Change();
  // The label replacement of the picked cells.
  void ReplaceAcceptButton_Click();
  // Clears the marks, hides the panel, returns to the idle state.
  void ReplaceDoneButton_Click();
  // The variable replacement of the picked cells (the variable panel's
  // replace form).
  void XXReplaceButton_Click();

  template <class F>
  void VisitControls(F&& f) {
    f("ReplaceBox", ReplaceBox);
    f("ReplaceCombo", ReplaceCombo);
    f("ReplaceText", ReplaceText);
    f("ExistingReplaceOption", ExistingReplaceOption);
    f("NewReplaceOption", NewReplaceOption);
    f("ReplaceAcceptButton", ReplaceAcceptButton);
    f("ReplaceDoneButton", ReplaceDoneButton);
  }

 private:
  bool InLabelTool() const;
  void ReplaceWithNewLabel(const std::string& name);
  void ReplaceWithExistingLabel(int k);

  ProgrammingPanel& w_;
};

}  // namespace parvix
