// The string lists: the name rule, the name index of the ordered lists and
// the helpers that keep the lists of a kind aligned.
#include <gtest/gtest.h>

#include "symbols/symbol_lists.h"

namespace parvix {
namespace {

using Texts = std::vector<std::string>;

TEST(NameRuleTest, AcceptsOnlyLowerCaseLettersAndDigitsAfterALetter) {
  for (const char* name : {"a1", "loop", "x9y", "z"}) EXPECT_TRUE(IsValidName(name)) << name;
  for (const char* name : {"", "Loop", "loopA", "1a", "a b", " a", "a_b", "a.", "a\xe9", "{", "`"}) {
    EXPECT_FALSE(IsValidName(name)) << '"' << name << '"';
  }
  EXPECT_EQ(GeneratedLabelName(1), "a1");
  EXPECT_EQ(GeneratedXXName(12), "v12");
}

TEST(NameListTest, TheIndexFollowsEveryChange) {
  NameList names = {"loop", "exit", "loop"};  // a repeated name only comes from a damaged file
  EXPECT_EQ(names.IndexOf("loop"), 0);
  EXPECT_EQ(names.IndexOf("Loop"), -1);  // exact text
  names.push_back("exit");
  EXPECT_EQ(names.IndexOf("exit"), 1);

  // Renaming the first "loop" hands the name to the later entry; renaming
  // onto a name further down moves its index up.
  names.Rename(0, "start");
  EXPECT_EQ(names.IndexOf("loop"), 2);
  names.Rename(3, "begin");
  names.Rename(2, "begin");
  EXPECT_EQ(names.IndexOf("begin"), 2);
  EXPECT_EQ(names.IndexOf("loop"), -1);

  // start exit begin begin -> exit begin
  const auto before = names.revision();
  names.RemoveFlagged({true, false, true});
  EXPECT_EQ(names.Items(), (Texts{"exit", "begin"}));
  EXPECT_EQ(names.IndexOf("begin"), 1);
  EXPECT_EQ(names.IndexOf("start"), -1);
  EXPECT_NE(names.revision(), before);

  names = Texts{"b"};
  EXPECT_EQ(names.IndexOf("exit"), -1);
  EXPECT_NE(names.revision(), NameList().revision());
}

TEST(SymbolListsTest, LabelsAndVariablesShareOneNameSpace) {
  SymbolLists s;
  EXPECT_EQ(s.AddLabel("loop"), 0);
  EXPECT_EQ(s.AddLabel("exit", "8010"), 1);
  EXPECT_EQ(s.AddVariable("count"), 0);
  EXPECT_EQ(s.LabelEqtList, (Texts{"XXXX", "8010"}));
  EXPECT_EQ(s.XXEqtList, (Texts{"XX"}));
  EXPECT_TRUE(s.LabelUsedList.empty());  // left to UpdateLabels

  EXPECT_EQ(s.FindString("exit").kind, StringKind::Label);
  EXPECT_EQ(s.FindString("exit").index, 1);
  EXPECT_EQ(s.FindString("count").kind, StringKind::Variable);
  EXPECT_FALSE(s.FindString("Count"));
  EXPECT_EQ(s.LabelIndex("count"), -1);

  // Generated names skip every name in use, label or variable.
  s.AddVariable("a1");
  s.AddLabel("a2");
  EXPECT_EQ(s.FreeLabelNumber(1), 3);
  s.AddLabel("v1");
  EXPECT_EQ(s.FreeXXNumber(1), 2);
}

TEST(SymbolListsTest, RemovingAndAddingKeepEveryListOfAKindAligned) {
  SymbolLists s;
  for (const char* name : {"l0", "l1", "l2", "l3"}) s.AddLabel(name, std::string("800") + name[1]);
  s.LabelUsedList = {"0", "1", "0", "1"};
  s.LabelPlacedList = {"1", "0", "1", "0"};
  s.LabelLineList = {"3", "0", "5", "0"};
  s.AddLabel("l4");  // its derived entries are not written yet
  s.RemoveLabels({false, true, false, true, false});
  EXPECT_EQ(s.LabelCombo.Items(), (Texts{"l0", "l2", "l4"}));
  EXPECT_EQ(s.LabelEqtList, (Texts{"8000", "8002", "XXXX"}));
  EXPECT_EQ(s.LabelLineList, (Texts{"3", "5"}));
  EXPECT_EQ(s.LabelIndex("l4"), 2);

  // A label with all its entries lands at its own index even while an
  // earlier one still waits for UpdateLabels.
  EXPECT_EQ(s.AddLabel("here", "XXXX", false, true, 7), 3);
  EXPECT_EQ(s.LabelLineList, (Texts{"3", "5", "0", "7"}));
  EXPECT_EQ(s.LabelPlacedList[3], "1");

  s.AddVariable("v1", "01");
  s.AddVariable("v2", "02");
  s.RemoveVariable(0);
  s.RemoveVariable(9);  // out of range: nothing
  EXPECT_EQ(s.XXEqtList, (Texts{"02"}));
  EXPECT_EQ(s.XXIndex("v2"), 0);
}

TEST(SymbolListsTest, OperandBytesAreLowByteFirst) {
  SymbolLists s;
  s.AddLabel("data", "12AB");
  s.AddLabel("later");
  s.AddVariable("mask", "7F");
  s.AddVariable("open");
  EXPECT_EQ(s.LabelOperandBytes(0), "   AB   12");
  EXPECT_EQ(s.LabelOperandBytes(1), "   XX   XX");
  EXPECT_EQ(s.XXOperandBytes(0), "   7F");
  EXPECT_EQ(s.XXOperandBytes(1), "   XX");
  // A damaged equivalent or index gives placeholders, never a crash.
  s.LabelEqtList[0] = "1";
  EXPECT_EQ(s.LabelOperandBytes(0), "   XX   XX");
  EXPECT_EQ(s.XXOperandBytes(-1), "   XX");
}

}  // namespace
}  // namespace parvix
