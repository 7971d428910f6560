// The hand-over of the program from the main window to the watch window.
#include <gtest/gtest.h>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

class HandOverTest : public SessionTest {
 protected:
  void Row(int r, const std::string& mnemonic, const std::string& code,
           const std::string& operand = {}) {
    SetRow(r, mnemonic, code, {}, operand);
  }
  void Origin(int r, const std::string& address) { SetOrigin(r, address); }
  // View > Simulation Panel and its timer tick.
  void HandOver() {
    w.SimulationView_Click();
    Fire(TimerId::SimulationTimer);
  }
  WatchWindowDialog& watch() { return w.WatchWindowDialogInstance; }
  std::string Memory(int address) { return watch().memoryText(address); }
};

TEST_F(HandOverTest, CodeBytesLandAtTheirAddresses) {
  Row(1, "MVI  A,   v1", "3E   05", "v1");
  Row(2, "HLT", "76");
  Row(3, "DFB", "A5");
  Origin(4, "9000");
  Row(5, "JMP  far", "C3   XX   XX", "far");
  w.Symbols.LabelCombo = {"far"};
  w.Symbols.LabelEqtList = {"XXXX"};
  w.Symbols.XXCombo = {"v1"};
  w.Symbols.XXEqtList = {"05"};

  w.SimulationView_Click();
  EXPECT_TRUE(host.TimerRunning(TimerId::SimulationTimer));
  EXPECT_EQ(host.timers[TimerId::SimulationTimer], 10);
  EXPECT_FALSE(watch().loaded);
  Fire(TimerId::SimulationTimer);

  EXPECT_EQ(w.TipsLabel.text, "Preparing for simulation...");
  EXPECT_TRUE(watch().loaded);
  EXPECT_EQ(host.shown.back(), WindowId::Watch);
  EXPECT_EQ(Memory(0x8000), "3E");
  EXPECT_EQ(Memory(0x8001), "05");
  EXPECT_EQ(Memory(0x8002), "76");
  EXPECT_EQ(Memory(0x8003), "A5");
  EXPECT_EQ(Memory(0x8004), "00");
  // An operand label that was never placed or given a value arrives as XX XX.
  EXPECT_EQ(Memory(0x9000), "C3");
  EXPECT_EQ(Memory(0x9001), "XX");
  EXPECT_EQ(Memory(0x9002), "XX");
  EXPECT_EQ(w.EntryState, ProgramState);
}

TEST_F(HandOverTest, ACompileErrorStopsTheHandOver) {
  Row(1, "NOP", "00");
  Origin(2, "8000");
  Row(3, "NOP", "00");
  w.SimulationView_Click();
  EXPECT_EQ(host.LastBox(), "Address overlap in origins 8000h and 8000h.");
  EXPECT_FALSE(host.TimerRunning(TimerId::SimulationTimer));
  EXPECT_FALSE(watch().loaded);
}

TEST_F(HandOverTest, ASecondHandOverKeepsTheMachine) {
  Row(1, "MVI  A,   v1", "3E   42", "v1");
  Row(2, "NOP", "00");
  HandOver();
  // Run the first instruction: A becomes 42.
  for (int digit : {8, 0, 0, 0}) watch().NUM_Click(digit);
  watch().AcceptButton_Click();
  watch().ExecuteButton_Click();
  EXPECT_EQ(watch().machine.reg[Machine::kRegA], 0x42);

  // The program shrinks; a new hand-over writes over memory only.
  Row(1, "NOP", "00");
  Row(2, "", "");
  HandOver();
  EXPECT_EQ(watch().machine.reg[Machine::kRegA], 0x42);
  EXPECT_EQ(Memory(0x8000), "00");
  EXPECT_EQ(Memory(0x8001), "42");  // not covered by the new program: kept

  // Closing the window and starting again gives a fresh machine.
  watch().Form_Unload();
  HandOver();
  EXPECT_EQ(watch().machine.reg[Machine::kRegA], 0);
  EXPECT_EQ(Memory(0x8001), "00");
}

TEST_F(HandOverTest, AnUnfinishedEntryEndsAsEscWouldFirst) {
  Row(1, "HLT", "76");
  Row(2, "RET", "C9");
  w.NextLine(1);
  // "JMP" keyed over the HLT line, waiting for its label.
  int jmp = 0;
  while (w.Instructions.INST[jmp].text != "JMP") ++jmp;
  w.Instructions.INST_Click(jmp);
  ASSERT_EQ(w.EntryState, LabelState);
  ASSERT_EQ(w.Table1.Text(1, kOpcodeColumn), "C3");

  HandOver();
  // The saved line is back, and the machine gets it rather than a one-byte C3.
  EXPECT_EQ(w.Table1.Text(1, kMnemonicColumn), "HLT");
  EXPECT_EQ(w.Table1.Text(1, kOpcodeColumn), "76");
  EXPECT_EQ(w.EntryState, ProgramState);
  EXPECT_EQ(Memory(0x8000), "76");
  EXPECT_EQ(Memory(0x8001), "C9");
  EXPECT_EQ(host.shown.back(), WindowId::Watch);
}

TEST_F(HandOverTest, RowsWithoutAnAddressAreSkipped) {
  // A code text on a row that address assignment does not see (no mnemonic).
  w.Table1.SetText(4, kOpcodeColumn, "FF");
  HandOver();
  EXPECT_EQ(Memory(0x0000), "00");
  EXPECT_TRUE(watch().loaded);
}

}  // namespace
}  // namespace parvix::testing
