// Arithmetic: additions and subtractions with and without carry, INR/DCR,
// INX/DCX, DAD and DAA, with the flags as this system defines them.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using ArithmeticTest = WatchTest;

const AluCase kAluCases[] = {
    {"ADD B to zero with both carries", {0x80}, 0x3A, 0xC6, "00000", "00", "10111"},
    {"ADD ignores the carry flag", {0x80}, 0x01, 0x01, "00010", "02", "00000"},
    {"ADD M", {0x86}, 0x01, 0x00, "00000", "F1", "01000"},  // M = F0
    {"ADC B carries in to the low nibble", {0x88}, 0x0F, 0x00, "00010", "10", "00001"},
    {"ADC B without carry", {0x88}, 0x0F, 0x00, "00000", "0F", "00100"},
    {"ADI F0 carries out", {0xC6, 0xF0}, 0x10, 0, "00000", "00", "10110"},
    {"ACI 01 with carry", {0xCE, 0x01}, 0x01, 0, "00010", "03", "00100"},
    {"ACI 01 without carry", {0xCE, 0x01}, 0x01, 0, "00000", "02", "00000"},
    {"SUB A", {0x97}, 0x5A, 0, "01011", "00", "10100"},
    {"SUB B borrows", {0x90}, 0x00, 0x01, "00000", "FF", "01111"},
    {"SUB B ignores the carry flag", {0x90}, 0x05, 0x05, "00010", "00", "10100"},
    {"SBB B with borrow in", {0x98}, 0x05, 0x05, "00010", "FF", "01111"},
    {"SBB B without borrow in", {0x98}, 0x05, 0x05, "00000", "00", "10100"},
    {"SUI 01 borrows from the low nibble", {0xD6, 0x01}, 0x10, 0, "00000", "0F", "00101"},
    {"SBI FF with borrow in subtracts 100", {0xDE, 0xFF}, 0x00, 0, "00010", "00", "10110"},
    {"SUB M", {0x96}, 0xF0, 0, "00000", "00", "10100"},  // M = F0
    {"INR A wraps, Carry kept", {0x3C}, 0xFF, 0, "00010", "00", "10111"},
    {"INR A without half carry", {0x3C}, 0x40, 0, "10001", "41", "00100"},
    {"DCR A wraps, Carry kept", {0x3D}, 0x00, 0, "00000", "FF", "01101"},
    {"DCR A to zero", {0x3D}, 0x01, 0, "00011", "00", "10110"},
};

TEST_F(ArithmeticTest, AdditionsSubtractionsIncrementsAndDecrements) {
  for (const AluCase& c : kAluCases) CheckAlu(c);
}

TEST_F(ArithmeticTest, InrAndDcrOfEveryRegisterAndM) {
  const int rows[8] = {kRowB, kRowC, kRowD, kRowE, kRowH, kRowL, kRowM, kRowA};
  for (int code = 0; code < 8; ++code) {
    SCOPED_TRACE(code);
    w.Form_Load();
    m.reg = {0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0, 0x0F};
    Poke(0x0F0F, {0x0F});  // M
    const int inr = 0x04 | code << 3;
    Run(0x8000, {inr, inr + 1}, 1);  // INR r
    EXPECT_EQ(code == kRegM ? Mem(0x0F0F) : Reg(rows[code]), "10");
    EXPECT_EQ(Flags(), "00001");
    Execute();  // DCR r
    EXPECT_EQ(code == kRegM ? Mem(0x0F0F) : Reg(rows[code]), "0F");
    EXPECT_EQ(Flags(), "00101");
  }
}

TEST_F(ArithmeticTest, InxAndDcxWrapWithoutFlags) {
  m.setPair(kPairHL, 0xFFFF);
  m.sp = 0x0000;
  m.setPair(kPairBC, 0x00FF);
  SetFlags(false, true, false, true, false);
  Run(0x8000, {0x23, 0x3B, 0x03, 0x1B}, 4);  // INX H; DCX SP; INX B; DCX D
  EXPECT_EQ(Reg(kRowHL), "0000");
  EXPECT_EQ(Reg(kRowH), "00");
  EXPECT_EQ(Reg(kRowL), "00");
  EXPECT_EQ(Reg(kRowSP), "FFFF");
  EXPECT_EQ(Reg(kRowBC), "0100");
  EXPECT_EQ(Reg(kRowDE), "FFFF");
  EXPECT_EQ(Flags(), "01010");
}

TEST_F(ArithmeticTest, DadWritesOnlyCarry) {
  m.setPair(kPairHL, 0x8000);
  SetFlags(true, true, true, false, true);
  Run(0x8000, {0x29});  // DAD H
  EXPECT_EQ(Reg(kRowHL), "0000");
  EXPECT_EQ(Flags(), "11111");
  m.setPair(kPairHL, 0x1234);
  m.setPair(kPairBC, 0x0001);
  Run(0x8001, {0x09});  // DAD B
  EXPECT_EQ(Reg(kRowHL), "1235");
  EXPECT_EQ(Reg(kRowL), "35");
  EXPECT_EQ(Flags(), "11101");
  m.sp = 0xF000;
  m.setPair(kPairDE, 0x0FFF);
  Run(0x8002, {0x19, 0x39}, 2);  // DAD D; DAD SP
  EXPECT_EQ(Reg(kRowHL), "1234");
  EXPECT_EQ(Reg(kRowCarry), "1");
}

TEST_F(ArithmeticTest, DecimalAdjust) {
  struct Case {
    int a;
    const char* flagsBefore;
    const char* expectedA;
    const char* expectedFlags;
  };
  for (const Case& c : {
           Case{0x32, "00011", "98", "01011"},  // after ADD of 99 and 99
           Case{0x9B, "00000", "01", "00011"},  // both corrections
           Case{0x15, "00000", "15", "00000"},  // already decimal
           Case{0xFF, "00000", "65", "00111"},  // low correction carries past FF
           Case{0x00, "00010", "60", "00110"},  // Carry in forces the high correction
           Case{0x9A, "00000", "00", "10111"},  // to zero
       }) {
    SCOPED_TRACE(c.a);
    m.a() = static_cast<std::uint8_t>(c.a);
    SetFlags(c.flagsBefore);
    Run(0x8000, {0x27});
    EXPECT_EQ(Reg(kRowA), c.expectedA);
    EXPECT_EQ(Flags(), c.expectedFlags);
  }
}

}  // namespace
}  // namespace parvix::testing
