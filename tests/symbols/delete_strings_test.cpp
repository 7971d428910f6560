// Deleting labels with the click tool, and Trash Unused Strings.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;

class DeleteStringsTest : public SessionTest {
 protected:
  SymbolLists& s = w.Symbols;
};

TEST_F(DeleteStringsTest, ClickToolTakesLabelsOffTheirRows) {
  s.AddLabel("start", "8001");
  s.AddLabel("loop", "8003");
  SetRow(1, "INR  B", "04", "start");
  SetRow(3, "JMP  loop", "C3   03   80", "loop", "loop");
  w.UpdateLabels();
  w.ProgramChanged = false;
  w.DeleteLabels_Click();
  EXPECT_TRUE(w.ProgramChanged);

  // Other columns and the origin row are left alone.
  w.Table1_Click(3, kMnemonicColumn);
  w.Table1_Click(0, kLabelColumn);
  EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Text(3, kLabelColumn), "loop");
  w.Table1_Click(3, kLabelColumn);
  EXPECT_EQ(w.Table1.Text(3, kLabelColumn), "");
  EXPECT_EQ(s.LabelEqtList, (Texts{"8001", "XXXX"}));
  EXPECT_EQ(s.LabelCombo.size(), 2u);
  w.TableCancelButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(s.LabelPlacedList, (Texts{"1", "0"}));
  EXPECT_EQ(s.LabelUsedList, (Texts{"0", "1"}));
}

TEST_F(DeleteStringsTest, TrashRemovesOnlyStringsNothingUses) {
  // Labels: placed only, unused, unused, used only, placement deleted.
  for (const char* name : {"placed", "gone1", "gone2", "jumped", "deleted"})
    s.AddLabel(name, "1234");
  SetRow(2, "INR  B", "04", "placed");
  SetRow(4, "JMP  jumped", "C3   34   12", "", "jumped");
  SetRow(6, "INR  C", "0C", "deleted");
  // Variables: used by a two-byte row, only named on rows of another length.
  s.AddVariable("count", "0F");
  s.AddVariable("stale", "01");
  s.AddVariable("port", "20");
  SetRow(7, "MVI  A,   count", "3E   0F", "", "count");
  SetRow(8, "INR  D", "14", "", "stale");
  SetRow(9, "OUT  port", "D3   20", "", "port");
  w.UpdateLabels();
  w.DeleteLabels_Click();
  w.Table1_Click(6, kLabelColumn);
  w.TableCancelButton_Click();
  w.ProgramChanged = false;

  w.DeleteUnusedLabels_Click();
  EXPECT_EQ(host.LastBox(), "Unused strings have been deleted.");
  EXPECT_TRUE(w.ProgramChanged);
  // Every list of a kind stays aligned.
  EXPECT_EQ(s.LabelCombo.Items(), (Texts{"placed", "jumped"}));
  EXPECT_EQ(s.LabelEqtList, (Texts{"1234", "1234"}));
  EXPECT_EQ(s.LabelPlacedList, (Texts{"1", "0"}));
  EXPECT_EQ(s.LabelUsedList, (Texts{"0", "1"}));
  EXPECT_EQ(s.LabelLineList, (Texts{"2", "0"}));
  EXPECT_EQ(s.XXCombo.Items(), (Texts{"count", "port"}));
  EXPECT_EQ(s.XXEqtList, (Texts{"0F", "20"}));
  EXPECT_FALSE(s.NameInUse("stale"));
  // The panels' copies lose the removed labels.
  EXPECT_EQ(w.Place.PlaceCombo.items, (Texts{"placed", "jumped"}));
}

// The menu commands wait for the idle states, and return to the one they came from.
TEST_F(DeleteStringsTest, MenuCommandsWaitForTheIdleStates) {
  s.AddLabel("unused");
  w.Place.PlaceLabelTool_Click();
  const size_t boxes = host.boxes.size();
  w.DeleteUnusedLabels_Click();
  w.DeleteLabels_Click();
  EXPECT_EQ(host.boxes.size(), boxes);
  EXPECT_EQ(w.EntryState, PlaceState);
  EXPECT_TRUE(s.LabelCombo.Contains("unused"));
  w.TableCancelButton_Click();
  w.EntryMode_Click();
  w.DeleteUnusedLabels_Click();
  EXPECT_EQ(host.LastBox(), "Unused strings have been deleted.");
  EXPECT_TRUE(s.LabelCombo.empty());
  EXPECT_EQ(w.EntryState, DataState);
}

}  // namespace
}  // namespace parvix::testing
