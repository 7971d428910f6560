#include "editor/data_keypad.h"

#include "base/hex_text.h"
#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

DataKeypad::DataKeypad(ProgrammingPanel& w) : w_(w) {
  DataBox.visible = false;
  for (int i = 0; i < 16; ++i) DataNum[i].text = HexBare(i);
  DataLabel.text = "00";
  DataAcceptButton.text = "Accept";
}

void DataKeypad::DataStatus(bool Status) {
  DataBox.visible = Status;
  if (Status && w_.EntryState == DataState) {
    DataLabel.text = "00";
    w_.DefaultButton = "DataAcceptButton";
    w_.Focus.Set("DataAcceptButton");
  }
}

}  // namespace parvix
