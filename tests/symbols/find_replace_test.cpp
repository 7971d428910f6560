// Finding where a label or a variable stands, and replacing labels and
// variables in the cells picked in the program table.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;

class FindReplaceTest : public SessionTest {
 protected:
  //   1 loop: NOP
  //   2       JMP  loop        C3 XX XX   (default comment)
  //   3       CALL  loop       CD XX XX   (a comment of the user's)
  //   4       MVI  A,   count  3E 05
  //   5       ADI   count      C6 05
  //   6       OUT   count      D3 05
  //   7       LDA  table       3A 40 80   (table = 8040, placed nowhere)
  //   8       Origin 9000
  //  12 far:  RET
  void SetUp() override {
    auto& s = w.Symbols;
    s.AddLabel("loop");
    s.AddLabel("table", "8040");
    s.AddLabel("unused");
    s.AddLabel("far");
    s.AddVariable("count", "05");
    s.AddVariable("spare", "XX");
    SetRow(1, "NOP", "00", "loop");
    SetRow(2, "JMP  loop", "C3   XX   XX", "", "loop");
    SetRow(3, "CALL  loop", "CD   XX   XX", "", "loop");
    SetRow(4, "MVI  A,   count", "3E   05", "", "count");
    SetRow(5, "ADI   count", "C6   05", "", "count");
    SetRow(6, "OUT   count", "D3   05", "", "count");
    SetRow(7, "LDA  table", "3A   40   80", "", "table");
    SetOrigin(8, "9000");
    SetRow(12, "RET", "C9", "far");
    for (int r = 1; r <= 7; ++r) w.ApplyDefaultComment(r);
    w.Table1.SetText(3, kCommentColumn, "my own words");
    w.UsedRowCount = 13;
    w.NextLine(13);
    w.ControlTransfer(ProgramState);
  }
  Color Back(int r, int c) { return w.Table1.BackColor(r, c); }
  Color Fore(int r, int c) { return w.Table1.ForeColor(r, c); }
  std::string Cell(int r, int c) { return w.Table1.Text(r, c); }
  // Chooses an entry of a list by name, as a click in its drop-down does.
  static int IndexOf(const ListControl& list, const std::string& name) {
    auto it = std::find(list.items.begin(), list.items.end(), name);
    return it == list.items.end() ? -1 : static_cast<int>(it - list.items.begin());
  }
  void TypeReplaceName(const std::string& name) {
    w.Replace.ReplaceText.text = name;
    w.Replace.ReplaceText_Change();
  }
  // Every cell of the table in the grid's own colours, but the cursor mark
  // and the origin grey.
  void ExpectNoToolMarks() {
    for (int r = 0; r < w.Table1.Rows(); ++r) {
      for (int c = 0; c < 5; ++c) {
        const Color back = Back(r, c);
        EXPECT_TRUE(back == kGridBackColor || back == kOriginGrey || back == kGridFixedBackColor)
            << r << "," << c;
      }
    }
  }
};

// ---- Find -------------------------------------------------------------------------------

TEST_F(FindReplaceTest, FindLabelMarksPlacesAndUsesAndCountsThem) {
  FindPanel& f = w.Find;
  f.FindLabel_Click();
  ASSERT_EQ(w.EntryState, FindLabelState);
  EXPECT_TRUE(f.FindBox.visible);
  EXPECT_EQ(f.FindCombo.items, w.Symbols.LabelCombo.Items());
  EXPECT_EQ(f.FindCombo.listIndex, 0);
  EXPECT_EQ(w.DefaultButton, "FindButton");
  EXPECT_FALSE(w.Menu.CutEdit.enabled);

  f.FindButton_Click();  // loop: placed once, used twice
  EXPECT_EQ(host.LastBox(), "The label 'loop' is used 3 times in the program.");
  EXPECT_EQ(host.boxes.back().style, kMsgInformation);
  EXPECT_EQ(w.MsgBoxAnswer, "1");
  EXPECT_EQ(w.TipsLabel.text, "Completed searching for label.");
  for (auto [r, c] : {std::pair{1, kLabelColumn}, {2, kMnemonicColumn}, {3, kMnemonicColumn}}) {
    EXPECT_EQ(Back(r, c), kBlue);
    EXPECT_EQ(Fore(r, c), kWhite);
  }
  EXPECT_EQ(Back(8, kLabelColumn), kOriginGrey);  // origin rows are never marked

  // A second search moves the marks; a variable search unmarks label cells.
  f.FindCombo_Click(IndexOf(f.FindCombo, "table"));
  f.FindButton_Click();
  EXPECT_EQ(host.LastBox(), "The label 'table' is used 1 time in the program.");
  EXPECT_EQ(Back(2, kMnemonicColumn), kGridBackColor);
  EXPECT_EQ(Back(1, kLabelColumn), kGridBackColor);
  EXPECT_EQ(Back(7, kMnemonicColumn), kBlue);
  f.FindCombo_Click(IndexOf(f.FindCombo, "unused"));
  f.FindButton_Click();
  EXPECT_EQ(host.LastBox(), "The label 'unused' is not used in the program.");

  f.FindDoneButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(f.FindBox.visible);
  EXPECT_EQ(Back(13, kMnemonicColumn), kGridFixedBackColor);
  ExpectNoToolMarks();
  EXPECT_FALSE(w.ProgramChanged);
}

