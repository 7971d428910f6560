// Finding where a label or a variable stands, and replacing labels and
// variables in the cells picked in the program table.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

using Texts = std::vector<std::string>;

class FindReplaceTest : public SessionTest {
 protected:
  // loop placed at 1, used at 2-3 (3 has the user's comment); count (05)
  // used at 4-6; table (8040) used at 7, placed nowhere; origin at 8; far at 12.
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
  std::string Cell(int r, int c) { return w.Table1.Text(r, c); }
  // Chooses an entry of a list by name, as a click in its drop-down does.
  static int IndexOf(const ListControl& list, const std::string& name) {
    const auto& items = list.items;
    return static_cast<int>(std::find(items.begin(), items.end(), name) - items.begin());
  }
  void TypeReplaceName(const std::string& name) {
    w.Replace.ReplaceText.text = name;
    w.Replace.ReplaceText_Change();
  }
  void TypeVariableName(const std::string& name) {
    w.Variables.XXText.text = name;
    w.Variables.XXText_Change();
  }
  // No cell keeps a tool's mark once the tool is closed.
  void ExpectNoToolMarks() {
    for (int r = 0; r < w.Table1.Rows(); ++r)
      for (int c = 0; c < 5; ++c)
        EXPECT_TRUE(Back(r, c) == kGridBackColor || Back(r, c) == kOriginGrey ||
                    Back(r, c) == kGridFixedBackColor) << r << "," << c;
  }
};

TEST_F(FindReplaceTest, FindCountsAndMarksWhereANameStands) {
  using Cells = std::vector<std::pair<int, int>>;
  struct Case {
    bool label;
    std::string name, message;
    Cells marked;
  };
  const int L = kLabelColumn, M = kMnemonicColumn;
  const Case cases[] = {
      {true, "loop", "The label 'loop' is used 3 times in the program.", {{1, L}, {2, M}, {3, M}}},
      {true, "table", "The label 'table' is used 1 time in the program.", {{7, M}}},
      {true, "unused", "The label 'unused' is not used in the program.", {}},
      {false, "count", "The variable 'count' is used 3 times in the program.",
       {{4, M}, {5, M}, {6, M}}},
      {false, "spare", "The variable 'spare' is not used in the program.", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.label) {
      w.Find.FindLabel_Click();
      w.Find.FindCombo_Click(IndexOf(w.Find.FindCombo, c.name));
      w.Find.FindButton_Click();
    } else {
      w.Find.FindVariable_Click();
      w.Variables.XXCombo_Click(IndexOf(w.Variables.XXCombo, c.name));
      w.Find.XXFindButton_Click();
    }
    EXPECT_EQ(host.LastBox(), c.message);
    for (auto [r, col] : c.marked) EXPECT_EQ(Back(r, col), kBlue) << r;
    EXPECT_EQ(Back(8, kLabelColumn), kOriginGrey);  // origin rows are never marked
    if (c.label) w.Find.FindDoneButton_Click(); else w.Variables.XXDoneButton_Click();
    EXPECT_EQ(w.EntryState, ProgramState);
    ExpectNoToolMarks();
  }
  EXPECT_FALSE(w.ProgramChanged);
}

