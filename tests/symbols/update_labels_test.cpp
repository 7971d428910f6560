// UpdateLabels: the placed, line and used entries of every label, and the
// three copies of the label list for the place, find and replace panels.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;

class UpdateLabelsTest : public SessionTest {
 protected:
  void Line(int row, const std::string& label, const std::string& code,
            const std::string& operand) {
    w.Table1.SetText(row, kLabelColumn, label);
    w.Table1.SetText(row, kOpcodeColumn, code);
    w.StringTable.SetText(row, 0, operand);
  }
};

TEST_F(UpdateLabelsTest, DerivesPlacedLineAndUsedForEveryLabel) {
  auto& s = w.Symbols;
  for (const char* name : {"start", "loop", "data", "far"}) s.AddLabel(name);
  Line(0, "start", "", "");                // row 0 holds the origin: never looked at
  Line(2, "", "C3   XX   XX", "loop");     // JMP loop: used
  Line(4, "loop", "", "");                 // placed on row 4 ...
  Line(9, "loop", "", "");                 // ... and again: the first row counts
  Line(6, "", "3E   XX", "data");          // a 2-byte row does not use a label
  Line(31, "far", "CD   XX   XX", "far");  // the grid's last row
  w.UpdateLabels();
  EXPECT_EQ(s.LabelPlacedList, (Texts{"0", "1", "0", "1"}));
  EXPECT_EQ(s.LabelLineList, (Texts{"0", "4", "0", "31"}));
  EXPECT_EQ(s.LabelUsedList, (Texts{"0", "1", "0", "1"}));
  for (const ListControl* copy :
       {&w.Find.FindCombo, &w.Place.PlaceCombo, &w.Replace.ReplaceCombo}) {
    EXPECT_EQ(copy->items, s.LabelCombo.Items());
    EXPECT_EQ(copy->listIndex, -1);
  }

  // A label added with name and equivalent only gets its entries at its
  // index; a label that left the table is reset.
  s.AddLabel("next");
  Line(5, "next", "", "");
  Line(4, "", "", "");
  Line(9, "", "", "");
  w.UpdateLabels();
  EXPECT_EQ(s.LabelPlacedList, (Texts{"0", "0", "0", "1", "1"}));
  EXPECT_EQ(s.LabelLineList, (Texts{"0", "0", "0", "31", "5"}));
  EXPECT_EQ(w.Place.PlaceCombo.items.back(), "next");

  // Renames and removals reach the copies.
  s.RenameLabel(0, "begin");
  s.RemoveLabel(1);
  w.UpdateLabels();
  EXPECT_EQ(w.Find.FindCombo.items, (Texts{"begin", "data", "far", "next"}));
  EXPECT_EQ(s.LabelUsedList.size(), 4u);
}

// A label keeps its address only while it stands on its row: once the row
// is gone or the cell emptied, jumps to it must not assemble with the old
// address. A label that was never placed keeps the value given by hand.
TEST_F(UpdateLabelsTest, ALabelThatLosesItsRowIsUnassigned) {
  auto& s = w.Symbols;
  s.AddLabel("loop", "8003");
  s.AddLabel("port", "1234");  // a constant: never placed
  Line(3, "loop", "", "");
  w.UpdateLabels();
  ASSERT_EQ(s.LabelEqtList, (Texts{"8003", "1234"}));
  Line(3, "", "", "");
  w.UpdateLabels();
  EXPECT_EQ(s.LabelEqtList, (Texts{"XXXX", "1234"}));
  EXPECT_EQ(s.LabelPlacedList, (Texts{"0", "0"}));
}

TEST_F(UpdateLabelsTest, NoLabelsEmptiesTheCopiesAndLeavesTheDerivedLists) {
  w.Find.FindCombo.items = {"stale"};
  w.Find.FindCombo.listIndex = 0;
  w.Symbols.LabelUsedList = {"1"};
  w.UpdateLabels();
  EXPECT_TRUE(w.Find.FindCombo.items.empty());
  EXPECT_EQ(w.Find.FindCombo.listIndex, -1);
  EXPECT_TRUE(w.Replace.ReplaceCombo.items.empty());
  EXPECT_EQ(w.Symbols.LabelUsedList, (Texts{"1"}));
}

TEST_F(UpdateLabelsTest, ARepeatedNameSharesTheFindingsOfItsFirstEntry) {
  w.Symbols.LabelCombo = {"x", "y", "x"};  // only a damaged file repeats a name
  w.Symbols.LabelEqtList = {"XXXX", "XXXX", "XXXX"};
  Line(3, "x", "CD   XX   XX", "x");
  w.UpdateLabels();
  EXPECT_EQ(w.Symbols.LabelLineList, (Texts{"3", "0", "3"}));
  EXPECT_EQ(w.Symbols.LabelUsedList, (Texts{"1", "0", "1"}));
}

}  // namespace
}  // namespace parvix::testing
