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
  void Drag(int from, int to, int col = kMnemonicColumn) {
    w.Table1_MouseDown(from, col), w.Table1_MouseUp(to);
  }
  Line RowOf(int r) {
    Line line;
    for (int c = 0; c < 5; ++c) line[c] = w.Table1.Text(r, c);
    line[5] = w.StringTable.Text(r, 0);
    return line;
  }
};

TEST_F(TableMouseTest, ClicksMoveTheCursorAndInsertARowWhereTheyMust) {
  for (int r = 1; r <= 8; ++r) SetRow(r, "LINE " + std::to_string(r), "04");
  w.UsedRowCount = 3;
  w.Table1_LeaveCell(8, kMnemonicColumn);  // a filled cell beyond the used rows extends them
  EXPECT_EQ(w.UsedRowCount, 8);
  const int rows = w.Table1.Rows();
  Click(7, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 7);
  EXPECT_EQ(w.Table1.Rows(), rows);  // nothing inserted
  Click(0, kMnemonicColumn);  // the first origin: the cursor goes to row 1
  EXPECT_EQ(w.CursorRow, 1);
  // A later origin row, the last row (kept empty) and, in Insert mode, any
  // row move down under a new empty row.
  SetOrigin(3, "9000");
  Click(3, kMnemonicColumn);
  EXPECT_EQ(w.Table1.Text(4, kLabelColumn), "Origin");
  const int last = w.Table1.Rows() - 1;
  SetRow(last, "LAST", "04");
  Click(last, kMnemonicColumn);
  EXPECT_EQ(w.Table1.Text(last + 1, kMnemonicColumn), "LAST");
  w.WriteMode_Click();
  Click(7, kMnemonicColumn);
  EXPECT_EQ(w.Table1.Text(7, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(8, kMnemonicColumn), "LINE 6");  // below the row inserted at 3
}

TEST_F(TableMouseTest, DragSelectsRowsWithoutMovingTheCursor) {
  for (int r = 1; r <= 9; ++r) SetRow(r, "INR  B", "04");
  Click(2, kMnemonicColumn);
  Drag(5, 0);  // the first origin is never selected
  EXPECT_EQ(w.SelectionStartRow, 1);
  EXPECT_EQ(w.SelectionEndRow, 5);
  EXPECT_EQ(w.CursorRow, 2);
  // Nothing outside the Mnemonic column, nor while a tool runs.
  Drag(6, 2, kCommentColumn);
  EXPECT_EQ(w.SelectionStartRow, 1);
  w.Comments.CommentsTool_Click();
  Drag(6, 8);
  EXPECT_EQ(w.SelectionEndRow, 5);
}

TEST_F(TableMouseTest, OpcodeClicksOnEmptyAndOriginRowsDoNothingAndDataLinesToggle) {
  SetOrigin(4, "9000");
  w.Table1.SetText(4, kOpcodeColumn, "C3");
  for (int r : {3, 4}) {
    const Line before = RowOf(r);
    Click(r, kOpcodeColumn);
    EXPECT_EQ(w.EntryState, ProgramState) << r;
    EXPECT_EQ(RowOf(r), before) << r;
  }
  SetRow(2, "DFB", "3E");
  Click(2, kOpcodeColumn);
  EXPECT_TRUE(w.Data.DataBox.visible);
  Click(2, kOpcodeColumn);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "3E");
}

// Every defined instruction, clicked on its Opcode cell, is keyed again from
// its own mnemonic's key; Esc then gives back the line exactly, label included.
TEST_F(TableMouseTest, EveryDefinedInstructionReopensFromItsOwnKey) {
  int defined = 0;
  for (int op = 0; op < 256; ++op) {
    if (IsUndefinedOpcode(op)) continue;
    ++defined;
    SCOPED_TRACE("opcode " + Hex2(op));
    const int length = InstructionLength(op);
    const std::string operand = length == 1 ? "" : length == 2 ? "count" : "loop";
    SetRow(5, MnemonicsLUTList()[op] + (operand.empty() ? "" : "   " + operand),
           Hex2(op) + (length == 1 ? "" : length == 2 ? "   0F" : "   34   12"), "here", operand);
    w.Table1.SetText(5, kAddressColumn, "8004");
    w.Table1.SetText(5, kCommentColumn, "kept");
    const Line before = RowOf(5);
    Click(5, kOpcodeColumn);
    std::string bare = PartialInstList()[op];
    while (bare.back() == ' ') bare.pop_back();
    if (op == 0) {
      EXPECT_EQ(RowOf(5), before);  // NOP is never re-opened
    } else if (IsIdle(w.EntryState)) {  // no operand: complete at once
      EXPECT_EQ(w.Table1.Text(5, kOpcodeColumn), Hex2(op));
      EXPECT_EQ(w.Table1.Text(5, kMnemonicColumn), bare);
    } else {
      EXPECT_EQ(w.Table1.Text(5, kMnemonicColumn), bare);
      EXPECT_EQ(w.Table1.Text(5, kLabelColumn), "here");
      w.TableCancelButton_Click();
      EXPECT_EQ(RowOf(5), before);
    }
    ASSERT_EQ(w.EntryState, ProgramState);
  }
  EXPECT_EQ(defined, 246);
}

TEST_F(TableMouseTest, PointerFollowsTheColumnsTheStateActsOn) {
  // Column edges in twips: Label 0-1080, Mnemonic 1680-3360, Comment 4440-11580.
  const struct {
    EntryStates state;
    int x;
    bool iBeam;
  } cases[] = {{ProgramState, 2000, true},
               {ProgramState, 500, false},
               {PlaceState, 500, true},
               {CommentState, 6000, true},
               {ReplaceLabelState, 2000, true}};
  for (const auto& c : cases) {
    w.EntryState = c.state, w.Table1_MouseMove(c.x);
    EXPECT_EQ(w.Table1Pointer == TablePointer::IBeam, c.iBeam)
        << static_cast<int>(c.state) << " " << c.x;
  }
}

}  // namespace
}  // namespace parvix::testing
