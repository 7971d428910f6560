// UpdateLabels: recomputes for every label whether and where it is placed and
// whether it is used, unassigns a label that has lost its row, and refills the label copies of the place, find and
// replace panels. One walk of the table looks each Label cell and each
// operand name up in the label index, so the work grows with rows plus
// labels, not rows times labels.
#include <vector>

#include "editor/programming_panel.h"

namespace parvix {

namespace {

// A copy of the label names for a panel's list. Emptying a list also drops
// its selection; the entries are copied only when the names have changed.
void RefillCopy(ListControl& copy, const NameList& names) {
  copy.listIndex = -1;
  if (copy.itemsRevision == names.revision() && copy.items.size() == names.size()) return;
  copy.items = names.Items();
  copy.itemsRevision = names.revision();
}

}  // namespace

void ProgrammingPanel::UpdateLabels() {
  auto& s = Symbols;
  const NameList& names = s.LabelCombo;
  if (names.empty()) {
    for (ListControl* copy : {&Find.FindCombo, &Place.PlaceCombo, &Replace.ReplaceCombo}) {
      RefillCopy(*copy, names);
    }
    return;  // the derived lists stay as they are
  }

  const size_t count = names.size();
  std::vector<int> placedRow(count, 0);  // 0: not placed (row 0 is never looked at)
  std::vector<char> used(count, 0);
  for (int r = 1; r < Table1.Rows(); ++r) {
    const std::string& label = Table1.Text(r, kLabelColumn);
    if (!label.empty()) {
      const int i = names.IndexOf(label);
      if (i >= 0 && placedRow[i] == 0) placedRow[i] = r;
    }
    const std::string& operand = StringTable.Text(r, 0);
    if (!operand.empty() && UsesLabel(Table1.Text(r, kOpcodeColumn))) {
      const int i = names.IndexOf(operand);
      if (i >= 0) used[i] = 1;
    }
  }

  s.LabelPlacedList.resize(count, "0");
  s.LabelUsedList.resize(count, "0");
  s.LabelLineList.resize(count, "0");
  s.LabelEqtList.resize(count, UnassignedLabelEqt);
  for (size_t i = 0; i < count; ++i) {
    // A name that stands in the list twice (a damaged file) shares the
    // findings of its first entry.
    const size_t first = static_cast<size_t>(names.IndexOf(names[i]));
    const int row = placedRow[first];
    // A label that has lost its row (the row deleted or cut, another label
    // written over it, its Label cell emptied) no longer has the address it
    // took from there: it goes back to unassigned, so that no jump to it is
    // assembled with a stale address.
    if (row == 0 && s.LabelPlacedList[i] == "1") s.LabelEqtList[i] = UnassignedLabelEqt;
    s.LabelPlacedList[i] = row != 0 ? "1" : "0";
    s.LabelLineList[i] = std::to_string(row);
    s.LabelUsedList[i] = used[first] != 0 ? "1" : "0";
  }
  for (ListControl* copy : {&Find.FindCombo, &Place.PlaceCombo, &Replace.ReplaceCombo}) {
    RefillCopy(*copy, names);
  }
}

}  // namespace parvix
