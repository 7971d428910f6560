// Transfers of control: JMP, PCHL, the conditional jumps, calls and returns,
// CALL, RET and RST, with the stack wrapping at the ends of memory.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using BranchTest = WatchTest;

// The eight conditions by condition code: the flag and the value that makes
// them hold (NZ Z NC C PO PE P M).
struct Condition {
  const char* name;
  int flagRow;
  bool holdsWhen;
};
const Condition kConditions[8] = {
    {"NZ", kRowZero, false},   {"Z", kRowZero, true},     {"NC", kRowCarry, false},
    {"C", kRowCarry, true},    {"PO", kRowParity, false}, {"PE", kRowParity, true},
    {"P", kRowSign, false},    {"M", kRowSign, true},
};

void SetFlag(Machine& m, int row, bool value) {
  switch (row) {
    case kRowZero: m.zero = value; break;
    case kRowCarry: m.carry = value; break;
    case kRowParity: m.parity = value; break;
    default: m.sign = value; break;
  }
}

TEST_F(BranchTest, ConditionalJumpsCallsAndReturnsTakenAndNot) {
  for (int code = 0; code < 8; ++code) {
    for (bool flag : {false, true}) {
      const Condition& cond = kConditions[code];
      const bool taken = flag == cond.holdsWhen;
      SCOPED_TRACE(::testing::Message() << cond.name << " flag " << flag);

      w.Form_Load();  // Jcc 2000 at 8000
      SetFlag(m, cond.flagRow, flag);
      Run(0x8000, {0xC2 | code << 3, 0x00, 0x20});
      EXPECT_EQ(Reg(kRowPC), taken ? "2000" : "8003");
      EXPECT_EQ(Reg(kRowSP), "FF00");

      w.Form_Load();  // Ccc 2000 at 8000
      SetFlag(m, cond.flagRow, flag);
      Run(0x8000, {0xC4 | code << 3, 0x00, 0x20});
      EXPECT_EQ(Reg(kRowPC), taken ? "2000" : "8003");
      EXPECT_EQ(Reg(kRowSP), taken ? "FEFE" : "FF00");
      EXPECT_EQ(Mem(0xFEFE), taken ? "03" : "00");

      w.Form_Load();  // Rcc at 8000 with 1234 on the stack
      SetFlag(m, cond.flagRow, flag);
      m.sp = 0x9000;
      Poke(0x9000, {0x34, 0x12});
      Run(0x8000, {0xC0 | code << 3});
      EXPECT_EQ(Reg(kRowPC), taken ? "1234" : "8001");
      EXPECT_EQ(Reg(kRowSP), taken ? "9002" : "9000");
    }
  }
}

TEST_F(BranchTest, NotTakenJumpKeepsFlagsAndRefreshesRegisters) {
  SetFlags(true, false, true, true, false);
  Run(0x8000, {0xC2, 0x00, 0x20});  // JNZ 2000 with Zero 1
  EXPECT_EQ(Reg(kRowPC), "8003");
  EXPECT_EQ(Flags(), "10110");
}

TEST_F(BranchTest, CallPushesTheReturnAddressAndRetComesBack) {
  Poke(0x2000, {0xC9});  // RET
  Run(0x8000, {0xCD, 0x00, 0x20});
  EXPECT_EQ(Mem(0xFEFF), "80");
  EXPECT_EQ(Mem(0xFEFE), "03");
  EXPECT_EQ(Reg(kRowSP), "FEFE");
  EXPECT_EQ(Reg(kRowPC), "2000");
  EXPECT_EQ(Inst(kInstMnemonicsColumn), "RET");
  Execute();
  EXPECT_EQ(Reg(kRowPC), "8003");
  EXPECT_EQ(Reg(kRowSP), "FF00");
}

TEST_F(BranchTest, CallTargetIsReadBeforeThePushOverwritesIt) {
  // The stack ends just above the call, so the return address lands on the
  // call's own operand bytes; the call still goes where its bytes said.
  for (int opcode : {0xCD, 0xCC}) {  // CALL, CZ taken
    SCOPED_TRACE(opcode);
    w.Form_Load();
    m.zero = true;
    m.sp = 0x3503;
    Run(0x3500, {opcode, 0xB9, 0x35});
    EXPECT_EQ(Reg(kRowPC), "35B9");
    EXPECT_EQ(Reg(kRowSP), "3501");
    EXPECT_EQ(Mem(0x3501), "03");
    EXPECT_EQ(Mem(0x3502), "35");
  }
}

TEST_F(BranchTest, JumpTargetComesFromMemory) {
  Run(0x8000, {0xC3, 0x34, 0x12});
  EXPECT_EQ(Reg(kRowPC), "1234");
  // A jump at FFFE takes its target from FFFF and 0000.
  Poke(0x0000, {0x56});
  Run(0xFFFE, {0xC3, 0x78});
  EXPECT_EQ(Reg(kRowPC), "5678");
}

TEST_F(BranchTest, RestartsPushTheNextAddress) {
  for (int n = 0; n < 8; ++n) {
    SCOPED_TRACE(n);
    w.Form_Load();
    Run(0x8005, {0xC7 | n << 3});
    EXPECT_EQ(Mem(0xFEFF), "80");
    EXPECT_EQ(Mem(0xFEFE), "06");
    EXPECT_EQ(Reg(kRowSP), "FEFE");
    EXPECT_EQ(Reg(kRowPC), Hex4(8 * n));
  }
}

TEST_F(BranchTest, StackWrapsAtBothEndsOfMemory) {
  m.sp = 0x0001;
  Run(0x8000, {0xCD, 0x00, 0x20});
  EXPECT_EQ(Mem(0x0000), "80");
  EXPECT_EQ(Mem(0xFFFF), "03");
  EXPECT_EQ(Reg(kRowSP), "FFFF");
  Run(0x2000, {0xC9});  // RET reads FFFF and 0000
  EXPECT_EQ(Reg(kRowPC), "8003");
  EXPECT_EQ(Reg(kRowSP), "0001");
  // The return address of a CALL at FFFE wraps to 0001.
  w.Form_Load();
  Poke(0x0000, {0x20});
  Run(0xFFFE, {0xCD, 0x00});
  EXPECT_EQ(Mem(0xFEFF), "00");
  EXPECT_EQ(Mem(0xFEFE), "01");
}

TEST_F(BranchTest, PchlJumpsToHl) {
  m.setPair(kPairHL, 0x4321);
  SetFlags(true, true, true, true, true);
  Run(0x8000, {0xE9});
  EXPECT_EQ(Reg(kRowPC), "4321");
  EXPECT_EQ(Flags(), "11111");
}

}  // namespace
}  // namespace parvix::testing
