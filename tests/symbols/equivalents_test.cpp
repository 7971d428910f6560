// The equivalents tool window: picking a name, keying a value, and Done
// patching the values into the code texts.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class EquivalentsTest : public SessionTest {
 protected:
  RenumberDialog& e = w.Equivalents;
  SymbolLists& s = w.Symbols;

  // Labels "loop" (unassigned), "table" (1234); variables "count" (0F), "port" (unassigned).
  void OpenWithStrings() {
    s.AddLabel("loop");
    s.AddLabel("table", "1234");
    s.AddVariable("count", "0F");
    s.AddVariable("port");
    e.EqtOption_Click();
    ASSERT_TRUE(e.loaded);
  }
  void KeyLabel(int row, const std::string& digits) {
    e.LabelTable_Click(row, 0);
    for (char c : digits) e.EqtAcceptButton_KeyPress(c);
    e.EqtAcceptButton_Click();
  }
  void KeyVariable(int row, const std::string& digits) {
    e.VariableTable_Click(row, 0);
    for (char c : digits) e.XXAcceptButton_KeyPress(c);
    e.XXAcceptButton_Click();
  }
};

// It opens only from the idle states, and only with strings to show.
TEST_F(EquivalentsTest, OpensOnlyFromTheIdleStatesWithStrings) {
  e.EqtOption_Click();
  EXPECT_EQ(host.LastBox(), "No strings available.");
  EXPECT_FALSE(e.loaded);
  EXPECT_FALSE(w.ProgramChanged);
  s.AddLabel("loop");
  w.Place.PlaceLabelTool_Click();
  e.EqtOption_Click();
  EXPECT_FALSE(e.loaded);
  w.TableCancelButton_Click();
  w.EntryMode_Click();
  e.EqtOption_Click();
  EXPECT_TRUE(e.loaded);
  EXPECT_EQ(w.EntryState, DataState);  // the window does not change the state
  // Labels only: the variables option is off.
  EXPECT_FALSE(e.VariablesOption.enabled);
  EXPECT_TRUE(e.LabelFrame.visible);
}

TEST_F(EquivalentsTest, OpensWithEveryNameAndItsValue) {
  OpenWithStrings();
  EXPECT_EQ(host.shown.back(), WindowId::Equivalents);
  ASSERT_EQ(e.LabelTable.Rows(), 3);
  EXPECT_EQ(e.LabelTable.Text(1, 0), "loop");
  EXPECT_EQ(e.LabelTable.Text(1, 1), "XXXX");
  EXPECT_EQ(e.LabelTable.Text(2, 2), "1234");
  ASSERT_EQ(e.VariableTable.Rows(), 3);
  EXPECT_EQ(e.VariableTable.Text(1, 1), "0F");
  e.VariablesOption_Click();
  EXPECT_TRUE(e.VariableFrame.visible);
  EXPECT_FALSE(e.LabelFrame.visible);
}

TEST_F(EquivalentsTest, KeyedDigitsGoToThePickedNameOnly) {
  OpenWithStrings();
  // Neither the heading row nor a value column picks anything.
  e.LabelTable_Click(0, 0);
  e.LabelTable_Click(1, 1);
  EXPECT_FALSE(e.EqtAcceptButton.enabled);
  e.EqtAcceptButton_Click();
  EXPECT_EQ(e.LabelTable.Text(0, 2), "New");

  e.LabelTable_Click(2, 0);
  EXPECT_EQ(e.LabelLabel.text, "table");
  EXPECT_EQ(e.EqtLabel.text, "0000");  // not the current value
  for (int key : {1, 2, 3, 4, 5}) e.NUM_Click(key);
  EXPECT_EQ(e.EqtLabel.text, "2345");
  e.LabelTable_Click(1, 0);  // a new pick drops the digits keyed so far
  e.NUM_Click(7);
  e.LabelTable_Click(2, 2);  // a click on the other row's New cell
  e.EqtAcceptButton_Click();
  EXPECT_EQ(e.LabelTable.Text(1, 2), "0007");
  EXPECT_EQ(e.LabelTable.Text(2, 2), "1234");
  e.NUM_Click(9);  // the keypad is off again until the next pick
  EXPECT_EQ(e.EqtLabel.text, "0007");

  e.VariableTable_Click(1, 0);
  EXPECT_EQ(e.VariableLabel.text, "count");
  for (char c : std::string("a-gB ")) e.XXAcceptButton_KeyPress(c);
  EXPECT_EQ(e.XXLabel.text, "AB");
}

