// A loaded watch window on a FakeHost, with helpers to put bytes in memory,
// key a start address, click Execute and read the tables as the user sees them.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "base/hex_text.h"
#include "simulator/watch_window.h"
#include "support/fake_host.h"

namespace parvix::testing {

using enum Machine::RegisterCode;
using enum Machine::PairCode;
using enum Machine::InterruptLine;

// One instruction run on A (and B, and the byte F0 at HL = 9000) with the
// flags before, and the expected A and flags after, each as "ZSPCA" (Zero
// Sign Parity Carry Aux. Carry).
struct AluCase {
  const char* what;
  std::vector<int> code;
  int a;
  int b;
  const char* flagsBefore;
  const char* expectedA;
  const char* expectedFlags;
};

class WatchTest : public ::testing::Test {
 protected:
  WatchTest() { w.load(); }

  // Puts bytes into memory from `address` on.
  void Poke(int address, std::initializer_list<int> bytes) {
    for (int byte : bytes) w.machine.write(static_cast<std::uint16_t>(address++ & 0xFFFF),
                                           static_cast<std::uint8_t>(byte));
  }

  void Poke(int address, const std::vector<int>& bytes) {
    for (int byte : bytes) Poke(address++, {byte});
  }

  // Keys the start address on the hex keys and presses OK.
  void Start(int address) {
    for (int shift = 12; shift >= 0; shift -= 4) w.NUM_Click((address >> shift) & 0xF);
    w.AcceptButton_Click();
  }

  // Puts a program at `address`, starts there and clicks Execute `clicks` times.
  void Run(int address, std::initializer_list<int> bytes, int clicks = 1) {
    Poke(address, bytes);
    Start(address);
    Execute(clicks);
  }

  void Execute(int clicks = 1) {
    for (int i = 0; i < clicks; ++i) w.ExecuteButton_Click();
  }

  // Clicks Execute until HLT has stopped the machine; fails after `limit` clicks.
  void RunToHalt(int limit = 100000) {
    for (int i = 0; i < limit && !w.HaltedFlag; ++i) w.ExecuteButton_Click();
    ASSERT_TRUE(w.HaltedFlag) << "no HLT within " << limit << " clicks";
  }

  std::string Reg(int row) const { return w.cellText(WatchTable::Register, row, 1); }
  std::string Mem(int address) const { return w.cellText(WatchTable::Memory, address + 1, 1); }
  std::string Port(int port) const { return w.cellText(WatchTable::Port, port + 1, 1); }
  std::string Inst(int col) const { return w.cellText(WatchTable::Instruction, 1, col); }
  // The five flag rows Zero, Sign, Parity, Carry, Aux. Carry joined: "10110".
  std::string Flags() const {
    std::string flags;
    for (int row = kRowZero; row <= kRowAuxCarry; ++row) flags += Reg(row);
    return flags;
  }
  void SetFlags(bool zero, bool sign, bool parity, bool carry, bool auxCarry) {
    Machine& m = w.machine;
    m.zero = zero;
    m.sign = sign;
    m.parity = parity;
    m.carry = carry;
    m.auxCarry = auxCarry;
  }

  void SetFlags(const char* zspca) {
    SetFlags(zspca[0] == '1', zspca[1] == '1', zspca[2] == '1', zspca[3] == '1',
             zspca[4] == '1');
  }

  // Runs the case at 8000 on a fresh machine and checks A, the flags and the PC.
  void CheckAlu(const AluCase& c) {
    SCOPED_TRACE(c.what);
    w.Form_Load();
    m.a() = static_cast<std::uint8_t>(c.a);
    m.reg[kRegB] = static_cast<std::uint8_t>(c.b);
    m.setPair(kPairHL, 0x9000);
    Poke(0x9000, {0xF0});
    SetFlags(c.flagsBefore);
    int address = 0x8000;
    for (int byte : c.code) Poke(address++, {byte});
    Start(0x8000);
    Execute();
    EXPECT_EQ(Reg(kRowA), c.expectedA);
    EXPECT_EQ(Flags(), c.expectedFlags);
    EXPECT_EQ(Reg(kRowPC), Hex4(address));
  }

  FakeHost host;
  WatchWindowDialog w{host};
  Machine& m = w.machine;
};

}  // namespace parvix::testing
