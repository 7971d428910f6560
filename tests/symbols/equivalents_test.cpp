// The equivalents window: picking a name, keying a value, Done patching the code texts.
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

TEST_F(EquivalentsTest, OpensOnlyFromTheIdleStatesWithStrings) {
  e.EqtOption_Click();
  EXPECT_EQ(host.LastBox(), "No strings available.");
  EXPECT_FALSE(e.loaded);
  s.AddLabel("loop");
  w.Place.PlaceLabelTool_Click();
  e.EqtOption_Click();
  EXPECT_FALSE(e.loaded);
  w.TableCancelButton_Click();
  w.EntryMode_Click();
  e.EqtOption_Click();
  EXPECT_TRUE(e.loaded);
  EXPECT_EQ(w.EntryState, DataState);  // the window does not change the state
  EXPECT_FALSE(e.VariablesOption.enabled);  // labels only
}

TEST_F(EquivalentsTest, KeyedDigitsGoToThePickedNameOnly) {
  OpenWithStrings();
  e.LabelTable_Click(0, 0);  // neither the heading row nor a value column picks
  e.LabelTable_Click(1, 1);
  EXPECT_FALSE(e.EqtAcceptButton.enabled);
  e.LabelTable_Click(2, 0);
  EXPECT_EQ(e.EqtLabel.text, "0000");  // not the current value
  for (int key : {1, 2, 3, 4, 5}) e.NUM_Click(key);
  EXPECT_EQ(e.EqtLabel.text, "2345");
  e.LabelTable_Click(1, 0);  // a new pick drops the digits keyed so far
  e.NUM_Click(7);
  e.EqtAcceptButton_Click();
  EXPECT_EQ(e.LabelTable.Text(1, 2), "0007");
  EXPECT_EQ(e.LabelTable.Text(2, 2), "1234");
  e.NUM_Click(9);  // the keypad is off again until the next pick
  EXPECT_EQ(e.EqtLabel.text, "0007");
  e.VariableTable_Click(1, 0);
  for (char c : std::string("a-gB ")) e.XXAcceptButton_KeyPress(c);
  EXPECT_EQ(e.XXLabel.text, "AB");
}

TEST_F(EquivalentsTest, OnlyDonePatchesTheCodeTextsThatUseAChangedName) {
  SetRow(2, "JMP  loop", "C3   XX   XX", "", "loop");
  SetRow(8, "LXI  H,   table", "21   34   12", "", "table");
  SetRow(10, "OUT  port", "D3   XX", "", "port");
  OpenWithStrings();
  KeyLabel(1, "8024");  // closing without Done writes nothing back
  KeyVariable(1, "99");
  e.Form_Unload();
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "C3   XX   XX");
  EXPECT_EQ(s.XXEqtList[0], "0F");
  e.EqtOption_Click();  // opened again, it starts from the lists
  EXPECT_EQ(e.LabelTable.Text(1, 2), "XXXX");
  KeyLabel(1, "8024");
  KeyLabel(2, "1234");  // the value it has: nothing changes
  KeyVariable(2, "10");
  KeyVariable(2, "3c");  // the last value accepted counts
  e.DoneButton_Click();
  EXPECT_EQ(w.Table1.Text(2, kOpcodeColumn), "C3   24   80");
  EXPECT_EQ(w.Table1.Text(2, kMnemonicColumn), "JMP  loop");
  EXPECT_EQ(w.Table1.Text(8, kOpcodeColumn), "21   34   12");
  EXPECT_EQ(w.Table1.Text(10, kOpcodeColumn), "D3   3C");
  EXPECT_EQ(s.LabelEqtList, (std::vector<std::string>{"8024", "1234"}));
  EXPECT_EQ(host.closed.back(), WindowId::Equivalents);

  // A file can bring in a label and a variable of one name: each keeps its length.
  s.AddLabel("twin");
  s.AddVariable("twin");
  SetRow(3, "JMP  twin", "C3   XX   XX", "", "twin");
  SetRow(4, "MVI  A,   twin", "3E   XX", "", "twin");
  e.EqtOption_Click();
  KeyLabel(3, "9000");
  KeyVariable(3, "42");
  e.DoneButton_Click();
  EXPECT_EQ(w.Table1.Text(3, kOpcodeColumn), "C3   00   90");
  EXPECT_EQ(w.Table1.Text(4, kOpcodeColumn), "3E   42");
}

}  // namespace
}  // namespace parvix::testing
