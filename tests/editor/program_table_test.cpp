// The program table's row primitives, the write mode and the new program.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using ProgramTableTest = SessionTest;

TEST_F(ProgramTableTest, AddRowsGrowsOnlyNearTheEnd) {
  struct Case {
    int rows, row, expected;
  } cases[] = {{32, 21, 32}, {32, 22, 32}, {32, 23, 33}, {32, 40, 50}, {12, 5, 32}, {100, 89, 100},
               {100, 90, 100}, {100, 95, 105}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.rows << " rows, row " << c.row);
    w.Table1.SetRows(c.rows);
    w.StringTable.SetRows(c.rows);
    w.AddRows(c.row);
    EXPECT_EQ(w.Table1.Rows(), c.expected);
    EXPECT_EQ(w.StringTable.Rows(), c.expected);
  }
}

TEST_F(ProgramTableTest, InsertLineMovesRowsAndTheCursor) {
  w.Table1.SetText(3, kMnemonicColumn, "NOP");
  w.StringTable.SetText(3, 0, "x");
  w.CursorRow = 3;
  w.InsertLine(2, 2);
  EXPECT_EQ(w.Table1.Rows(), 34);
  EXPECT_EQ(w.StringTable.Rows(), 34);
  EXPECT_EQ(w.Table1.Text(5, kMnemonicColumn), "NOP");
  EXPECT_EQ(w.StringTable.Text(5, 0), "x");
  EXPECT_EQ(w.CursorRow, 5);
  EXPECT_EQ(w.UsedRowCount, 3);
  // Rows inserted below the cursor leave it alone.
  w.InsertLine(10, 1);
  EXPECT_EQ(w.CursorRow, 5);
}

TEST_F(ProgramTableTest, NextLineMovesTheCursorMark) {
  w.NextLine(4);
  EXPECT_EQ(w.CursorRow, 4);
  EXPECT_EQ(w.Table1.BackColor(1, kMnemonicColumn), kGridBackColor);
  EXPECT_EQ(w.Table1.BackColor(4, kMnemonicColumn), kGridFixedBackColor);
  EXPECT_EQ(w.Table1.ForeColor(4, kMnemonicColumn), kGridFixedForeColor);
  EXPECT_EQ(w.SelectionStartRow, 4);
  EXPECT_EQ(w.SelectionEndRow, 4);
  EXPECT_EQ(w.Table1.row, 4);
  EXPECT_EQ(w.Table1.col, kMnemonicColumn);
}

TEST_F(ProgramTableTest, NextLineGrowsTheTableWhenTheCursorReachesTheEnd) {
  w.NextLine(25);
  EXPECT_EQ(w.Table1.Rows(), 35);
  EXPECT_EQ(w.StringTable.Rows(), 35);
}

TEST_F(ProgramTableTest, NextLineOntoAnOriginInsertsABlankRowAboveIt) {
  w.Table1.SetText(5, kLabelColumn, "Origin");
  w.Table1.SetText(5, kAddressColumn, "9000");
  w.UsedRowCount = 8;
  w.ControlTransfer(ProgramState);  // greys the new origin
  w.NextLine(5);
  EXPECT_EQ(w.CursorRow, 5);
  EXPECT_TRUE(w.Table1.Text(5, kLabelColumn).empty());
  EXPECT_EQ(w.Table1.Text(6, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Text(6, kAddressColumn), "9000");
  EXPECT_EQ(w.Table1.BackColor(6, kCommentColumn), kOriginGrey);
  EXPECT_EQ(w.UsedRowCount, 9);
  EXPECT_EQ(w.Table1.Rows(), 33);
}

TEST_F(ProgramTableTest, NextLineWithACursorBeyondTheTableClampsIt) {
  w.CursorRow = 500;
  w.NextLine(3);
  EXPECT_EQ(w.CursorRow, 3);
}

TEST_F(ProgramTableTest, UpdateOriginsRebuildsTheListInTableOrder) {
  w.Table1.SetText(7, kLabelColumn, "Origin");
  w.Table1.SetText(7, kAddressColumn, "9000");
  w.Table1.SetText(4, kLabelColumn, "Origin");
  w.Table1.SetText(4, kAddressColumn, "A000");
  w.UpdateOrigins();
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "A000", "9000"}));
  for (int c = 0; c < 5; ++c) EXPECT_EQ(w.Table1.BackColor(7, c), kOriginGrey);
  EXPECT_EQ(w.Table1.row, 7);
  EXPECT_EQ(w.Table1.col, kCommentColumn);
}

