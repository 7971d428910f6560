// The 8085 opcode tables, indexed by opcode (0 to 255), shared by the keypads,
// the default comments, the disassembly and the watch window.
#pragma once

#include <array>
#include <string>

namespace parvix {

using OpcodeTextTable = std::array<std::string, 256>;

// Instruction texts with their register operands, spacing kept exactly
// ("MOV  B, C", "MVI  C,", "PUSH PSW", "RST 7 "); "-" for undefined opcodes.
const OpcodeTextTable& MnemonicsLUTList();

// Bare mnemonics ("MOV", "MVI", "RST", "RNC "); "-" for undefined opcodes.
const OpcodeTextTable& PartialInstList();

// Default-comment text before the operand name (the whole comment of a
// one-byte instruction); empty for undefined opcodes.
const OpcodeTextTable& BeforeList();

// Default-comment text after the operand name; empty for one-byte opcodes.
// The system's list has 255 entries (00 to FE); entry FF is empty.
const OpcodeTextTable& AfterList();

// Instruction length in bytes (1, 2 or 3) by opcode; undefined opcodes are 1.
int InstructionLength(int opcode);

// True for the ten undefined opcodes 08 10 18 28 38 CB D9 DD ED FD.
bool IsUndefinedOpcode(int opcode);

}  // namespace parvix
