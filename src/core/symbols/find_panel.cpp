#include "symbols/find_panel.h"

#include "editor/programming_panel.h"

namespace parvix {

namespace {

void Mark(Grid& grid, int row, int col) { grid.SetColors(row, col, kBlue, kWhite); }
void Unmark(Grid& grid, int row, int col) {
  grid.SetColors(row, col, kGridBackColor, kGridForeColor);
}

}  // namespace

bool AnyLabelPlacedOrUsed(const SymbolLists& s) {
  for (size_t i = 0; i < s.LabelCombo.size(); ++i) {
    const bool placed = i < s.LabelPlacedList.size() && s.LabelPlacedList[i] != "0";
    const bool used = i < s.LabelUsedList.size() && s.LabelUsedList[i] != "0";
    if (placed || used) return true;
  }
  return false;
}

bool LabelToolHasWork(ProgrammingPanel& w) {
  w.UpdateLabels();
  if (AnyLabelPlacedOrUsed(w.Symbols)) return true;
  w.MsgBoxAnswer = std::to_string(w.host.MsgBox("No labels used in the program.", kMsgInformation));
  w.ControlTransfer(w.IdleState());
  return false;
}

std::string UsageMessage(const std::string& kind, const std::string& name, int count) {
  const std::string head = "The " + kind + " '" + name + "' is ";
  if (count == 0) return head + "not used in the program.";
  if (count == 1) return head + "used 1 time in the program.";
  return head + "used " + std::to_string(count) + " times in the program.";
}

FindPanel::FindPanel(ProgrammingPanel& w) : w_(w) {
  FindBox.visible = false;
  FindBox.text = "Find Label";
  FindComboLabel.text = "Label:";
  FindButton.text = "&Find";
  FindDoneButton.text = "Done";
}

void FindPanel::FindStatus(bool Status) {
  if (!Status) {
    FindBox.visible = false;
    return;
  }
  if (!LabelToolHasWork(w_)) return;
  FindBox.visible = true;
  w_.DefaultButton = "FindButton";
  FindCombo.listIndex = FindCombo.items.empty() ? -1 : 0;
  w_.Focus.Set("FindCombo");
}

void FindPanel::FindCombo_Click(int ListIndex) {
  if (ListIndex >= 0 && ListIndex < static_cast<int>(FindCombo.items.size())) {
    FindCombo.listIndex = ListIndex;
  }
}

void FindPanel::FindButton_Click() {
  if (w_.EntryState != FindLabelState) return;
  const int k = FindCombo.listIndex;
  if (k < 0 || k >= static_cast<int>(FindCombo.items.size())) return;
  const std::string name = FindCombo.items[k];
  w_.TipsLabel.text = "Searching for label . . .";
  int count = 0;
  Grid& t = w_.Table1;
  for (int r = 1; r < t.Rows(); ++r) {
    const std::string& label = t.Text(r, kLabelColumn);
    if (IsLabelCell(label)) {
      if (label == name) {
        Mark(t, r, kLabelColumn);
        ++count;
      } else {
        Unmark(t, r, kLabelColumn);
      }
    }
    const std::string& operand = w_.StringTable.Text(r, 0);
    if (!operand.empty()) {
      if (operand == name) {
        Mark(t, r, kMnemonicColumn);
        ++count;
      } else {
        Unmark(t, r, kMnemonicColumn);
      }
    }
  }
  w_.TipsLabel.text = "Completed searching for label.";
  w_.MsgBoxAnswer =
      std::to_string(w_.host.MsgBox(UsageMessage("label", name, count), kMsgInformation));
}

void FindPanel::XXFindButton_Click() {
  if (w_.EntryState != FindVariableState) return;
  XXPanel& p = w_.Variables;
  p.SyncXXCombo();
  const int k = p.XXCombo.listIndex;
  if (k < 0 || k >= static_cast<int>(p.XXCombo.items.size())) return;
  const std::string name = p.XXCombo.items[k];
  w_.TipsLabel.text = "Searching for '" + name + "' . . .";
  int count = 0;
  Grid& t = w_.Table1;
  for (int r = 1; r < t.Rows(); ++r) {
    const std::string& operand = w_.StringTable.Text(r, 0);
    if (operand.empty()) continue;
    if (operand == name) {
      Mark(t, r, kMnemonicColumn);
      ++count;
    } else {
      Unmark(t, r, kMnemonicColumn);
    }
  }
  w_.TipsLabel.text = "Completed searching for '" + name + "'.";
  w_.MsgBoxAnswer =
      std::to_string(w_.host.MsgBox(UsageMessage("variable", name, count), kMsgInformation));
}

void FindPanel::FindDoneButton_Click() {
  if (w_.EntryState != FindLabelState) return;
  Grid& t = w_.Table1;
  for (int r = 1; r < t.Rows(); ++r) {
    const std::string& label = t.Text(r, kLabelColumn);
    if (IsLabelCell(label)) Unmark(t, r, kLabelColumn);
    if (!w_.StringTable.Text(r, 0).empty()) Unmark(t, r, kMnemonicColumn);
  }
  // The cursor row may carry an operand too: its cursor mark comes back.
  t.SetColors(w_.CursorRow, kMnemonicColumn, kGridFixedBackColor, kGridFixedForeColor);
  FindBox.visible = false;
  w_.ControlTransfer(w_.IdleState());
}

void FindPanel::FindLabel_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(FindLabelState);
}

void FindPanel::FindVariable_Click() {
  if (!IsIdle(w_.EntryState)) return;
  w_.ControlTransfer(FindVariableState);
}

}  // namespace parvix
