#include "simulator/executor.h"

#include "tables/opcode_tables.h"

namespace parvix {

using enum Machine::RegisterCode;
using enum Machine::PairCode;
using enum Machine::InterruptLine;

namespace {

// The Parity flag of every byte: set when the count of one bits is even.
constexpr std::array<bool, 256> kParityTable = [] {
  std::array<bool, 256> table{};
  for (int value = 0; value < 256; ++value) {
    int ones = 0;
    for (int bit = 0; bit < 8; ++bit) ones += (value >> bit) & 1;
    table[value] = ones % 2 == 0;
  }
  return table;
}();

// Bit fields of the opcode.
constexpr int DestinationCode(int opcode) { return (opcode & 0x38) >> 3; }
constexpr int SourceCode(int opcode) { return opcode & 7; }
constexpr int PairField(int opcode) { return (opcode & 0x30) >> 4; }
constexpr int StaxPairField(int opcode) { return (opcode & 0x10) >> 4; }  // 0 BC, 1 DE
constexpr int CarryUseBit(int opcode) { return (opcode & 8) >> 3; }
constexpr int ConditionBit(int opcode) { return (opcode & 8) >> 3; }  // Jcc Ccc Rcc

// The bits of FlagUpdateMask and of CarryWord.
constexpr int kZeroBit = 1;
constexpr int kSignBit = 2;
constexpr int kParityBit = 4;
constexpr int kCarryBit = 8;
constexpr int kAuxCarryBit = 16;
constexpr int kAllFlags = 0x1F;
constexpr int kAllButCarry = 0x17;

// The instruction groups of the dispatch, one function each.
enum class Group : std::uint8_t {
  Hlt, Mov, Mvi, Lxi, Stax, Ldax, Shld, Lhld, Sta, Lda, Xchg, Stc, Cmc,
  Add, AddImmediate, Sub, SubImmediate, Dad, Daa, Inr, Dcr, Inx, Dcx,
  Logical, LogicalImmediate, Cmp, Cpi, Cma, RotateLeft, RotateRight,
  Jmp, Pchl, JumpIf, Call, Ret, CallIf, ReturnIf, Push, Pop, Xthl, Sphl,
  Sim, Rim, Rst, Out, In, InterruptEnable, Other,
};

// The group of an opcode. The sets are disjoint, so the order of the tests
// does not matter; it follows the dispatch table.
constexpr Group GroupOf(int op) {
  const int low3 = op & 7;
  const int low4 = op & 0xF;
  if (op == 0x76) return Group::Hlt;
  if (op >= 0x40 && op <= 0x7F) return Group::Mov;
  if (op < 0x40) {
    if (low3 == 6) return Group::Mvi;
    if (low4 == 0x1) return Group::Lxi;
    if (op == 0x02 || op == 0x12) return Group::Stax;
    if (op == 0x0A || op == 0x1A) return Group::Ldax;
    if (op == 0x22) return Group::Shld;
    if (op == 0x2A) return Group::Lhld;
    if (op == 0x32) return Group::Sta;
    if (op == 0x3A) return Group::Lda;
    if (op == 0x37) return Group::Stc;
    if (op == 0x3F) return Group::Cmc;
    if (low4 == 0x9) return Group::Dad;
    if (op == 0x27) return Group::Daa;
    if (low3 == 4) return Group::Inr;
    if (low3 == 5) return Group::Dcr;
    if (low4 == 0x3) return Group::Inx;
    if (low4 == 0xB) return Group::Dcx;
    if (op == 0x2F) return Group::Cma;
    if (op == 0x07 || op == 0x17) return Group::RotateLeft;
    if (op == 0x0F || op == 0x1F) return Group::RotateRight;
    if (op == 0x30) return Group::Sim;
    if (op == 0x20) return Group::Rim;
    return Group::Other;  // NOP and the undefined 08 10 18 28 38
  }
  if (op < 0xC0) {
    switch ((op >> 3) & 7) {
      case 0:
      case 1:
        return Group::Add;
      case 2:
      case 3:
        return Group::Sub;
      case 7:
        return Group::Cmp;
      default:
        return Group::Logical;
    }
  }
  switch (op) {
    case 0xEB: return Group::Xchg;
    case 0xC6: case 0xCE: return Group::AddImmediate;
    case 0xD6: case 0xDE: return Group::SubImmediate;
    case 0xE6: case 0xEE: case 0xF6: return Group::LogicalImmediate;
    case 0xFE: return Group::Cpi;
    case 0xC3: return Group::Jmp;
    case 0xE9: return Group::Pchl;
    case 0xCD: return Group::Call;
    case 0xC9: return Group::Ret;
    case 0xE3: return Group::Xthl;
    case 0xF9: return Group::Sphl;
    case 0xD3: return Group::Out;
    case 0xDB: return Group::In;
    case 0xF3: case 0xFB: return Group::InterruptEnable;
    default: break;
  }
  switch (low3) {
    case 0: return Group::ReturnIf;
    case 2: return Group::JumpIf;
    case 4: return Group::CallIf;
    case 7: return Group::Rst;
    default: break;
  }
  if (low4 == 0x1) return Group::Pop;
  if (low4 == 0x5) return Group::Push;
  return Group::Other;  // the undefined CB D9 DD ED FD
}

constexpr std::array<Group, 256> kGroups = [] {
  std::array<Group, 256> table{};
  for (int op = 0; op < 256; ++op) table[op] = GroupOf(op);
  return table;
}();

// One click's working values. A group either sets FlagUpdateMask (with
// Result and CarryWord where flags are affected) for the common tail, or
// sets a transfer target.
struct Click {
  Machine& m;
  const Instruction& in;
  int Result = 0;
  int CarryWord = 0;
  int FlagUpdateMask = 0;
  bool transfer = false;
  std::uint16_t target = 0;

