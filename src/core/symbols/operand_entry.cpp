#include "symbols/operand_entry.h"

#include "editor/programming_panel.h"

namespace parvix {

void SyncNameCombo(ListControl& combo, const NameList& names) {
  if (combo.itemsRevision == names.revision()) return;
  combo.items = names.Items();
  combo.itemsRevision = names.revision();
  if (combo.listIndex >= static_cast<int>(combo.items.size())) combo.listIndex = -1;
}

void AppendOperand(ProgrammingPanel& w, int row, std::string_view separator,
                   const std::string& name, std::string_view bytes) {
  std::string mnemonic = w.Table1.Text(row, kMnemonicColumn);
  mnemonic.append(separator).append(name);
  std::string code = w.Table1.Text(row, kOpcodeColumn);
  code.append(bytes);
  w.Table1.SetText(row, kMnemonicColumn, std::move(mnemonic));
  w.Table1.SetText(row, kOpcodeColumn, std::move(code));
  w.StringTable.SetText(row, 0, name);
}

}  // namespace parvix
