#include "editor/number_keypad.h"

#include <algorithm>

#include "base/hex_text.h"
#include "base/host.h"
#include "editor/entry_states.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {
constexpr int kFocusDelayMs = 10;
const char* const kOriginUsed = "Origin Address already used. Enter another address.";
}  // namespace

NumberKeypad::NumberKeypad(ProgrammingPanel& w) : w_(w) {
  NumberBox.visible = false;
  for (int i = 0; i < 16; ++i) NUM[i].text = HexBare(i);
  NumberAcceptButton.text = "Accept";
}

void NumberKeypad::NumberStatus(bool Status) {
  if (!Status) {
    NumberBox.visible = false;
    return;
  }
  NumberBox.visible = true;
  switch (w_.EntryState) {
    case WordState:
    case EditOriginState:
    case EquivalentAddressState:
    case NewOriginState:
      NumberLabel.text = "0000";
      for (auto& key : NUM) key.enabled = true;
      NumberAcceptButton.enabled = true;
      w_.DefaultButton = "NumberAcceptButton";
      w_.host.StartTimer(TimerId::StartupTimer, kFocusDelayMs);
      DataTypeLabel.text = "Address";
      break;
    case RstState:
      NumberLabel.text.clear();
      for (int i = 0; i < 16; ++i) NUM[i].enabled = i < 8;
      NumberAcceptButton.enabled = false;
      w_.Focus.Set("NumberFocusButton");
      DataTypeLabel.text = "Number";
      break;
    // clang-format off
    case ProgramState: case ByteState: case RegisterState: case LabelState: case PairState:
    case LxiPairState: case LxiLabelState: case MovDestState: case MovSourceState:
    case StackPairState: case LdaxPairState: case MviRegisterState: case MviByteState:
    case PlaceState: case PlaceRowState: case RepositionState: case CommentState:
    case CommentRowState: case EditState: case FindLabelState: case ReplaceLabelState:
    case ReplaceLabelRowState: case EquivalentState: case DataState: case LabelDeleteState:
    case DeleteLabelsState: case FindVariableState: case ReplaceVariableState:
    case ReplaceVariableRowState: case PrintCommentState:
      // clang-format on
      break;  // the number keypad is not shown for them
  }
}

void NumberKeypad::NUM_Click(int Index) {
  if (Index < 0 || Index > 15) return;
  if (w_.EntryState == EditOriginState || w_.EntryState == NewOriginState) {
    // The digits move left and the oldest drops out: "0000", "0008", "0080".
    std::string keyed = NumberLabel.text;
    if (keyed.size() < 4) keyed.insert(0, 4 - keyed.size(), '0');
    NumberLabel.text = keyed.substr(keyed.size() - 3) + NUM[Index].text;
    w_.Focus.Set("NumberAcceptButton");
    return;
  }
  w_.RestartDigit(Index);
}

void NumberKeypad::NUM_MouseMove(int Index) {
  if (Index < 0 || Index > 15 || !NUM[Index].enabled) return;
  if (w_.EntryState == RstState) NumberLabel.text = NUM[Index].text;
}

void NumberKeypad::NumberAcceptButton_KeyPress(char KeyAscii) {
  int digit = HexDigitValue(KeyAscii);
  if (digit >= 0) NUM_Click(digit);
}

void NumberKeypad::NumberFocusButton_KeyPress(char KeyAscii) {
  if (KeyAscii >= '0' && KeyAscii <= '7') NUM_Click(KeyAscii - '0');
}

void NumberKeypad::StartupTimer_Timer() {
  w_.host.StopTimer(TimerId::StartupTimer);
  w_.Focus.Set(w_.EntryState == DataState ? "DataAcceptButton" : "NumberAcceptButton");
}

void NumberKeypad::NumberAcceptButton_Click() {
  if (w_.EntryState == NewOriginState) {
    AcceptNewOrigin();
  } else if (w_.EntryState == EditOriginState) {
    AcceptEditedOrigin();
  } else {
    return;
  }
}

void NumberKeypad::AcceptNewOrigin() {
  const std::string address = NumberLabel.text;
  int next;
  if (w_.OriginList.empty()) {
    // The first origin of a new program: row 0.
    w_.UsedRowCount = 0;
    w_.OriginList.push_back(address);
    w_.Table1.SetText(0, 0, "Origin");
    w_.Table1.SetText(0, 1, address);
    w_.UsedRowCount = 1;
    next = 1;
  } else {
    if (std::find(w_.OriginList.begin(), w_.OriginList.end(), address) != w_.OriginList.end()) {
      w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(kOriginUsed, kMsgCritical));
      return;
    }
    // The origin's row goes in after the rows AddRows keeps below the used
    // ones; on a full table the entry ends with nothing added.
    const int rows = w_.Table1.Rows();
    if (w_.NoRoomFor(RowsAfterAddRows(rows, w_.UsedRowCount + 3) - rows + 1)) {
      NumberStatus(false);
      w_.ControlTransfer(w_.IdleState());
      return;
    }
    w_.UsedRowCount += 3;
    w_.AddRows(w_.UsedRowCount);
    w_.OriginList.push_back(address);
    w_.InsertLine(w_.CursorRow, 1);
    const int originRow = w_.CursorRow - 1;
    w_.Table1.SetText(originRow, 0, "Origin");
    w_.Table1.SetText(originRow, 1, address);
    w_.ColorOrigin(originRow);
    next = w_.CursorRow;
  }
  w_.NextLine(next);
  w_.ProgramChanged = true;
  NumberStatus(false);
  w_.ControlTransfer(w_.IdleState());
}

void NumberKeypad::AcceptEditedOrigin() {
  const std::string address = NumberLabel.text;
  auto& origins = w_.OriginList;
  auto old = std::find(origins.begin(), origins.end(), w_.Table1.Text(w_.TargetRow, 1));
  if (old != origins.end()) origins.erase(old);
  if (std::find(origins.begin(), origins.end(), address) != origins.end()) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(kOriginUsed, kMsgCritical));
    return;
  }
  w_.Table1.SetText(w_.TargetRow, 1, address);
  w_.UpdateOrigins();
  w_.ProgramChanged = true;
  NumberStatus(false);
  w_.ControlTransfer(w_.IdleState());
}

}  // namespace parvix
