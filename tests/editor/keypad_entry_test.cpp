// The register and number keypads per entry state, typed register letters
// and restart digits, the end of a line, re-entry with Esc, and the hover tips.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

enum Key : int {
  kMOV = 0,
  kMVI = 1,
  kLXI = 2,
  kLDAX = 3,
  kADD = 10,
  kDAD = 14,
  kINR = 22,
  kRST = 67,
  kPUSH = 68,
  kPOP = 69,
  kNOP = 78,
  kHLT = 79,
};

class KeypadEntryTest : public SessionTest {
 protected:
  std::set<int> EnabledRegisters() {
    std::set<int> keys;
    for (int i = 0; i < 10; ++i) {
      if (w.Registers.REG[i].enabled) keys.insert(i);
    }
    return keys;
  }
  std::array<std::string, 6> RowCells(int row) {
    return {w.Table1.Text(row, 0), w.Table1.Text(row, 1), w.Table1.Text(row, 2),
            w.Table1.Text(row, 3), w.Table1.Text(row, 4), w.StringTable.Text(row, 0)};
  }
  void Type(const std::string& letters) {
    for (char c : letters) w.Registers.RegisterBox_KeyPress(c);
  }
};

TEST_F(KeypadEntryTest, RegisterKeysEnabledPerState) {
  const std::set<int> registers = {0, 1, 2, 3, 4, 5, 6, 7};
  const std::set<int> pairsWithSp = {0, 2, 4, 8};
  struct Case {
    int key;
    EntryStates state;
    std::set<int> enabled;
  } cases[] = {
      {kADD, RegisterState, registers}, {kINR, RegisterState, registers},
      {kDAD, PairState, pairsWithSp},   {kLXI, LxiPairState, pairsWithSp},
      {kMOV, MovDestState, registers},  {kPUSH, StackPairState, {0, 2, 4, 9}},
      {kLDAX, LdaxPairState, {0, 2}},   {kMVI, MviRegisterState, registers},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(w.Instructions.INST[c.key].text);
    w.Instructions.INST_Click(c.key);
    EXPECT_EQ(w.EntryState, c.state);
    EXPECT_TRUE(w.Registers.RegisterBox.visible);
    EXPECT_FALSE(w.Instructions.InstructionBox.visible);
    EXPECT_EQ(w.Focus.control, "RegisterBox");
    EXPECT_EQ(EnabledRegisters(), c.enabled);
    w.TableCancelButton_Click();
    EXPECT_FALSE(w.Registers.RegisterBox.visible);
  }
}

TEST_F(KeypadEntryTest, MIsNoSourceWhenItIsTheDestination) {
  for (int dest = 0; dest < 8; ++dest) {
    SCOPED_TRACE(dest);
    w.Instructions.INST_Click(kMOV);
    w.Registers.REG_Click(dest);
    ASSERT_EQ(w.EntryState, MovSourceState);
    std::set<int> expected = {0, 1, 2, 3, 4, 5, 6, 7};
    if (dest == 6) expected.erase(6);
    EXPECT_EQ(EnabledRegisters(), expected);
    // A disabled key does nothing, even when called directly.
    w.Registers.REG_Click(8);
    EXPECT_EQ(w.EntryState, MovSourceState);
    w.TableCancelButton_Click();
  }
  // Typing M for the source of MOV M is ignored too; A still works.
  w.Instructions.INST_Click(kMOV);
  Type("mMa");
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "MOV  M,  A");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "77");
}

TEST_F(KeypadEntryTest, TypedRegisterLetters) {
  struct Case {
    int key;
    std::string typed;  // includes letters that must be ignored
    std::string text;
    std::string code;
    EntryStates state;
  } cases[] = {
      {kPUSH, "xcp", "PUSH  PSW", "F5", ProgramState},
      {kPOP, "B", "POP  B", "C1", ProgramState},
      {kLXI, "cs", "LXI  SP,", "31", LxiLabelState},
      {kDAD, "s", "DAD  SP", "39", ProgramState},
      {kINR, "m", "INR  M", "34", ProgramState},
      {kLDAX, "hd", "LDAX  D", "1A", ProgramState},
      {kMVI, "1A", "MVI  A,", "3E", MviByteState},
      {kMOV, "Hl", "MOV  H,  L", "65", ProgramState},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const int row = w.CursorRow;
    w.Instructions.INST_Click(c.key);
    Type(c.typed);
    EXPECT_EQ(w.Table1.Text(row, kMnemonicColumn), c.text);
    EXPECT_EQ(w.Table1.Text(row, kOpcodeColumn), c.code);
    EXPECT_EQ(w.EntryState, c.state);
    if (c.state != ProgramState) w.TableCancelButton_Click();
  }
}

