// The find tools: the find panel picks a label, the variable panel's find
// form picks a variable, and Find marks in blue (white text) every cell of
// the program table that places or uses it, then tells how many there are.
// Each search unmarks every cell it does not mark; Done clears the marks.
// The tools change nothing in the program.
#pragma once

#include <string>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;
struct SymbolLists;

// True when some label is placed in a Label cell or used as an operand
// (after UpdateLabels): the label find and replace tools have work.
bool AnyLabelPlacedOrUsed(const SymbolLists& s);
// The opening of the label find and replace tools: UpdateLabels, then true
// when there is a label to work on; else the notice and the idle state.
bool LabelToolHasWork(ProgrammingPanel& w);

// "The label 'loop' is used 3 times in the program." and its siblings for
// `kind` "label" or "variable".
std::string UsageMessage(const std::string& kind, const std::string& name, int count);

class FindPanel {
 public:
  explicit FindPanel(ProgrammingPanel& w);

  Control FindBox;        // "Find Label"
  Control FindComboLabel;  // "Label:"
  ListControl FindCombo;  // copy of the label names, filled by UpdateLabels
  Control FindButton;     // "&Find"
  Control FindDoneButton; // "Done"

  // Edit > Find > Label and Edit > Find > Variable.
  void FindLabel_Click();
  void FindVariable_Click();
  // True: shows the panel with the first label chosen, or tells that there
  // is no label to find and returns to the idle state.
  void FindStatus(bool Status);
  void FindCombo_Click(int ListIndex);
  // Marks the label chosen in FindCombo and reports its count.
  void FindButton_Click();
  // Clears the marks, hides the panel, returns to the idle state.
  void FindDoneButton_Click();
  // The variable panel's find form: marks the variable chosen in its list.
  void XXFindButton_Click();

  template <class F>
  void VisitControls(F&& f) {
    f("FindBox", FindBox);
    f("FindComboLabel", FindComboLabel);
    f("FindCombo", FindCombo);
    f("FindButton", FindButton);
    f("FindDoneButton", FindDoneButton);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
