// Stack, port and machine-control instructions: PUSH, POP (PSW included),
// XTHL, SPHL, IN, OUT, EI, DI, SIM and RIM.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using StackIoTest = WatchTest;

Color NameColor(const WatchWindowDialog& w, int line) {
  return w.cellColor(WatchTable::Interrupt, line, 0);
}

TEST_F(StackIoTest, PushAndPopPairs) {
  m.reg[kRegB] = 0x12;
  m.reg[kRegC] = 0x34;
  Run(0x8000, {0xC5, 0xE1}, 1);  // PUSH B
  EXPECT_EQ(Mem(0xFEFF), "12");
  EXPECT_EQ(Mem(0xFEFE), "34");
  EXPECT_EQ(Reg(kRowSP), "FEFE");
  Execute();  // POP H
  EXPECT_EQ(Reg(kRowH), "12");
  EXPECT_EQ(Reg(kRowL), "34");
  EXPECT_EQ(Reg(kRowSP), "FF00");
  m.setPair(kPairHL, 0xABCD);
  Run(0x8002, {0xE5, 0xD1}, 2);  // PUSH H; POP D
  EXPECT_EQ(Reg(kRowDE), "ABCD");
}

TEST_F(StackIoTest, PushPswStoresAThenTheFlagByte) {
  m.a() = 0x3E;
  SetFlags(false, false, false, true, false);
  Run(0x8000, {0xF5});
  EXPECT_EQ(Mem(0xFEFF), "3E");
  EXPECT_EQ(Mem(0xFEFE), "03");
  SetFlags(true, true, true, true, true);
  Run(0x8001, {0xF5});
  EXPECT_EQ(Mem(0xFEFC), "D7");  // bits 1 set, 3 and 5 clear
}

TEST_F(StackIoTest, PopPswSetsFlagsFromTheirBits) {
  m.sp = 0x9000;
  Poke(0x9000, {0xD7, 0x00});
  m.a() = 0x99;
  Run(0x8000, {0xF1});
  EXPECT_EQ(Flags(), "11111");
  EXPECT_EQ(Reg(kRowA), "00");
  EXPECT_EQ(Reg(kRowSP), "9002");
  // Bits 1, 3 and 5 are ignored; each flag bit alone.
  struct Case {
    int byte;
    const char* flags;
  };
  for (const Case& c : {Case{0x2A, "00000"}, Case{0x01, "00010"}, Case{0x04, "00100"},
                        Case{0x10, "00001"}, Case{0x40, "10000"}, Case{0x80, "01000"}}) {
    SCOPED_TRACE(c.byte);
    m.sp = 0x9000;
    Poke(0x9000, {c.byte, 0x5A});
    Run(0x8000, {0xF1});
    EXPECT_EQ(Flags(), c.flags);
    EXPECT_EQ(Reg(kRowA), "5A");
  }
}

TEST_F(StackIoTest, XthlExchangesHlWithTheTopOfStackAndSphlCopiesIt) {
  m.setPair(kPairHL, 0x1234);
  m.sp = 0x9000;
  Poke(0x9000, {0x78, 0x56});
  Run(0x8000, {0xE3});
  EXPECT_EQ(Reg(kRowL), "78");
  EXPECT_EQ(Reg(kRowH), "56");
  EXPECT_EQ(Mem(0x9000), "34");
  EXPECT_EQ(Mem(0x9001), "12");
  EXPECT_EQ(Reg(kRowSP), "9000");
  Run(0x8001, {0xF9});  // SPHL
  EXPECT_EQ(Reg(kRowSP), "5678");
}

TEST_F(StackIoTest, InReadsAForcedPortAndOutWritesOne) {
  w.selectPortAddress(0x05);
  w.selectValue(0xA5);
  w.ForceButton_Click();
  EXPECT_EQ(Port(0x05), "A5");
  Run(0x8000, {0xDB, 0x05});
  EXPECT_EQ(Reg(kRowA), "A5");
  m.a() = 0x3C;
  Run(0x8002, {0xD3, 0x07});
  EXPECT_EQ(Port(0x07), "3C");
  EXPECT_EQ(Port(0x05), "A5");
}

TEST_F(StackIoTest, EiAndDiPaintIntrAndLeaveTrapGreen) {
  EXPECT_EQ(NameColor(w, kIntr), kRed);
  Run(0x8000, {0xFB, 0xF3}, 1);
  EXPECT_EQ(NameColor(w, kIntr), kGreen);
  Execute();
  EXPECT_EQ(NameColor(w, kIntr), kRed);
  EXPECT_EQ(NameColor(w, kTrap), kGreen);
}

TEST_F(StackIoTest, SimSetsMasksOnlyWithMaskSetEnable) {
  struct Case {
    int a;
    Color rst75, rst65, rst55;
    const char* rst75Value;
  };
  for (const Case& c : {Case{0x08, kGreen, kGreen, kGreen, "1"},
                        Case{0x0F, kRed, kRed, kRed, "1"},
                        Case{0x0A, kGreen, kRed, kGreen, "1"},
                        Case{0x07, kRed, kRed, kRed, "1"},  // bit 3 clear: colours stay
                        Case{0x10, kRed, kRed, kRed, "0"}}) {
    SCOPED_TRACE(c.a);
    w.Form_Load();
    m.a() = static_cast<std::uint8_t>(c.a);
    Run(0x8000, {0x30});
    EXPECT_EQ(NameColor(w, kRst75), c.rst75);
    EXPECT_EQ(NameColor(w, kRst65), c.rst65);
    EXPECT_EQ(NameColor(w, kRst55), c.rst55);
    EXPECT_EQ(w.cellText(WatchTable::Interrupt, kRst75, 1), c.rst75Value);
    EXPECT_EQ(Flags(), "00000");
  }
}

TEST_F(StackIoTest, RimReadsMasksAndLineValues) {
  Run(0x8000, {0x20});
  EXPECT_EQ(Reg(kRowA), "77");
  // Unmask 6.5 and reset 7.5's line, then read back.
  m.a() = 0x1D;  // R7.5, MSE, mask 7.5 and 5.5
  Run(0x8001, {0x30, 0x20}, 2);
  EXPECT_EQ(Reg(kRowA), "35");
}

}  // namespace
}  // namespace parvix::testing