TEST_F(KeypadEntryTest, RestartDigitsZeroToSevenOnly) {
  w.Instructions.INST_Click(kRST);
  ASSERT_EQ(w.EntryState, RstState);
  EXPECT_TRUE(w.Numbers.NumberBox.visible);
  EXPECT_EQ(w.Numbers.NumberLabel.text, "");
  EXPECT_EQ(w.Numbers.DataTypeLabel.text, "Number");
  EXPECT_FALSE(w.Numbers.NumberAcceptButton.enabled);
  EXPECT_EQ(w.Focus.control, "NumberFocusButton");
  for (int i = 0; i < 16; ++i) EXPECT_EQ(w.Numbers.NUM[i].enabled, i < 8) << i;
  EXPECT_FALSE(host.TimerRunning(TimerId::StartupTimer));

  // 8 to F change nothing, whether clicked or typed.
  for (int i = 8; i < 16; ++i) w.Numbers.NUM_Click(i);
  for (char c : std::string("89aF-x")) w.Numbers.NumberFocusButton_KeyPress(c);
  EXPECT_EQ(w.EntryState, RstState);
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "RST");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "");

  w.Numbers.NumberFocusButton_KeyPress('7');
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "RST 7");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "FF");
  EXPECT_EQ(w.Table1.Text(1, kCommentColumn), "Restart#7 (Call sub-routine at address 0038H).");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_FALSE(w.Numbers.NumberBox.visible);
}

TEST_F(KeypadEntryTest, KeysOutsideTheirStatesDoNothing) {
  // Instruction keys only start a line in the idle states.
  w.NewOrigin_Click();
  w.Instructions.INST_Click(kNOP);
  EXPECT_EQ(w.EntryState, NewOriginState);
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "");
  EXPECT_FALSE(w.ProgramChanged);
  // Number keys there key the address, not a restart.
  w.Numbers.NUM_Click(5);
  EXPECT_EQ(w.Numbers.NumberLabel.text, "0005");
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "");
  w.TableCancelButton_Click();
  // Register keys and restart digits mean nothing in program mode.
  w.Registers.REG_Click(0);
  w.Registers.RegisterBox_KeyPress('b');
  w.Numbers.NUM_Click(3);
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "");
  EXPECT_EQ(w.CursorRow, 1);
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(KeypadEntryTest, ReenteringALineAndEscRestoresAllSixCells) {
  const std::array<std::string, 6> old = {"loop", "8003", "JMP", "C3   XX   XX", "Jump!", "start"};
  for (int c = 0; c < 5; ++c) w.Table1.SetText(4, c, old[c]);
  w.StringTable.SetText(4, 0, old[5]);
  w.UsedRowCount = 5;
  w.NextLine(4);

  // MOV: destination, source pending, then Esc.
  w.Instructions.INST_Click(kMOV);
  EXPECT_TRUE(w.ProgramChanged);
  EXPECT_EQ(RowCells(4), (std::array<std::string, 6>{"loop", "", "MOV", "", "", ""}));
  w.Registers.REG_Click(2);
  EXPECT_EQ(w.EntryState, MovSourceState);
  EXPECT_EQ(w.Table1.Text(4, kMnemonicColumn), "MOV  D,");
  w.TableCancelButton_Click();
  EXPECT_EQ(RowCells(4), old);
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(w.CursorRow, 4);
  EXPECT_FALSE(w.SavedLineFlag);

  // LXI: the pair chosen, the name still awaited on the label panel.
  w.Instructions.INST_Click(kLXI);
  w.Registers.REG_Click(4);
  EXPECT_EQ(w.EntryState, LxiLabelState);
  EXPECT_FALSE(w.Registers.RegisterBox.visible);
  EXPECT_EQ(w.Table1.Text(4, kOpcodeColumn), "21");
  w.TableCancelButton_Click();
  EXPECT_EQ(RowCells(4), old);

  // Once the line is complete, Esc restores nothing.
  w.Instructions.INST_Click(kHLT);
  EXPECT_EQ(RowCells(4),
            (std::array<std::string, 6>{"loop", "", "HLT", "76", "Halt program execution.", ""}));
  EXPECT_EQ(w.CursorRow, 5);
  w.TableCancelButton_Click();
  EXPECT_EQ(w.Table1.Text(4, kMnemonicColumn), "HLT");
  EXPECT_EQ(w.CursorRow, 5);
}

