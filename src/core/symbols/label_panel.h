// The label panel: the 16-bit operand of an instruction (LHLD, LDA, STA,
// SHLD, the jumps and calls, LXI), an existing label or a new name. Accept
// appends the name and its bytes to the cursor row, finishes the line and
// moves on.
//
// LabelCombo here is the panel's list box as the ui shows it (enabled,
// colour, selection); its entries mirror the label names of
// ProgrammingPanel::Symbols.LabelCombo, copied only when those change.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class LabelPanel {
 public:
  explicit LabelPanel(ProgrammingPanel& w);

  Control LabelBox;
  Control ExistingLabelOption;  // "Existing:"
  ListControl LabelCombo;       // the existing labels
  Control NewLabelOption;       // "New:"
  Control LabelText;            // the new label's name
  Control LabelAcceptButton;    // "&Accept"

  // True: shows the panel ready for a new name; False: hides it.
  void LabelStatus(bool Status);
  void ExistingLabelOption_Click();
  void NewLabelOption_Click();
  // A label picked in the list.
  void LabelCombo_Click(int ListIndex);
  // LabelText holds the text as typed: Accept is usable only for a valid name.
  void LabelText_Change();
  void LabelAcceptButton_Click();

  // Brings the list's entries up to date with the label names.
  void SyncLabelCombo();

  template <class F>
  void VisitControls(F&& f) {
    SyncLabelCombo();
    f("LabelBox", LabelBox);
    f("ExistingLabelOption", ExistingLabelOption);
    f("LabelCombo", LabelCombo);
    f("NewLabelOption", NewLabelOption);
    f("LabelText", LabelText);
    f("LabelAcceptButton", LabelAcceptButton);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
