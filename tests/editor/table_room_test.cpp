// The program table's room: every command that adds rows stops where Open
// stops reading, with one message, and changes nothing; a program saved at
// the room opens again.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "editor/program_table.h"
#include "support/session_fixture.h"
#include "support/temp_folder.h"

namespace parvix::testing {
namespace {

enum Key : int { kMVI = 1, kADD = 10, kNOP = 78 };

class TableRoomTest : public SessionTest, public TempFolder {
 protected:
  TableRoomTest() : TempFolder("parvix-room-") {}

  // The program as an opened file of `rows` rows leaves it, the cursor on
  // `cursor`.
  void Grow(int rows, int cursor) {
    w.Table1.SetRows(rows);
    w.StringTable.SetRows(rows);
    w.UsedRowCount = rows;
    w.NextLine(cursor);
  }

  // Saves the program under a new name and opens it again: all of it reads.
  void SaveAndOpenAgain() {
    const int rows = w.Table1.Rows();
    host.fileChoices.push_back(FileChoice{PathOf("room.zvt"), "room.zvt"});
    w.SaveAsFile_Click();
    ASSERT_EQ(w.TipsLabel.text, "File Saved.");
    host.fileChoices.push_back(FileChoice{PathOf("room.zvt"), "room.zvt"});
    w.OpenFile_Click();
    EXPECT_EQ(w.TipsLabel.text, "File Opened.") << host.LastBox();
    EXPECT_EQ(w.Table1.Rows(), rows);
    EXPECT_FALSE(w.IsOriginRow(w.CursorRow));
  }
};

TEST_F(TableRoomTest, KeyedLinesStopAtTheRoomAndTheProgramOpensAgain) {
  Grow(70000, 69999);  // the cursor on the last row of a long program
  for (int i = 0; i < 30; ++i) w.Instructions.INST_Click(kNOP);
  // The lines went in until the table was full; the keys after that were
  // refused with a message that names the size the table stopped at.
  const int full = w.Table1.Rows();
  ASSERT_FALSE(host.boxes.empty());
  EXPECT_EQ(host.LastBox(), kProgramFullText);
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_NE(host.LastBox().find(" " + std::to_string(full) + " "), std::string::npos);
  EXPECT_EQ(w.CursorRow, full - 1);
  EXPECT_EQ(w.Table1.Text(full - 2, kMnemonicColumn), "NOP");
  // A key that waits for an operand is refused before it touches the row:
  // no half-keyed line is left behind, and the program stays in program mode.
  w.Table1.SetText(w.CursorRow, kCommentColumn, "Kept.");
  w.Instructions.INST_Click(kMVI);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_EQ(w.Table1.Text(w.CursorRow, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(w.CursorRow, kCommentColumn), "Kept.");
  EXPECT_EQ(w.Table1.Rows(), full);
  // Deleting the last row gives the cursor empty rows again, within the room.
  w.Clipboard.DeleteEdit_Click();
  EXPECT_EQ(w.Table1.Rows(), full);
  SaveAndOpenAgain();
  // The full table still takes lines keyed over its rows.
  host.boxes.clear();
  w.Instructions.INST_Click(kNOP);
  EXPECT_TRUE(host.boxes.empty()) << host.LastBox();
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "NOP");
  EXPECT_EQ(w.Table1.Rows(), full);
}

TEST_F(TableRoomTest, InsertModeStopsAtTheRoomAndTheProgramOpensAgain) {
  // A paste brings a long program to four rows short of the room.
  SetRow(1, "NOP", "00");
  SetRow(2, "NOP", "00");
  w.SelectionStartRow = 1;
  w.SelectionEndRow = 2;
  w.Clipboard.CopyEdit_Click();
  Grow(kMaxProgramRows - 6, 100);
  w.Clipboard.PasteEdit_Click();
  ASSERT_EQ(w.Table1.Rows(), kMaxProgramRows - 4);
  // Insert mode puts a row in at the cursor and one more below each line,
  // until the table is full; the keys after that are refused.
  w.WriteMode_Click();
  for (int i = 0; i < 10; ++i) w.Instructions.INST_Click(kNOP);
  EXPECT_EQ(w.Table1.Rows(), kMaxProgramRows);
  EXPECT_EQ(host.boxes.size(), 7u);
  EXPECT_EQ(host.LastBox(), kProgramFullText);
  EXPECT_EQ(w.Table1.Text(w.CursorRow, kMnemonicColumn), "");
  EXPECT_EQ(w.Table1.Text(w.CursorRow - 1, kMnemonicColumn), "NOP");
  EXPECT_TRUE(w.InsertMode());
  // Overwrite can be chosen; Insert mode, which would put a row in, not again.
  w.WriteMode_Click();
  w.WriteMode_Click();
  EXPECT_FALSE(w.InsertMode());
  EXPECT_EQ(host.boxes.size(), 8u);
  // Nor while a line waits for its register, which would then get a row below.
  w.NextLine(200);
  w.Instructions.INST_Click(kADD);
  w.WriteMode_Click();
  EXPECT_FALSE(w.InsertMode());
  EXPECT_EQ(host.boxes.size(), 9u);
  w.Registers.REG_Click(0);
  EXPECT_EQ(w.Table1.Text(200, kMnemonicColumn), "ADD  B");
  EXPECT_EQ(w.Table1.Rows(), kMaxProgramRows);
  SaveAndOpenAgain();
}

// A data byte, a new origin and the clicks that put a row in: on a full table
// each is refused with the room's message and changes nothing; with rows to
// spare it is done, and never takes the table past the room.
TEST_F(TableRoomTest, DataBytesOriginsAndClicksStopAtTheRoom) {
  struct Path {
    const char* what;
    std::function<void(int last)> act;  // on a table whose last row is `last`
  };
  const Path paths[] = {
      {"a data byte on the last row",
       [this](int last) {
         w.NextLine(last);
         w.EntryMode_Click();
         w.Data.DataNum_Click(5);
         w.Data.DataAcceptButton_Click();
       }},
      {"a new origin",
       [this](int) {
         w.NewOrigin_Click();
         for (char c : std::string("9000")) w.Numbers.NumberAcceptButton_KeyPress(c);
         w.Numbers.NumberAcceptButton_Click();
       }},
      {"a click on the last row", [this](int last) { Click(last, kMnemonicColumn); }},
      {"a click on an origin row",
       [this](int) {
         SetOrigin(50, "9000");
         w.UpdateOrigins();
         Click(50, kMnemonicColumn);
       }},
  };
  for (const Path& path : paths) {
    for (int spare = 0; spare <= 15; ++spare) {
      SCOPED_TRACE(::testing::Message() << path.what << ", " << spare << " rows to spare");
      w.New_File();
      Grow(kMaxProgramRows - spare, 10);
      host.boxes.clear();
      path.act(w.Table1.Rows() - 1);
      EXPECT_LE(w.Table1.Rows(), kMaxProgramRows);
      EXPECT_EQ(w.EntryState, w.IdleState());
      if (!host.boxes.empty()) {
        // Refused whole.
        EXPECT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.LastBox(), kProgramFullText);
        EXPECT_EQ(w.Table1.Rows(), kMaxProgramRows - spare);
        EXPECT_EQ(w.Table1.Text(w.CursorRow, kMnemonicColumn), "");
      }
      if (spare == 0) {
        EXPECT_FALSE(host.boxes.empty());
      } else if (spare == 15) {
        EXPECT_TRUE(host.boxes.empty()) << host.LastBox();
      }
    }
  }
}

// Opening puts a blank row before an origin on row 1, for the cursor; a full
// program gets its cursor below that origin instead, so that it can be saved
// and opened again.
TEST_F(TableRoomTest, AFullProgramWithAnOriginOnItsSecondRowOpensAgain) {
  Grow(kMaxProgramRows, 10);
  SetOrigin(1, "9000");
  SaveAndOpenAgain();
  EXPECT_EQ(w.CursorRow, 2);
  SaveAndOpenAgain();
}

}  // namespace
}  // namespace parvix::testing
