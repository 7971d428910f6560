// The mouse on the program table in the idle states: clicks that move the
// cursor, drags that select rows, clicks on an Opcode cell that re-open the line.
#include <gtest/gtest.h>

#include "base/hex_text.h"
#include "support/session_fixture.h"
#include "tables/instruction_keys.h"
#include "tables/opcode_tables.h"

namespace parvix::testing {
namespace {

using Line = std::array<std::string, 6>;

class TableMouseTest : public SessionTest {
 protected:
  // One click as the grid reports it: press, leaving the old cell, release, click.
  void Click(int row, int col) {
    const int oldRow = w.Table1.row, oldCol = w.Table1.col;
    w.Table1_MouseDown(row, col);
    w.Table1_LeaveCell(oldRow, oldCol);
    w.Table1_MouseUp(row);
    w.Table1_Click(row, col);
  }
  void Drag(int from, int to) {
    w.Table1_MouseDown(from, kMnemonicColumn);
    w.Table1_MouseUp(to);
  }
  void FillRows(int n) {
    for (int r = 1; r <= n; ++r) SetRow(r, "LINE " + std::to_string(r), "04");
    w.UsedRowCount = n + 1;
  }
  Line RowOf(int r) {
    Line line;
    for (int c = 0; c < 5; ++c) line[c] = w.Table1.Text(r, c);
    line[5] = w.StringTable.Text(r, 0);
    return line;
  }
};

TEST_F(TableMouseTest, ClicksMoveTheCursorAndInsertARowWhereTheyMust) {
  FillRows(8);
  const int rows = w.Table1.Rows();
  Click(7, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 7);
  EXPECT_EQ(w.SelectionEndRow, 7);
  EXPECT_EQ(w.Table1.Rows(), rows);  // nothing inserted
  // Row 0 is the first origin: the cursor goes to row 1.
  Click(0, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 1);

  // A later origin row moves down under a new empty row.
  SetOrigin(3, "9000");
  Click(3, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(w.Table1.Text(3, kLabelColumn), "");
  EXPECT_EQ(w.Table1.Text(4, kLabelColumn), "Origin");
  // So does the last row: the table keeps an empty row at its end.
  const int last = w.Table1.Rows() - 1;
  SetRow(last, "LAST", "04");
  Click(last, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, last);
  EXPECT_EQ(w.Table1.Text(last, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(last + 1, kMnemonicColumn), "LAST");
  // And, in Insert mode, any clicked row.
  w.WriteMode_Click();
  const std::string seventh = w.Table1.Text(7, kMnemonicColumn);
  Click(7, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 7);
  EXPECT_EQ(w.Table1.Text(7, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(8, kMnemonicColumn), seventh);
}

TEST_F(TableMouseTest, DragSelectsRowsWithoutMovingTheCursor) {
  FillRows(9);
  Click(2, kMnemonicColumn);
  Drag(7, 3);
  EXPECT_EQ(w.SelectionStartRow, 3);
  EXPECT_EQ(w.SelectionEndRow, 7);
  // The first origin is never selected: a drag up to it stops at row 1.
  Drag(5, 0);
  EXPECT_EQ(w.SelectionStartRow, 1);
  EXPECT_EQ(w.SelectionEndRow, 5);
  EXPECT_EQ(w.CursorRow, 2);
  // A press outside the Mnemonic column selects nothing, nor does a drag while a tool runs.
  w.Table1_MouseDown(6, kCommentColumn);
  w.Table1_MouseUp(2);
  EXPECT_EQ(w.SelectionStartRow, 1);
  w.Comments.CommentsTool_Click();
  const int state = w.EntryState;
  Drag(6, 8);
  EXPECT_EQ(w.SelectionEndRow, 5);
  EXPECT_EQ(w.EntryState, state);
}

TEST_F(TableMouseTest, OpcodeClicksOnEmptyAndOriginRowsDoNothingAndDataLinesToggle) {
  SetOrigin(4, "9000");
  w.Table1.SetText(4, kOpcodeColumn, "C3");
  for (int r : {3, 4}) {
    const Line before = RowOf(r);
    Click(r, kOpcodeColumn);
    EXPECT_EQ(w.EntryState, ProgramState) << r;
    EXPECT_EQ(RowOf(r), before) << r;
    EXPECT_EQ(w.CursorRow, 1) << r;
  }
  SetRow(2, "DFB", "3E");
  Click(2, kOpcodeColumn);
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.Data.DataBox.visible);
  Click(2, kOpcodeColumn);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "3E");
}

// Every defined instruction, clicked on its Opcode cell, is keyed again from
// its own mnemonic's key ("RNC " and the like, without the trailing space);
// Esc then gives back the line exactly, label included.
TEST_F(TableMouseTest, EveryDefinedInstructionReopensFromItsOwnKey) {
  int defined = 0;
  for (int op = 0; op < 256; ++op) {
    if (IsUndefinedOpcode(op)) continue;
    ++defined;
    SCOPED_TRACE("opcode " + Hex2(op));
    const int length = InstructionLength(op);
    std::string code = Hex2(op);
    std::string text = MnemonicsLUTList()[op];
    std::string operand;
    if (length > 1) {
      operand = length == 2 ? "count" : "loop";
      code += length == 2 ? "   0F" : "   34   12";
      text += "   " + operand;
    }
    SetRow(5, text, code, "here", operand);
    w.Table1.SetText(5, kAddressColumn, "8004");
    w.Table1.SetText(5, kCommentColumn, "kept");
    const Line before = RowOf(5);

    Click(5, kOpcodeColumn);
    std::string bare = PartialInstList()[op];
    while (bare.back() == ' ') bare.pop_back();
    if (op == 0) {
      EXPECT_EQ(RowOf(5), before);  // NOP is never re-opened
    } else if (IsIdle(w.EntryState)) {
      // A line without an operand is complete at once: the same instruction.
      EXPECT_EQ(w.Table1.Text(5, kOpcodeColumn), Hex2(op));
      EXPECT_EQ(w.Table1.Text(5, kMnemonicColumn), bare);
    } else {
      EXPECT_EQ(w.Table1.Text(5, kMnemonicColumn), bare);
      EXPECT_EQ(w.Table1.Text(5, kLabelColumn), "");
      EXPECT_EQ(w.CursorRow, 5);
      w.TableCancelButton_Click();
      EXPECT_EQ(RowOf(5), before);
    }
    ASSERT_EQ(w.EntryState, ProgramState);
  }
  EXPECT_EQ(defined, 246);
}

TEST_F(TableMouseTest, PointerFollowsTheColumnsTheStateActsOn) {
  // Column edges in twips, strict: Label 0-1080, Mnemonic 1680-3360, Comment 4440-11580.
  const struct {
    int state, x;
    bool iBeam;
  } cases[] = {{ProgramState, 2000, true},      {ProgramState, 1740, false},
               {ProgramState, 500, false},      {PlaceState, 500, true},
               {PlaceState, 2000, false},       {CommentState, 6000, true},
               {CommentState, 11520, false},    {ReplaceLabelState, 500, true},
               {ReplaceLabelState, 2000, true}, {ReplaceLabelState, 4000, false}};
  for (const auto& c : cases) {
    w.EntryState = c.state;
    w.Table1_MouseMove(c.x);
    EXPECT_EQ(w.Table1Pointer == TablePointer::IBeam, c.iBeam) << c.state << " " << c.x;
  }
}

TEST_F(TableMouseTest, LeavingAFilledCellBeyondTheUsedRowsExtendsThem) {
  w.UsedRowCount = 3;
  SetRow(9, "INR  B", "04");
  w.Table1_LeaveCell(8, kMnemonicColumn);  // empty: nothing
  EXPECT_EQ(w.UsedRowCount, 3);
  w.Table1_LeaveCell(9, kMnemonicColumn);
  EXPECT_EQ(w.UsedRowCount, 9);
}

}  // namespace
}  // namespace parvix::testing
