#include "symbols/replace_panel.h"

#include <charconv>

#include "editor/programming_panel.h"
#include "symbols/find_panel.h"
#include "symbols/operand_rename.h"

namespace parvix {

namespace {

void Offer(Grid& grid, int row, int col) { grid.SetColors(row, col, kRed, kWhite); }
void Unmark(Grid& grid, int row, int col) {
  grid.SetColors(row, col, kGridBackColor, kGridForeColor);
}
bool Picked(const Grid& grid, int row, int col) { return grid.BackColor(row, col) == kGreen; }

int RowNumber(const std::string& text) {
  int row = 0;
  std::from_chars(text.data(), text.data() + text.size(), row);
  return row;
}

}  // namespace

ReplacePanel::ReplacePanel(ProgrammingPanel& w) : w_(w) {
  ReplaceBox.visible = false;
  ReplaceBox.text = "Label";
  ExistingReplaceOption.text = "Existing:";
  NewReplaceOption.text = "New:";
  NewReplaceOption.checked = true;
  ReplaceAcceptButton.text = "Replace";
  ReplaceAcceptButton.enabled = false;
  ReplaceDoneButton.text = "Done";
}

bool ReplacePanel::InLabelTool() const {
  return w_.EntryState == ReplaceLabelState || w_.EntryState == ReplaceLabelRowState;
}

void ReplacePanel::ReplaceStatus(bool Status) {
  if (!Status) {
    ReplaceBox.visible = false;
    return;
  }
  if (!LabelToolHasWork(w_)) return;
  Grid& t = w_.Table1;
  for (int r = 1; r < t.Rows(); ++r) {
    if (IsLabelCell(t.Text(r, kLabelColumn))) Offer(t, r, kLabelColumn);
    if (!w_.StringTable.Text(r, 0).empty() && UsesLabel(t.Text(r, kOpcodeColumn))) {
      Offer(t, r, kMnemonicColumn);
    }
  }
  ReplaceBox.visible = true;
  if (!ReplaceCombo.items.empty()) {
    ExistingReplaceOption.enabled = true;
    ReplaceCombo.listIndex = 0;
  } else {
    ExistingReplaceOption.enabled = false;
  }
  ReplaceCombo.enabled = false;
  ReplaceCombo.back = kButtonFace;
  NewReplaceOption.checked = true;
  ExistingReplaceOption.checked = false;
  ReplaceText.text.clear();
  ReplaceText.back = kWhite;
  ReplaceText.enabled = true;
  ReplaceAcceptButton.enabled = false;
  w_.DefaultButton = "ReplaceAcceptButton";
  w_.Focus.Set("ReplaceText");
}

void ReplacePanel::NewReplaceOption_Click() {
  if (!InLabelTool()) return;
  NewReplaceOption.checked = true;
  ExistingReplaceOption.checked = false;
  ReplaceCombo.enabled = false;
  ReplaceCombo.back = kButtonFace;
  ReplaceText.text.clear();
  ReplaceText.back = kWhite;
  ReplaceText.enabled = true;
  w_.Focus.Set("ReplaceText");
  ReplaceAcceptButton.enabled = false;
}

void ReplacePanel::ExistingReplaceOption_Click() {
  if (!InLabelTool() || !ExistingReplaceOption.enabled) return;
  ExistingReplaceOption.checked = true;
  NewReplaceOption.checked = false;
  ReplaceText.enabled = false;
  ReplaceText.back = kButtonFace;
  ReplaceText.text.clear();
  ReplaceCombo.enabled = true;
  ReplaceCombo.back = kWhite;
  ReplaceCombo.listIndex = ReplaceCombo.items.empty() ? -1 : 0;
  w_.Focus.Set("ReplaceCombo");
  ReplaceAcceptButton.enabled = true;
  w_.DefaultButton = "ReplaceAcceptButton";
}

void ReplacePanel::ReplaceCombo_Click(int ListIndex) {
  if (ListIndex >= 0 && ListIndex < static_cast<int>(ReplaceCombo.items.size())) {
    ReplaceCombo.listIndex = ListIndex;
  }
}

void ReplacePanel::PrimeAcceptButton() {
  if (ExistingReplaceOption.checked) {
    ReplaceAcceptButton.enabled = true;
    w_.DefaultButton = "ReplaceAcceptButton";
  } else {
    ReplaceText_Change();
  }
}

void ReplacePanel::ReplaceText_Change() {
  if (!ReplaceText.enabled) return;
  ReplaceAcceptButton.enabled =
      w_.EntryState == ReplaceLabelRowState && IsValidName(ReplaceText.text);
  if (ReplaceAcceptButton.enabled) w_.DefaultButton = "ReplaceAcceptButton";
}

void ReplacePanel::ReplaceAcceptButton_Click() {
  if (!InLabelTool() || !ReplaceAcceptButton.enabled) return;
  if (ExistingReplaceOption.checked) {
    const int k = ReplaceCombo.listIndex;
    if (k < 0 || k >= static_cast<int>(w_.Symbols.LabelCombo.size())) return;
    ReplaceWithExistingLabel(k);
  } else {
    if (!IsValidName(ReplaceText.text)) return;
    ReplaceWithNewLabel(ReplaceText.text);
  }
}

void ReplacePanel::ReplaceWithNewLabel(const std::string& name) {
  SymbolLists& s = w_.Symbols;
  if (s.NameInUse(name)) {
    w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(
        "The string '" + name + "' already exists. Please enter another string.", kMsgCritical));
    ReplaceText.text.clear();
    ReplaceText_Change();
    w_.Focus.Set("ReplaceText");
    return;
  }
  Grid& t = w_.Table1;
  bool added = false;
  auto add = [&] {
    if (!added) s.AddLabel(name, UnassignedLabelEqt);
    added = true;
  };
  bool labelChanged = false;
  for (int r = 0; r < t.Rows(); ++r) {
    // Only the first picked Label cell takes the name.
    if (!labelChanged && IsLabelCell(t.Text(r, kLabelColumn)) && Picked(t, r, kLabelColumn)) {
      t.SetText(r, kLabelColumn, name);
      labelChanged = true;
      add();
    }
    if (!w_.StringTable.Text(r, 0).empty() && Picked(t, r, kMnemonicColumn)) {
      ReplaceRowOperand(w_, r, name,
                        t.Text(r, kOpcodeColumn).substr(0, 2) + OperandBytes16(UnassignedLabelEqt));
      add();
    }
  }
  w_.UpdateLabels();
  w_.ControlTransfer(ReplaceLabelState);
  w_.ProgramChanged = true;
}

