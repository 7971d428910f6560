#include "symbols/operand_rename.h"

#include "editor/programming_panel.h"

namespace parvix {

std::string RenamedMnemonic(const std::string& mnemonic, const std::string& from,
                            const std::string& to) {
  const size_t keep = mnemonic.size() >= from.size() ? mnemonic.size() - from.size() : 0;
  return mnemonic.substr(0, keep) + to;
}

bool HasDefaultComment(ProgrammingPanel& w, int row) {
  // The default comment is built by the one shared procedure: write it,
  // compare, and put the old comment back when it differs.
  const std::string comment = w.Table1.Text(row, kCommentColumn);
  w.ApplyDefaultComment(row);
  if (w.Table1.Text(row, kCommentColumn) == comment) return true;
  w.Table1.SetText(row, kCommentColumn, comment);
  return false;
}

void ReplaceRowOperand(ProgrammingPanel& w, int row, const std::string& name, std::string code) {
  const bool defaultComment = HasDefaultComment(w, row);
  const std::string& old = w.StringTable.Text(row, 0);
  w.Table1.SetText(row, kMnemonicColumn,
                   RenamedMnemonic(w.Table1.Text(row, kMnemonicColumn), old, name));
  w.Table1.SetText(row, kOpcodeColumn, std::move(code));
  w.StringTable.SetText(row, 0, name);
  if (defaultComment) w.ApplyDefaultComment(row);
}

}  // namespace parvix