TEST_F(FindReplaceTest, FindVariableMarksTheRowsThatUseIt) {
  w.Find.FindVariable_Click();
  ASSERT_EQ(w.EntryState, FindVariableState);
  XXPanel& v = w.Variables;
  EXPECT_TRUE(v.XXFindButton.visible);
  v.XXCombo_Click(IndexOf(v.XXCombo, "count"));
  w.Find.XXFindButton_Click();
  EXPECT_EQ(host.LastBox(), "The variable 'count' is used 3 times in the program.");
  EXPECT_EQ(w.TipsLabel.text, "Completed searching for 'count'.");
  for (int r : {4, 5, 6}) EXPECT_EQ(Back(r, kMnemonicColumn), kBlue);
  v.XXCombo_Click(IndexOf(v.XXCombo, "spare"));
  w.Find.XXFindButton_Click();
  EXPECT_EQ(host.LastBox(), "The variable 'spare' is not used in the program.");
  EXPECT_EQ(Back(4, kMnemonicColumn), kGridBackColor);
  v.XXDoneButton_Click();
  ExpectNoToolMarks();
}

TEST_F(FindReplaceTest, ToolsWithNothingToWorkOnDoNotOpen) {
  // Labels that are neither placed nor used, and no variables.
  w.New_File();
  w.Symbols.AddLabel("idle");
  w.Find.FindLabel_Click();
  EXPECT_EQ(host.LastBox(), "No labels used in the program.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_FALSE(w.Find.FindBox.visible);
  w.Replace.ReplaceLabel_Click();
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_FALSE(w.Replace.ReplaceBox.visible);
  w.Find.FindVariable_Click();
  EXPECT_EQ(host.LastBox(), "No variables used in program.");
  EXPECT_EQ(w.EntryState, ProgramState);
}

// ---- Replace labels -----------------------------------------------------------------------

TEST_F(FindReplaceTest, ReplaceOffersLabelCellsAndLabelOperands) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  ASSERT_EQ(w.EntryState, ReplaceLabelState);
  for (auto [r, c] : {std::pair{1, kLabelColumn}, {2, kMnemonicColumn}, {3, kMnemonicColumn},
                      {7, kMnemonicColumn}, {12, kLabelColumn}}) {
    EXPECT_EQ(Back(r, c), kRed) << r;
    EXPECT_EQ(Fore(r, c), kWhite) << r;
  }
  EXPECT_NE(Back(4, kMnemonicColumn), kRed);  // a variable operand
  EXPECT_TRUE(p.ReplaceBox.visible);
  EXPECT_TRUE(p.NewReplaceOption.checked);
  EXPECT_TRUE(p.ExistingReplaceOption.enabled);
  EXPECT_FALSE(p.ReplaceCombo.enabled);
  EXPECT_EQ(p.ReplaceCombo.back, kButtonFace);
  EXPECT_EQ(p.ReplaceText.back, kWhite);
  EXPECT_FALSE(p.ReplaceAcceptButton.enabled);
  // A name typed before any pick does not enable Replace.
  TypeReplaceName("next");
  EXPECT_FALSE(p.ReplaceAcceptButton.enabled);
}

