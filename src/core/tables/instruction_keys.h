// The 80 instruction keys of the instruction keypad, by key position: the
// caption (mnemonic), the base opcode (the key's tag) and the operand pattern
// that the key's hover tip names and that decides what the key asks for next.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "editor/entry_states.h"

namespace parvix {

enum class OperandPattern {
  None,          // line complete at once
  Byte,          // "8-Bit Data": a variable
  Port,          // "Port Address": a variable
  Register,      // "Register/Memory"
  MemoryAddress, // "Memory Address": a label
  Label,         // "Label"
  PairOrSp,      // "Register Pair/Stack Pointer"
  LxiPair,       // "Register Pair/Stack Pointer, 16-Bit Data"
  MovRegisters,  // "Register/Memory, Register/Memory"
  PairOrPsw,     // "Register Pair/PSW"
  Number,        // "Number": the restart digit
  Pair,          // "Register Pair": B or D
  MviRegister,   // "Register/Memory, 8-Bit Data"
};

struct InstructionKey {
  std::string_view caption;
  int opcode;  // base opcode
  OperandPattern pattern;
};

constexpr int kInstructionKeyCount = 80;

const std::array<InstructionKey, kInstructionKeyCount>& InstructionKeys();

// The pattern's text as the hover tip shows it; empty for None.
std::string_view PatternText(OperandPattern pattern);

// The key's tooltip: the mnemonic, then a blank and the pattern text if any.
std::string InstructionTooltip(int index);

// The entry state a key of this pattern enters; none when the line
// completes at once.
std::optional<EntryStates> PatternEntryState(OperandPattern pattern);

// Register keys by 8085 register code: B C D E H L M A SP PSW.
constexpr std::array<std::string_view, 10> kRegisterCaptions = {"B", "C", "D", "E", "H",
                                                               "L", "M", "A", "SP", "PSW"};

}  // namespace parvix
