// Copy, Cut, Paste and Delete of whole program rows through the program's
// own clipboard, with the string lists kept whole by Paste.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;

class EditingTest : public SessionTest {
 protected:
  // A small program: rows 1-6 below the origin, the cursor on row 7.
  //   1 loop: MVI A, count      3E 05      (variable count = 05)
  //   2       JMP loop          C3 XX XX
  //   3       NOP
  //   4       Origin 9000
  //   5       CALL sub          CD 00 90   (label sub = 9000, placed nowhere)
  //   6 sub:  RET
  void SetUp() override {
    w.Symbols.AddVariable("count", "05");
    w.Symbols.AddLabel("loop");
    w.Symbols.AddLabel("sub", "9000");
    SetRow(1, "MVI  A,   count", "3E   05", "loop", "count");
    SetRow(2, "JMP  loop", "C3   XX   XX", "", "loop");
    SetRow(3, "NOP", "00");
    SetOrigin(4, "9000");
    SetRow(5, "CALL  sub", "CD   00   90", "", "sub");
    SetRow(6, "RET", "C9", "sub");
    w.UsedRowCount = 7;
    w.NextLine(7);
    w.ControlTransfer(ProgramState);
    w.UpdateLabels();
  }
  void Select(int first, int last) {
    w.SelectionStartRow = first;
    w.SelectionEndRow = last;
  }
  static Texts Column(const Grid& grid, int col) {
    Texts texts;
    for (int r = 0; r < grid.Rows(); ++r) texts.push_back(grid.Text(r, col));
    return texts;
  }
  std::string Mnemonic(int r) { return w.Table1.Text(r, kMnemonicColumn); }
};

TEST_F(EditingTest, CopyFillsTheClipboardAndLeavesTheProgram) {
  w.Table1.SetText(2, kAddressColumn, "8003");
  Select(2, 4);
  w.Clipboard.CopyEdit_Click();
  EXPECT_EQ(Column(w.EditTable, kMnemonicColumn), (Texts{"JMP  loop", "NOP", ""}));
  // Addresses are dropped except on origin rows, which keep their start.
  EXPECT_EQ(Column(w.EditTable, kAddressColumn), (Texts{"", "", "9000"}));
  EXPECT_EQ(Column(w.EditStringTable, 0), (Texts{"loop", "", ""}));
  EXPECT_EQ(w.EditTable.BackColor(2, kLabelColumn), kGridBackColor);  // no origin grey
  EXPECT_TRUE(w.Menu.PasteEdit.enabled);
  EXPECT_EQ(w.CursorRow, 7);
  EXPECT_EQ(w.Table1.Text(2, kAddressColumn), "8003");
}

TEST_F(EditingTest, DeleteMovesTheCursorAndTheUsedRows) {
  // Rows above the cursor: the cursor moves up by their number.
  Select(2, 3);
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.Table1.Text(2, kLabelColumn), "Origin");
  EXPECT_EQ(w.CursorRow, 5);
  EXPECT_EQ(w.UsedRowCount, 5);
  EXPECT_EQ(w.Table1.Rows(), w.StringTable.Rows());
  // Rows below the cursor leave it; the used rows end at the selection.
  w.NextLine(1);
  Select(3, 40);
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.UsedRowCount, 3);
  EXPECT_EQ(w.Table1.Rows(), 3 + 10);  // ten empty rows follow the selection's place
  EXPECT_EQ(w.Table1.Rows(), w.StringTable.Rows());
}

TEST_F(EditingTest, WithoutARangeTheCursorRowIsCut) {
  w.NextLine(3);
  w.Clipboard.CutEdit_Click();
  EXPECT_EQ(Column(w.EditTable, kMnemonicColumn), (Texts{"NOP"}));
  // The row below took its place and holds the cursor, which is selected.
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(w.SelectionEndRow, 3);
}

TEST_F(EditingTest, CutAndDeleteNeverTakeTheFirstOrigin) {
  w.WriteMode_Click();  // Insert: a blank row at the cursor
  ASSERT_TRUE(w.InsertMode());
  const int rows = w.Table1.Rows();
  Select(0, 2);
  w.Clipboard.CutEdit_Click();
  EXPECT_EQ(Column(w.EditTable, kMnemonicColumn), (Texts{"MVI  A,   count", "JMP  loop"}));
  EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
  EXPECT_EQ(Mnemonic(1), "NOP");
  EXPECT_FALSE(w.InsertMode());

  // A delete from row 0 appends no row holding a stray text.
  Select(0, 1);
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Rows(), rows - 3);
  for (int r = 0; r < w.Table1.Rows(); ++r) EXPECT_NE(w.Table1.Text(r, kLabelColumn), "2");
}

TEST_F(EditingTest, PasteInsertsAtTheCursorAndAddsMissingStrings) {
  Select(1, 2);
  w.Clipboard.CopyEdit_Click();
  w.New_File();  // the clipboard survives New
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(1), "MVI  A,   count");
  EXPECT_EQ(Mnemonic(2), "JMP  loop");
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(w.UsedRowCount, 3);
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count"}));
  EXPECT_EQ(w.Symbols.XXEqtList, (Texts{"05"}));
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop"}));
  EXPECT_EQ(w.Symbols.LabelLineList, (Texts{"1"}));
  EXPECT_TRUE(w.ProgramChanged);
}