TEST_F(FindReplaceTest, ANewNameReplacesThePickedOperands) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  w.Table1_Click(2, kMnemonicColumn);
  ASSERT_EQ(w.EntryState, ReplaceLabelRowState);
  EXPECT_EQ(Back(2, kMnemonicColumn), kGreen);
  EXPECT_EQ(Fore(2, kMnemonicColumn), kBlack);
  w.Table1_Click(3, kMnemonicColumn);
  TypeReplaceName("Next");
  EXPECT_FALSE(p.ReplaceAcceptButton.enabled);
  TypeReplaceName("next");
  ASSERT_TRUE(p.ReplaceAcceptButton.enabled);
  p.ReplaceAcceptButton_Click();

  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  next");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "C3   XX   XX");
  EXPECT_EQ(w.StringTable.Text(2, 0), "next");
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'next'.");
  EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  next");
  EXPECT_EQ(Cell(3, kCommentColumn), "my own words");  // the user's comment stays
  EXPECT_EQ(Cell(1, kLabelColumn), "loop");           // not picked
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "table", "unused", "far", "next"}));
  EXPECT_EQ(w.Symbols.LabelEqtList.back(), "XXXX");
  EXPECT_EQ(w.Symbols.LabelUsedList.back(), "1");
  EXPECT_TRUE(w.ProgramChanged);
  // The tool stays open with fresh marks.
  EXPECT_EQ(w.EntryState, ReplaceLabelState);
  EXPECT_EQ(Back(2, kMnemonicColumn), kRed);
  EXPECT_TRUE(p.ReplaceText.text.empty());
}

TEST_F(FindReplaceTest, OneLabelCellAtATimeTakesTheNewName) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  w.Table1_Click(12, kLabelColumn);
  w.Table1_Click(1, kLabelColumn);  // the second Label cell gives the first back
  EXPECT_EQ(Back(12, kLabelColumn), kRed);
  EXPECT_EQ(Back(1, kLabelColumn), kGreen);
  w.Table1_Click(8, kLabelColumn);  // origin rows cannot be picked
  EXPECT_EQ(Back(8, kLabelColumn), kOriginGrey);
  TypeReplaceName("start");
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(1, kLabelColumn), "start");
  EXPECT_EQ(Cell(12, kLabelColumn), "far");
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  loop");  // operands of loop stay
  EXPECT_EQ(w.Symbols.LabelPlacedList[0], "0");
}

TEST_F(FindReplaceTest, TakenNamesAreRefusedAndThePicksStay) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  w.Table1_Click(2, kMnemonicColumn);
  TypeReplaceName("count");  // a variable
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(host.LastBox(), "The string 'count' already exists. Please enter another string.");
  EXPECT_EQ(host.boxes.back().style, kMsgCritical);
  EXPECT_EQ(w.EntryState, ReplaceLabelRowState);
  EXPECT_EQ(Back(2, kMnemonicColumn), kGreen);
  EXPECT_TRUE(p.ReplaceText.text.empty());
  EXPECT_FALSE(p.ReplaceAcceptButton.enabled);
  EXPECT_EQ(w.Focus.control, "ReplaceText");
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  loop");
  w.TableCancelButton_Click();
  ExpectNoToolMarks();

  // The variable tool refuses a label's name with its own message.
  w.Replace.ReplaceVariable_Click();
  w.Table1_Click(4, kMnemonicColumn);
  w.Variables.XXText.text = "loop";
  w.Variables.XXText_Change();
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(host.LastBox(),
            "String already present as Label or Variable. Please enter another label.");
  EXPECT_TRUE(w.Variables.XXText.text.empty());
  EXPECT_EQ(w.EntryState, ReplaceVariableRowState);
  EXPECT_EQ(w.Symbols.XXCombo.size(), 2u);
}

