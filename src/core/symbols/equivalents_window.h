// The equivalents tool window's model: every label and variable with its
// current and new value; Done writes the new values back and patches them
// into the code texts that use them.
#pragma once

namespace parvix {

class ProgrammingPanel;

class RenumberDialog {
 public:
  explicit RenumberDialog(ProgrammingPanel& w);

  // Tools > Assign Equivalents (F6).
  void EqtOption_Click();
  void DelayTimer_Timer();
  void XXDelayTimer_Timer();

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
