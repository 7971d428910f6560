// Data mode: bytes keyed on the data keypad or typed, written as "DFB" lines.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class DataModeTest : public SessionTest {
 protected:
  DataModeTest() { w.EntryMode_Click(); }
  void Type(const std::string& keys) {
    for (char c : keys) w.Data.DataAcceptButton_KeyPress(c);
  }
};

TEST_F(DataModeTest, PanelStartsAtZeroWithAcceptAsDefault) {
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.Data.DataBox.visible);
  EXPECT_EQ(w.Data.DataLabel.text, "00");
  EXPECT_EQ(w.DefaultButton, "DataAcceptButton");
  EXPECT_EQ(w.Focus.control, "DataAcceptButton");
}

TEST_F(DataModeTest, DigitsShiftInAndOnlyTheLastTwoStay) {
  w.Data.DataNum_Click(1);
  EXPECT_EQ(w.Data.DataLabel.text, "01");
  w.Data.DataNum_Click(2);
  w.Data.DataNum_Click(3);
  EXPECT_EQ(w.Data.DataLabel.text, "23");
  w.Focus.Set("elsewhere");
  w.Data.DataNum_Click(10);
  EXPECT_EQ(w.Data.DataLabel.text, "3A");
  EXPECT_EQ(w.Focus.control, "DataAcceptButton");
  // Typed digits in either case; other keys are ignored.
  Type("b-g 7");
  EXPECT_EQ(w.Data.DataLabel.text, "B7");
}

TEST_F(DataModeTest, AcceptWithoutDigitsWritesZero) {
  w.Data.DataAcceptButton_Click();
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "DFB");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "00");
  EXPECT_EQ(w.Table1.Text(1, kCommentColumn), "Data Byte.");
  EXPECT_EQ(w.CursorRow, 2);
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.ProgramChanged);
}

TEST_F(DataModeTest, ARunOfTypedBytes) {
  for (const char* byte : {"3e", "01", "76", "FF"}) {
    Type(byte);
    w.Data.DataAcceptButton_Click();
    EXPECT_EQ(w.Data.DataLabel.text, "00");
    EXPECT_EQ(w.Focus.control, "DataAcceptButton");
  }
  const char* written[] = {"3E", "01", "76", "FF"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(w.Table1.Text(1 + i, kMnemonicColumn), "DFB");
    EXPECT_EQ(w.Table1.Text(1 + i, kOpcodeColumn), written[i]);
  }
  EXPECT_EQ(w.CursorRow, 5);
  EXPECT_EQ(w.Table1.Text(5, kMnemonicColumn), "");
}

TEST_F(DataModeTest, AByteOverAnInstructionKeepsTheLabelOnly) {
  w.Table1.SetText(1, kLabelColumn, "start");
  w.Table1.SetText(1, kMnemonicColumn, "JMP");
  w.Table1.SetText(1, kOpcodeColumn, "C3   XX   XX");
  w.Table1.SetText(1, kCommentColumn, "Jump to address pointed by 'loop'.");
  w.StringTable.SetText(1, 0, "loop");
  Type("42");
  w.Data.DataAcceptButton_Click();
  EXPECT_EQ(w.Table1.Text(1, kLabelColumn), "start");
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "DFB");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "42");
  EXPECT_EQ(w.Table1.Text(1, kCommentColumn), "Data Byte.");
  EXPECT_EQ(w.StringTable.Text(1, 0), "");
}

TEST_F(DataModeTest, KeyedDigitsDoNotSurviveAStateChange) {
  Type("5");
  w.EntryMode_Click();
  w.EntryMode_Click();
  EXPECT_EQ(w.Data.DataLabel.text, "00");
}

TEST_F(DataModeTest, ADataByteCountsAsAChange) {
  w.Data.DataAcceptButton_Click();
  host.answers.push_back(kAnswerCancel);
  w.NewFile_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Save changes to Pgm1.zvt?");
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "DFB");
}

TEST(DefaultComment, ByLineKind) {
  FakeHost host;
  Session session(host);
  session.Start();
  host.Expire(TimerId::OpenTimer);
  session.TimerFired(TimerId::OpenTimer);
  ProgrammingPanel& w = session.Main;
  struct Case {
    std::string mnemonic, code, name, before, expected;
  } cases[] = {
      // A data line gets its comment whatever its code.
      {"DFB", "", "", "old", "Data Byte."},
      // No code: the comment stays.
      {"", "", "", "mine", "mine"},
      // Placeholders still give the opcode's comment.
      {"MVI  A,  count", "3E   XX", "count", "",
       "Move the equivalent of 'count' into Accumulator."},
      {"LXI  H,  table", "21   XX   XX", "table", "",
       "Load the equivalent of 'table' into HL-register pair."},
      {"RST 3", "DF", "", "", "Restart#3 (Call sub-routine at address 0018H)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    w.Table1.SetText(3, kMnemonicColumn, c.mnemonic);
    w.Table1.SetText(3, kOpcodeColumn, c.code);
    w.Table1.SetText(3, kCommentColumn, c.before);
    w.StringTable.SetText(3, 0, c.name);
    w.ApplyDefaultComment(3);
    EXPECT_EQ(w.Table1.Text(3, kCommentColumn), c.expected);
  }
}

}  // namespace
}  // namespace parvix::testing
