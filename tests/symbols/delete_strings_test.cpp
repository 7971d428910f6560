// Deleting labels with the click tool, and Trash Unused Strings.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;
using DeleteStringsTest = SessionTest;

TEST_F(DeleteStringsTest, ClickToolTakesLabelsOffTheirRowsAndTrashRemovesWhatNothingUses) {
  SymbolLists& s = w.Symbols;
  // Labels: placed only, unused, used only, placed and used, placed only.
  for (const char* name : {"placed", "gone", "jumped", "moved", "deleted"})
    s.AddLabel(name, "1234");
  SetRow(2, "INR  B", "04", "placed");
  SetRow(4, "JMP  jumped", "C3   34   12", "", "jumped");
  SetRow(5, "JMP  moved", "C3   34   12", "moved", "moved");
  SetRow(6, "INR  C", "0C", "deleted");
  // Variables: used by a two-byte row, only named on rows of another length.
  for (auto [name, value] : {std::pair{"count", "0F"}, {"stale", "01"}, {"port", "20"}})
    s.AddVariable(name, value);
  SetRow(7, "MVI  A,   count", "3E   0F", "", "count");
  SetRow(8, "INR  D", "14", "", "stale");
  SetRow(9, "OUT  port", "D3   20", "", "port");
  w.UpdateLabels();
  w.ProgramChanged = false;

  w.DeleteLabels_Click();
  w.Table1_Click(5, kMnemonicColumn);  // other columns and the origin row are left alone
  w.Table1_Click(0, kLabelColumn);
  EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
  EXPECT_EQ(w.Table1.Text(5, kLabelColumn), "moved");
  w.Table1_Click(5, kLabelColumn);
  w.Table1_Click(6, kLabelColumn);
  EXPECT_EQ(w.Table1.Text(5, kLabelColumn), "");
  EXPECT_EQ(w.Table1.Text(6, kLabelColumn), "");
  w.TableCancelButton_Click();
  EXPECT_EQ(s.LabelCombo.size(), 5u);  // the names stay until Trash
  EXPECT_TRUE(w.ProgramChanged);

  w.ProgramChanged = false;
  w.EntryMode_Click();  // from Data mode Trash returns to Data mode
  w.DeleteUnusedLabels_Click();
  EXPECT_EQ(host.LastBox(), "Unused strings have been deleted.");
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.ProgramChanged);
  // Every list of a kind stays aligned; a label that lost its row loses its address.
  EXPECT_EQ(s.LabelCombo.Items(), (Texts{"placed", "jumped", "moved"}));
  EXPECT_EQ(s.LabelEqtList, (Texts{"1234", "1234", "XXXX"}));
  EXPECT_EQ(s.LabelPlacedList, (Texts{"1", "0", "0"}));
  EXPECT_EQ(s.LabelUsedList, (Texts{"0", "1", "1"}));
  EXPECT_EQ(s.LabelLineList, (Texts{"2", "0", "0"}));
  EXPECT_EQ(s.XXCombo.Items(), (Texts{"count", "port"}));
  EXPECT_EQ(s.XXEqtList, (Texts{"0F", "20"}));
  EXPECT_EQ(w.Place.PlaceCombo.items, (Texts{"placed", "jumped", "moved"}));  // the panel's copy
}

}  // namespace
}  // namespace parvix::testing
