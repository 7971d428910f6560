// Clicks on the program table, dispatched by the entry state: the grid's
// current cell moves to the clicked cell, then the state decides what the
// click means. In the idle states a click moves the cursor, re-opens a line
// or an origin; in the tool states it picks the row or cells the running
// tool acts on, marking them in colour.
#include <algorithm>
#include <optional>
#include <string_view>

#include "base/hex_text.h"
#include "editor/entry_states.h"
#include "editor/programming_panel.h"
#include "tables/opcode_tables.h"

namespace parvix {

namespace {

// Half a column's edge: the pointer shows the I-beam only this far inside a
// column, so that the column borders keep the normal pointer.
constexpr int kPointerMarginTwips = 60;

// The instruction key whose caption is the bare mnemonic of `opcode`, or -1.
// The mnemonic tables keep some mnemonics with a trailing blank ("RNC "); the
// key captions have none, so the blanks are dropped before comparing.
int KeyOfOpcode(int opcode) {
  std::string_view bare = PartialInstList()[static_cast<size_t>(opcode)];
  while (!bare.empty() && bare.back() == ' ') bare.remove_suffix(1);
  for (int i = 0; i < kInstructionKeyCount; ++i) {
    if (InstructionKeys()[i].caption == bare) return i;
  }
  return -1;
}

bool HasBack(const Grid& grid, int row, int col, Color color) {
  return grid.BackColor(row, col) == color;
}

// What a click on the program table serves in an entry state: the program
// itself (origins, lines, the selection), or the tool whose rows or cells it
// picks; nothing while an operand or an address is keyed, while a find or
// print panel is open, and in the states nothing enters.
enum class TableTool { None, Program, Place, DeleteLabels, Comment, ReplaceLabel, ReplaceVariable };

TableTool TableToolIn(EntryStates state) {
  // clang-format off
  switch (state) {
    case ProgramState: case DataState:
      return TableTool::Program;
    case PlaceState: case PlaceRowState:
      return TableTool::Place;
    case DeleteLabelsState:
      return TableTool::DeleteLabels;
    case CommentState: case CommentRowState:
      return TableTool::Comment;
    case ReplaceLabelState: case ReplaceLabelRowState:
      return TableTool::ReplaceLabel;
    case ReplaceVariableState: case ReplaceVariableRowState:
      return TableTool::ReplaceVariable;
    case ByteState: case RegisterState: case LabelState: case PairState: case WordState:
    case LxiPairState: case LxiLabelState: case MovDestState: case MovSourceState:
    case StackPairState: case RstState: case LdaxPairState: case MviRegisterState:
    case MviByteState: case EditOriginState: case EquivalentAddressState: case NewOriginState:
    case FindLabelState: case FindVariableState: case PrintCommentState:
    case RepositionState: case EditState: case EquivalentState: case LabelDeleteState:
      return TableTool::None;
  }
  // clang-format on
  return TableTool::None;
}

void MarkPicked(Grid& grid, int row, int col) { grid.SetColors(row, col, kGreen, kBlack); }
void MarkOffered(Grid& grid, int row, int col) { grid.SetColors(row, col, kRed, kWhite); }

}  // namespace

void ProgrammingPanel::Table1_Click(int row, int col) {
  if (!Table1.ValidCell(row, col)) return;
  Table1.row = row;
  Table1.col = col;
  switch (TableToolIn(EntryState)) {
    case TableTool::Program:
      // The Label cell of an origin row opens the origin for a new address;
      // the Opcode cell of an instruction line re-opens the line.
      if (col == kLabelColumn && IsOriginRow(row)) {
        TargetRow = row;
        ControlTransfer(EditOriginState);
      } else if (col == kOpcodeColumn) {
        ReopenLine(row);
      }
      break;
    case TableTool::Place:
      Place.PickRow(row);
      break;
    case TableTool::DeleteLabels:
      DeleteLabelAt(row, col);
      break;
    case TableTool::Comment:
      PickCommentRow(row);
      break;
    case TableTool::ReplaceLabel:
      PickReplaceLabelCell(row, col);
      break;
    case TableTool::ReplaceVariable:
      PickReplaceVariableCell(row, col);
      break;
    case TableTool::None:
      break;  // the click only moves the grid's current cell
  }
}

// A click on the Opcode cell of an instruction line: a data line switches the
// entry mode with the cursor on it; any other line but NOP is cleared and its
// instruction keyed again from its key, the old line kept for Esc.
void ProgrammingPanel::ReopenLine(int row) {
  const std::string& code = Table1.Text(row, kOpcodeColumn);
  if (code.empty() || IsOriginRow(row)) return;
  if (Table1.Text(row, kMnemonicColumn) == "DFB") {
    NextLine(row);
    EntryMode_Click();
    return;
  }
  const std::optional<int> opcode = code.size() >= 2 ? ParseHex(code.substr(0, 2)) : std::nullopt;
  if (!opcode || *opcode == 0) return;
  // A code text no key makes (a damaged file) is left alone rather than
  // rebuilt as some other instruction.
  const int key = KeyOfOpcode(*opcode);
  if (key < 0) return;
  NextLine(row);
  Instructions.INST_Click(key);
}

void ProgrammingPanel::Table1_MouseDown(int row, int col) {
  if (Table1.ValidCell(row, col)) {
    Table1.row = row;
    Table1.col = col;
  }
  Table1Setting = 1;
  if (Table1.col == kMnemonicColumn) {
    Table1Setting = 0;
    // Row 0 holds the first origin and is never part of a selection.
    SelectionAnchorRow = Table1.row == 0 ? 1 : Table1.row;
  }
}

void ProgrammingPanel::Table1_MouseMove(int xTwips) {
  Instructions.InstructionLabel[0].text.clear();
  Instructions.InstructionLabel[1].text.clear();
  // The I-beam marks the columns a click acts on in the current state.
  auto inside = [this, xTwips](int column) {
    int left = 0;
    for (int c = 0; c < column; ++c) left += ColWidthList[c];
    return xTwips > left + kPointerMarginTwips &&
           xTwips < left + ColWidthList[column] - kPointerMarginTwips;
  };
  bool ibeam = false;
  switch (TableToolIn(EntryState)) {
    case TableTool::Program:
      ibeam = inside(kMnemonicColumn);
      break;
    case TableTool::Place:
      ibeam = inside(kLabelColumn);
      break;
    case TableTool::Comment:
      ibeam = inside(kCommentColumn);
      break;
    case TableTool::ReplaceLabel:
      ibeam = inside(kLabelColumn) || inside(kMnemonicColumn);
      break;
    case TableTool::DeleteLabels:
    case TableTool::ReplaceVariable:
    case TableTool::None:
      return;  // the pointer stays as it is
  }
  Table1Pointer = ibeam ? TablePointer::IBeam : TablePointer::Default;
}

void ProgrammingPanel::Table1_MouseUp(int selectionEndRow) {
  if (!IsIdle(EntryState) || Table1.col != kMnemonicColumn) return;
  // Like the anchor, the release row is never row 0: a click there is a
  // click, and a drag up to it stops below the first origin.
  const int last = std::max(Table1.Rows() - 1, 0);
  int release = std::clamp(selectionEndRow, 0, last);
  if (release == 0) release = std::min(1, last);
  SelectionReleaseRow = release;
  if (SelectionAnchorRow != release) {
    // A drag: the rows from the press to the release are selected.
    SelectionStartRow = std::min(SelectionAnchorRow, release);
    SelectionEndRow = std::max(SelectionAnchorRow, release);
    return;
  }
  // A click moves the cursor to the row. On the last row, on an origin row
  // below the first, and in Insert mode an empty row is put in there first.
  SelectionStartRow = SelectionEndRow = CursorRow;
  const int r = Table1.row;
  const bool insert = r == Table1.Rows() - 1 || (r != 0 && (IsOriginRow(r) || InsertMode()));
  // A full table has no room for that row: the cursor stays where it was.
  if (insert && NoRoomFor(1)) return;
  if (insert) InsertLine(r, 1);
  NextLine(r == 0 ? 1 : r);
}

void ProgrammingPanel::Table1_LeaveCell(int row, int col) {
  if (!Table1.Text(row, col).empty() && row > UsedRowCount) UsedRowCount = row;
}

// The delete-labels tool: a click on a Label cell takes the label off its
// row and leaves the label unassigned; the label itself stays in the lists.
void ProgrammingPanel::DeleteLabelAt(int row, int col) {
  if (col != kLabelColumn || IsOriginRow(row)) return;
  const int i = Symbols.LabelIndex(Table1.Text(row, kLabelColumn));
  if (i >= 0 && static_cast<size_t>(i) < Symbols.LabelEqtList.size()) {
    Symbols.LabelEqtList[i] = UnassignedLabelEqt;
  }
  Table1.SetText(row, kLabelColumn, {});
}

// The comment tool: the clicked row (any row) becomes the one whose comment
// is edited; the comment panel marks it and keeps its comment for Ignore.
void ProgrammingPanel::PickCommentRow(int row) { Comments.PickRow(row); }

// The label replace tool offers (red) the placed labels and the label
// operands; a click picks (green) or gives back (red) one of them. At most one
// Label cell is picked at a time; operand cells may be picked in any number.
void ProgrammingPanel::PickReplaceLabelCell(int row, int col) {
  if (IsOriginRow(row)) return;
  if (EntryState == ReplaceLabelState) {
    if (HasBack(Table1, row, col, kRed)) MarkPicked(Table1, row, col);
    ControlTransfer(ReplaceLabelRowState);
    return;
  }
  if (HasBack(Table1, row, col, kGreen)) {
    MarkOffered(Table1, row, col);
  } else if (HasBack(Table1, row, col, kRed)) {
    MarkPicked(Table1, row, col);
    if (col != kMnemonicColumn) {
      for (int r = 0; r < Table1.Rows(); ++r) {
        if (r != row && IsLabelCell(Table1.Text(r, kLabelColumn))) MarkOffered(Table1, r, kLabelColumn);
      }
    }
  }
}

// The variable replace tool offers (red) the Mnemonic cells of the rows whose
// operand is a variable; a click toggles a cell between offered and picked.
void ProgrammingPanel::PickReplaceVariableCell(int row, int col) {
  if (EntryState == ReplaceVariableState) {
    if (HasBack(Table1, row, col, kRed)) MarkPicked(Table1, row, col);
    ControlTransfer(ReplaceVariableRowState);
    return;
  }
  if (HasBack(Table1, row, col, kGreen)) {
    MarkOffered(Table1, row, col);
  } else if (HasBack(Table1, row, col, kRed)) {
    MarkPicked(Table1, row, col);
  }
}

}  // namespace parvix
