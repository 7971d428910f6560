// The variable panel: the 8-bit operand of an instruction (ADI ... CPI, IN,
// OUT, MVI), an existing variable or a new name. The same panel has two more
// forms: finding a variable (a list and Find) and replacing the variable
// operand of picked rows (Replace, with the rows that use a variable marked
// red). XXStatus sets up the form the entry state asks for; Done closes the
// find and replace forms.
//
// XXCombo here is the panel's list box as the ui shows it; its entries
// mirror the variable names of ProgrammingPanel::Symbols.XXCombo, copied only
// when those change.
#pragma once

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class XXPanel {
 public:
  explicit XXPanel(ProgrammingPanel& w);

  Control XXBox;
  Control ExistingXXOption;  // "Existing:"
  ListControl XXCombo;       // the existing variables
  Control NewXXOption;       // "New:"
  Control XXText;            // the new variable's name
  // Accept, Find and Replace stand on one spot: the form shows one of them.
  Control XXAcceptButton;   // "Accept" (operand entry)
  Control XXFindButton;     // "&Find" (find form)
  Control XXReplaceButton;  // "&Replace" (replace form)
  Control XXDoneButton;     // "Done": closes the find and replace forms

  // True: sets up the form of the entry state (operand entry in states 2 and
  // 15, find in 32, replace in 33); False: hides the panel.
  void XXStatus(bool Status);
  void ExistingXXOption_Click();
  void NewXXOption_Click();
  // A variable picked in the list.
  void XXCombo_Click(int ListIndex);
  // XXText holds the text as typed: Accept and Replace are usable only for a valid name.
  void XXText_Change();
  void XXAcceptButton_Click();
  void XXDoneButton_Click();

  // Brings the list's entries up to date with the variable names.
  void SyncXXCombo();

  template <class F>
  void VisitControls(F&& f) {
    SyncXXCombo();
    f("XXBox", XXBox);
    f("ExistingXXOption", ExistingXXOption);
    f("XXCombo", XXCombo);
    f("NewXXOption", NewXXOption);
    f("XXText", XXText);
    f("XXAcceptButton", XXAcceptButton);
    f("XXFindButton", XXFindButton);
    f("XXReplaceButton", XXReplaceButton);
    f("XXDoneButton", XXDoneButton);
  }

 private:
  // Marks red the Mnemonic cell of every row whose operand is a variable;
  // false when there is none.
  bool MarkVariableRows();

  ProgrammingPanel& w_;
};

}  // namespace parvix
