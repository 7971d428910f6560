// UpdateLabels: recomputes for every label whether and where it is placed and
// whether it is used, and refills the label copies of the place, find and
// replace panels. One walk of the table indexes the names, so the work grows
// with rows plus labels, not rows times labels.
#include <string_view>
#include <unordered_map>

#include "editor/programming_panel.h"

namespace parvix {

void ProgrammingPanel::UpdateLabels() {
  Find.FindCombo.items.clear();
  Place.PlaceCombo.items.clear();
  Replace.ReplaceCombo.items.clear();
  auto& s = Symbols;
  if (s.LabelCombo.empty()) return;

  // First row (from row 1) placing each name, and the names used as 16-bit operands.
  std::unordered_map<std::string_view, int> placedRow;
  std::unordered_map<std::string_view, bool> used;
  for (int r = 1; r < Table1.Rows(); ++r) {
    const std::string& label = Table1.Text(r, kLabelColumn);
    if (!label.empty()) placedRow.emplace(label, r);
    const std::string& operand = StringTable.Text(r, 0);
    if (!operand.empty() && Table1.Text(r, kOpcodeColumn).size() == 12) used.emplace(operand, true);
  }

  const size_t count = s.LabelCombo.size();
  s.LabelPlacedList.resize(count);
  s.LabelUsedList.resize(count);
  s.LabelLineList.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const std::string& name = s.LabelCombo[i];
    auto placed = placedRow.find(name);
    s.LabelPlacedList[i] = placed != placedRow.end() ? "1" : "0";
    s.LabelLineList[i] = placed != placedRow.end() ? std::to_string(placed->second) : "0";
    s.LabelUsedList[i] = used.count(name) != 0 ? "1" : "0";
  }
  Find.FindCombo.items = s.LabelCombo;
  Place.PlaceCombo.items = s.LabelCombo;
  Replace.ReplaceCombo.items = s.LabelCombo;
}

}  // namespace parvix
