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

void DataKeypad::DataNum_Click(int Index) {
  if (Index < 0 || Index > 15) return;
  // "00", "0A", "A7": the older digit drops out on the left.
  const std::string& keyed = DataLabel.text;
  const char kept = keyed.size() >= 2 ? keyed[keyed.size() - 1] : '0';
  DataLabel.text = std::string(1, kept) + DataNum[Index].text;
  // The Accept button keeps the focus, so Enter accepts and typed digits keep arriving.
  w_.Focus.Set("DataAcceptButton");
}

void DataKeypad::DataAcceptButton_KeyPress(char KeyAscii) {
  const int digit = HexDigitValue(KeyAscii);
  if (digit >= 0) DataNum_Click(digit);
}

void DataKeypad::DataAcceptButton_Click() {
  // On a full table the byte stays keyed and the row as it was.
  if (w_.NoRoomForLine()) return;
  const int row = w_.CursorRow;
  w_.Table1.SetText(row, kMnemonicColumn, "DFB");
  w_.Table1.SetText(row, kOpcodeColumn, DataLabel.text);
  w_.StringTable.SetText(row, 0, {});
  w_.ClearAddress();
  w_.ApplyDefaultComment(row);
  w_.Focus.Set("DataAcceptButton");
  w_.ProgramChanged = true;
  w_.AdvanceAfterLine();
  DataLabel.text = "00";
}

}  // namespace parvix
