// Address assignment: addresses per origin block, label equivalents and
// operands, and the compile checks with their messages.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class AddressAssignmentTest : public SessionTest {
 protected:
  void Row(int r, const std::string& mnemonic, const std::string& code,
           const std::string& label = {}, const std::string& operand = {}) {
    SetRow(r, mnemonic, code, label, operand);
  }
  void Origin(int r, const std::string& address) { SetOrigin(r, address); }
  void Label(const std::string& name, const std::string& eqt = "XXXX") {
    w.Symbols.LabelCombo.push_back(name);
    w.Symbols.LabelEqtList.push_back(eqt);
  }
  void Variable(const std::string& name, const std::string& eqt = "XX") {
    w.Symbols.XXCombo.push_back(name);
    w.Symbols.XXEqtList.push_back(eqt);
  }
  std::string Addr(int r) { return w.Table1.Text(r, kAddressColumn); }
};

TEST_F(AddressAssignmentTest, AddressesFollowInstructionLengths) {
  Row(1, "JMP", "C3   XX   XX");
  // row 2 blank
  Row(3, "NOP", "00");
  Row(4, "MVI  A,   v1", "3E   XX");
  w.Assign_Address(true);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_EQ(Addr(1), "8000");
  EXPECT_EQ(Addr(2), "");
  EXPECT_EQ(Addr(3), "8003");
  EXPECT_EQ(Addr(4), "8004");
  EXPECT_EQ(w.OriginList, std::vector<std::string>{"8000"});
  EXPECT_EQ(w.LastAddressList, std::vector<std::string>{"8005"});
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(AddressAssignmentTest, LowOriginsArePaddedAndOddCodesKeepThePreviousLength) {
  w.Table1.SetText(0, kAddressColumn, "0100");
  Row(1, "LXI  H,  t", "21   XX   XX");
  Row(2, "MOV", "");  // no code yet: advances by the length before it
  Row(3, "NOP", "00");
  w.Assign_Address(true);
  EXPECT_EQ(Addr(1), "0100");
  EXPECT_EQ(Addr(2), "0103");
  EXPECT_EQ(Addr(3), "0106");
}

TEST_F(AddressAssignmentTest, PlacedLabelsTakeTheirRowsAddress) {
  Label("start", "1234");
  Label("gap", "4321");
  Label("loop");
  Row(1, "NOP", "00", "start");
  Row(2, "", "", "gap");  // no instruction: no address, equivalent kept
  Row(3, "JMP  loop", "C3   XX   XX", "loop", "loop");
  Row(4, "CALL  start", "CD   XX   XX", "", "start");
  w.Assign_Address(true);
  EXPECT_EQ(w.Symbols.LabelEqtList, (std::vector<std::string>{"8000", "4321", "8001"}));
  // Operands low byte first.
  EXPECT_EQ(w.Table1.Text(3, kOpcodeColumn), "C3   01   80");
  EXPECT_EQ(w.Table1.Text(4, kOpcodeColumn), "CD   00   80");
}

TEST_F(AddressAssignmentTest, UnassignedLabelOperandsGivePlaceholders) {
  Label("far");
  Row(1, "JMP  far", "C3   12   34", "", "far");
  w.Assign_Address(true);
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "C3   XX   XX");
  // Once the label has an equivalent, its bytes appear.
  w.Symbols.LabelEqtList[0] = "2050";
  w.Assign_Address(true);
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "C3   50   20");
}

TEST_F(AddressAssignmentTest, NameUsedAsLabelAndVariableIsAnError) {
  Label("a1");
  Label("count");
  Variable("x");
  Variable("count");
  Row(1, "NOP", "00");
  w.EntryMode_Click();  // data mode: the state must stay as it is
  w.TipsLabel.text = "Assigning Addresses . . .";
  w.Assign_Address(true);
  EXPECT_TRUE(w.AddressErrorFlag);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "The string 'count' is used as both label and variable.");
  EXPECT_EQ(host.boxes[0].style, kMsgCritical);
  EXPECT_EQ(w.MsgBoxAnswer, "1");
  EXPECT_EQ(Addr(1), "");
  EXPECT_TRUE(w.OriginList.empty());
  EXPECT_EQ(w.TipsLabel.text, "Assigning Addresses . . .");
  // Without messages the check is skipped.
  w.Assign_Address(false);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_EQ(Addr(1), "8000");
}

TEST_F(AddressAssignmentTest, LabelPlacedTwiceIsAnError) {
  Label("x1");
  Label("twice");
  Row(1, "NOP", "00", "twice");
  Row(5, "NOP", "00", "twice");
  w.Assign_Address(true);
  EXPECT_TRUE(w.AddressErrorFlag);
  EXPECT_EQ(
      host.LastBox(),
      "Compile error. There is more than one instance of the label 'twice' in the Label field.");
}