TEST_F(FindReplaceTest, AnExistingLabelBringsItsValue) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  w.Table1_Click(2, kMnemonicColumn);
  p.ExistingReplaceOption_Click();
  EXPECT_TRUE(p.ReplaceCombo.enabled);
  EXPECT_EQ(p.ReplaceText.back, kButtonFace);
  p.ReplaceCombo_Click(IndexOf(p.ReplaceCombo, "table"));
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  table");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "C3   40   80");
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'table'.");
  EXPECT_EQ(w.Symbols.LabelCombo.size(), 4u);

  // "Existing:" in the first state: Replace without a pick changes no cell.
  p.ExistingReplaceOption_Click();
  ASSERT_EQ(w.EntryState, ReplaceLabelState);
  ASSERT_TRUE(p.ReplaceAcceptButton.enabled);
  w.ProgramChanged = false;
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(w.EntryState, ReplaceLabelState);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  loop");

  p.ReplaceDoneButton_Click();
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(p.ReplaceBox.visible);
  ExpectNoToolMarks();
}

TEST_F(FindReplaceTest, PlacingAnExistingLabelAsksBeforeMovingIt) {
  ReplacePanel& p = w.Replace;
  SetRow(20, "HLT", "76", "stop");
  w.Symbols.AddLabel("stop");
  for (int answer : {kAnswerNo, kAnswerYes}) {
    SCOPED_TRACE(answer);
    p.ReplaceLabel_Click();
    w.Table1_Click(20, kLabelColumn);
    w.Table1_Click(3, kMnemonicColumn);
    p.ExistingReplaceOption_Click();
    p.ReplaceCombo_Click(IndexOf(p.ReplaceCombo, "far"));
    host.answers.push_back(answer);
    p.ReplaceAcceptButton_Click();
    EXPECT_EQ(host.LastBox(),
              "The label 'far' is already placed in line # 12. Do you want to reposition it to "
              "line # 20?");
    EXPECT_EQ(host.boxes.back().style, kMsgYesNoQuestion);
    EXPECT_EQ(w.MsgBoxAnswer, std::to_string(answer));
    EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  far");  // the operand goes either way
    if (answer == kAnswerNo) {
      EXPECT_EQ(Cell(12, kLabelColumn), "far");
      EXPECT_EQ(Cell(20, kLabelColumn), "stop");
    } else {
      EXPECT_EQ(Cell(12, kLabelColumn), "");
      EXPECT_EQ(Back(12, kLabelColumn), kGridBackColor);
      EXPECT_EQ(Cell(20, kLabelColumn), "far");
      EXPECT_EQ(w.Symbols.LabelLineList[w.Symbols.LabelIndex("far")], "20");
    }
    p.ReplaceDoneButton_Click();
  }
}

// ---- Replace variables --------------------------------------------------------------------

TEST_F(FindReplaceTest, ReplaceVariableRenamesThePickedRows) {
  w.Replace.ReplaceVariable_Click();
  ASSERT_EQ(w.EntryState, ReplaceVariableState);
  for (int r : {4, 5, 6}) EXPECT_EQ(Back(r, kMnemonicColumn), kRed);
  EXPECT_NE(Back(2, kMnemonicColumn), kRed);
  XXPanel& v = w.Variables;
  EXPECT_TRUE(v.XXReplaceButton.visible);
  EXPECT_FALSE(v.XXReplaceButton.enabled);
  w.Table1_Click(4, kMnemonicColumn);
  w.Table1_Click(5, kMnemonicColumn);
  w.Table1_Click(5, kMnemonicColumn);  // picked, then given back
  w.Table1_Click(6, kMnemonicColumn);
  v.ExistingXXOption_Click();
  v.XXCombo_Click(IndexOf(v.XXCombo, "spare"));
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(Cell(4, kMnemonicColumn), "MVI  A,   spare");
  EXPECT_EQ(Cell(4, kOpcodeColumn), "3E   XX");
  EXPECT_EQ(Cell(4, kCommentColumn), "Move the equivalent of 'spare' into Accumulator.");
  EXPECT_EQ(Cell(5, kMnemonicColumn), "ADI   count");
  EXPECT_EQ(Cell(6, kMnemonicColumn), "OUT   spare");
  EXPECT_EQ(w.EntryState, ReplaceVariableState);
  EXPECT_TRUE(w.ProgramChanged);

  // A new name, with no row picked, still becomes a variable.
  v.XXText.text = "fresh";
  v.XXText_Change();
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count", "spare", "fresh"}));
  EXPECT_EQ(w.Symbols.XXEqtList.back(), "XX");
  v.XXDoneButton_Click();
  ExpectNoToolMarks();
}

}  // namespace
}  // namespace parvix::testing
