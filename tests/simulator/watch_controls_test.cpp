// The watch window's tables after set-up, the start-address keypad, the
// interrupt buttons, the port force, the hand-over calls and the change
// report that the views repaint from.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using WatchControlsTest = WatchTest;

TEST_F(WatchControlsTest, SetUpFillsTheTables) {
  const char* const names[] = {"Registers", "A",  "B",  "C",    "BC",   "D",      "E",
                               "DE",        "H",  "L",  "HL",   "M(0000)", "SP", "PC",
                               "Zero",      "Sign", "Parity", "Carry", "Aux. Carry", ""};
  const char* const values[] = {"Value", "00", "00", "00", "0000", "00", "00",
                                "0000",  "00", "00", "0000", "00", "FF00", "0000",
                                "0",     "0",  "0",  "0",  "0",    ""};
  ASSERT_EQ(w.tableRows(WatchTable::Register), 20);
  for (int row = 0; row < 20; ++row) {
    EXPECT_EQ(w.cellText(WatchTable::Register, row, 0), names[row]) << row;
    EXPECT_EQ(Reg(row), values[row]) << row;
  }
  EXPECT_EQ(w.tableRows(WatchTable::Memory), 65537);
  EXPECT_EQ(w.cellText(WatchTable::Memory, 0, 0), "Address");
  EXPECT_EQ(w.cellText(WatchTable::Memory, 0xABCE, 0), "ABCD");
  EXPECT_EQ(w.cellText(WatchTable::Memory, 65536, 1), "00");
  EXPECT_EQ(w.tableRows(WatchTable::Port), 257);
  EXPECT_EQ(w.cellText(WatchTable::Port, 256, 0), "FF");
  EXPECT_EQ(w.cellText(WatchTable::Instruction, 0, kInstMnemonicsColumn), "Mnemonics");
  EXPECT_EQ(Inst(kInstOpcodeColumn), "");

  const char* const lines[] = {"Interrupts", "TRAP", "RST 7.5", "RST 6.5",
                               "RST 5.5",    "INTR", "INTA'",   ""};
  const Color colors[] = {Control::kNoColorSet, kGreen, kRed, kRed, kRed, kRed,
                          Control::kNoColorSet, Control::kNoColorSet};
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(w.cellText(WatchTable::Interrupt, row, 0), lines[row]);
    EXPECT_EQ(w.cellText(WatchTable::Interrupt, row, 1), row == 0 ? "Value" : "1");
    EXPECT_EQ(w.cellColor(WatchTable::Interrupt, row, 0), colors[row]) << row;
  }
  EXPECT_EQ(w.PortAddrList.text, "00");
  EXPECT_EQ(w.ValueList.items.size(), 256u);
  EXPECT_FALSE(w.HaltedFlag);
}

TEST_F(WatchControlsTest, HexKeysShiftInFromTheRightAndFocusOk) {
  for (int key : {1, 2, 3, 4, 5}) w.NUM_Click(key);
  EXPECT_EQ(w.AddrLbl.text, "2345");
  EXPECT_EQ(w.Focus.control, "AcceptButton");
  for (char typed : {'a', 'F', '0', 'g', ' ', '9', 'Z'}) w.AcceptButton_KeyPress(typed);
  EXPECT_EQ(w.AddrLbl.text, "AF09");
}

TEST_F(WatchControlsTest, OkShowsTheInstructionAndAsksToScrollToIt) {
  Poke(0x8123, {0x3C});
  for (int key : {8, 1, 2, 3}) w.NUM_Click(key);
  const unsigned before = w.MemoryScroll.serial;
  w.AcceptButton_Click();
  EXPECT_EQ(Inst(kInstAddrColumn), "8123");
  EXPECT_EQ(Reg(kRowPC), "8123");
  EXPECT_EQ(w.MemoryScroll.row, 0x8124);
  EXPECT_NE(w.MemoryScroll.serial, before);
  EXPECT_EQ(Reg(kRowA), "00");  // nothing else is touched
}

TEST_F(WatchControlsTest, Rst75IsMomentaryAndTheOtherButtonsToggle) {
  w.IButton_MouseDown(2);
  EXPECT_EQ(w.IButton[2].text, "1");
  w.IButton_MouseUp(2);
  EXPECT_EQ(w.IButton[2].text, "0");
  for (int index : {1, 3, 4, 5}) {
    w.IButton_MouseDown(index);
    w.IButton_MouseUp(index);
    EXPECT_EQ(w.IButton[index].text, "1");
    w.IButton_MouseDown(index);
    w.IButton_MouseUp(index);
    EXPECT_EQ(w.IButton[index].text, "0");
  }
  // Only the captions change.
  EXPECT_EQ(w.cellText(WatchTable::Interrupt, kRst75, 1), "1");
}