TEST_F(AddressAssignmentTest, AddressBeyondFFFFNamesTheOrigin) {
  w.Table1.SetText(0, kAddressColumn, "FFFE");
  Row(1, "NOP", "00");
  Row(2, "LXI  H,  t", "21   XX   XX");  // starts at FFFF: accepted
  w.Assign_Address(true);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_EQ(Addr(2), "FFFF");
  EXPECT_EQ(w.LastAddressList, std::vector<std::string>{"10001"});

  Row(3, "NOP", "00");
  w.NextLine(1);
  w.Assign_Address(true);
  EXPECT_TRUE(w.AddressErrorFlag);
  EXPECT_EQ(host.LastBox(), "Compile error. Invalid address in origin FFFEh.");
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(Addr(3), "");
}

class OverlapTest : public AddressAssignmentTest {
 protected:
  // Two blocks: 8000 with `first` one-byte rows, then `second` at `start`.
  void Blocks(int first, const std::string& start, int second) {
    int r = 1;
    for (int i = 0; i < first; ++i) Row(r++, "NOP", "00");
    Origin(r++, start);
    for (int i = 0; i < second; ++i) Row(r++, "NOP", "00");
  }
};

TEST_F(OverlapTest, TouchingBlocksDoNotOverlap) {
  Blocks(16, "8010", 4);
  w.NextLine(5);
  w.Assign_Address(true);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "8010"}));
  EXPECT_EQ(w.LastAddressList, (std::vector<std::string>{"800F", "8013"}));
  EXPECT_EQ(w.CursorRow, 1);  // two origins: the cursor goes to row 1
}

TEST_F(OverlapTest, SharingOneAddressOverlapsInEitherOrder) {
  Blocks(16, "800F", 4);
  w.Assign_Address(true);
  EXPECT_TRUE(w.AddressErrorFlag);
  EXPECT_EQ(host.LastBox(), "Address overlap in origins 8000h and 800Fh.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.CursorRow, 1);
}

TEST_F(OverlapTest, LaterBlockBelowTheFirst) {
  Blocks(2, "7FFF", 3);  // 7FFF-8001 covers 8000-8001
  w.Assign_Address(true);
  EXPECT_EQ(host.LastBox(), "Address overlap in origins 8000h and 7FFFh.");
}

TEST_F(OverlapTest, BlockInsideAnother) {
  Blocks(32, "8004", 1);
  w.Assign_Address(true);
  EXPECT_EQ(host.LastBox(), "Address overlap in origins 8000h and 8004h.");
}

TEST_F(OverlapTest, EmptyBlocksTakePartInNoOverlap) {
  Row(1, "NOP", "00");
  Origin(2, "0000");  // no instruction rows
  Origin(3, "8000");  // same start as the first block, but empty
  w.Assign_Address(true);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "0000", "8000"}));
  EXPECT_EQ(w.LastAddressList, (std::vector<std::string>{"8000", "", ""}));
}

TEST_F(AddressAssignmentTest, OneOriginLeavesTheCursorAlone) {
  Row(1, "NOP", "00");
  w.NextLine(6);
  w.Assign_Address(true);
  EXPECT_EQ(w.CursorRow, 6);
}

TEST_F(AddressAssignmentTest, WithoutMessagesEveryBlockIsAssignedAndTheStateKept) {
  Row(1, "NOP", "00");
  Origin(2, "8000");  // would overlap
  Row(3, "JMP  t", "C3   XX   XX", "t", "t");
  Label("t");
  w.ControlTransfer(PrintCommentState);
  w.Assign_Address(false);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(Addr(3), "8000");
  EXPECT_EQ(w.Table1.Text(3, kOpcodeColumn), "C3   00   80");
  EXPECT_EQ(w.EntryState, PrintCommentState);
}

TEST_F(AddressAssignmentTest, WithoutMessagesLabelBytesGoOnlyIntoThreeByteCodes) {
  // A file can bring a name that is both label and variable; the print run
  // assigns without the clash check and must keep the two-byte code intact.
  Label("both", "1234");
  Variable("both", "05");
  Row(1, "MVI  A,   both", "3E   05", "", "both");
  Row(2, "LDA  both", "3A   XX   XX", "", "both");
  w.Assign_Address(false);
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "3E   05");
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "3A   34   12");
}

TEST_F(AddressAssignmentTest, MenuCommandRunsOnTheTimer) {
  Row(1, "NOP", "00");
  w.AssignAddress_Click();
  EXPECT_EQ(w.TipsLabel.text, "Assigning Addresses . . .");
  EXPECT_EQ(Addr(1), "");
  EXPECT_EQ(host.timers[TimerId::AddressTimer], 10);
  Fire(TimerId::AddressTimer);
  EXPECT_EQ(Addr(1), "8000");
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
}

TEST_F(AddressAssignmentTest, UnknownNameInALabelCellIsHarmless) {
  Row(1, "NOP", "00", "ghost");
  w.Assign_Address(true);
  EXPECT_FALSE(w.AddressErrorFlag);
  EXPECT_EQ(Addr(1), "8000");
}

}  // namespace
}  // namespace parvix::testing
