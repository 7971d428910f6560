// The place tool: picking a row, placing a new or an existing label there,
// the replace and reposition questions, and leaving the tool.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class PlaceLabelsTest : public SessionTest {
 protected:
  PlaceLabelsTest() {
    for (int r = 1; r <= 12; ++r) SetRow(r, "INR  B", "04");
    w.Place.PlaceLabelTool_Click();
  }
  PlacePanel& p = w.Place;
  SymbolLists& s = w.Symbols;

  void PlaceNew(int row, const std::string& name) {
    w.Table1_Click(row, kLabelColumn);
    p.PlaceText.text = name;
    p.PlaceText_Change();
    p.PlaceAcceptButton_Click();
  }
  void PlaceExisting(int row, int index) {
    w.Table1_Click(row, kLabelColumn);
    p.ExistingPlaceOption_Click();
    p.PlaceCombo_Click(index);
    p.PlaceAcceptButton_Click();
  }
  std::string LabelAt(int row) { return w.Table1.Text(row, kLabelColumn); }
};

TEST_F(PlaceLabelsTest, PlaceIsUsableOnlyOnAPickedRowWithAGoodName) {
  p.PlaceText.text = "loop";
  p.PlaceText_Change();
  w.Table1_Click(0, kLabelColumn);  // origin rows cannot be picked, before or after a pick
  EXPECT_FALSE(p.PlaceAcceptButton.enabled);
  w.Table1_Click(4, kMnemonicColumn);
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGreen);
  EXPECT_TRUE(p.PlaceAcceptButton.enabled);  // the name typed before counts
  w.Table1_Click(0, kLabelColumn);
  EXPECT_EQ(w.TargetRow, 4);
  w.Table1_Click(6, kLabelColumn);  // a second pick moves the mark
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGridBackColor);
  for (const char* bad : {"Loop", "9lives", "a-b", ""}) {
    p.PlaceText.text = bad;
    p.PlaceText_Change();
    EXPECT_FALSE(p.PlaceAcceptButton.enabled) << bad;
  }
  p.PlaceAcceptButton_Click();  // while it cannot be used: nothing
  EXPECT_EQ(LabelAt(6), "");
}

TEST_F(PlaceLabelsTest, NewLabelIsWrittenAndListedAndATakenNameIsRefused) {
  w.ProgramChanged = false;
  PlaceNew(5, "loop");
  EXPECT_EQ(LabelAt(5), "loop");
  ASSERT_EQ(s.LabelIndex("loop"), 0);
  EXPECT_EQ(s.LabelEqtList[0], "XXXX");
  EXPECT_EQ(s.LabelPlacedList[0], "1");
  EXPECT_EQ(s.LabelLineList[0], "5");
  EXPECT_EQ(w.EntryState, PlaceState);  // ready for the next label
  EXPECT_EQ(p.PlaceText.text, "");
  EXPECT_EQ(p.PlaceCombo.items, std::vector<std::string>{"loop"});
  EXPECT_TRUE(w.ProgramChanged);

  s.AddVariable("count");
  for (const char* taken : {"loop", "count"}) {
    PlaceNew(7, taken);
    EXPECT_EQ(host.LastBox(),
              "String already used as Label or Variable. Please enter another string or use "
              "existing string.");
    EXPECT_EQ(LabelAt(7), "");
  }
  EXPECT_EQ(s.LabelCombo.size(), 1u);
}

