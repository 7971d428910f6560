// The frame of one Execute click and the instruction row: HLT, NOP and the
// undefined opcodes, the flag tail, the program-counter wrap, and what
// Disassemble shows for one-, two- and three-byte instructions.
#include "watch_fixture.h"

#include <set>

#include "tables/opcode_tables.h"

namespace parvix::testing {
namespace {

using FrameTest = WatchTest;

TEST_F(FrameTest, HaltShowsItsMessageOnceAndStopsEveryLaterClick) {
  m.a() = 0x42;
  Run(0x8000, {0x76}, 3);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.boxes[0].text, "Program execution halted.");
  EXPECT_EQ(host.boxes[0].style, 64);
  EXPECT_EQ(w.MsgBoxAnswer, "1");
  EXPECT_TRUE(w.HaltedFlag);
  EXPECT_EQ(Reg(kRowPC), "8000");
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "HLT");
  EXPECT_EQ(Reg(kRowA), "42");
}

TEST_F(FrameTest, OkAfterHaltShowsTheNewInstructionButExecuteStaysIdle) {
  Run(0x8000, {0x76});
  Poke(0x9000, {0x3C});  // INR A
  Start(0x9000);
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "INR  A");
  Execute();
  EXPECT_EQ(Reg(kRowA), "00");
  EXPECT_EQ(Reg(kRowPC), "9000");
}

TEST_F(FrameTest, ExecuteBeforeAnyStartAddressDoesNothing) {
  Poke(0x0000, {0x3C});
  Execute(2);
  EXPECT_EQ(Reg(kRowA), "00");
  EXPECT_EQ(Reg(kRowPC), "0000");
  EXPECT_TRUE(host.boxes.empty());
}

TEST_F(FrameTest, NopAndUndefinedOpcodesChangeNothingButThePc) {
  for (int op : {0x00, 0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD}) {
    SCOPED_TRACE(op);
    w.Form_Load();
    host.boxes.clear();
    m.reg = {1, 2, 3, 4, 5, 6, 0, 7};
    SetFlags(true, false, true, false, true);
    Poke(0x8000, {op, 0x00});
    Start(0x8000);
    // The undefined opcodes are reported when shown, not when run.
    EXPECT_EQ(host.boxes.size(), IsUndefinedOpcode(op) ? 1u : 0u);
    Execute();
    EXPECT_EQ(Reg(kRowPC), "8001");
    EXPECT_EQ(Reg(kRowBC), "0102");
    EXPECT_EQ(Reg(kRowDE), "0304");
    EXPECT_EQ(Reg(kRowHL), "0506");
    EXPECT_EQ(Reg(kRowA), "07");
    EXPECT_EQ(Flags(), "10101");
  }
}

TEST_F(FrameTest, InstructionsWithoutFlagsLeaveAllFiveFlagRows) {
  // MOV B,A; MVI C,12; LXI H,8000; STA 9000; LDA 9000; XCHG; INX D; DCX B;
  // CMA; STAX B; LDAX D; SHLD 9000; LHLD 9000; SPHL; PUSH B; POP B; OUT 1; IN 1
  Poke(0x7000, {0x47, 0x0E, 0x12, 0x21, 0x00, 0x80, 0x32, 0x00, 0x90, 0x3A, 0x00, 0x90,
                0xEB, 0x13, 0x0B, 0x2F, 0x02, 0x1A, 0x22, 0x00, 0x90, 0x2A, 0x00, 0x90,
                0xF9, 0xC5, 0xC1, 0xD3, 0x01, 0xDB, 0x01});
  for (bool on : {true, false}) {
    SetFlags(on, on, on, on, on);
    Start(0x7000);
    Execute(18);
    EXPECT_EQ(Reg(kRowPC), "701F");
    EXPECT_EQ(Flags(), on ? "11111" : "00000");
  }
}

// Zero, Sign and Parity from the low byte of Result: ORI into A = 00.
TEST_F(FrameTest, ZeroSignAndParityComeFromTheResultByte) {
  struct Case {
    int value;
    const char* zsp;
  };
  for (const Case& c : {Case{0x00, "101"}, Case{0x80, "010"}, Case{0x03, "001"},
                        Case{0x07, "000"}, Case{0xFF, "011"}}) {
    SCOPED_TRACE(c.value);
    m.a() = 0;
    Run(0x8000, {0xF6, c.value});
    EXPECT_EQ(Flags().substr(0, 3), c.zsp);
  }
}

