// Logical, compare, accumulator and carry instructions: ANA XRA ORA and their
// immediates, CMP and CPI, CMA, the four rotates, STC and CMC.
#include "watch_fixture.h"

namespace parvix::testing {
namespace {

using LogicalTest = WatchTest;

// A = a, B = b, the byte at HL = F0; flags as "ZSPCA".
const AluCase kLogicalCases[] = {
    {"ANA B clears Carry and Aux. Carry", {0xA0}, 0xF0, 0x0F, "01011", "00", "10100"},
    {"ANI 0F", {0xE6, 0x0F}, 0x3C, 0, "00011", "0C", "00100"},
    {"ANA M", {0xA6}, 0xFF, 0, "00000", "F0", "01100"},
    {"XRA A", {0xAF}, 0x5A, 0, "00011", "00", "10100"},
    {"XRI FF", {0xEE, 0xFF}, 0x0F, 0, "00000", "F0", "01100"},
    {"ORA B", {0xB0}, 0x01, 0x02, "10011", "03", "00100"},
    {"ORI 80", {0xF6, 0x80}, 0x01, 0, "00011", "81", "01100"},
    {"CMP B below: borrow and half borrow", {0xB8}, 0x05, 0x07, "00000", "05", "01011"},
    {"CPI equal", {0xFE, 0x05}, 0x05, 0, "01011", "05", "10100"},
    {"CMP B half borrow only", {0xB8}, 0x10, 0x01, "00000", "10", "00101"},
    {"CMP M above", {0xBE}, 0xF1, 0, "11111", "F1", "00000"},
    {"CMA keeps every flag", {0x2F}, 0x5A, 0, "10101", "A5", "10101"},
    {"RLC", {0x07}, 0x80, 0, "00000", "01", "00010"},
    {"RLC clears Carry", {0x07}, 0x01, 0, "00010", "02", "00000"},
    {"RAL takes the old Carry, Zero kept", {0x17}, 0x80, 0, "00000", "00", "00010"},
    {"RAL with Carry in", {0x17}, 0x01, 0, "00010", "03", "00000"},
    {"RRC", {0x0F}, 0x01, 0, "00000", "80", "00010"},
    {"RAR with Carry in", {0x1F}, 0x00, 0, "10110", "80", "10100"},
    {"RAR out", {0x1F}, 0x03, 0, "00000", "01", "00010"},
    {"STC", {0x37}, 0x00, 0, "10101", "00", "10111"},
    {"CMC sets", {0x3F}, 0x00, 0, "00000", "00", "00010"},
    {"CMC clears", {0x3F}, 0x00, 0, "11111", "00", "11101"},
};

TEST_F(LogicalTest, LogicalCompareRotateAndCarryInstructions) {
  for (const AluCase& c : kLogicalCases) CheckAlu(c);
}

}  // namespace
}  // namespace parvix::testing
