#include "editor/editing.h"

#include <algorithm>
#include <vector>

#include "editor/program_table.h"
#include "editor/programming_panel.h"
#include "symbols/operand_rename.h"

namespace parvix {

namespace {

using Rows = std::vector<std::vector<Cell>>;

// The texts of `count` rows of `grid` from `first` on, in default colours:
// marks and the cursor never travel with copied rows.
Rows TextRows(const Grid& grid, int first, int count) {
  Rows rows(static_cast<size_t>(count), std::vector<Cell>(static_cast<size_t>(grid.Cols())));
  for (int i = 0; i < count; ++i) {
    for (int c = 0; c < grid.Cols(); ++c) rows[i][c].text = grid.Text(first + i, c);
  }
  return rows;
}

}  // namespace

EditClipboard::EditClipboard(ProgrammingPanel& w) : w_(w) {}

void EditClipboard::CopyMnemonics() {
  w_.TipsLabel.text = "Copying . . .";
  const int first = std::max(std::min(w_.SelectionStartRow, w_.SelectionEndRow), 0);
  const int last =
      std::min(std::max(w_.SelectionStartRow, w_.SelectionEndRow), w_.Table1.Rows() - 1);
  const int count = std::max(last - first + 1, 0);
  Rows rows = TextRows(w_.Table1, first, count);
  for (auto& row : rows) {
    if (row[kLabelColumn].text != kOriginText) row[kAddressColumn].text.clear();
  }
  w_.EditTable.Reset(std::move(rows));
  w_.EditStringTable.Reset(TextRows(w_.StringTable, first, count));
  w_.EditMenuStatus(true);
}

void EditClipboard::CopyEdit_Click() {
  if (!IsIdle(w_.EntryState)) return;
  CopyMnemonics();
  w_.NextLine(w_.CursorRow);
  w_.TipsLabel.text = "Completed copying.";
  w_.ProgramChanged = true;
}

void EditClipboard::CutEdit_Click() {
  if (!IsIdle(w_.EntryState)) return;
  // Row 0, the first origin, is never cut: neither copied nor deleted.
  if (w_.SelectionStartRow > w_.SelectionEndRow) {
    std::swap(w_.SelectionStartRow, w_.SelectionEndRow);
  }
  w_.SelectionStartRow = std::max(w_.SelectionStartRow, 1);
  if (w_.SelectionStartRow > w_.SelectionEndRow) return;  // only row 0 was selected
  CopyMnemonics();
  DeleteSelection();
  w_.TipsLabel.text = "Completed cutting.";
  w_.ProgramChanged = true;
}

void EditClipboard::DeleteEdit_Click() {
  if (!IsIdle(w_.EntryState)) return;
  DeleteSelection();
  w_.TipsLabel.text = "Completed deleting.";
  w_.ProgramChanged = true;
}

void EditClipboard::DeleteSelection() {
  w_.TipsLabel.text = "Deleting . . .";
  // Row 0, the first origin, is never deleted.
  const int first = std::max(std::min(w_.SelectionStartRow, w_.SelectionEndRow), 1);
  const int last =
      std::min(std::max(w_.SelectionStartRow, w_.SelectionEndRow), w_.Table1.Rows() - 1);
  int cursor = w_.CursorRow;
  if (first <= last) {
    const int n = last - first + 1;
    if (w_.UsedRowCount > last) {
      w_.UsedRowCount -= n;
    } else if (w_.UsedRowCount >= first) {
      w_.UsedRowCount = first;
    }
    if (cursor > last) {
      cursor -= n;
    } else if (cursor >= first) {
      cursor = first;
    }
    // The placed entries must describe the rows as they are now, so that a
    // label whose row goes is seen to lose it (and its address) below.
    w_.UpdateLabels();
    w_.Table1.RemoveRows(first, n);
    w_.StringTable.RemoveRows(first, n);
    // The table keeps rows below the cursor: the rows the selection left.
    if (first >= w_.Table1.Rows()) {
      w_.Table1.SetRows(GrownWithinRoom(w_.Table1.Rows(), w_.Table1.Rows() + kRowsBeyond));
      w_.StringTable.SetRows(w_.Table1.Rows());
    }
  }
  w_.SetWriteMode(false);
  w_.UpdateLabels();
  // The cursor mark travelled with its row; NextLine takes it from there.
  w_.CursorRow = std::min(cursor, w_.Table1.Rows() - 1);
  w_.NextLine(w_.CursorRow);
  w_.ControlTransfer(w_.IdleState());
}

void EditClipboard::PasteEdit_Click() {
  if (!IsIdle(w_.EntryState) || w_.EditTable.Rows() == 0) return;
  const int k = w_.EditTable.Rows();
  // Rows past the table's room could be saved but never opened again: the
  // paste is refused whole.
  if (w_.NoRoomFor(k)) {
    w_.ControlTransfer(w_.IdleState());
    return;
  }
  w_.TipsLabel.text = "Pasting . . .";
  // Nothing goes above the first origin.
  const int at = std::max(w_.CursorRow, 1);
  // The names first: a rename changes the clipboard itself, so that a second
  // paste of it uses the new name, which then matches.
  PasteContext paste;
  w_.UpdateLabels();
  const SymbolLists& s = w_.Symbols;
  for (size_t i = 0; i < s.LabelCombo.size(); ++i) {
    if (i < s.LabelPlacedList.size() && s.LabelPlacedList[i] != "0") {
      paste.placed.insert(s.LabelCombo[i]);
    }
  }
  for (int i = 0; i < k; ++i) paste.placed.insert(w_.EditTable.Text(i, kLabelColumn));
  for (int i = 0; i < k; ++i) PasteNames(i, at + i, paste);

  w_.InsertLine(at, k);
  w_.Table1.WriteRows(at, TextRows(w_.EditTable, 0, k));
  w_.StringTable.WriteRows(at, TextRows(w_.EditStringTable, 0, k));
  w_.UpdateLabels();
  w_.NextLine(at + k);
  w_.ControlTransfer(w_.IdleState());
  w_.TipsLabel.text = "Completed pasting.";
  w_.ProgramChanged = true;
}

void EditClipboard::PasteNames(int i, int row, PasteContext& paste) {
  SymbolLists& s = w_.Symbols;
  Renames& renames = paste.renames;
  Grid& clip = w_.EditTable;
  auto mapped = [&renames](Kind kind, const std::string& name, const std::string& value) {
    auto it = renames.find({kind, name, value});
    return it == renames.end() ? name : it->second;
  };
  auto freshLabel = [this, &s] {
    w_.NextLabelNumber = s.FreeLabelNumber(w_.NextLabelNumber);
    return GeneratedLabelName(w_.NextLabelNumber);
  };
  auto freshVariable = [this, &s] {
    w_.NextXXNumber = s.FreeXXNumber(w_.NextXXNumber);
    return GeneratedXXName(w_.NextXXNumber);
  };

  // A placed label: an existing label is placed once more; a name that is
  // a variable here takes a fresh label name instead.
  const std::string placed = clip.Text(i, kLabelColumn);
  if (IsLabelCell(placed)) {
    std::string name = mapped(Kind::Label, placed, UnassignedLabelEqt);
    if (s.LabelIndex(name) < 0) {
      if (s.XXIndex(name) >= 0) {
        name = freshLabel();
        renames[{Kind::Label, placed, UnassignedLabelEqt}] = name;
      }
      s.AddLabel(name, UnassignedLabelEqt, false, true, row);
    }
    clip.SetText(i, kLabelColumn, name);
  }

  // The operand: kept when the same string with the same value is here;
  // added when the name is free; else renamed.
  const std::string operand = w_.EditStringTable.Text(i, 0);
  if (operand.empty()) return;
  const std::string& code = clip.Text(i, kOpcodeColumn);
  const bool variable = UsesVariable(code);
  const Kind kind = variable ? Kind::Variable : Kind::Label;
  // A label operand whose code text lacks its two bytes carries no value.
  const std::string value = variable || UsesLabel(code) ? OperandValue(code) : UnassignedLabelEqt;
  std::string name = mapped(kind, operand, value);
  const int same = variable ? s.XXIndex(name) : s.LabelIndex(name);
  const int other = variable ? s.LabelIndex(name) : s.XXIndex(name);
  const std::string* eqt =
      same < 0 ? nullptr : &(variable ? s.XXEqtList : s.LabelEqtList)[static_cast<size_t>(same)];
  bool fits = other < 0 && eqt != nullptr && *eqt == value;
  // A label that takes its address from a row, and has none yet (its row
  // was just cut, say), is the same label whatever address the pasted
  // bytes still carry from before: the row keeps the name and gets the
  // label's placeholders, so that a block moved by Cut and Paste still
  // jumps to its own labels.
  if (!fits && !variable && other < 0 && eqt != nullptr && *eqt == UnassignedLabelEqt &&
      paste.placed.count(name) != 0) {
    clip.SetText(i, kOpcodeColumn, code.substr(0, 2) + s.LabelOperandBytes(same));
    fits = true;
  }
  if (!fits) {
    if (other >= 0 || eqt != nullptr) {
      name = variable ? freshVariable() : freshLabel();
      renames[{kind, operand, value}] = name;
    }
    if (variable) {
      s.AddVariable(name, value);
    } else {
      s.AddLabel(name, value, true, false, 0);
    }
  }
  if (name != operand) {
    clip.SetText(i, kMnemonicColumn, RenamedMnemonic(clip.Text(i, kMnemonicColumn), operand, name));
    w_.EditStringTable.SetText(i, 0, name);
  }
}

}  // namespace parvix