// A line keyed again, from an instruction key over it or a click on its
// Opcode cell, in Overwrite or Insert mode, keeps the label placed on it: the
// label keeps its row and its address, and the jump to it still assembles.
TEST_F(KeypadEntryTest, ALineKeyedAgainKeepsItsLabel) {
  enum class How { KeyOverTheLine, OpcodeClick, OpcodeClickInInsertMode };
  for (How how : {How::KeyOverTheLine, How::OpcodeClick, How::OpcodeClickInInsertMode}) {
    SCOPED_TRACE(static_cast<int>(how));
    w.New_File();
    if (how == How::OpcodeClickInInsertMode) w.WriteMode_Click();
    SetRow(1, "DCR  A", "3D", "loop");
    SetRow(2, "JNZ  loop", "C2   XX   XX", "", "loop");
    SetRow(3, "HLT", "76", "done");
    w.Symbols.AddLabel("loop");
    w.Symbols.AddLabel("done");
    w.UsedRowCount = 4;
    w.Assign_Address(true);
    w.UpdateLabels();
    ASSERT_EQ(w.Symbols.LabelEqtList[0], "8000");

    if (how == How::KeyOverTheLine) {
      w.NextLine(1);
      w.Instructions.INST_Click(kINR);
    } else {
      w.Table1_Click(1, kOpcodeColumn);  // DCR: the register keypad asks again
    }
    w.Registers.REG_Click(0);  // B
    ASSERT_EQ(w.EntryState, ProgramState);
    EXPECT_EQ(w.Table1.Text(1, kLabelColumn), "loop");
    EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), how == How::KeyOverTheLine ? "INR  B" : "DCR  B");
    EXPECT_EQ(w.Table1.Text(0, kLabelColumn), "Origin");
    EXPECT_EQ(w.Table1.Text(0, kAddressColumn), "8000");

    // Insert mode put an empty row below the line: the jump and "done" moved down.
    const int jump = how == How::OpcodeClickInInsertMode ? 3 : 2;
    w.UpdateLabels();
    const SymbolLists& s = w.Symbols;
    EXPECT_EQ(s.LabelPlacedList, (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(s.LabelLineList, (std::vector<std::string>{"1", std::to_string(jump + 1)}));
    EXPECT_EQ(s.LabelEqtList[0], "8000");
    w.Assign_Address(true);
    EXPECT_EQ(w.Table1.Text(jump, kOpcodeColumn), "C2   00   80");
    EXPECT_EQ(s.LabelEqtList, (std::vector<std::string>{"8000", "8004"}));
    EXPECT_FALSE(w.AddressErrorFlag);
  }
}

TEST_F(KeypadEntryTest, ALineCompletedFromDataModeEndsInProgramMode) {
  w.EntryMode_Click();
  ASSERT_EQ(w.EntryState, DataState);
  w.Instructions.INST_Click(kADD);
  EXPECT_EQ(w.EntryState, RegisterState);
  EXPECT_FALSE(w.Data.DataBox.visible);
  w.Registers.REG_Click(7);
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "ADD  A");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "87");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_TRUE(w.Instructions.InstructionBox.visible);
  EXPECT_FALSE(w.Data.DataBox.visible);
  // The menu item still offers program mode: only the state changed.
  EXPECT_EQ(w.Menu.EntryMode.caption, "Program &Mode");
}

TEST_F(KeypadEntryTest, HoverTips) {
  w.Instructions.INST_MouseMove(kMVI);
  EXPECT_EQ(w.Instructions.InstructionLabel[0].text, "MVI");
  EXPECT_EQ(w.Instructions.InstructionLabel[1].text, " Register/Memory, 8-Bit Data ");
  // Nothing is rewritten while the key's mnemonic is already shown.
  w.Instructions.InstructionLabel[1].text = "kept";
  w.Instructions.INST_MouseMove(kMVI);
  EXPECT_EQ(w.Instructions.InstructionLabel[1].text, "kept");
  w.Instructions.INST_MouseMove(kNOP);
  EXPECT_EQ(w.Instructions.InstructionLabel[0].text, "NOP");
  EXPECT_EQ(w.Instructions.InstructionLabel[1].text, " ");

  w.Instructions.INST_Click(kPUSH);
  w.Registers.REG_MouseMove(9);
  EXPECT_EQ(w.Registers.RegisterLabel.text, "PSW");
  w.Registers.REG_MouseMove(6);  // M is disabled for PUSH
  EXPECT_EQ(w.Registers.RegisterLabel.text, "PSW");
  w.Form_MouseMove();
  EXPECT_EQ(w.Instructions.InstructionLabel[0].text, "");
  EXPECT_EQ(w.Instructions.InstructionLabel[1].text, "");
  EXPECT_EQ(w.Registers.RegisterLabel.text, "");
  w.TableCancelButton_Click();

  // The number keys show their caption in the restart state only.
  w.Instructions.INST_Click(kRST);
  w.Numbers.NUM_MouseMove(5);
  EXPECT_EQ(w.Numbers.NumberLabel.text, "5");
  w.TableCancelButton_Click();
  w.NewOrigin_Click();
  w.Numbers.NUM_MouseMove(5);
  EXPECT_EQ(w.Numbers.NumberLabel.text, "0000");
}