TEST_F(EquivalentsTest, DonePatchesEveryCodeTextThatUsesAChangedName) {
  SetRow(2, "JMP  loop", "C3   XX   XX", "", "loop");
  SetRow(5, "JNZ  loop", "C2   XX   XX", "", "loop");
  SetRow(7, "CALL loop", "CD   XX   XX", "", "loop");
  SetRow(8, "LXI  H,   table", "21   34   12", "", "table");
  SetRow(9, "MVI  A,   count", "3E   0F", "", "count");
  SetRow(10, "OUT  port", "D3   XX", "", "port");
  OpenWithStrings();
  KeyLabel(1, "8024");
  KeyLabel(2, "1234");  // the value it has: nothing changes
  KeyVariable(2, "10");
  KeyVariable(2, "3c");  // the last value accepted counts
  e.DoneButton_Click();
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "C3   24   80");
  EXPECT_EQ(w.Table1.Text(5, kOpcodeColumn), "C2   24   80");
  EXPECT_EQ(w.Table1.Text(7, kOpcodeColumn), "CD   24   80");
  EXPECT_EQ(w.Table1.Text(7, kMnemonicColumn), "CALL loop");
  EXPECT_EQ(w.Table1.Text(8, kOpcodeColumn), "21   34   12");
  EXPECT_EQ(w.Table1.Text(9, kOpcodeColumn), "3E   0F");
  EXPECT_EQ(w.Table1.Text(10, kOpcodeColumn), "D3   3C");
  EXPECT_EQ(s.LabelEqtList, (std::vector<std::string>{"8024", "1234"}));
  EXPECT_EQ(s.XXEqtList, (std::vector<std::string>{"0F", "3C"}));
  EXPECT_EQ(host.closed.back(), WindowId::Equivalents);
}

TEST_F(EquivalentsTest, ANameThatIsBothKindsKeepsEveryInstructionLength) {
  // A file can bring in a label and a variable of one name.
  s.AddLabel("twin");
  s.AddVariable("twin");
  SetRow(3, "JMP  twin", "C3   XX   XX", "", "twin");
  SetRow(4, "MVI  A,   twin", "3E   XX", "", "twin");
  e.EqtOption_Click();
  KeyLabel(1, "9000");
  KeyVariable(1, "42");
  e.DoneButton_Click();
  EXPECT_EQ(w.Table1.Text(3, kOpcodeColumn), "C3   00   90");
  EXPECT_EQ(w.Table1.Text(4, kOpcodeColumn), "3E   42");
}

TEST_F(EquivalentsTest, ClosingWithoutDoneWritesNothingBack) {
  SetRow(2, "JMP  loop", "C3   XX   XX", "", "loop");
  OpenWithStrings();
  KeyLabel(1, "8024");
  KeyVariable(1, "99");
  e.Form_Unload();
  EXPECT_EQ(s.LabelEqtList[0], "XXXX");
  EXPECT_EQ(s.XXEqtList[0], "0F");
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "C3   XX   XX");
  EXPECT_TRUE(w.ProgramChanged);
  // Opened again, it starts from the lists; Done leaves an unassigned name's code alone.
  e.EqtOption_Click();
  EXPECT_EQ(e.LabelTable.Text(1, 2), "XXXX");
  EXPECT_EQ(e.LabelLabel.text, "");
  e.DoneButton_Click();
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "C3   XX   XX");
  EXPECT_EQ(s.LabelEqtList[0], "XXXX");
}

}  // namespace
}  // namespace parvix::testing
