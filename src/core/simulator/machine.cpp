#include "simulator/machine.h"

namespace parvix {

void Machine::reset() {
  reg.fill(0);
  sp = 0xFF00;
  pc = 0;
  zero = sign = parity = carry = auxCarry = false;
  memory.fill(0);
  unknown.reset();
  port.fill(0);
  rst75Masked = rst65Masked = rst55Masked = true;
  intrEnabled = false;
  lineValue.fill(true);
  lineValue[0] = false;
  memoryWritten = {};
  portsWritten = {};
}

std::uint16_t Machine::pair(int code) const {
  switch (code) {
    case kPairBC:
      return bc();
    case kPairDE:
      return de();
    case kPairHL:
      return hl();
    default:
      return sp;
  }
}

void Machine::setPair(int code, std::uint16_t value) {
  if (code == kPairSP) {
    sp = value;
    return;
  }
  // BC, DE, HL: the high register has code 2 * pair, the low one 2 * pair + 1.
  reg[2 * code] = static_cast<std::uint8_t>(value >> 8);
  reg[2 * code + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t Machine::flagByte() const {
  return static_cast<std::uint8_t>(carry | 2 | parity << 2 | auxCarry << 4 | zero << 6 |
                                   sign << 7);
}

void Machine::setFlagByte(std::uint8_t value) {
  carry = value & 0x01;
  parity = value & 0x04;
  auxCarry = value & 0x10;
  zero = value & 0x40;
  sign = value & 0x80;
}

}  // namespace parvix
