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
  // used at 4-5; table (8040) used at 7, placed nowhere; origin at 8; far at 12.
  void SetUp() override {
    auto& s = w.Symbols;
    for (const char* name : {"loop", "unused", "far"}) s.AddLabel(name);
    s.AddLabel("table", "8040");
    s.AddVariable("count", "05");
    s.AddVariable("spare", "XX");
    SetRow(1, "NOP", "00", "loop");
    SetRow(2, "JMP  loop", "C3   XX   XX", "", "loop");
    SetRow(3, "CALL  loop", "CD   XX   XX", "", "loop");
    SetRow(4, "MVI  A,   count", "3E   05", "", "count");
    SetRow(5, "ADI   count", "C6   05", "", "count");
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
  static int IndexOf(const ListControl& list, const std::string& name) {
    return static_cast<int>(std::ranges::find(list.items, name) - list.items.begin());
  }
  void TypeName(const std::string& name, bool variable = false) {
    (variable ? w.Variables.XXText : w.Replace.ReplaceText).text = name;
    variable ? w.Variables.XXText_Change() : w.Replace.ReplaceText_Change();
  }
};

TEST_F(FindReplaceTest, FindCountsAndMarksWhereANameStands) {
  const int L = kLabelColumn, M = kMnemonicColumn;
  const struct {
    bool label;
    std::string name, message;
    std::vector<std::pair<int, int>> marked;
  } cases[] = {
      {true, "loop", "The label 'loop' is used 3 times in the program.", {{1, L}, {2, M}, {3, M}}},
      {true, "table", "The label 'table' is used 1 time in the program.", {{7, M}}},
      {true, "unused", "The label 'unused' is not used in the program.", {}},
      {false, "count", "The variable 'count' is used 2 times in the program.", {{4, M}, {5, M}}},
  };
  for (const auto& c : cases) {
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
    for (auto [r, col] : c.marked) EXPECT_NE(Back(r, col), kBlue) << r;
  }
  EXPECT_FALSE(w.ProgramChanged);
  // With no label in use neither label tool opens.
  w.New_File();
  w.Symbols.AddLabel("idle");
  w.Find.FindLabel_Click();
  EXPECT_EQ(host.LastBox(), "No labels used in the program.");
  w.Replace.ReplaceLabel_Click();
  EXPECT_FALSE(w.Replace.ReplaceBox.visible);
}

TEST_F(FindReplaceTest, ANewNameReplacesThePickedOperands) {
  ReplacePanel& p = w.Replace;
  p.ReplaceLabel_Click();
  for (auto [r, c] : {std::pair{1, kLabelColumn}, {7, kMnemonicColumn}, {12, kLabelColumn}})
    EXPECT_EQ(Back(r, c), kRed) << r;
  w.Table1_Click(2, kMnemonicColumn);
  w.Table1_Click(3, kMnemonicColumn);
  // A taken name (here a variable's) is refused; the picks stay for the next try.
  TypeName("count");
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(host.LastBox(), "The string 'count' already exists. Please enter another string.");
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  loop");
  TypeName("next");
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  next");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "C3   XX   XX");
  EXPECT_EQ(Cell(2, kCommentColumn), "Jump to address pointed by 'next'.");
  EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  next");
  EXPECT_EQ(Cell(3, kCommentColumn), "my own words");  // the user's comment stays
  EXPECT_EQ(w.Symbols.LabelCombo.Items(), (Texts{"loop", "unused", "far", "table", "next"}));
  EXPECT_EQ(w.Symbols.LabelEqtList.back(), "XXXX");
  // The tool stays open; an existing label brings its value into the code bytes.
  w.Table1_Click(2, kMnemonicColumn);
  p.ExistingReplaceOption_Click();
  p.ReplaceCombo_Click(IndexOf(p.ReplaceCombo, "table"));
  p.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(2, kMnemonicColumn), "JMP  table");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "C3   40   80");
  EXPECT_TRUE(w.ProgramChanged);
}

TEST_F(FindReplaceTest, PlacingAnExistingLabelAsksBeforeMovingIt) {
  SetRow(20, "HLT", "76", "stop");
  w.Symbols.AddLabel("stop");
  for (int answer : {kAnswerNo, kAnswerYes}) {
    w.Replace.ReplaceLabel_Click();
    w.Table1_Click(1, kLabelColumn);
    w.Table1_Click(20, kLabelColumn);  // the second Label cell gives the first back
    w.Table1_Click(8, kLabelColumn);   // origin rows cannot be picked
    w.Table1_Click(3, kMnemonicColumn);
    w.Replace.ExistingReplaceOption_Click();
    w.Replace.ReplaceCombo_Click(IndexOf(w.Replace.ReplaceCombo, "far"));
    host.answers.push_back(answer);
    w.Replace.ReplaceAcceptButton_Click();
    EXPECT_EQ(host.LastBox(), "The label 'far' is already placed in line # 12. Do you want to "
                              "reposition it to line # 20?");
    EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  far");  // the operand goes either way
    EXPECT_EQ(Cell(12, kLabelColumn), answer == kAnswerYes ? "" : "far");
    EXPECT_EQ(Cell(20, kLabelColumn), answer == kAnswerYes ? "far" : "stop");
    EXPECT_EQ(Cell(1, kLabelColumn), "loop");
    w.Replace.ReplaceDoneButton_Click();
  }
  // A new name in a picked Label cell renames it there only; its operands stay.
  w.Replace.ReplaceLabel_Click();
  w.Table1_Click(20, kLabelColumn);
  TypeName("start");
  w.Replace.ReplaceAcceptButton_Click();
  EXPECT_EQ(Cell(20, kLabelColumn), "start");
  EXPECT_EQ(Cell(3, kMnemonicColumn), "CALL  far");
}

TEST_F(FindReplaceTest, ReplaceVariableRenamesThePickedRows) {
  w.Replace.ReplaceVariable_Click();
  w.Table1_Click(4, kMnemonicColumn);
  TypeName("loop", true);  // a label's name is refused
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(host.LastBox(),
            "String already present as Label or Variable. Please enter another label.");
  EXPECT_EQ(Cell(4, kMnemonicColumn), "MVI  A,   count");
  w.Table1_Click(5, kMnemonicColumn);
  w.Table1_Click(5, kMnemonicColumn);  // picked, then given back
  w.Variables.ExistingXXOption_Click();
  w.Variables.XXCombo_Click(IndexOf(w.Variables.XXCombo, "spare"));
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(Cell(4, kMnemonicColumn), "MVI  A,   spare");
  EXPECT_EQ(Cell(4, kOpcodeColumn), "3E   XX");
  EXPECT_EQ(Cell(4, kCommentColumn), "Move the equivalent of 'spare' into Accumulator.");
  EXPECT_EQ(Cell(5, kMnemonicColumn), "ADI   count");
  TypeName("fresh", true);  // with no row picked, a new name still becomes a variable
  w.Replace.XXReplaceButton_Click();
  EXPECT_EQ(w.Symbols.XXCombo.Items(), (Texts{"count", "spare", "fresh"}));
}

}  // namespace
}  // namespace parvix::testing
