// The place tool: picking a row, placing new or existing labels, leaving the tool.
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
  w.Table1_Click(0, kLabelColumn);  // origin rows cannot be picked
  EXPECT_FALSE(p.PlaceAcceptButton.enabled);
  w.Table1_Click(4, kMnemonicColumn);
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGreen);
  EXPECT_TRUE(p.PlaceAcceptButton.enabled);  // the name typed before counts
  w.Table1_Click(6, kLabelColumn);           // a second pick moves the mark
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGridBackColor);
  p.PlaceText.text = "9lives";
  p.PlaceText_Change();
  EXPECT_FALSE(p.PlaceAcceptButton.enabled);
  p.PlaceAcceptButton_Click();  // while it cannot be used: nothing
  EXPECT_EQ(LabelAt(6), "");
}

TEST_F(PlaceLabelsTest, NewLabelIsPlacedATakenNameRefusedAndAReplacedOneUnplaced) {
  w.ProgramChanged = false;
  PlaceNew(5, "loop");
  EXPECT_EQ(LabelAt(5), "loop");
  ASSERT_EQ(s.LabelIndex("loop"), 0);
  EXPECT_EQ(w.EntryState, PlaceState);  // ready for the next label
  EXPECT_TRUE(w.ProgramChanged);
  s.AddVariable("count");
  for (const char* taken : {"loop", "count"}) {
    PlaceNew(7, taken);
    EXPECT_EQ(host.LastBox(),
              "String already used as Label or Variable. Please enter another string or use "
              "existing string.");
    EXPECT_EQ(LabelAt(7), "");
  }
  s.LabelEqtList[0] = "8005";  // as address assignment would leave it
  host.answers = {kAnswerNo};
  PlaceNew(5, "fresh");
  EXPECT_EQ(host.LastBox(),
            "A label is already present in the selected cell. Do you want to replace the existing "
            "label?");
  EXPECT_EQ(LabelAt(5), "loop");
  host.answers = {kAnswerYes};
  PlaceNew(5, "fresh");
  EXPECT_EQ(LabelAt(5), "fresh");
  // "loop" stays listed but unplaced: its old address must not reach the jumps to it.
  EXPECT_EQ(s.LabelPlacedList[0], "0");
  EXPECT_EQ(s.LabelEqtList[0], "XXXX");
}

TEST_F(PlaceLabelsTest, ExistingLabelIsRepositionedOnlyAfterYes) {
  PlaceNew(5, "loop");
  s.LabelEqtList[0] = "8005";  // as address assignment would leave it
  host.answers = {kAnswerNo};
  PlaceExisting(9, 0);
  EXPECT_EQ(host.LastBox(),
            "The string 'loop' is already placed in line # 5. Do you want to reposition it to "
            "line # 9?");
  EXPECT_EQ(LabelAt(5), "loop");
  EXPECT_EQ(LabelAt(9), "");
  host.answers = {kAnswerYes};
  PlaceExisting(9, 0);
  EXPECT_EQ(LabelAt(5), "");
  EXPECT_EQ(LabelAt(9), "loop");
  EXPECT_EQ(s.LabelEqtList[0], "XXXX");  // its old row's address is gone with it
  // Onto the row it stands on: only the replace question, the same label.
  const size_t asked = host.boxes.size();
  PlaceExisting(9, 0);
  EXPECT_EQ(host.boxes.size(), asked + 1);
  EXPECT_EQ(LabelAt(9), "loop");
}

TEST_F(PlaceLabelsTest, DoneAndEscRestoreThePickAndTouchNothingElse) {
  w.Table1_Click(4, kLabelColumn);
  p.PlaceDoneButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.Table1.BackColor(4, kLabelColumn), kGridBackColor);
  // The origin row was the last row another tool worked on: leaving before a pick leaves its grey.
  w.Table1_Click(0, kLabelColumn);
  w.Place.PlaceLabelTool_Click();
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.BackColor(0, kLabelColumn), kOriginGrey);
  // In data mode the tool returns to data mode.
  w.EntryMode_Click();
  w.Place.PlaceLabelTool_Click();
  p.PlaceDoneButton_Click();
  EXPECT_EQ(w.EntryState, DataState);
}

}  // namespace
}  // namespace parvix::testing
