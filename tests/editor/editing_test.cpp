// Copy, Cut, Paste and Delete of whole program rows through the program's
// own clipboard, with the string lists kept whole by Paste.
#include <gtest/gtest.h>

#include "editor/program_table.h"
#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;

class EditingTest : public SessionTest {
 protected:
  // Rows 1-6 below the origin, the cursor on row 7; sub (9000) is placed nowhere.
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
  std::string Mnemonic(int r) { return w.Table1.Text(r, kMnemonicColumn); }
  std::string Clipped(int r) { return w.EditTable.Text(r, kMnemonicColumn); }
};

TEST_F(EditingTest, DeleteMovesTheCursorAndTheUsedRows) {
  Select(2, 3);
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.Table1.Text(2, kLabelColumn), "Origin");
  EXPECT_EQ(w.CursorRow, 5);  // up by the rows taken above it
  EXPECT_EQ(w.UsedRowCount, 5);
  w.NextLine(1);
  Select(3, 40);
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.CursorRow, 1);      // rows below leave it
  EXPECT_EQ(w.UsedRowCount, 3);  // and the used rows end at the selection
  EXPECT_EQ(w.Table1.Rows(), 3 + 10);  // ten empty rows follow the selection's place
}

TEST_F(EditingTest, CutAndDeleteNeverTakeTheFirstOrigin) {
  w.WriteMode_Click();  // Insert: a blank row at the cursor
  const int rows = w.Table1.Rows();
  Select(0, 2);
  w.Clipboard.CutEdit_Click();
  EXPECT_EQ(w.EditTable.Rows(), 2);
  EXPECT_EQ(Clipped(0), "MVI  A,   count");
  EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
  EXPECT_EQ(Mnemonic(1), "NOP");
  EXPECT_FALSE(w.InsertMode());
  Select(0, 1);  // a delete from row 0 appends no row holding a stray text
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Rows(), rows - 3);
  for (int r = 0; r < w.Table1.Rows(); ++r) EXPECT_NE(w.Table1.Text(r, kLabelColumn), "2");
  // Without a range the cursor row is cut; the row below takes its place and the cursor.
  w.NextLine(2);
  w.Clipboard.CutEdit_Click();
  EXPECT_EQ(w.EditTable.Rows(), 1);
  EXPECT_EQ(Clipped(0), "CALL  sub");
  EXPECT_EQ(w.CursorRow, 2);
  EXPECT_EQ(w.SelectionEndRow, 2);
}

TEST_F(EditingTest, PasteInsertsAtTheCursorAndAddsMissingStrings) {
  Select(1, 2);
  w.Clipboard.CopyEdit_Click();
  w.New_File();  // the clipboard survives New
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(1), "MVI  A,   count");
  EXPECT_EQ(Mnemonic(2), "JMP  loop");
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count"}));
  EXPECT_EQ(w.Symbols.XXEqtList, (Texts{"05"}));
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop"}));
  EXPECT_TRUE(w.ProgramChanged);
}

TEST_F(EditingTest, APasteBeyondTheTablesRoomIsRefusedWholeSoTheProgramStillOpens) {
  Select(1, 2);
  w.Clipboard.CopyEdit_Click();
  w.ProgramChanged = false;
  // Two rows would pass the room by one.
  w.Table1.SetRows(kMaxProgramRows - 1);
  w.StringTable.SetRows(w.Table1.Rows());
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(host.LastBox(), kProgramFullText);
  EXPECT_EQ(w.Table1.Rows(), kMaxProgramRows - 1);
  EXPECT_EQ(Mnemonic(7), "");
  EXPECT_FALSE(w.ProgramChanged);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  // One row fewer and they fit, filling the table up to what Open reads.
  w.Table1.SetRows(kMaxProgramRows - 2);
  w.StringTable.SetRows(w.Table1.Rows());
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(7), "MVI  A,   count");
  EXPECT_EQ(w.Table1.Rows(), kMaxProgramRows);
}

TEST_F(EditingTest, CopiedOriginsKeepTheirStartAndOtherRowsLoseTheirAddress) {
  w.Table1.SetText(5, kAddressColumn, "9000");
  Select(4, 6);  // Origin 9000, CALL sub, sub: RET
  w.Clipboard.CopyEdit_Click();
  EXPECT_TRUE(w.Menu.PasteEdit.enabled);
  EXPECT_EQ(w.Table1.Text(5, kAddressColumn), "9000");  // copy leaves the program
  w.NextLine(2);
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "sub"}));  // sub is not added again
  EXPECT_EQ(w.Table1.Text(2, kAddressColumn), "9000");
  EXPECT_EQ(w.Table1.Text(3, kAddressColumn), "");
  EXPECT_EQ(w.Table1.BackColor(2, kCommentColumn), kOriginGrey);
  EXPECT_EQ(w.OriginList, (Texts{"8000", "9000", "9000"}));
}

TEST_F(EditingTest, PasteRenamesAnOperandThatWouldDisagree) {
  Select(2, 2);  // JMP loop with the placeholders
  w.Clipboard.CopyEdit_Click();
  w.Symbols.LabelEqtList[0] = "2050";
  w.Symbols.AddVariable("a1", "00");  // generated names skip every string
  w.NextLine(3);
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(3), "JMP  a2");
  EXPECT_EQ(w.Symbols.LabelEqtList[w.Symbols.LabelIndex("a2")], "XXXX");
  // The clipboard holds the new name: a second paste matches it.
  w.Clipboard.PasteEdit_Click();
  EXPECT_EQ(Mnemonic(4), "JMP  a2");
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
  // A placed label and a label operand named as the variable share one new label; a variable
  // of another value and a variable named as a label get new ones; the same value is kept.
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
  // As after opening a file with addresses assigned, before the derived lists are made.
  auto& s = w.Symbols;
  s.LabelEqtList[0] = "8000";
  for (Texts* list : {&s.LabelPlacedList, &s.LabelUsedList, &s.LabelLineList}) list->clear();
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

}  // namespace
}  // namespace parvix::testing
