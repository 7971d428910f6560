// Deleting labels (the click tool) and unused strings. Trash Unused Strings
// finds the used variables in one walk of the table and removes every unused
// string of a kind in one pass, so it grows with rows plus names.
#include <vector>

#include "editor/programming_panel.h"

namespace parvix {

namespace {

// Which variables some row uses as a two-byte operand. A name listed twice
// (a damaged file) counts for each of its entries.
std::vector<bool> UsedVariables(const ProgrammingPanel& w) {
  const NameList& names = w.Symbols.XXCombo;
  std::vector<char> usedFirst(names.size(), 0);
  for (int r = 0; r < w.Table1.Rows(); ++r) {
    const std::string& operand = w.StringTable.Text(r, 0);
    if (operand.empty() || !UsesVariable(w.Table1.Text(r, kOpcodeColumn))) continue;
    const int i = names.IndexOf(operand);
    if (i >= 0) usedFirst[static_cast<size_t>(i)] = 1;
  }
  std::vector<bool> used(names.size(), false);
  for (size_t i = 0; i < names.size(); ++i) {
    used[i] = usedFirst[static_cast<size_t>(names.IndexOf(names[i]))] != 0;
  }
  return used;
}

}  // namespace

void ProgrammingPanel::DeleteLabels_Click() {
  if (!IsIdle(EntryState)) return;
  ControlTransfer(DeleteLabelsState);
  ProgramChanged = true;
}

void ProgrammingPanel::DeleteUnusedLabels_Click() {
  if (!IsIdle(EntryState)) return;
  UpdateLabels();
  auto& s = Symbols;
  std::vector<bool> removeLabel(s.LabelCombo.size(), false);
  for (size_t i = 0; i < removeLabel.size(); ++i) {
    const bool placed = i < s.LabelPlacedList.size() && s.LabelPlacedList[i] != "0";
    const bool used = i < s.LabelUsedList.size() && s.LabelUsedList[i] != "0";
    removeLabel[i] = !placed && !used;
  }
  s.RemoveLabels(removeLabel);

  std::vector<bool> removeVariable = UsedVariables(*this);
  removeVariable.flip();
  s.RemoveVariables(removeVariable);

  UpdateLabels();
  ProgramChanged = true;
  MsgBoxAnswer = std::to_string(host.MsgBox("Unused strings have been deleted.", kMsgInformation));
  ControlTransfer(IdleState());
}

}  // namespace parvix