TEST_F(WatchControlsTest, ForceWritesTheChosenValueOnTheChosenPort) {
  w.selectPortAddress(0xFF);
  w.selectValue(0xA5);
  w.ForceButton_Click();
  EXPECT_EQ(w.cellText(WatchTable::Port, 256, 1), "A5");
  w.selectPortAddress(300);  // not an item: the choice stays
  EXPECT_EQ(w.PortAddrList.listIndex, 0xFF);
}

TEST_F(WatchControlsTest, HandOverCopiesCodeTextsIntoMemory) {
  w.writeCodeText(0x8000, "3E   05");
  w.writeCodeText(0x8002, "76");
  w.writeCodeText(0x8010, "A5");
  w.writeCodeText(0x8020, "CD   XX   XX");
  w.writeCodeText(0x8030, "Origin");  // no code text: nothing copied
  w.writeCodeText(0xFFFF, "21   34   12");
  EXPECT_EQ(Mem(0x8000), "3E");
  EXPECT_EQ(Mem(0x8001), "05");
  EXPECT_EQ(Mem(0x8002), "76");
  EXPECT_EQ(Mem(0x8003), "00");
  EXPECT_EQ(Mem(0x8010), "A5");
  EXPECT_EQ(Mem(0x8021), "XX");
  EXPECT_EQ(Mem(0x8022), "XX");
  EXPECT_EQ(Mem(0x8030), "00");
  EXPECT_EQ(Mem(0xFFFF), "21");
  EXPECT_EQ(Mem(0x0000), "34");
  EXPECT_EQ(Mem(0x0001), "12");
}

TEST_F(WatchControlsTest, LoadKeepsAnOpenMachineAndAClosedWindowStartsAfresh) {
  Poke(0x9000, {0x11, 0x22});
  Run(0x8000, {0x3E, 0x44, 0x76}, 2);  // MVI A,44; HLT
  ASSERT_TRUE(w.HaltedFlag);
  w.load();  // a second hand-over while open
  w.writeCodeText(0x9000, "33");
  EXPECT_EQ(Mem(0x9000), "33");
  EXPECT_EQ(Mem(0x9001), "22");
  EXPECT_EQ(Reg(kRowA), "44");
  EXPECT_TRUE(w.HaltedFlag);
  w.NUM_Click(1);
  const unsigned focusSerial = w.Focus.serial;
  w.Form_Unload();
  w.load();
  w.NUM_Click(2);  // a view must see this as a new focus request
  EXPECT_GT(w.Focus.serial, focusSerial);
  EXPECT_EQ(Mem(0x9001), "00");
  EXPECT_EQ(Reg(kRowA), "00");
  EXPECT_FALSE(w.HaltedFlag);
  EXPECT_EQ(Inst(kInstAddrColumn), "");
  EXPECT_EQ(w.AddrLbl.text, "0002");
  Execute();  // nothing shown: nothing runs
  EXPECT_EQ(Reg(kRowPC), "0000");
}

TEST_F(WatchControlsTest, ChangeReportNamesTheRowsThatChanged) {
  EXPECT_TRUE(w.takeChanges().reset);
  EXPECT_FALSE(w.takeChanges().any());

  m.setPair(kPairHL, 0x9000);
  m.sp = 0xA000;
  Poke(0x8000, {0x77, 0xC5, 0xD3, 0x10, 0xFB});  // MOV M,A; PUSH B; OUT 10; EI
  (void)w.takeChanges();
  Start(0x8000);
  WatchChanges changes = w.takeChanges();
  EXPECT_EQ(changes.registerRows, 1u << kRowPC);
  EXPECT_TRUE(changes.instructionRow);
  EXPECT_TRUE(changes.memory.empty());

  m.a() = 0x5A;
  (void)w.takeChanges();
  Execute();  // MOV M,A: memory 9000 and the M row
  changes = w.takeChanges();
  EXPECT_EQ(changes.registerRows, 1u << kRowM | 1u << kRowPC);
  EXPECT_EQ(changes.memory.first, 0x9000);
  EXPECT_EQ(changes.memory.last, 0x9000);

  Execute();  // PUSH B: two stack bytes and SP
  changes = w.takeChanges();
  EXPECT_EQ(changes.memory.first, 0x9FFE);
  EXPECT_EQ(changes.memory.last, 0x9FFF);
  EXPECT_EQ(changes.registerRows, 1u << kRowSP | 1u << kRowPC);

  Execute();  // OUT 10
  changes = w.takeChanges();
  EXPECT_EQ(changes.ports.first, 0x10);
  EXPECT_EQ(changes.ports.last, 0x10);
  EXPECT_EQ(changes.interruptRows, 0u);

  Execute();  // EI
  changes = w.takeChanges();
  EXPECT_EQ(changes.interruptRows, 1u << kIntr);
  EXPECT_FALSE(changes.reset);
}

}  // namespace
}  // namespace parvix::testing
