// The equivalents tool window's model: every label and variable with its
// current and new value, a hex keypad for keying a value, and Done, which
// writes the new values back into the equivalent lists and patches them into
// the code texts that use them.
//
// The window is modal over the main window. EqtOption_Click loads it and asks
// the host to show it; from then on the window's events come here until
// Done or a close unloads it. Row r (from 1) of LabelTable is label r - 1:
// name, value when the window opened, value after Done. VariableTable is the
// same for the variables. The tables are the pending edit.
#pragma once

#include <array>
#include <string>
#include <unordered_map>

#include "base/controls.h"
#include "base/grid.h"
#include "base/host.h"

namespace parvix {

class ProgrammingPanel;

// New values by name, for patching the code texts in one walk of the table.
using EqtChanges = std::unordered_map<std::string, std::string>;

// Writes new values into the code texts of the rows whose operand they are:
// a label's into the three-byte rows (low byte, then high byte), a
// variable's into the two-byte rows. Row 0, the first origin, is skipped. A
// name that is both a label and a variable changes each kind of row only by
// its own kind's value, so no row changes its length.
void PatchCodeTexts(Grid& table, const Grid& operands, const EqtChanges& labels,
                    const EqtChanges& variables);

class RenumberDialog {
 public:
  static constexpr const char* kCaption = "Equivalents Tool Window";
  static constexpr int kKeyCount = 32;  // NUM(0..15) labels, NUM(16..31) variables

  explicit RenumberDialog(ProgrammingPanel& w);

  // True from Form_Load until Done or a close unloads the window.
  bool loaded = false;

  Control LabelsOption;
  Control VariablesOption;
  Control LabelFrame;
  Control VariableFrame;
  Grid LabelTable{3};
  Grid VariableTable{3};
  Control LabelLabel;  // the picked label's name
  Control EqtLabel;    // the value being keyed, four hex digits
  Control EqtBox;      // the label keypad NUM(0..15)
  Control EqtAcceptButton;
  Control VariableLabel;  // the picked variable's name
  Control XXLabel;        // the value being keyed, two hex digits
  Control XXBox;          // the variable keypad NUM(16..31)
  Control XXAcceptButton;
  Control DoneButton;
  std::array<Control, kKeyCount> NUM;
  std::array<std::string, 3> HeadList{"Label", "Current", "New"};
  std::array<std::string, 3> VarHeadList{"Label", "Current", "New"};
  std::string DefaultButton;
  FocusRequest Focus;
  // The rows whose names were clicked: Accept writes to them (0: none).
  int LabelTargetRow = 0;
  int XXTargetRow = 0;

  // Tools > Assign Equivalents (F6).
  void EqtOption_Click();
  void Form_Load();
  // The window closed any other way than Done: nothing is written back.
  void Form_Unload();
  void LabelsOption_Click();
  void VariablesOption_Click();
  void LabelTable_Click(int row, int col);
  void VariableTable_Click(int row, int col);
  void NUM_Click(int Index);
  void EqtAcceptButton_Click();
  void XXAcceptButton_Click();
  // A typed character while the Accept button has the focus: hex digits
  // press their key, every other key is ignored.
  void EqtAcceptButton_KeyPress(int KeyAscii);
  void XXAcceptButton_KeyPress(int KeyAscii);
  void DelayTimer_Timer();
  void XXDelayTimer_Timer();
  void DoneButton_Click();


  template <class F>
  void VisitControls(F&& f) {
    f("LabelsOption", LabelsOption);
    f("VariablesOption", VariablesOption);
    f("LabelFrame", LabelFrame);
    f("VariableFrame", VariableFrame);
    f("LabelLabel", LabelLabel);
    f("EqtLabel", EqtLabel);
    f("EqtBox", EqtBox);
    f("EqtAcceptButton", EqtAcceptButton);
    f("VariableLabel", VariableLabel);
    f("XXLabel", XXLabel);
    f("XXBox", XXBox);
    f("XXAcceptButton", XXAcceptButton);
    f("DoneButton", DoneButton);
    for (int i = 0; i < kKeyCount; ++i) f(IndexedName("NUM", i), NUM[i]);
  }

 private:
  // One side of the window: the label side or the variable side.
  struct Side {
    Grid& table;
    Control& name;
    Control& value;
    Control& keypad;
    Control& accept;
    int& target;
    const char* acceptName;
    TimerId timer;
    size_t digits;
  };
  Side Labels();
  Side Variables();
  void Pick(Side side, int row, int col);
  void Key(Side side, const std::string& digit);
  void Accept(Side side);
  void FocusTimer(Side side);
  void Unload();

  ProgrammingPanel& w_;
};

}  // namespace parvix
