// Row primitives of the program table, the write mode and the new program.
#include "editor/program_table.h"

#include <algorithm>

#include "base/hex_text.h"
#include "editor/programming_panel.h"

namespace parvix {

namespace {

constexpr int kMinimumRows = 32;

// Characters [pos, pos + 2) of a value, or "XX" where it is too short.
std::string ByteOf(std::string_view value, size_t pos) {
  return value.size() >= pos + 2 ? std::string(value.substr(pos, 2)) : UnassignedXXEqt;
}

}  // namespace

std::string OperandValue(std::string_view code) {
  switch (CodeLength(code)) {
    case 2:
      return std::string(CodeByte(code, 1));
    case 3:
      return std::string(CodeByte(code, 2)) + std::string(CodeByte(code, 1));
    default:
      return {};
  }
}

std::string OperandBytes16(std::string_view value) {
  return "   " + ByteOf(value, 2) + "   " + ByteOf(value, 0);
}

std::string OperandBytes8(std::string_view value) { return "   " + ByteOf(value, 0); }

int RowsAfterAddRows(int rows, int RowNumber) {
  if (RowNumber < rows - kRowsBeyond) return rows;
  return GrownWithinRoom(rows, std::max(RowNumber + kRowsBeyond, kMinimumRows));
}

bool IsOriginAddress(std::string_view address) {
  // A record holds at most 255 bytes: its last lies at most FE past FFFF.
  constexpr int kHighestByteAddress = 0xFFFF + 0xFE;
  if (address.size() != 4 && address.size() != 5) return false;
  const std::optional<int> value = ParseHex(address);
  return value && *value <= kHighestByteAddress;
}

bool ProgrammingPanel::NoRoomFor(int Lines) {
  if (FitsProgramTable(Table1.Rows() + Lines)) return false;
  MsgBoxAnswer = std::to_string(host.MsgBox(kProgramFullText, kMsgCritical));
  return true;
}

void ProgrammingPanel::AddRows(int RowNumber) {
  const int rows = RowsAfterAddRows(Table1.Rows(), RowNumber);
  if (rows == Table1.Rows()) return;
  Table1.SetRows(rows);
  StringTable.SetRows(rows);
}

void ProgrammingPanel::InsertLine(int StartRow, int Lines) {
  if (Lines <= 0) return;
  if (CursorRow >= StartRow) CursorRow += Lines;
  Table1.InsertRows(StartRow, Lines);
  StringTable.InsertRows(StartRow, Lines);
  UsedRowCount += Lines;
}

void ProgrammingPanel::NextLine(int NextRow) {
  if (CursorRow >= Table1.Rows()) CursorRow = Table1.Rows() - 1;
  Table1.SetColors(CursorRow, kMnemonicColumn, kGridBackColor, kGridForeColor);
  if (NextRow >= UsedRowCount) AddRows(NextRow);
  if (IsOriginRow(NextRow)) {
    // The cursor gets a blank row of its own before the origin. A full table
    // has no room for it: the cursor goes to the first line below instead.
    if (FitsProgramTable(Table1.Rows() + 1)) {
      InsertLine(NextRow, 1);
    } else {
      while (NextRow + 1 < Table1.Rows() && IsOriginRow(NextRow)) ++NextRow;
      while (NextRow > 1 && IsOriginRow(NextRow)) --NextRow;
    }
  }
  CursorRow = NextRow;
  Table1.row = NextRow;
  Table1.col = kMnemonicColumn;
  Table1.SetColors(NextRow, kMnemonicColumn, kGridFixedBackColor, kGridFixedForeColor);
  SelectionStartRow = SelectionEndRow = CursorRow;
  Table1Scroll.Set(CursorRow);  // the view follows the cursor
}

void ProgrammingPanel::ColorOrigin(int RowNumber) {
  for (int c = 0; c < Table1.Cols(); ++c) Table1.SetBackColor(RowNumber, c, kOriginGrey);
  Table1.row = RowNumber;
  Table1.col = kCommentColumn;
}

void ProgrammingPanel::UpdateOrigins() {
  OriginList.clear();
  for (int r = 0; r < Table1.Rows(); ++r) {
    if (IsOriginRow(r)) {
      OriginList.push_back(Table1.Text(r, kAddressColumn));
      ColorOrigin(r);
    }
  }
}

void ProgrammingPanel::DeleteRows(int RowNumber) {
  if (RowNumber < 20) return;
  Table1.SetRows(RowNumber + kRowsBeyond);
  StringTable.SetRows(RowNumber + kRowsBeyond);
}

void ProgrammingPanel::SetWriteMode(bool insert) {
  WriteModeLabel.text = insert ? kInsertText : kOverwriteText;
  WriteModeLabel.fore = insert ? kDarkGreen : kRed;
}

void ProgrammingPanel::WriteMode_Click() {
  // Insert mode puts rows in: at once in the idle states, else below the
  // line being keyed. A full table has no room for them.
  const bool insert = !InsertMode();
  if (insert && NoRoomFor(1)) return;
  SetWriteMode(insert);
  if (insert && IsIdle(EntryState)) {
    InsertLine(CursorRow, 1);
    NextLine(CursorRow - 1);
  }
}

void ProgrammingPanel::New_File() {
  // A table of 32 empty rows.
  Table1.Reset({});
  StringTable.Reset({});
  Table1.SetRows(kMinimumRows);
  StringTable.SetRows(kMinimumRows);

  Menu.PasteEdit.enabled = EditTable.Rows() > 0;
  Symbols.Clear();
  SelectionAnchorRow = SelectionReleaseRow = SelectionStartRow = SelectionEndRow = CursorRow = 0;
  SetWriteMode(false);
  Table1.row = 0;
  UsedRowCount = 0;
  Caption = kCaptionPrefix + FileTitle;
  PrintComment.PrintCommentText.text.clear();
  ControlTransfer(ProgramState);
  OriginList.clear();
  LastAddressList.clear();

  // The first origin, 8000, is accepted as if keyed in the new-origin state.
  EntryState = NewOriginState;
  Numbers.NumberLabel.text = "8000";
  Menu.EntryMode.caption = kDataModeCaption;
  Numbers.NumberAcceptButton_Click();

  TipsLabel.text = "New File.";
  FileState = FileNew;
  ProgramChanged = false;
  ShowProgramTop();
}

void ProgrammingPanel::NewFile_Click() {
  if (!IsIdle(EntryState)) return;
  StartNewProgram();
}

void ProgrammingPanel::StartNewProgram() {
  if (!QuerySaveChanges()) return;
  FileTitle = kDefaultFileTitle;
  New_File();
}

void ProgrammingPanel::NewOrigin_Click() {
  if (!IsIdle(EntryState)) return;
  ControlTransfer(NewOriginState);
}

}  // namespace parvix