TEST_F(FindReplaceTest, ToolsWithNothingToWorkOnDoNotOpen) {
  w.New_File();
  w.Symbols.AddLabel("idle");  // neither placed nor used; no variables
  w.Find.FindLabel_Click();
  EXPECT_EQ(host.LastBox(), "No labels used in the program.");
  EXPECT_EQ(w.EntryState, ProgramState);
  w.Replace.ReplaceLabel_Click();
  EXPECT_EQ(host.boxes.size(), 2u);
  EXPECT_FALSE(w.Replace.ReplaceBox.visible);
  w.Find.FindVariable_Click();
  EXPECT_EQ(host.LastBox(), "No variables used in program.");
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(FindReplaceTest, ANewNameReplacesThePickedOperands) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  for (auto [r, c] : {std::pair{1, kLabelColumn}, {7, kMnemonicColumn}, {12, kLabelColumn}})
    EXPECT_EQ(Back(r, c), kRed) << r;
  EXPECT_NE(Back(4, kMnemonicColumn), kRed);  // a variable operand
  TypeReplaceName("next");
  EXPECT_FALSE(p.ReplaceAcceptButton.enabled);  // nothing picked yet
  w.Table1_Click(2, kMnemonicColumn);
  w.Table1_Click(3, kMnemonicColumn);
  TypeReplaceName("Next");
  EXPECT_FALSE(p.ReplaceAcceptButton.enabled);
  TypeReplaceName("next");
  ASSERT_TRUE(p.ReplaceAcceptButton.enabled);
  p.ReplaceAcceptButton_Click();

  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  next");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "C3   XX   XX");
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'next'.");
  EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  next");
  EXPECT_EQ(Cell(3, kCommentColumn), "my own words");  // the user's comment stays
  EXPECT_EQ(Cell(1, kLabelColumn), "loop");           // not picked
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "table", "unused", "far", "next"}));
  EXPECT_EQ(w.Symbols.LabelEqtList.back(), "XXXX");
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(Back(2, kMnemonicColumn), kRed);  // the tool stays open, offering it again

  // An existing label brings its value into the code bytes.
  w.Table1_Click(2, kMnemonicColumn);
  p.ExistingReplaceOption_Click();
  p.ReplaceCombo_Click(IndexOf(p.ReplaceCombo, "table"));
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  table");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "C3   40   80");
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'table'.");
  EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  next");
  EXPECT_EQ(w.Symbols.LabelCombo.size(), 5u);
}

TEST_F(FindReplaceTest, OneLabelCellAtATimeTakesTheNewName) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  w.Table1_Click(12, kLabelColumn);
  w.Table1_Click(1, kLabelColumn);  // the second Label cell gives the first back
  EXPECT_EQ(Back(12, kLabelColumn), kRed);
  w.Table1_Click(8, kLabelColumn);  // origin rows cannot be picked
  EXPECT_EQ(Back(8, kLabelColumn), kOriginGrey);
  TypeReplaceName("start");
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(1, kLabelColumn), "start");
  EXPECT_EQ(Cell(12, kLabelColumn), "far");
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  loop");  // operands of loop stay
}

TEST_F(FindReplaceTest, ATakenNameIsRefusedAndThePicksStay) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  w.Table1_Click(2, kMnemonicColumn);
  TypeReplaceName("count");  // a variable
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(host.LastBox(), "The string 'count' already exists. Please enter another string.");
  EXPECT_EQ(w.EntryState, ReplaceLabelRowState);
  EXPECT_EQ(Back(2, kMnemonicColumn), kGreen);
  EXPECT_TRUE(p.ReplaceText.text.empty());
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  loop");
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
    EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  far");  // the operand goes either way
    const bool moved = answer == kAnswerYes;
    EXPECT_EQ(Cell(12, kLabelColumn), moved ? "" : "far");
    EXPECT_EQ(Cell(20, kLabelColumn), moved ? "far" : "stop");
    p.ReplaceDoneButton_Click();
  }
}

TEST_F(FindReplaceTest, ReplaceVariableRenamesThePickedRows) {
  w.Replace.ReplaceVariable_Click();
  for (int r : {4, 5, 6}) EXPECT_EQ(Back(r, kMnemonicColumn), kRed);
  XXPanel& v = w.Variables;
  w.Table1_Click(4, kMnemonicColumn);
  TypeVariableName("loop");  // a label's name is refused
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(host.LastBox(),
            "String already present as Label or Variable. Please enter another label.");
  EXPECT_EQ(w.EntryState, ReplaceVariableRowState);
  EXPECT_EQ(Cell(4, kMnemonicColumn), "MVI  A,   count");
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
  // A new name, with no row picked, still becomes a variable.
  TypeVariableName("fresh");
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count", "spare", "fresh"}));
  v.XXDoneButton_Click();
  ExpectNoToolMarks();
}

}  // namespace
}  // namespace parvix::testing