  int op() const { return in.opcode; }
  void transferTo(std::uint16_t address) {
    transfer = true;
    target = address;
  }
  void setFlags(int mask, int result) {
    FlagUpdateMask = mask;
    Result = result;
  }
};

std::uint16_t Wrap(int address) { return static_cast<std::uint16_t>(address & 0xFFFF); }

// --- data transfer ---

void Mov(Click& c) { c.m.set(DestinationCode(c.op()), c.m.get(SourceCode(c.op()))); }
void Mvi(Click& c) { c.m.set(DestinationCode(c.op()), c.in.byte2); }
void Lxi(Click& c) { c.m.setPair(PairField(c.op()), c.in.word()); }
void Stax(Click& c) { c.m.write(c.m.pair(StaxPairField(c.op())), c.m.a()); }
void Ldax(Click& c) { c.m.a() = c.m.read(c.m.pair(StaxPairField(c.op()))); }

// NOTE: the second byte of SHLD and LHLD at FFFF wraps to 0000, as the
// address bus of the 8085 does.
void Shld(Click& c) {
  const std::uint16_t w = c.in.word();
  c.m.write(w, c.m.reg[kRegL]);
  c.m.write(Wrap(w + 1), c.m.reg[kRegH]);
}

void Lhld(Click& c) {
  const std::uint16_t w = c.in.word();
  c.m.reg[kRegL] = c.m.read(w);
  c.m.reg[kRegH] = c.m.read(Wrap(w + 1));
}

void Sta(Click& c) { c.m.write(c.in.word(), c.m.a()); }
void Lda(Click& c) { c.m.a() = c.m.read(c.in.word()); }

void Xchg(Click& c) {
  std::swap(c.m.reg[kRegH], c.m.reg[kRegD]);
  std::swap(c.m.reg[kRegL], c.m.reg[kRegE]);
}

// --- arithmetic ---

// ADD ADC ADI ACI: the carry-in is the opcode's carry-use bit and the Carry flag.
void Add(Click& c, int operand) {
  const int a = c.m.a();
  const int carryIn = CarryUseBit(c.op()) & static_cast<int>(c.m.carry);
  const int sum = a + operand + carryIn;
  c.m.a() = static_cast<std::uint8_t>(sum & 0xFF);
  if (sum > 0xFF) c.CarryWord += kCarryBit;
  if ((a & 0xF) + (operand & 0xF) + carryIn > 0xF) c.CarryWord += kAuxCarryBit;
  c.setFlags(kAllFlags, sum);
}

// SUB SBB SUI SBI: A plus the two's complement of operand plus borrow-in.
// Carry and Aux. Carry are borrows, the latter out of the low four bits of
// the subtrahend (operand plus borrow-in).
void Sub(Click& c, int operand) {
  const int a = c.m.a();
  const int subtrahend = operand + (CarryUseBit(c.op()) & static_cast<int>(c.m.carry));
  const int complement = (0xFF - (subtrahend & 0xFF)) + 1;
  const int sum = a + complement;
  c.m.a() = static_cast<std::uint8_t>(sum & 0xFF);
  if (a < subtrahend) c.CarryWord += kCarryBit;
  if ((a & 0xF) < (subtrahend & 0xF)) c.CarryWord += kAuxCarryBit;
  c.setFlags(kAllFlags, sum);
}

void Inr(Click& c) {
  const int code = DestinationCode(c.op());
  const int old = c.m.get(code);
  const int result = (old + 1) & 0xFF;
  c.m.set(code, static_cast<std::uint8_t>(result));
  if ((old & 0xF) + 1 > 0xF) c.CarryWord += kAuxCarryBit;
  c.setFlags(kAllButCarry, result);
}

void Dcr(Click& c) {
  const int code = DestinationCode(c.op());
  const int old = c.m.get(code);
  const int result = (old - 1) & 0xFF;
  c.m.set(code, static_cast<std::uint8_t>(result));
  if ((old & 0xF) - 1 < 0) c.CarryWord += kAuxCarryBit;
  c.setFlags(kAllButCarry, result);
}

void Inx(Click& c) {
  const int pair = PairField(c.op());
  c.m.setPair(pair, Wrap(c.m.pair(pair) + 1));
}

void Dcx(Click& c) {
  const int pair = PairField(c.op());
  c.m.setPair(pair, Wrap(c.m.pair(pair) - 1));
}

void Dad(Click& c) {
  const int sum = c.m.hl() + c.m.pair(PairField(c.op()));
  if (sum > 0xFFFF) c.CarryWord += kCarryBit;
  c.m.setPair(kPairHL, Wrap(sum));
  c.FlagUpdateMask = kCarryBit;
}

// DAA: Aux. Carry comes out set exactly when the low correction is made, and
// Carry exactly when the high one is.
void Daa(Click& c) {
  int a = c.m.a();
  if (c.m.auxCarry || (a & 0xF) > 9) {
    a += 6;
    c.CarryWord += kAuxCarryBit;
  }
  const int low = a & 0xF;
  int high = a & 0xF0;
  if (high > 0x90 || a > 0xFF || c.m.carry) {
    high += 0x60;
    c.CarryWord += kCarryBit;
  }
  a = low + (high & 0xF0);
  c.m.a() = static_cast<std::uint8_t>(a);
  c.setFlags(kAllFlags, a);
}

// --- logical, compare, accumulator and carry ---

// ANA XRA ORA and their immediates (operation in bits 3-5: 4 AND, 5 XOR,
// 6 OR); Carry and Aux. Carry come out 0.
void Logical(Click& c, int operand) {
  int a = c.m.a();
  switch (DestinationCode(c.op())) {
    case 4:
      a &= operand;
      break;
    case 5:
      a ^= operand;
      break;
    default:
      a |= operand;
      break;
  }
  c.m.a() = static_cast<std::uint8_t>(a);
  c.setFlags(kAllFlags, a);
}

void Compare(Click& c, int operand) {
  const int a = c.m.a();
  if (a < operand) c.CarryWord += kCarryBit;
  if ((a & 0xF) < (operand & 0xF)) c.CarryWord += kAuxCarryBit;
  c.setFlags(kAllFlags, (a + (0xFF - operand) + 1) & 0xFF);
}

void Cma(Click& c) { c.m.a() = static_cast<std::uint8_t>(0xFF - c.m.a()); }

// RLC (07) and RAL (17): bit 4 of the opcode says through the carry.
void RotateLeft(Click& c) {
  const int a = c.m.a();
  const int bit7 = a >> 7;
  const int in = (c.op() & 0x10) ? static_cast<int>(c.m.carry) : bit7;
  c.m.a() = static_cast<std::uint8_t>(((a * 2) & 0xFF) + in);
  c.CarryWord = bit7 * kCarryBit;
  c.FlagUpdateMask = kCarryBit;
}

// RRC (0F) and RAR (1F).
void RotateRight(Click& c) {
  const int a = c.m.a();
  const int bit0 = a & 1;
  const int in = (c.op() & 0x10) ? static_cast<int>(c.m.carry) : bit0;
  c.m.a() = static_cast<std::uint8_t>((a - bit0) / 2 + in * 0x80);
  c.CarryWord = bit0 * kCarryBit;
  c.FlagUpdateMask = kCarryBit;
}

// --- transfers of control ---

// The condition of Jcc, Ccc and Rcc: the flag picked by bits 4-5 (Zero,
// Carry, Parity, Sign) equals bit 3 of the opcode.
bool ConditionHolds(const Click& c) {
  bool flag = false;
  switch (PairField(c.op())) {
    case 0:
      flag = c.m.zero;
      break;
    case 1:
      flag = c.m.carry;
      break;
    case 2:
      flag = c.m.parity;
      break;
    default:
      flag = c.m.sign;
      break;
  }
  return static_cast<int>(flag) == ConditionBit(c.op());
}

// The target of jumps and calls is read from memory after the opcode.
std::uint16_t MemoryTarget(const Click& c) {
  return Machine::word(c.m.read(Wrap(c.m.pc + 2)), c.m.read(Wrap(c.m.pc + 1)));
}

void Push(Click& c, std::uint8_t high, std::uint8_t low) {
  c.m.write(Wrap(c.m.sp - 1), high);
  c.m.write(Wrap(c.m.sp - 2), low);
  c.m.sp = Wrap(c.m.sp - 2);
}

void PushWord(Click& c, int value) {
  const std::uint16_t w = Wrap(value);
  Push(c, static_cast<std::uint8_t>(w >> 8), static_cast<std::uint8_t>(w & 0xFF));
}

std::uint16_t PopWord(Click& c) {
  const std::uint16_t w = Machine::word(c.m.read(Wrap(c.m.sp + 1)), c.m.read(c.m.sp));
  c.m.sp = Wrap(c.m.sp + 2);
  return w;
}

void Jmp(Click& c) { c.transferTo(MemoryTarget(c)); }

// The target comes from the instruction's own bytes, read before the push:
// a stack that overlaps the call's bytes must not redirect it.
void Call(Click& c) {
  const std::uint16_t target = MemoryTarget(c);
  PushWord(c, c.m.pc + 3);
  c.transferTo(target);
}

void Ret(Click& c) { c.transferTo(PopWord(c)); }

void Rst(Click& c) {
  PushWord(c, c.m.pc + 1);
  c.transferTo(static_cast<std::uint16_t>(c.op() & 0x38));
}

void Pchl(Click& c) { c.transferTo(c.m.hl()); }

// --- stack ---

void PushGroup(Click& c) {
  const int pair = PairField(c.op());
  if (pair == kPairSP)  // PSW
    Push(c, c.m.a(), c.m.flagByte());
  else
    Push(c, c.m.reg[2 * pair], c.m.reg[2 * pair + 1]);
}

void PopGroup(Click& c) {
  const int pair = PairField(c.op());
  const std::uint16_t w = PopWord(c);
  if (pair == kPairSP) {  // PSW
    c.m.setFlagByte(static_cast<std::uint8_t>(w & 0xFF));
    c.m.a() = static_cast<std::uint8_t>(w >> 8);
  } else {
    c.m.setPair(pair, w);
  }
}

void Xthl(Click& c) {
  const std::uint16_t top = Wrap(c.m.sp + 1);
  const std::uint8_t low = c.m.read(c.m.sp);
  const std::uint8_t high = c.m.read(top);
  c.m.write(c.m.sp, c.m.reg[kRegL]);
  c.m.write(top, c.m.reg[kRegH]);
  c.m.reg[kRegL] = low;
  c.m.reg[kRegH] = high;
}

void Sphl(Click& c) { c.m.sp = c.m.hl(); }

// --- input, output and machine control ---

void In(Click& c) { c.m.a() = c.m.port[c.in.byte2]; }
void Out(Click& c) { c.m.writePort(c.in.byte2, c.m.a()); }

// EI (FB) enables INTR, DI (F3) disables it; no interrupt is ever taken.
void InterruptEnable(Click& c) { c.m.intrEnabled = c.op() == 0xFB; }

// SIM: bit 4 resets the RST 7.5 line; bit 3 lets bits 0-2 set the masks of
// RST 5.5, 6.5 and 7.5.
void Sim(Click& c) {
  const int a = c.m.a();
  if (a & 0x10) c.m.lineValue[kRst75] = false;
  if (a & 0x08) {
    c.m.rst55Masked = a & 0x01;
    c.m.rst65Masked = a & 0x02;
    c.m.rst75Masked = a & 0x04;
  }
}

// RIM: masks in bits 0-2 and line values in bits 4-6 (RST 5.5, 6.5, 7.5);
// bits 3 and 7 are 0.
void Rim(Click& c) {
  const Machine& m = c.m;
  c.m.a() = static_cast<std::uint8_t>(m.rst55Masked | m.rst65Masked << 1 | m.rst75Masked << 2 |
                                      m.lineValue[kRst55] << 4 | m.lineValue[kRst65] << 5 |
                                      m.lineValue[kRst75] << 6);
}

// Runs the group of the opcode; returns false for HLT.
bool Dispatch(Click& c) {
  const Instruction& in = c.in;
  switch (kGroups[in.opcode]) {
    case Group::Hlt: return false;
    case Group::Mov: Mov(c); break;
    case Group::Mvi: Mvi(c); break;
    case Group::Lxi: Lxi(c); break;
    case Group::Stax: Stax(c); break;
    case Group::Ldax: Ldax(c); break;
    case Group::Shld: Shld(c); break;
    case Group::Lhld: Lhld(c); break;
    case Group::Sta: Sta(c); break;
    case Group::Lda: Lda(c); break;
    case Group::Xchg: Xchg(c); break;
    case Group::Stc: c.m.carry = true; break;
    case Group::Cmc: c.m.carry = !c.m.carry; break;
    case Group::Add: Add(c, c.m.get(SourceCode(in.opcode))); break;
    case Group::AddImmediate: Add(c, in.byte2); break;
    case Group::Sub: Sub(c, c.m.get(SourceCode(in.opcode))); break;
    case Group::SubImmediate: Sub(c, in.byte2); break;
    case Group::Dad: Dad(c); break;
    case Group::Daa: Daa(c); break;
    case Group::Inr: Inr(c); break;
    case Group::Dcr: Dcr(c); break;
    case Group::Inx: Inx(c); break;
    case Group::Dcx: Dcx(c); break;
    case Group::Logical: Logical(c, c.m.get(SourceCode(in.opcode))); break;
    case Group::LogicalImmediate: Logical(c, in.byte2); break;
    case Group::Cmp: Compare(c, c.m.get(SourceCode(in.opcode))); break;
    case Group::Cpi: Compare(c, in.byte2); break;
    case Group::Cma: Cma(c); break;
    case Group::RotateLeft: RotateLeft(c); break;
    case Group::RotateRight: RotateRight(c); break;
    case Group::Jmp: Jmp(c); break;
    case Group::Pchl: Pchl(c); break;
    case Group::JumpIf: if (ConditionHolds(c)) Jmp(c); break;
    case Group::Call: Call(c); break;
    case Group::Ret: Ret(c); break;
    case Group::CallIf: if (ConditionHolds(c)) Call(c); break;
    case Group::ReturnIf: if (ConditionHolds(c)) Ret(c); break;
    case Group::Push: PushGroup(c); break;
    case Group::Pop: PopGroup(c); break;
    case Group::Xthl: Xthl(c); break;
    case Group::Sphl: Sphl(c); break;
    case Group::Sim: Sim(c); break;
    case Group::Rim: Rim(c); break;
    case Group::Rst: Rst(c); break;
    case Group::Out: Out(c); break;
    case Group::In: In(c); break;
    case Group::InterruptEnable: InterruptEnable(c); break;
    case Group::Other: break;  // NOP and the undefined opcodes
  }
  return true;
}

// The common tail: the flags of FlagUpdateMask, then the program counter.
void CommonTail(Click& c) {
  Machine& m = c.m;
  const int mask = c.FlagUpdateMask;
  const int low = c.Result & 0xFF;
  if (mask & kZeroBit) m.zero = low == 0;
  if (mask & kSignBit) m.sign = (low & 0x80) != 0;
  if (mask & kParityBit) m.parity = kParityTable[low];
  if (mask & kCarryBit) m.carry = (c.CarryWord & kCarryBit) != 0;
  if (mask & kAuxCarryBit) m.auxCarry = (c.CarryWord & kAuxCarryBit) != 0;
  m.pc = Wrap(m.pc + c.in.length);
}

}  // namespace

bool EvenParity(std::uint8_t value) { return kParityTable[value]; }

Instruction FetchInstruction(const Machine& machine, std::uint16_t address) {
  Instruction in;
  in.opcode = machine.read(address);
  in.length = InstructionLength(in.opcode);
  if (in.length >= 2) in.byte2 = machine.read(Wrap(address + 1));
  if (in.length == 3) in.byte3 = machine.read(Wrap(address + 2));
  return in;
}

StepEnd ExecuteInstruction(Machine& machine, const Instruction& instruction) {
  Click c{machine, instruction};
  if (!Dispatch(c)) return StepEnd::Halt;
  if (c.transfer) {
    machine.pc = c.target;
    return StepEnd::Transfer;
  }
  CommonTail(c);
  return StepEnd::Tail;
}

}  // namespace parvix
