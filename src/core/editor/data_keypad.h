// The data keypad of data mode: sixteen hex keys, the two-digit byte being
// keyed and Accept, which writes a "DFB" line and moves to the next row.
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