TEST_F(ProgramTableTest, InsertModeInsertsABlankRowAtTheCursorWhenIdle) {
  w.Table1.SetText(1, kMnemonicColumn, "NOP");
  w.WriteMode_Click();
  EXPECT_EQ(w.WriteModeLabel.text, "Insert");
  EXPECT_EQ(w.WriteModeLabel.fore, kDarkGreen);
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_TRUE(w.Table1.Text(1, kMnemonicColumn).empty());
  EXPECT_EQ(w.Table1.Text(2, kMnemonicColumn), "NOP");
  EXPECT_EQ(w.Table1.Rows(), 33);
  // Back to Overwrite inserts nothing.
  w.WriteModeLabel_Click();
  EXPECT_EQ(w.WriteModeLabel.text, "Overwrite");
  EXPECT_EQ(w.WriteModeLabel.fore, kRed);
  EXPECT_EQ(w.Table1.Rows(), 33);
}

TEST_F(ProgramTableTest, InsertModeDuringAnEntryInsertsNothing) {
  w.ControlTransfer(RegisterState);
  w.WriteMode_Click();
  EXPECT_EQ(w.WriteModeLabel.text, "Insert");
  EXPECT_EQ(w.Table1.Rows(), 32);
}

TEST_F(ProgramTableTest, NewFileResetsTheProgramButNotTheRun) {
  w.Table1.SetText(3, kMnemonicColumn, "NOP");
  w.Symbols.LabelCombo = {"loop"};
  w.Symbols.LabelEqtList = {"XXXX"};
  w.Symbols.XXCombo = {"v1"};
  w.Symbols.XXEqtList = {"XX"};
  w.NextLabelNumber = 7;
  w.EditTable.SetRows(1);
  w.WriteMode_Click();
  w.FilePath = "/tmp/some.zvt";
  w.PrintComment.PrintCommentText.text = "lab 3";
  w.NextLine(20);
  w.New_File();
  EXPECT_EQ(w.Table1.Rows(), 32);
  EXPECT_TRUE(w.Table1.Text(4, kMnemonicColumn).empty());
  EXPECT_TRUE(w.Symbols.LabelCombo.empty());
  EXPECT_TRUE(w.Symbols.XXEqtList.empty());
  EXPECT_EQ(w.NextLabelNumber, 7);
  EXPECT_EQ(w.EditTable.Rows(), 1);
  EXPECT_EQ(w.WriteModeLabel.text, "Overwrite");
  EXPECT_EQ(w.FilePath, "/tmp/some.zvt");
  EXPECT_TRUE(w.PrintComment.PrintCommentText.text.empty());
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.Table1.BackColor(20, kMnemonicColumn), kGridBackColor);
  EXPECT_EQ(w.Table1.BackColor(1, kMnemonicColumn), kGridFixedBackColor);
}

TEST_F(ProgramTableTest, NewFromDataModeStartsInProgramMode) {
  w.EntryMode_Click();
  w.NewFile_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Menu.EntryMode.caption, "Data &Mode");
  EXPECT_TRUE(w.Instructions.InstructionBox.visible);
  EXPECT_FALSE(w.Data.DataBox.visible);
}

TEST_F(ProgramTableTest, NewWithAnUnchangedProgramNeverAsks) {
  w.FileTitle = "lab.zvt";
  w.NewFile_Click();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w.FileTitle, "Pgm1.zvt");
  EXPECT_EQ(w.Caption, "Quenmar Parvix - Pgm1.zvt");
}

TEST_F(ProgramTableTest, NewWithAChangedProgramAsksToSave) {
  w.Table1.SetText(1, kMnemonicColumn, "NOP");
  w.ProgramChanged = true;
  w.FileTitle = "lab.zvt";

  host.answers = {kAnswerCancel};
  w.NewFile_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Save changes to lab.zvt?");
  EXPECT_EQ(host.boxes[0].style, kMsgYesNoCancelQuestion);
  EXPECT_EQ(w.MsgBoxAnswer, "2");
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "NOP");

  // Yes with a save that does not succeed keeps the program.
  host.answers = {kAnswerYes};
  w.NewFile_Click();
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "NOP");
  EXPECT_EQ(w.FileTitle, "lab.zvt");

  host.answers = {kAnswerNo};
  w.NewFile_Click();
  EXPECT_TRUE(w.Table1.Text(1, kMnemonicColumn).empty());
  EXPECT_EQ(w.FileTitle, "Pgm1.zvt");
  EXPECT_FALSE(w.ProgramChanged);
}

}  // namespace
}  // namespace parvix::testing
