// The label and variable panels: operand entry by name in states 2, 4, 8 and
// 15, and the find and replace forms of the variable panel (states 32, 33).
#include <gtest/gtest.h>

#include "support/session_fixture.h"
#include "tables/opcode_tables.h"

namespace parvix::testing {
namespace {

class OperandPanelTest : public SessionTest {
 protected:
  // Puts a half-built instruction on the cursor row and enters the operand
  // state, as the instruction and register keys leave it.
  void StartOperand(const std::string& mnemonic, const std::string& code, EntryStates state) {
    w.Table1.SetText(w.CursorRow, kMnemonicColumn, mnemonic);
    w.Table1.SetText(w.CursorRow, kOpcodeColumn, code);
    w.SavedLineFlag = true;
    w.ControlTransfer(state);
  }
  void TypeLabel(const std::string& text) {
    labels.LabelText.text = text;
    labels.LabelText_Change();
  }
  void TypeVariable(const std::string& text) {
    xx.XXText.text = text;
    xx.XXText_Change();
  }
  std::string Cell(int row, int col) const { return w.Table1.Text(row, col); }
  std::string DefaultComment(int op, const std::string& name) const {
    return BeforeList()[op] + name + AfterList()[op];
  }

  LabelPanel& labels = w.Labels;
  XXPanel& xx = w.Variables;
};

TEST_F(OperandPanelTest, AcceptIsUsableOnlyForAValidNameOrAPickedString) {
  StartOperand("JMP", "C3", LabelState);
  EXPECT_TRUE(labels.LabelBox.visible);
  EXPECT_FALSE(labels.ExistingLabelOption.enabled);  // no labels yet
  EXPECT_TRUE(labels.NewLabelOption.checked);
  EXPECT_FALSE(labels.LabelAcceptButton.enabled);
  const std::pair<const char*, bool> kNames[] = {{"l", true},      {"Loop", false},
                                                 {"loop1", true},  {"1loop", false},
                                                 {"lo op", false}, {"", false}};
  for (auto [text, valid] : kNames) {
    TypeLabel(text);
    EXPECT_EQ(labels.LabelAcceptButton.enabled, valid) << text;
  }
  w.TableCancelButton_Click();

  w.Symbols.AddVariable("count");
  StartOperand("ADI", "C6", ByteState);
  EXPECT_TRUE(xx.ExistingXXOption.enabled);
  EXPECT_FALSE(xx.XXAcceptButton.enabled);
  EXPECT_EQ(w.DefaultButton, "XXAcceptButton");
  TypeVariable("Count");
  EXPECT_FALSE(xx.XXAcceptButton.enabled);
  xx.ExistingXXOption_Click();
  EXPECT_TRUE(xx.XXAcceptButton.enabled);
  EXPECT_FALSE(xx.XXText.enabled);
  EXPECT_EQ(xx.XXText.back, kButtonFace);
  xx.NewXXOption_Click();
  EXPECT_FALSE(xx.XXAcceptButton.enabled);
  xx.XXAcceptButton_Click();  // an empty name is never accepted
  EXPECT_EQ(Cell(1, kOpcodeColumn), "C6");
}

TEST_F(OperandPanelTest, ExistingStringsAppendTheirEquivalents) {
  w.Symbols.AddLabel("table", "12AB");
  w.Symbols.AddLabel("later");
  w.Symbols.AddVariable("mask", "7F");
  StartOperand("LDA", "3A", LabelState);
  EXPECT_EQ(labels.LabelCombo.items, (std::vector<std::string>{"table", "later"}));
  labels.ExistingLabelOption_Click();
  EXPECT_TRUE(labels.LabelCombo.enabled);
  labels.LabelAcceptButton_Click();
  EXPECT_EQ(Cell(1, kMnemonicColumn), "LDA  table");
  EXPECT_EQ(Cell(1, kOpcodeColumn), "3A   AB   12");
  EXPECT_EQ(w.StringTable.Text(1, 0), "table");
  EXPECT_EQ(Cell(1, kCommentColumn), DefaultComment(0x3A, "table"));
  EXPECT_FALSE(labels.LabelBox.visible);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.CursorRow, 2);
  EXPECT_EQ(w.Table1.Rows(), 32);  // the next row existed: nothing inserted
  EXPECT_EQ(w.Symbols.LabelUsedList, (std::vector<std::string>{"1", "0"}));  // UpdateLabels ran

  // An unassigned label gives placeholders.
  StartOperand("LXI  H,", "21", LxiLabelState);
  labels.ExistingLabelOption_Click();
  labels.LabelCombo_Click(1);
  labels.LabelCombo_Click(7);  // no such entry: the choice stays
  labels.LabelAcceptButton_Click();
  EXPECT_EQ(Cell(2, kMnemonicColumn), "LXI  H,  later");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "21   XX   XX");

  StartOperand("ANI", "E6", ByteState);
  xx.ExistingXXOption_Click();
  xx.XXAcceptButton_Click();
  EXPECT_EQ(Cell(3, kMnemonicColumn), "ANI   mask");
  EXPECT_EQ(Cell(3, kOpcodeColumn), "E6   7F");
  EXPECT_EQ(w.Symbols.XXCombo.size(), 1u);
}

