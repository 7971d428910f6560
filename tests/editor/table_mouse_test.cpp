// The mouse on the program table in the idle states: clicks that move the
// cursor, drags that select rows, clicks on an Opcode cell that re-open the
// line, and the pointer over the columns.
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
  // One click as the grid reports it: press, leaving the old cell, release
  // on the same row, click.
  void Click(int row, int col) {
    const int oldRow = w.Table1.row, oldCol = w.Table1.col;
    w.Table1_MouseDown(row, col);
    w.Table1_LeaveCell(oldRow, oldCol);
    w.Table1_MouseUp(row);
    w.Table1_Click(row, col);
  }
  // A press on one row of the Mnemonic column released on another.
  void Drag(int from, int to) {
    w.Table1_MouseDown(from, kMnemonicColumn);
    w.Table1_MouseUp(to);
  }
  // Rows 1 to n hold one-byte lines named "LINE n", so that rows can be told apart.
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

TEST_F(TableMouseTest, ClickMovesTheCursorAndInsertModeOpensARow) {
  FillRows(8);
  const int rows = w.Table1.Rows();
  Click(7, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 7);
  EXPECT_EQ(w.SelectionStartRow, 7);
  EXPECT_EQ(w.SelectionEndRow, 7);
  EXPECT_EQ(w.Table1.Text(7, kMnemonicColumn), "LINE 7");
  EXPECT_EQ(w.Table1.Rows(), rows);

  // Row 0 is the first origin: the cursor goes to row 1.
  Click(0, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "LINE 1");

  // In Insert mode the clicked row moves down under a new empty row.
  w.WriteMode_Click();
  const std::string seventh = w.Table1.Text(7, kMnemonicColumn);
  Click(7, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 7);
  EXPECT_EQ(w.Table1.Text(7, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(8, kMnemonicColumn), seventh);
}

TEST_F(TableMouseTest, ClicksOnTheLastRowAndOnALaterOriginInsertARowFirst) {
  FillRows(4);
  SetOrigin(3, "9000");
  Click(3, kMnemonicColumn);
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(w.Table1.Text(3, kLabelColumn), "");
  EXPECT_EQ(w.Table1.Text(4, kLabelColumn), "Origin");

  const int last = w.Table1.Rows() - 1;
  SetRow(last, "LAST", "04");
  Click(last, kMnemonicColumn);
  // The table keeps an empty row at its end, and the cursor rests on it.
  EXPECT_EQ(w.CursorRow, last);
  EXPECT_EQ(w.Table1.Text(last, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(last + 1, kMnemonicColumn), "LAST");
  EXPECT_GE(w.Table1.Rows(), last + 2);
}

TEST_F(TableMouseTest, DragSelectsRowsWithoutMovingTheCursor) {
  FillRows(9);
  Click(2, kMnemonicColumn);
  Drag(7, 3);
  EXPECT_EQ(w.SelectionStartRow, 3);
  EXPECT_EQ(w.SelectionEndRow, 7);
  EXPECT_EQ(w.CursorRow, 2);
  Drag(4, 8);
  EXPECT_EQ(w.SelectionStartRow, 4);
  EXPECT_EQ(w.SelectionEndRow, 8);
  // The first origin is never selected: a drag up to it stops at row 1.
  Drag(5, 0);
  EXPECT_EQ(w.SelectionStartRow, 1);
  EXPECT_EQ(w.SelectionEndRow, 5);
  EXPECT_EQ(w.CursorRow, 2);

  // A press outside the Mnemonic column selects nothing, nor does a
  // release while a tool runs.
  w.Table1_MouseDown(6, kCommentColumn);
  w.Table1_MouseUp(2);
  EXPECT_EQ(w.SelectionStartRow, 1);
  EXPECT_EQ(w.Table1Setting, 1);
  w.Comments.CommentsTool_Click();
  const int state = w.EntryState;
  Drag(6, 8);
  EXPECT_EQ(w.SelectionEndRow, 5);
  EXPECT_EQ(w.EntryState, state);
}

TEST_F(TableMouseTest, OpcodeClicksThatDoNothing) {
  SetRow(2, "NOP", "00");
  SetRow(3, "", "");
  SetOrigin(4, "9000");
  w.Table1.SetText(4, kOpcodeColumn, "C3");  // an origin row is never re-opened
  for (int r : {2, 3, 4}) {
    const Line before = RowOf(r);
    Click(r, kOpcodeColumn);
    EXPECT_EQ(w.EntryState, ProgramState) << r;
    EXPECT_EQ(RowOf(r), before) << r;
    EXPECT_EQ(w.CursorRow, 1) << r;
  }
}

TEST_F(TableMouseTest, DataLineClickTogglesTheEntryMode) {
  SetRow(3, "DFB", "3E");
  Click(3, kOpcodeColumn);
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_TRUE(w.Data.DataBox.visible);
  Click(3, kOpcodeColumn);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Table1.Text(3, kOpcodeColumn), "3E");
}

TEST_F(TableMouseTest, MovLineIsReopenedAndEscPutsItBack) {
  SetRow(4, "MOV  B, C", "41", "here");
  w.Table1.SetText(4, kCommentColumn, "Move content of C-register to B-register.");
  const Line before = RowOf(4);
  Click(4, kOpcodeColumn);
  EXPECT_EQ(w.EntryState, MovDestState);
  EXPECT_TRUE(w.Registers.RegisterBox.visible);
  EXPECT_EQ(w.CursorRow, 4);
  EXPECT_EQ(w.Table1.Text(4, kMnemonicColumn), "MOV");
  EXPECT_EQ(w.Table1.Text(4, kLabelColumn), "");
  w.TableCancelButton_Click();
  EXPECT_EQ(RowOf(4), before);
  EXPECT_EQ(w.EntryState, ProgramState);
}

// Every defined instruction, clicked on its Opcode cell, is keyed again from
// the key of its own mnemonic; Esc then gives back the line exactly.
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
    SetRow(5, text, code, "", operand);
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
      EXPECT_EQ(w.CursorRow, 5);
      w.TableCancelButton_Click();
      EXPECT_EQ(RowOf(5), before);
    }
    ASSERT_EQ(w.EntryState, ProgramState);
  }
  EXPECT_EQ(defined, 246);
}