// Where a finished line (an instruction or a data byte) sends the cursor.
enum class Where { NextRowFree, LastRow, BeforeOrigin, InsertMode };
struct LineEnd {
  Where where;
  bool dataByte;
};

class LineEndTest : public SessionTest, public ::testing::WithParamInterface<LineEnd> {};

TEST_P(LineEndTest, NewRowOnlyWhereNeeded) {
  const LineEnd p = GetParam();
  bool inserted = true;
  switch (p.where) {
    case Where::NextRowFree:
      w.Table1.SetText(2, kCommentColumn, "next");
      inserted = false;
      break;
    case Where::LastRow:
      w.UsedRowCount = w.Table1.Rows();
      w.NextLine(w.Table1.Rows() - 1);
      break;
    case Where::BeforeOrigin:
      w.NextLine(4);
      w.NewOrigin_Click();
      w.Numbers.NumberLabel.text = "9000";
      w.Numbers.NumberAcceptButton_Click();  // origin on row 4, cursor on row 5
      w.NextLine(3);
      break;
    case Where::InsertMode:
      w.Table1.SetText(2, kCommentColumn, "next");
      w.WriteMode_Click();  // a blank row at the cursor: "next" moves to row 3
      w.NextLine(2);
      break;
  }
  if (p.dataByte) w.EntryMode_Click();
  const int row = w.CursorRow;
  const int rows = w.Table1.Rows();
  const std::array<std::string, 5> below = {w.Table1.Text(row + 1, 0), w.Table1.Text(row + 1, 1),
                                            w.Table1.Text(row + 1, 2), w.Table1.Text(row + 1, 3),
                                            w.Table1.Text(row + 1, 4)};

  if (p.dataByte) {
    w.Data.DataAcceptButton_Click();
    EXPECT_EQ(w.Table1.Text(row, kMnemonicColumn), "DFB");
    EXPECT_EQ(w.EntryState, DataState);
  } else {
    w.Instructions.INST_Click(kNOP);
    EXPECT_EQ(w.Table1.Text(row, kMnemonicColumn), "NOP");
    EXPECT_EQ(w.EntryState, ProgramState);
  }
  EXPECT_EQ(w.CursorRow, row + 1);
  const int next = inserted ? row + 2 : row + 1;
  for (int c = 0; c < 5; ++c) {
    if (inserted) {
      EXPECT_EQ(w.Table1.Text(row + 1, c), "") << c;
    }
    EXPECT_EQ(w.Table1.Text(next, c), below[c]) << c;
  }
  if (p.where == Where::LastRow) {
    EXPECT_GE(w.Table1.Rows(), rows + 1);
  }
  if (p.where == Where::NextRowFree) {
    EXPECT_EQ(w.Table1.Rows(), rows);
  }
  if (p.where == Where::BeforeOrigin) {
    EXPECT_EQ(w.Table1.Text(row + 2, kLabelColumn), "Origin");
    EXPECT_EQ(w.Table1.BackColor(row + 2, kMnemonicColumn), kOriginGrey);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keypads, LineEndTest,
    ::testing::Values(LineEnd{Where::NextRowFree, false}, LineEnd{Where::LastRow, false},
                      LineEnd{Where::BeforeOrigin, false}, LineEnd{Where::InsertMode, false},
                      LineEnd{Where::NextRowFree, true}, LineEnd{Where::LastRow, true},
                      LineEnd{Where::BeforeOrigin, true}, LineEnd{Where::InsertMode, true}));

}  // namespace
}  // namespace parvix::testing
