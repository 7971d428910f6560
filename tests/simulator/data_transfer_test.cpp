// Data transfer: MOV, MVI, LXI, STAX, LDAX, SHLD, LHLD, STA, LDA, XCHG, and
// how the unknown "XX" bytes of a hand-over read and show.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using DataTransferTest = WatchTest;

TEST_F(DataTransferTest, MovCopiesBetweenEveryRegisterPair) {
  const int rows[8] = {kRowB, kRowC, kRowD, kRowE, kRowH, kRowL, kRowM, kRowA};
  for (int dest = 0; dest < 8; ++dest) {
    for (int src = 0; src < 8; ++src) {
      if (dest == kRegM && src == kRegM) continue;  // 76 is HLT
      SCOPED_TRACE(::testing::Message() << "dest " << dest << " src " << src);
      w.Form_Load();
      m.reg = {0x11, 0x22, 0x33, 0x44, 0x90, 0x10, 0, 0x77};
      Poke(0x9010, {0x66});
      const std::string expected = src == kRegM ? "66" : Reg(rows[src]);
      Run(0x8000, {0x40 | dest << 3 | src});
      if (dest == kRegM)
        EXPECT_EQ(Mem(0x9010), expected);
      else
        EXPECT_EQ(Reg(rows[dest]), expected);
    }
  }
}

TEST_F(DataTransferTest, MovMAndMviMWriteAtHlAndTheMRowFollows) {
  m.a() = 0x5C;
  Run(0x8000, {0x21, 0x00, 0x90, 0x77, 0x36, 0x0A}, 2);  // LXI H,9000; MOV M,A
  EXPECT_EQ(Mem(0x9000), "5C");
  EXPECT_EQ(Reg(kRowM), "5C");
  Execute();  // MVI M,0A
  EXPECT_EQ(Mem(0x9000), "0A");
  EXPECT_EQ(Reg(kRowM), "0A");
}

TEST_F(DataTransferTest, LxiLoadsPairsAndSp) {
  Run(0x8000, {0x21, 0x00, 0x80, 0x31, 0x00, 0xFF, 0x01, 0xCD, 0xAB, 0x11, 0x01, 0x00}, 4);
  EXPECT_EQ(Reg(kRowL), "00");
  EXPECT_EQ(Reg(kRowH), "80");
  EXPECT_EQ(Reg(kRowHL), "8000");
  EXPECT_EQ(w.cellText(WatchTable::Register, kRowM, 0), "M(8000)");
  EXPECT_EQ(Reg(kRowSP), "FF00");
  EXPECT_EQ(Reg(kRowBC), "ABCD");
  EXPECT_EQ(Reg(kRowDE), "0001");
}

TEST_F(DataTransferTest, StaxAndLdaxGoThroughBcAndDe) {
  m.a() = 0x3C;
  m.setPair(kPairBC, 0x9000);
  m.setPair(kPairDE, 0x9001);
  Poke(0x9001, {0x7E});
  Run(0x8000, {0x02, 0x1A}, 2);  // STAX B; LDAX D
  EXPECT_EQ(Mem(0x9000), "3C");
  EXPECT_EQ(Reg(kRowA), "7E");
  m.setPair(kPairDE, 0x9002);
  m.a() = 0x01;
  m.setPair(kPairBC, 0x9000);
  Run(0x8002, {0x12, 0x0A}, 2);  // STAX D; LDAX B
  EXPECT_EQ(Mem(0x9002), "01");
  EXPECT_EQ(Reg(kRowA), "3C");
}

TEST_F(DataTransferTest, ShldAndLhldStoreLowByteFirst) {
  m.setPair(kPairHL, 0x1234);
  Run(0x7000, {0x22, 0x00, 0x80, 0x21, 0x00, 0x00, 0x2A, 0x00, 0x80}, 2);
  EXPECT_EQ(Mem(0x8000), "34");
  EXPECT_EQ(Mem(0x8001), "12");
  EXPECT_EQ(Reg(kRowHL), "0000");
  Execute();
  EXPECT_EQ(Reg(kRowL), "34");
  EXPECT_EQ(Reg(kRowH), "12");
}

TEST_F(DataTransferTest, ShldAndLhldAtFfffWrapToZero) {
  m.setPair(kPairHL, 0xBEEF);
  Run(0x7000, {0x22, 0xFF, 0xFF});
  EXPECT_EQ(Mem(0xFFFF), "EF");
  EXPECT_EQ(Mem(0x0000), "BE");
  m.setPair(kPairHL, 0);
  Run(0x7003, {0x2A, 0xFF, 0xFF});
  EXPECT_EQ(Reg(kRowHL), "BEEF");
}

TEST_F(DataTransferTest, StaAndLda) {
  m.a() = 0x99;
  Run(0x7000, {0x32, 0x34, 0x12, 0x3E, 0x00, 0x3A, 0x34, 0x12}, 3);
  EXPECT_EQ(Mem(0x1234), "99");
  EXPECT_EQ(Reg(kRowA), "99");
}

TEST_F(DataTransferTest, XchgSwapsDeAndHl) {
  m.reg[kRegD] = 0x12;
  m.reg[kRegE] = 0x34;
  m.reg[kRegH] = 0x56;
  m.reg[kRegL] = 0x78;
  SetFlags(true, false, true, false, true);
  Run(0x8000, {0xEB});
  EXPECT_EQ(Reg(kRowDE), "5678");
  EXPECT_EQ(Reg(kRowHL), "1234");
  EXPECT_EQ(Flags(), "10101");
}

TEST_F(DataTransferTest, UnknownBytesShowXxReadAsZeroAndClearWhenWritten) {
  w.writeCodeText(0x8000, "3A   XX   XX");  // LDA with an unassigned label
  w.writeMemoryText(0x9000, "XX");
  m.a() = 0x55;
  Start(0x8000);
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "LDA  XXXXh");
  EXPECT_EQ(Inst(kInstOpcodeColumn), "3A   XX   XX");
  Execute();
  EXPECT_EQ(Reg(kRowA), "00");  // memory 0000, a fresh 00
  EXPECT_EQ(Mem(0x8001), "XX");
  // The M row shows the mark; a write clears it.
  m.setPair(kPairHL, 0x9000);
  Run(0x8003, {0x7E});  // MOV A,M
  EXPECT_EQ(Reg(kRowM), "XX");
  EXPECT_EQ(Reg(kRowA), "00");
  m.a() = 0x42;
  Run(0x8004, {0x77});  // MOV M,A
  EXPECT_EQ(Mem(0x9000), "42");
  EXPECT_EQ(Reg(kRowM), "42");
}

TEST_F(DataTransferTest, AnUnknownOpcodeByteRunsAsNop) {
  w.writeMemoryText(0x8000, "XX");
  Start(0x8000);
  EXPECT_EQ(Inst(kInstOpcodeColumn), "XX");
  EXPECT_TRUE(host.boxes.empty());
  Execute();
  EXPECT_EQ(Reg(kRowPC), "8001");
}

}  // namespace
}  // namespace parvix::testing
