// Default comments: built from the line's opcode and operand name.
#include "base/hex_text.h"
#include "editor/programming_panel.h"
#include "tables/opcode_tables.h"

namespace parvix {

void ProgrammingPanel::ApplyDefaultComment(int CurrentRow) {
  if (Table1.Text(CurrentRow, kMnemonicColumn) == "DFB") {
    Table1.SetText(CurrentRow, kCommentColumn, "Data Byte.");
    return;
  }
  const std::string& code = Table1.Text(CurrentRow, kOpcodeColumn);
  if (code.empty()) return;
  const auto op = ParseHex(code.substr(0, 2));
  if (!op) return;  // a damaged code text keeps its comment
  if (CodeLength(code) == 1) {  // no operand
    Table1.SetText(CurrentRow, kCommentColumn, BeforeList()[*op]);
  } else {
    Table1.SetText(CurrentRow, kCommentColumn,
                   BeforeList()[*op] + StringTable.Text(CurrentRow, 0) + AfterList()[*op]);
  }
}

}  // namespace parvix
