// The data keypad of data mode: sixteen hex keys, the two-digit byte being
// keyed and Accept, which writes a "DFB" line and moves to the next row.
// The state stays DataState, so a run of bytes is keyed one after another.
#pragma once

#include <array>

#include "base/controls.h"

namespace parvix {

class ProgrammingPanel;

class DataKeypad {
 public:
  explicit DataKeypad(ProgrammingPanel& w);

  Control DataBox;
  std::array<Control, 16> DataNum;
  Control DataLabel;  // the byte being keyed
  Control DataAcceptButton;

  void DataStatus(bool Status);
  // Shifts the key's digit into DataLabel from the right.
  void DataNum_Click(int Index);
  // Typed hex digits (either case) key the byte; other keys are ignored.
  void DataAcceptButton_KeyPress(char KeyAscii);
  // Writes the byte as a "DFB" line on the cursor row and moves to the next row.
  void DataAcceptButton_Click();

  template <class F>
  void VisitControls(F&& f) {
    f("DataBox", DataBox);
    for (int i = 0; i < 16; ++i) f(IndexedName("DataNum", i), DataNum[i]);
    f("DataLabel", DataLabel);
    f("DataAcceptButton", DataAcceptButton);
  }

 private:
  ProgrammingPanel& w_;
};

}  // namespace parvix