TEST_F(FrameTest, ProgramCounterWrapsAtTheTopOfMemory) {
  for (int op : {0x00, 0x78, 0x3C}) {  // NOP, MOV A,B, INR A
    SCOPED_TRACE(op);
    Run(0xFFFF, {op});
    EXPECT_EQ(Reg(kRowPC), "0000");
    EXPECT_EQ(Inst(kInstAddrColumn), "0000");
  }
  // A three-byte instruction at FFFE takes its operand from FFFF and 0000.
  Poke(0x0000, {0x12});
  Run(0xFFFE, {0x21, 0x34});  // LXI H,1234
  EXPECT_EQ(Reg(kRowHL), "1234");
  EXPECT_EQ(Reg(kRowPC), "0001");
}

TEST_F(FrameTest, WritingHOrLMovesTheMRow) {
  Poke(0x8123, {0xA7});
  Run(0x7000, {0x26, 0x81, 0x2E, 0x23}, 2);  // MVI H,81; MVI L,23
  EXPECT_EQ(Reg(kRowHL), "8123");
  EXPECT_EQ(w.cellText(WatchTable::Register, kRowM, 0), "M(8123)");
  EXPECT_EQ(Reg(kRowM), "A7");
}

// --- the instruction row ---

TEST_F(FrameTest, TwoByteInstructionShowsItsOperandWithAnHSuffix) {
  Poke(0x0005, {0x3E, 0x12});
  Start(0x0005);
  EXPECT_EQ(Inst(kInstAddrColumn), "0005");
  EXPECT_EQ(Inst(kInstMnemonicsColumn), MnemonicsLUTList()[0x3E] + "  12h");
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "MVI  A,  12h");
  EXPECT_EQ(Inst(kInstOpcodeColumn), "3E   12");
  EXPECT_EQ(w.InstructionLength, 2);
  EXPECT_EQ(Reg(kRowPC), "0005");
}

TEST_F(FrameTest, ThreeByteInstructionShowsHighByteFirstAndCodeLowByteFirst) {
  Poke(0x8000, {0xC3, 0x00, 0x20});
  Start(0x8000);
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "JMP  2000h");
  EXPECT_EQ(Inst(kInstOpcodeColumn), "C3   00   20");
  EXPECT_EQ(w.InstructionLength, 3);
}

TEST_F(FrameTest, OneByteInstructionsAndTheUndefinedMessage) {
  Poke(0x1234, {0xFF, 0x20, 0x30, 0x08});
  for (int address : {0x1234, 0x1235, 0x1236}) Start(address);  // RST 7, RIM, SIM
  EXPECT_TRUE(host.boxes.empty());
  Start(0x1234);
  EXPECT_EQ(Inst(kInstAddrColumn), "1234");
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "RST 7 ");
  EXPECT_EQ(Inst(kInstOpcodeColumn), "FF");
  Start(0x1237);
  ASSERT_EQ(host.boxes.size(), 1u);
  EXPECT_EQ(host.LastBox(),
            "This is an invalid instruction. However, the processor will execute this "
            "instruction as a NOP instruction.");
  EXPECT_EQ(host.boxes[0].style, 64);
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "-");
  EXPECT_EQ(Inst(kInstOpcodeColumn), "08");
  EXPECT_EQ(w.InstructionLength, 1);
}

// The decoder's lengths are the ones the instruction row and the PC advance use.
TEST_F(FrameTest, InstructionLengthsByOpcode) {
  const std::set<int> two = {0x06, 0x0E, 0x16, 0x1E, 0x26, 0x2E, 0x36, 0x3E, 0xC6, 0xCE,
                             0xD6, 0xDE, 0xE6, 0xEE, 0xF6, 0xFE, 0xD3, 0xDB};
  const std::set<int> three = {0x01, 0x11, 0x21, 0x31, 0x22, 0x2A, 0x32, 0x3A, 0xC2, 0xC3,
                               0xC4, 0xCA, 0xCC, 0xCD, 0xD2, 0xD4, 0xDA, 0xDC, 0xE2, 0xE4,
                               0xEA, 0xEC, 0xF2, 0xF4, 0xFA, 0xFC};
  for (int op = 0; op < 256; ++op) {
    m.memory[0x4000] = static_cast<std::uint8_t>(op);
    const int expected = two.count(op) ? 2 : three.count(op) ? 3 : 1;
    EXPECT_EQ(FetchInstruction(m, 0x4000).length, expected) << op;
  }
}

}  // namespace
}  // namespace parvix::testing
