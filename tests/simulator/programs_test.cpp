// Short programs run to HLT through the watch window, checked against results
// worked out by hand; and the headless stepping, which the benchmark uses,
// checked against the clicks.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using ProgramsTest = WatchTest;

// HL := E * multiplier by shift and add, stored at 9000 (low byte first).
std::vector<int> MultiplyProgram(int multiplicand, int multiplier) {
  return {
      0x21, 0x00, 0x00,          // 8000 LXI H,0000
      0x11, multiplicand, 0x00,  // 8003 LXI D,multiplicand
      0x3E, multiplier,          // 8006 MVI A,multiplier
      0x06, 0x08,                // 8008 MVI B,08
      0x29,                      // 800A loop: DAD H
      0x87,                      // 800B ADD A        ; Carry := next multiplier bit
      0xD2, 0x10, 0x80,          // 800C JNC 8010
      0x19,                      // 800F DAD D
      0x05,                      // 8010 skip: DCR B
      0xC2, 0x0A, 0x80,          // 8011 JNZ 800A
      0x22, 0x00, 0x90,          // 8014 SHLD 9000
      0x76,                      // 8017 HLT
  };
}

TEST_F(ProgramsTest, ShiftAndAddMultiply) {
  struct Case {
    int a, b;
  };
  for (const Case& c : {Case{0xFF, 0xFF}, Case{0x0C, 0x0A}, Case{0x37, 0x00}, Case{0x80, 0x02}}) {
    SCOPED_TRACE(::testing::Message() << c.a << " * " << c.b);
    w.Form_Load();
    Poke(0x8000, MultiplyProgram(c.a, c.b));
    Start(0x8000);
    RunToHalt();
    const int product = c.a * c.b;
    EXPECT_EQ(Reg(kRowHL), Hex4(product));
    EXPECT_EQ(Mem(0x9000), Hex2(product & 0xFF));
    EXPECT_EQ(Mem(0x9001), Hex2(product >> 8));
    EXPECT_EQ(Reg(kRowPC), "8017");
    EXPECT_EQ(Reg(kRowB), "00");
  }
}

TEST_F(ProgramsTest, CallAndReturnTwice) {
  Poke(0x8000, {
                   0x31, 0x00, 0xA0,  // 8000 LXI SP,A000
                   0x3E, 0x05,        // 8003 MVI A,05
                   0xCD, 0x20, 0x80,  // 8005 CALL 8020
                   0xCD, 0x20, 0x80,  // 8008 CALL 8020
                   0x76,              // 800B HLT
               });
  Poke(0x8020, {0xC6, 0x10, 0xC9});  // 8020 ADI 10; RET
  Start(0x8000);
  RunToHalt();
  EXPECT_EQ(Reg(kRowA), "25");
  EXPECT_EQ(Reg(kRowSP), "A000");
  EXPECT_EQ(Reg(kRowPC), "800B");
  EXPECT_EQ(Mem(0x9FFF), "80");  // the last return address is left below SP
  EXPECT_EQ(Mem(0x9FFE), "0B");
}

TEST_F(ProgramsTest, PushAndPopPswRestoreAAndFlags) {
  Poke(0x8000, {
                   0x3E, 0x80,  // MVI A,80
                   0xC6, 0x80,  // ADI 80      ; A 00, Zero Parity Carry
                   0xF5,        // PUSH PSW
                   0x3E, 0x01,  // MVI A,01
                   0xC6, 0x01,  // ADI 01      ; A 02, no flags
                   0xF1,        // POP PSW
                   0x76,        // HLT
               });
  Start(0x8000);
  Execute(3);
  EXPECT_EQ(Mem(0xFEFF), "00");
  EXPECT_EQ(Mem(0xFEFE), "47");
  Execute(2);
  EXPECT_EQ(Flags(), "00000");
  RunToHalt();
  EXPECT_EQ(Reg(kRowA), "00");
  EXPECT_EQ(Flags(), "10110");
  EXPECT_EQ(Reg(kRowSP), "FF00");
}

TEST_F(ProgramsTest, DecimalSumOfTwoBytePackedNumbers) {
  Poke(0x9000, {0x99, 0x19});  // 1999
  Poke(0x9010, {0x01, 0x00});  // 0001
  Poke(0x8000, {
                   0x21, 0x00, 0x90,  // LXI H,9000
                   0x11, 0x10, 0x90,  // LXI D,9010
                   0x1A, 0x86, 0x27,  // LDAX D; ADD M; DAA
                   0x77, 0x23, 0x13,  // MOV M,A; INX H; INX D
                   0x1A, 0x8E, 0x27,  // LDAX D; ADC M; DAA
                   0x77, 0x76,        // MOV M,A; HLT
               });
  Start(0x8000);
  RunToHalt();
  EXPECT_EQ(Mem(0x9000), "00");
  EXPECT_EQ(Mem(0x9001), "20");
  EXPECT_EQ(Reg(kRowCarry), "0");
}

TEST_F(ProgramsTest, HeadlessSteppingMatchesTheClicks) {
  Poke(0x8000, MultiplyProgram(0xE7, 0x5B));
  Machine headless = m;
  Start(0x8000);
  RunToHalt();
  headless.pc = 0x8000;
  int steps = 0;
  while (Step(headless) != StepEnd::Halt && steps < 1000) ++steps;
  EXPECT_EQ(headless.reg, m.reg);
  EXPECT_EQ(headless.sp, m.sp);
  EXPECT_EQ(headless.pc, m.pc);
  EXPECT_EQ(headless.flagByte(), m.flagByte());
  EXPECT_EQ(headless.memory, m.memory);
}

}  // namespace
}  // namespace parvix::testing