// The whole road from the keypads: the instruction and register keys open
// the operand panel, the panel completes the line with a new name.
TEST_F(OperandPanelTest, NewNamesBecomeUnassignedStrings) {
  const int kMvi = 1, kLxi = 2, kRegA = 7, kRegH = 4;
  w.Instructions.INST_Click(kMvi);
  w.Registers.REG_Click(kRegA);
  ASSERT_EQ(w.EntryState, MviByteState);
  TypeVariable("count");
  xx.XXAcceptButton_Click();
  EXPECT_EQ(Cell(1, kMnemonicColumn), "MVI  A,   count");
  EXPECT_EQ(Cell(1, kOpcodeColumn), "3E   XX");
  EXPECT_EQ(Cell(1, kCommentColumn), DefaultComment(0x3E, "count"));
  EXPECT_EQ(w.Symbols.XXEqtList, (std::vector<std::string>{"XX"}));
  EXPECT_FALSE(xx.XXBox.visible);

  w.Instructions.INST_Click(kLxi);
  w.Registers.REG_Click(kRegH);
  ASSERT_EQ(w.EntryState, LxiLabelState);
  TypeLabel("table");
  labels.LabelAcceptButton_Click();
  EXPECT_EQ(Cell(2, kMnemonicColumn), "LXI  H,  table");
  EXPECT_EQ(Cell(2, kOpcodeColumn), "21   XX   XX");
  EXPECT_EQ(w.StringTable.Text(2, 0), "table");
  EXPECT_EQ(w.Symbols.LabelEqtList, (std::vector<std::string>{"XXXX"}));
  EXPECT_EQ(w.Symbols.LabelUsedList, (std::vector<std::string>{"1"}));
  EXPECT_EQ(w.CursorRow, 3);
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(OperandPanelTest, ClashingNamesAreRefusedAndNothingChanges) {
  w.Symbols.AddLabel("loop");
  w.Symbols.AddVariable("count", "05");
  const char* const kLabelClash =
      "String already used as Label or Variable. Please enter another label.";
  const char* const kVariableClash =
      "String already present as Label or Variable. Please enter another string.";
  for (bool labelPanel : {true, false}) {
    for (const char* name : {"count", "loop"}) {
      SCOPED_TRACE(std::string(labelPanel ? "label " : "variable ") + name);
      host.boxes.clear();
      if (labelPanel) {
        StartOperand("JMP", "C3", LabelState);
        TypeLabel(name);
        labels.LabelAcceptButton_Click();
        EXPECT_TRUE(labels.LabelText.text.empty());
        EXPECT_FALSE(labels.LabelAcceptButton.enabled);
      } else {
        StartOperand("MVI  A,", "3E", MviByteState);
        TypeVariable(name);
        xx.XXAcceptButton_Click();
        EXPECT_TRUE(xx.XXText.text.empty());
        EXPECT_FALSE(xx.XXAcceptButton.enabled);
      }
      ASSERT_EQ(host.boxes.size(), 1u);
      EXPECT_EQ(host.boxes[0].text, labelPanel ? kLabelClash : kVariableClash);
      EXPECT_EQ(host.boxes[0].style, kMsgCritical);
      EXPECT_EQ(w.EntryState, labelPanel ? LabelState : MviByteState);
      EXPECT_EQ(Cell(1, kOpcodeColumn), labelPanel ? "C3" : "3E");
      EXPECT_TRUE(w.StringTable.Text(1, 0).empty());
      EXPECT_EQ(w.Symbols.LabelCombo.size() + w.Symbols.XXCombo.size(), 2u);
      w.TableCancelButton_Click();
    }
  }
}

TEST_F(OperandPanelTest, AcceptActsOnlyInItsStatesAndReturnsToTheIdleState) {
  w.Symbols.AddLabel("loop");
  w.Symbols.AddVariable("count");
  labels.ExistingLabelOption_Click();
  labels.LabelAcceptButton_Click();
  xx.ExistingXXOption_Click();
  xx.XXAcceptButton_Click();
  EXPECT_TRUE(Cell(1, kMnemonicColumn).empty());
  EXPECT_EQ(w.CursorRow, 1);

  // A line finished in data mode returns to data mode.
  w.EntryMode_Click();
  StartOperand("IN", "DB", ByteState);
  TypeVariable("keys");
  xx.XXAcceptButton_Click();
  EXPECT_EQ(w.EntryState, DataState);
  EXPECT_TRUE(w.Data.DataBox.visible);
}

// A new empty row comes first on the grid's last row, before an origin row
// and in Insert mode; otherwise the cursor moves onto the next row.
TEST_F(OperandPanelTest, AcceptInsertsARowOnlyWhereTheLineNeedsOne) {
  enum class Where { Plain, LastRow, BeforeOrigin, InsertMode };
  for (Where where : {Where::Plain, Where::LastRow, Where::BeforeOrigin, Where::InsertMode}) {
    for (bool label : {true, false}) {
      SCOPED_TRACE(static_cast<int>(where) * 2 + label);
      w.New_File();
      int row = 1;
      if (where == Where::LastRow) {
        row = w.CursorRow = w.Table1.Rows() - 1;
      } else if (where == Where::BeforeOrigin) {
        w.Table1.SetText(2, kLabelColumn, "Origin");
      } else if (where == Where::InsertMode) {
        w.Table1.SetText(2, kMnemonicColumn, "NOP");
        w.SetWriteMode(true);
      }
      const int usedBefore = w.UsedRowCount;
      if (label) {
        StartOperand("JMP", "C3", LabelState);
        TypeLabel("next");
        labels.LabelAcceptButton_Click();
      } else {
        StartOperand("SUI", "D6", ByteState);
        TypeVariable("step");
        xx.XXAcceptButton_Click();
      }
      EXPECT_EQ(Cell(row, kOpcodeColumn), label ? "C3   XX   XX" : "D6   XX");
      EXPECT_EQ(w.CursorRow, row + 1);
      EXPECT_TRUE(Cell(row + 1, kMnemonicColumn).empty());
      EXPECT_EQ(w.UsedRowCount, usedBefore + (where == Where::Plain ? 0 : 1));
      // What stood below the cursor row is now one row further down.
      if (where == Where::BeforeOrigin) {
        EXPECT_EQ(Cell(3, kLabelColumn), "Origin");
      } else if (where == Where::InsertMode) {
        EXPECT_EQ(Cell(3, kMnemonicColumn), "NOP");
      }
    }
  }
}

TEST_F(OperandPanelTest, FindFormNeedsAVariableButNotAUse) {
  w.ControlTransfer(FindVariableState);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "No variables used in program.");
  EXPECT_EQ(host.boxes[0].style, kMsgInformation);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");
  EXPECT_FALSE(xx.XXBox.visible);

  w.Symbols.AddVariable("count");  // used by no row
  w.ControlTransfer(FindVariableState);
  EXPECT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(w.EntryState, FindVariableState);
  EXPECT_TRUE(xx.XXFindButton.visible);
  EXPECT_TRUE(xx.XXDoneButton.visible);
  EXPECT_FALSE(xx.XXAcceptButton.visible);
  EXPECT_TRUE(xx.XXCombo.enabled);
  EXPECT_FALSE(xx.XXText.enabled);
  EXPECT_EQ(w.DefaultButton, "XXFindButton");
  xx.XXDoneButton_Click();
  EXPECT_FALSE(xx.XXBox.visible);
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(OperandPanelTest, ReplaceFormMarksVariableRowsAndDoneClearsThem) {
  w.Symbols.AddVariable("count", "05");
  w.Table1.SetText(3, kOpcodeColumn, "C3   XX   XX");
  w.StringTable.SetText(3, 0, "loop");
  w.ControlTransfer(ReplaceVariableState);  // no row uses a variable
  EXPECT_EQ(host.LastBox(), "No variables used in program.");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.TipsLabel.text, "Program Mode.");

  for (int row : {2, 4}) {
    w.Table1.SetText(row, kOpcodeColumn, "3E   05");
    w.StringTable.SetText(row, 0, "count");
  }
  w.NextLine(4);  // the cursor stands on a row that uses a variable
  host.boxes.clear();
  w.ControlTransfer(ReplaceVariableState);
  EXPECT_TRUE(host.boxes.empty());
  EXPECT_EQ(w.TipsLabel.text, "");
  for (int row : {2, 4}) {
    EXPECT_EQ(w.Table1.BackColor(row, kMnemonicColumn), kRed) << row;
    EXPECT_EQ(w.Table1.ForeColor(row, kMnemonicColumn), kWhite) << row;
  }
  EXPECT_EQ(w.Table1.BackColor(3, kMnemonicColumn), kGridBackColor);
  EXPECT_TRUE(xx.XXReplaceButton.visible);
  EXPECT_FALSE(xx.XXReplaceButton.enabled);
  EXPECT_TRUE(xx.XXDoneButton.visible);
  EXPECT_FALSE(xx.XXAcceptButton.visible);
  EXPECT_EQ(w.DefaultButton, "XXReplaceButton");
  // Choosing an existing variable or typing a valid name primes Replace.
  xx.ExistingXXOption_Click();
  EXPECT_TRUE(xx.XXReplaceButton.enabled);
  EXPECT_FALSE(xx.XXAcceptButton.enabled);
  xx.NewXXOption_Click();
  EXPECT_FALSE(xx.XXReplaceButton.enabled);
  TypeVariable("total");
  EXPECT_TRUE(xx.XXReplaceButton.enabled);

  xx.XXDoneButton_Click();
  EXPECT_EQ(w.Table1.BackColor(2, kMnemonicColumn), kGridBackColor);
  EXPECT_EQ(w.Table1.ForeColor(2, kMnemonicColumn), kGridForeColor);
  // The cursor row gets its cursor mark back rather than plain colours.
  EXPECT_EQ(w.Table1.BackColor(4, kMnemonicColumn), kGridFixedBackColor);
  EXPECT_FALSE(xx.XXBox.visible);
  EXPECT_EQ(w.EntryState, ProgramState);
}

}  // namespace
}  // namespace parvix::testing
