// Origins keyed on the number panel: new origins and edited ones.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class OriginEntryTest : public SessionTest {
 protected:
  void Key(const std::string& digits) {
    for (char c : digits) w.Numbers.NumberAcceptButton_KeyPress(c);
  }
};

TEST_F(OriginEntryTest, DigitsShiftInFromTheRight) {
  w.NewOrigin_Click();
  EXPECT_EQ(w.Numbers.NumberLabel.text, "0000");
  EXPECT_EQ(w.Numbers.DataTypeLabel.text, "Address");
  EXPECT_EQ(w.DefaultButton, "NumberAcceptButton");
  EXPECT_TRUE(host.TimerRunning(TimerId::StartupTimer));
  EXPECT_EQ(host.timers[TimerId::StartupTimer], 10);
  Fire(TimerId::StartupTimer);
  EXPECT_EQ(w.Focus.control, "NumberAcceptButton");
  const char* shown[] = {"0009", "009A", "09A0", "9A0B", "A0B1"};
  std::string typed = "9a0B1";
  for (size_t i = 0; i < typed.size(); ++i) {
    w.Numbers.NumberAcceptButton_KeyPress(typed[i]);
    EXPECT_EQ(w.Numbers.NumberLabel.text, shown[i]);
    EXPECT_EQ(w.Focus.control, "NumberAcceptButton");
  }
  // Other characters are ignored.
  Key("g-");
  EXPECT_EQ(w.Numbers.NumberLabel.text, "A0B1");
}

TEST_F(OriginEntryTest, NewOriginIsInsertedAboveTheCursor) {
  w.NextLine(3);
  w.Table1.SetText(3, kMnemonicColumn, "NOP");
  w.UsedRowCount = 4;
  w.NewOrigin_Click();
  Key("9000");
  w.Numbers.NumberAcceptButton_Click();
  EXPECT_EQ(w.Table1.Text(3, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Text(3, kAddressColumn), "9000");
  EXPECT_EQ(w.Table1.BackColor(3, kMnemonicColumn), kOriginGrey);
  EXPECT_EQ(w.CursorRow, 4);
  EXPECT_EQ(w.Table1.Text(4, kMnemonicColumn), "NOP");
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "9000"}));
  EXPECT_EQ(w.UsedRowCount, 8);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(w.Numbers.NumberBox.visible);
}

TEST_F(OriginEntryTest, DuplicateNewOriginIsRefusedAndTheEntryStays) {
  w.NewOrigin_Click();
  Key("8000");
  w.Numbers.NumberAcceptButton_Click();
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Origin Address already used. Enter another address.");
  EXPECT_EQ(host.boxes[0].style, kMsgCritical);
  EXPECT_EQ(w.EntryState, NewOriginState);
  EXPECT_EQ(w.Numbers.NumberLabel.text, "8000");
  EXPECT_EQ(w.Table1.Rows(), 32);
  EXPECT_FALSE(w.ProgramChanged);
  // Esc leaves without a trace.
  w.TableCancelButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.OriginList, std::vector<std::string>{"8000"});
}

TEST_F(OriginEntryTest, EditingAnOriginChecksOnlyTheOtherOrigins) {
  w.NewOrigin_Click();
  Key("9000");
  w.Numbers.NumberAcceptButton_Click();
  const int second = w.CursorRow - 1;

  // Its own address is no clash.
  w.TargetRow = second;
  w.ControlTransfer(EditOriginState);
  Key("9000");
  w.Numbers.NumberAcceptButton_Click();
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w.EntryState, ProgramState);

  // Another origin's address is.
  w.ControlTransfer(EditOriginState);
  Key("8000");
  w.Numbers.NumberAcceptButton_Click();
  EXPECT_EQ(host.LastBox(), "Origin Address already used. Enter another address.");
  EXPECT_EQ(w.EntryState, EditOriginState);
  w.TableCancelButton_Click();
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "9000"}));

  w.ControlTransfer(EditOriginState);
  Key("A000");
  w.Numbers.NumberAcceptButton_Click();
  EXPECT_EQ(w.Table1.Text(second, kAddressColumn), "A000");
  EXPECT_EQ(w.OriginList, (std::vector<std::string>{"8000", "A000"}));
}

TEST_F(OriginEntryTest, FocusTimerPicksTheDataAcceptButtonInDataMode) {
  w.EntryMode_Click();
  w.ControlTransfer(NewOriginState);
  w.EntryState = DataState;
  Fire(TimerId::StartupTimer);
  EXPECT_EQ(w.Focus.control, "DataAcceptButton");
}

TEST_F(OriginEntryTest, ClickOnAnOriginLabelCellEditsItsAddress) {
  w.Table1_Click(0, kLabelColumn);
  EXPECT_EQ(w.TargetRow, 0);
  EXPECT_EQ(w.EntryState, EditOriginState);
  EXPECT_EQ(w.Numbers.NumberLabel.text, "0000");
  EXPECT_TRUE(w.Numbers.NumberBox.visible);
  // The prompt is shown as stored, without the quote before Accept.
  EXPECT_EQ(w.TipsLabel.text,
            "Enter starting address of the Origin and Click Accept', or press 'Esc' to quit.");
  Key("2000");
  w.Numbers.NumberAcceptButton_Click();
  EXPECT_EQ(w.Table1.Text(0, kAddressColumn), "2000");
  EXPECT_EQ(w.OriginList, std::vector<std::string>{"2000"});
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(OriginEntryTest, OtherCellsAndStatesIgnoreTheClick) {
  w.Table1_Click(0, kAddressColumn);
  w.Table1_Click(0, kMnemonicColumn);
  w.Table1_Click(1, kLabelColumn);
  w.Table1_Click(99, kLabelColumn);
  EXPECT_EQ(w.EntryState, ProgramState);
  w.NewOrigin_Click();
  w.Table1_Click(0, kLabelColumn);
  EXPECT_EQ(w.EntryState, NewOriginState);
}

TEST_F(OriginEntryTest, EditedInDataModeReturnsToDataMode) {
  w.EntryMode_Click();
  w.Table1_Click(0, kLabelColumn);
  ASSERT_EQ(w.EntryState, EditOriginState);
  EXPECT_FALSE(w.Data.DataBox.visible);
  Key("4000");
  w.Numbers.NumberAcceptButton_Click();
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.Data.DataBox.visible);
  EXPECT_EQ(w.Table1.Text(0, kAddressColumn), "4000");
}

}  // namespace
}  // namespace parvix::testing