TEST_F(TableMouseTest, PointerFollowsTheColumnsTheStateActsOn) {
  // Column edges in twips: Label 0-1080, Mnemonic 1680-3360, Comment 4440-11580.
  auto pointerAt = [this](int x) {
    w.Table1_MouseMove(x);
    return w.Table1Pointer;
  };
  constexpr auto I = TablePointer::IBeam;
  constexpr auto N = TablePointer::Default;
  EXPECT_EQ(pointerAt(2000), I);
  EXPECT_EQ(pointerAt(1740), N);  // the bounds are strict
  EXPECT_EQ(pointerAt(1741), I);
  EXPECT_EQ(pointerAt(3300), N);
  EXPECT_EQ(pointerAt(500), N);
  w.Instructions.InstructionLabel[0].text = "MOV";
  pointerAt(500);
  EXPECT_EQ(w.Instructions.InstructionLabel[0].text, "");

  w.Place.PlaceLabelTool_Click();
  EXPECT_EQ(pointerAt(500), I);
  EXPECT_EQ(pointerAt(2000), N);
  w.TableCancelButton_Click();
  w.Comments.CommentsTool_Click();
  EXPECT_EQ(pointerAt(6000), I);
  EXPECT_EQ(pointerAt(11520), N);
  w.TableCancelButton_Click();
  // The replace tool itself needs labels to offer; the pointer only needs its state.
  w.EntryState = ReplaceLabelState;
  EXPECT_EQ(pointerAt(500), I);
  EXPECT_EQ(pointerAt(2000), I);
  EXPECT_EQ(pointerAt(4000), N);
  // Other states leave the pointer as it is.
  w.ControlTransfer(DeleteLabelsState);
  pointerAt(4000);
  EXPECT_EQ(pointerAt(2000), N);
}

TEST_F(TableMouseTest, LeavingAFilledCellBeyondTheUsedRowsExtendsThem) {
  w.UsedRowCount = 3;
  SetRow(9, "INR  B", "04");
  w.Table1_LeaveCell(8, kMnemonicColumn);  // empty: nothing
  EXPECT_EQ(w.UsedRowCount, 3);
  w.Table1_LeaveCell(9, kMnemonicColumn);
  EXPECT_EQ(w.UsedRowCount, 9);
  w.Table1_LeaveCell(2, kMnemonicColumn);
  EXPECT_EQ(w.UsedRowCount, 9);
}

}  // namespace
}  // namespace parvix::testing