// An existing label is taken from the list (only its own entries) and moved only after Yes.
TEST_F(PlaceLabelsTest, ExistingLabelIsRepositionedOnlyAfterYes) {
  PlaceNew(2, "first");
  PlaceNew(5, "loop");
  const int loop = s.LabelIndex("loop");
  s.LabelEqtList[loop] = "8005";  // as address assignment would leave it
  w.Table1_Click(9, kLabelColumn);
  p.ExistingPlaceOption_Click();
  EXPECT_TRUE(p.PlaceCombo.enabled);
  EXPECT_FALSE(p.PlaceText.enabled);
  p.PlaceCombo_Click(7);
  EXPECT_EQ(p.PlaceCombo.listIndex, 0);
  p.PlaceCombo_Click(1);
  host.answers = {kAnswerNo};
  p.PlaceAcceptButton_Click();
  EXPECT_EQ(host.LastBox(),
            "The string 'loop' is already placed in line # 5. Do you want to reposition it to "
            "line # 9?");
  EXPECT_EQ(LabelAt(5), "loop");
  EXPECT_EQ(LabelAt(9), "");
  EXPECT_EQ(s.LabelEqtList[loop], "8005");

  host.answers = {kAnswerYes};
  PlaceExisting(9, 1);
  EXPECT_EQ(LabelAt(5), "");
  EXPECT_EQ(LabelAt(9), "loop");
  EXPECT_EQ(s.LabelLineList[loop], "9");
  EXPECT_EQ(s.LabelPlacedList[loop], "1");
  EXPECT_EQ(s.LabelEqtList[loop], "XXXX");  // its old row's address is gone with it

  // Onto the row it stands on: only the replace question, the same label.
  const size_t asked = host.boxes.size();
  PlaceExisting(9, 1);
  EXPECT_EQ(host.boxes.size(), asked + 1);
  EXPECT_EQ(LabelAt(9), "loop");
  // Back to New: the list is greyed and Place waits for a name.
  w.Table1_Click(10, kLabelColumn);
  p.NewPlaceOption_Click();
  EXPECT_FALSE(p.PlaceCombo.enabled);
  EXPECT_FALSE(p.PlaceAcceptButton.enabled);
}

TEST_F(PlaceLabelsTest, ReplacingALabelUnplacesAndUnassignsTheOldOne) {
  PlaceNew(4, "old");
  s.LabelEqtList[0] = "8004";  // as address assignment would leave it
  host.answers = {kAnswerNo};
  PlaceNew(4, "fresh");
  EXPECT_EQ(host.LastBox(),
            "A label is already present in the selected cell. Do you want to replace the existing "
            "label?");
  EXPECT_EQ(LabelAt(4), "old");
  EXPECT_FALSE(s.NameInUse("fresh"));

  host.answers = {kAnswerYes};
  PlaceNew(4, "fresh");
  EXPECT_EQ(LabelAt(4), "fresh");
  // The old label stays in the lists, but no longer stands on a row: its
  // old address must not reach the jumps to it.
  ASSERT_EQ(s.LabelIndex("old"), 0);
  EXPECT_EQ(s.LabelPlacedList[0], "0");
  EXPECT_EQ(s.LabelEqtList[0], "XXXX");
}

TEST_F(PlaceLabelsTest, DoneAndEscRestoreThePickAndTouchNothingElse) {
  w.Table1_Click(4, kLabelColumn);
  p.PlaceDoneButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGridBackColor);

  // The origin row was the last row another tool worked on: leaving the
  // place tool before a row is picked leaves its grey alone.
  w.Table1_Click(0, kLabelColumn);
  w.TableCancelButton_Click();
  ASSERT_EQ(w.TargetRow, 0);
  for (bool esc : {false, true}) {
    w.Place.PlaceLabelTool_Click();
    esc ? w.TableCancelButton_Click() : p.PlaceDoneButton_Click();
    EXPECT_EQ(w.Table1.BackColor(0, kLabelColumn), kOriginGrey) << esc;
    EXPECT_EQ(w.EntryState, ProgramState);
  }

  // In data mode the tool returns to data mode.
  w.EntryMode_Click();
  w.Place.PlaceLabelTool_Click();
  p.PlaceDoneButton_Click();
  EXPECT_EQ(w.EntryState, DataState);
  // The menu command does nothing while another entry runs.
  w.Comments.CommentsTool_Click();
  w.Place.PlaceLabelTool_Click();
  EXPECT_EQ(w.EntryState, CommentState);
}

}  // namespace
}  // namespace parvix::testing