void ReplacePanel::ReplaceWithExistingLabel(int k) {
  SymbolLists& s = w_.Symbols;
  const std::string name = s.LabelCombo[k];
  const size_t i = static_cast<size_t>(k);
  Grid& t = w_.Table1;
  bool labelHandled = false;
  for (int r = 0; r < t.Rows(); ++r) {
    if (!labelHandled && IsLabelCell(t.Text(r, kLabelColumn)) && Picked(t, r, kLabelColumn)) {
      labelHandled = true;
      const bool placed = i < s.LabelPlacedList.size() && s.LabelPlacedList[i] != "0";
      const int line = i < s.LabelLineList.size() ? RowNumber(s.LabelLineList[i]) : 0;
      bool move = true;
      if (placed && line != r) {
        const int answer = w_.host.MsgBox(
            "The label '" + name + "' is already placed in line # " + std::to_string(line) +
                ". Do you want to reposition it to line # " + std::to_string(r) + "?",
            kMsgYesNoQuestion);
        w_.MsgBoxAnswer = std::to_string(answer);
        move = answer != kAnswerNo;
      }
      if (move) {
        if (placed) {
          t.SetText(line, kLabelColumn, std::string());
          Unmark(t, line, kLabelColumn);
        }
        t.SetText(r, kLabelColumn, name);
        if (i < s.LabelLineList.size()) s.LabelLineList[i] = std::to_string(r);
      }
    }
    if (!w_.StringTable.Text(r, 0).empty() && Picked(t, r, kMnemonicColumn)) {
      const std::string opcode = t.Text(r, kOpcodeColumn).substr(0, 2);
      ReplaceRowOperand(w_, r, name, opcode + s.LabelOperandBytes(k));
      if (i < s.LabelUsedList.size()) s.LabelUsedList[i] = "1";
    }
  }
  w_.UpdateLabels();
  w_.ControlTransfer(ReplaceLabelState);
  w_.ProgramChanged = true;
}

void ReplacePanel::XXReplaceButton_Click() {
  const EntryStates state = w_.EntryState;
  if (state != ReplaceVariableState && state != ReplaceVariableRowState) return;
  XXPanel& p = w_.Variables;
  SymbolLists& s = w_.Symbols;
  if (!p.XXReplaceButton.enabled) return;
  std::string name;
  std::string bytes;
  if (p.NewXXOption.checked) {
    name = p.XXText.text;
    if (!IsValidName(name)) return;
    if (s.NameInUse(name)) {
      w_.MsgBoxAnswer = std::to_string(w_.host.MsgBox(
          "String already present as Label or Variable. Please enter another label.",
          kMsgCritical));
      p.XXText.text.clear();
      p.XXText_Change();
      w_.Focus.Set("XXText");
      return;
    }
    // The new variable is made before any row is looked at, picked or not.
    s.AddVariable(name, UnassignedXXEqt);
    bytes = OperandBytes8(UnassignedXXEqt);
  } else if (p.ExistingXXOption.checked) {
    p.SyncXXCombo();
    const int k = p.XXCombo.listIndex;
    if (k < 0 || k >= static_cast<int>(s.XXCombo.size())) return;
    name = s.XXCombo[k];
    bytes = s.XXOperandBytes(k);
  } else {
    return;
  }
  Grid& t = w_.Table1;
  for (int r = 0; r < t.Rows(); ++r) {
    if (!w_.StringTable.Text(r, 0).empty() && Picked(t, r, kMnemonicColumn)) {
      ReplaceRowOperand(w_, r, name, t.Text(r, kOpcodeColumn).substr(0, 2) + bytes);
    }
  }
  w_.ProgramChanged = true;
  w_.ControlTransfer(ReplaceVariableState);
}

void ReplacePanel::ReplaceDoneButton_Click() {
  if (!InLabelTool()) return;
  Grid& t = w_.Table1;
  for (int r = 0; r < t.Rows(); ++r) {
    if (!t.Text(r, kLabelColumn).empty()) Unmark(t, r, kLabelColumn);
    if (!w_.StringTable.Text(r, 0).empty()) Unmark(t, r, kMnemonicColumn);
  }
  // The cursor row may carry an operand too: its cursor mark comes back.
  t.SetColors(w_.CursorRow, kMnemonicColumn, kGridFixedBackColor, kGridFixedForeColor);
  ReplaceBox.visible = false;
  w_.ControlTransfer(w_.IdleState());
}

void ReplacePanel::ReplaceLabel_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(ReplaceLabelState);
}

void ReplacePanel::ReplaceVariable_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(ReplaceVariableState);
}

}  // namespace parvix
