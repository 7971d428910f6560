// The simulated 8085 of the watch window, in native form: registers, flags,
// stack pointer, program counter, 64 KiB of memory, 256 ports and the
// interrupt lines with their masks. The watch window's tables are views over
// this state; nothing here is text.
//
// A memory byte handed over as the unknown "XX" (a name without a value)
// carries a mark: it reads as 00 and shows "XX" until something writes it.
// The machine also remembers which addresses and ports were written since a
// view last asked, so a view repaints just those rows.
#pragma once

#include <algorithm>
#include <array>
#include <bitset>
#include <cstdint>
#include <utility>

namespace parvix {

// An inclusive range of written addresses or ports; empty until the first add.
struct WrittenRange {
  int first = 0x7FFFFFFF;
  int last = -1;

  bool empty() const { return last < first; }
  void add(int at) {
    first = std::min(first, at);
    last = std::max(last, at);
  }
};

struct Machine {
  static constexpr int kMemorySize = 0x10000;
  static constexpr int kPortCount = 256;

  // Register codes of the instruction fields (bits 0-2 source, bits 3-5
  // destination): B C D E H L M A. Code 6 is the memory byte at HL.
  enum RegisterCode : int { kRegB, kRegC, kRegD, kRegE, kRegH, kRegL, kRegM, kRegA };
  // Register-pair codes (bits 4-5): BC DE HL SP (PSW in place of SP for PUSH, POP).
  enum PairCode : int { kPairBC, kPairDE, kPairHL, kPairSP };
  // Rows of the interrupt table, one per input line.
  enum InterruptLine : int { kTrap = 1, kRst75, kRst65, kRst55, kIntr, kInta, kSpareLine };
  static constexpr int kInterruptLines = 7;  // rows 1 to 7

  std::array<std::uint8_t, 8> reg{};  // by register code; slot 6 (M) unused
  std::uint16_t sp = 0xFF00;          // stack pointer
  std::uint16_t pc = 0;               // ProgramCounter: the instruction shown and run next
  bool zero = false;
  bool sign = false;
  bool parity = false;
  bool carry = false;
  bool auxCarry = false;

  std::array<std::uint8_t, kMemorySize> memory{};
  std::bitset<kMemorySize> unknown;  // handed over as "XX" and not written since
  std::array<std::uint8_t, kPortCount> port{};

  // Interrupt masks: the colour of a line's name cell. TRAP is always
  // enabled; RST 7.5, 6.5 and 5.5 are set by SIM, INTR by EI and DI.
  bool rst75Masked = true;
  bool rst65Masked = true;
  bool rst55Masked = true;
  bool intrEnabled = false;
  // The value column of interrupt rows 1 to 7 (index 0 unused): "1" when set.
  // Only SIM changes one of them (it resets RST 7.5).
  std::array<bool, 8> lineValue{};

  // What was written since the last takeWritten*().
  WrittenRange memoryWritten;
  WrittenRange portsWritten;

  Machine() { reset(); }

  // The state the watch window's set-up gives: all registers, memory and
  // ports 00, SP FF00, flags 0, RST lines masked, INTR disabled, lines "1".
  void reset();

  std::uint8_t& a() { return reg[kRegA]; }
  std::uint8_t a() const { return reg[kRegA]; }

  std::uint8_t read(std::uint16_t address) const { return memory[address]; }
  void write(std::uint16_t address, std::uint8_t value) {
    memory[address] = value;
    unknown.reset(address);
    memoryWritten.add(address);
  }
  // Hands over the unknown byte "XX": it reads 00 until written.
  void markUnknown(std::uint16_t address) {
    memory[address] = 0;
    unknown.set(address);
    memoryWritten.add(address);
  }
  bool isUnknown(std::uint16_t address) const { return unknown.test(address); }

  void writePort(std::uint8_t number, std::uint8_t value) {
    port[number] = value;
    portsWritten.add(number);
  }

  // A register of an instruction field; code 6 (M) is the byte at HL.
  std::uint8_t get(int code) const { return code == kRegM ? read(hl()) : reg[code]; }
  void set(int code, std::uint8_t value) {
    if (code == kRegM)
      write(hl(), value);
    else
      reg[code] = value;
  }

  std::uint16_t bc() const { return word(reg[kRegB], reg[kRegC]); }
  std::uint16_t de() const { return word(reg[kRegD], reg[kRegE]); }
  std::uint16_t hl() const { return word(reg[kRegH], reg[kRegL]); }
  // A pair by pair code: BC, DE, HL or SP.
  std::uint16_t pair(int code) const;
  void setPair(int code, std::uint16_t value);

  // The flag byte that PUSH PSW stores: S Z 0 AC 0 P 1 CY.
  std::uint8_t flagByte() const;
  void setFlagByte(std::uint8_t value);

  WrittenRange takeMemoryWritten() { return std::exchange(memoryWritten, {}); }
  WrittenRange takePortsWritten() { return std::exchange(portsWritten, {}); }

  static constexpr std::uint16_t word(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint16_t>(high << 8 | low);
  }
};

}  // namespace parvix