TEST_F(EditingTest, PasteRenamesAnOperandThatWouldDisagree) {
  Select(2, 2);  // JMP loop with the placeholders
  w.Clipboard.CopyEdit_Click();
  w.Symbols.LabelEqtList[0] = "2050";
  w.Symbols.AddVariable("a1", "00");  // generated names skip every string
  w.NextLine(3);
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(3), "JMP  a2");
  EXPECT_EQ(w.StringTable.Text(3, 0), "a2");
  EXPECT_EQ(w.Symbols.LabelEqtList[w.Symbols.LabelIndex("a2")], "XXXX");
  // The clipboard holds the new name: a second paste matches it.
  const size_t labels = w.Symbols.LabelCombo.size();
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(4), "JMP  a2");
  EXPECT_EQ(w.Symbols.LabelCombo.size(), labels);

  // A label whose equivalent is still unassigned keeps its name.
  w.Symbols.LabelEqtList[0] = "XXXX";
  w.EditStringTable.SetText(0, 0, "loop");
  w.EditTable.SetText(0, kMnemonicColumn, "JMP  loop");
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(5), "JMP  loop");
}

TEST_F(EditingTest, PasteKeepsLabelsAndVariablesApart) {
  // Rows naming count (a variable of 05 here) in all three ways.
  w.EditTable.Reset({{{"count"}, {}, {"NOP"}, {"00"}, {}},
                     {{}, {}, {"LDA  count"}, {"3A   XX   XX"}, {}},
                     {{}, {}, {"MVI  B,   count"}, {"06   07"}, {}},
                     {{}, {}, {"ADI   count"}, {"C6   05"}, {}},
                     {{}, {}, {"IN   loop"}, {"DB   XX"}, {}}});
  w.EditStringTable.Reset({{{}}, {{"count"}}, {{"count"}}, {{"count"}}, {{"loop"}}});
  w.Clipboard.PasteEdit_Click();
  // A placed label and a label operand named as the variable share one new
  // label; a variable of another value and a variable named as a label get
  // new variables; the variable with the same value is kept.
  EXPECT_EQ(w.Table1.Text(7, kLabelColumn), "a1");
  EXPECT_EQ(Mnemonic(8), "LDA  a1");
  EXPECT_EQ(Mnemonic(9), "MVI  B,   v1");
  EXPECT_EQ(Mnemonic(10), "ADI   count");
  EXPECT_EQ(Mnemonic(11), "IN   v2");
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count", "v1", "v2"}));
  EXPECT_EQ(w.Symbols.XXEqtList, (Texts{"05", "07", "XX"}));
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "sub", "a1"}));
  EXPECT_EQ(w.Symbols.LabelEqtList[2], "XXXX");
}

TEST_F(EditingTest, ABlockMovedByCutAndPasteKeepsItsLabels) {
  // As after opening a file with addresses assigned: loop stands at 8000,
  // the jump carries it, the lists derived from the table are not yet made.
  w.Symbols.LabelEqtList[0] = "8000";
  w.Symbols.LabelPlacedList.clear();
  w.Symbols.LabelUsedList.clear();
  w.Symbols.LabelLineList.clear();
  w.Table1.SetText(2, kOpcodeColumn, "C3   00   80");
  Select(1, 2);
  w.Clipboard.CutEdit_Click();
  ASSERT_EQ(w.Symbols.LabelEqtList, (Texts{"XXXX", "9000"}));  // its row went with the cut
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count"}));  // names stay in the lists
  w.NextLine(3);
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(w.Table1.Text(3, kLabelColumn), "loop");
  EXPECT_EQ(Mnemonic(4), "JMP  loop");
  EXPECT_EQ(w.Table1.Text(4, kOpcodeColumn), "C3   XX   XX");
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "sub"}));
}

TEST_F(EditingTest, PastedLabelsAndOriginsJoinTheProgram) {
  Select(4, 6);  // Origin 9000, CALL sub, sub: RET
  w.Clipboard.CopyEdit_Click();
  w.NextLine(2);
  w.Clipboard.PasteEdit_Click();
  // sub is not added again; the origin keeps its start address.
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "sub"}));
  EXPECT_EQ(w.Table1.Text(2, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Text(2, kAddressColumn), "9000");
  EXPECT_EQ(w.Table1.BackColor(2, kCommentColumn), kOriginGrey);
  EXPECT_EQ(w.OriginList, (Texts{"8000", "9000", "9000"}));
  EXPECT_EQ(Mnemonic(5), "JMP  loop");
}

TEST_F(EditingTest, EditingWaitsForTheIdleState) {
  Select(1, 2);
  w.Clipboard.CopyEdit_Click();
  w.Comments.CommentsTool_Click();
  const int rows = w.Table1.Rows();
  w.Clipboard.PasteEdit_Click();
  w.Clipboard.DeleteEdit_Click();
  w.Clipboard.CutEdit_Click();
  EXPECT_EQ(w.Table1.Rows(), rows);
  EXPECT_EQ(Mnemonic(1), "MVI  A,   count");
}

}  // namespace
}  // namespace parvix::testing
