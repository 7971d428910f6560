#include "tables/opcode_tables.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "base/hex_text.h"

namespace parvix {

namespace {

// Everything the tables hold about one opcode.
struct OpcodeEntry {
  std::string text;    // instruction text with its register operands
  std::string bare;    // the bare mnemonic
  std::string before;  // default comment before the operand name
  std::string after;   // default comment after the operand name
  int length = 1;      // 1, 2 or 3 bytes
  bool undefined = false;
};

using OpcodeEntries = std::array<OpcodeEntry, 256>;

// Register names by 8085 register code (bits 0-2, or bits 3-5 for a
// destination): B C D E H L M A.
constexpr std::array<std::string_view, 8> kRegisters = {"B", "C", "D", "E", "H", "L", "M", "A"};
constexpr std::array<std::string_view, 8> kRegisterNames = {
    "B-register", "C-register", "D-register", "E-register",
    "H-register", "L-register", "address pointed by HL-register pair", "Accumulator"};

// Pair names by pair code (bits 4-5): B D H SP, with PSW in place of SP for
// PUSH and POP.
constexpr std::array<std::string_view, 4> kPairs = {"B", "D", "H", "SP"};
constexpr std::array<std::string_view, 4> kStackPairs = {"B", "D", "H", "PSW"};
constexpr std::array<std::string_view, 4> kPairNames = {"BC-register pair", "DE-register pair",
                                                        "HL-register pair", "stack pointer"};
constexpr std::array<std::string_view, 4> kStackPairNames = {
    "BC-register pair", "DE-register pair", "HL-register pair", "Accumulator and flag register"};

// Conditions by condition code (bits 3-5) of Rcc, Jcc and Ccc.
constexpr std::array<std::string_view, 8> kConditions = {"NZ", "Z", "NC", "C", "PO", "PE", "P", "M"};
constexpr std::array<std::string_view, 8> kConditionNames = {
    "no zero", "zero", "no carry", "carry", "odd parity", "even parity", "plus", "minus"};

// The eight operations of the arithmetic and logic group (bits 3-5), for a
// register operand (80 to BF) and for an immediate byte (C6 to FE).
struct AluOperation {
  std::string_view registerMnemonic;
  std::string_view immediateMnemonic;
  std::string_view registerBefore;   // followed by the register name
  std::string_view registerAfter;
  std::string_view immediateBefore;  // followed by the operand name
  std::string_view immediateAfter;
};

constexpr std::array<AluOperation, 8> kAluOperations = {{
    {"ADD", "ADI", "Add content of ", " to content of Accumulator.",
     "Add the equivalent of '", "' to content of Accumulator."},
    {"ADC", "ACI", "Add with carry, content of ", " to content of Accumulator.",
     "Add with carry, the equivalent of '", "' to content of Accumulator."},
    {"SUB", "SUI", "Subtract content of ", " from content of Accumulator.",
     "Subtract the equivalent of '", "' from content of Accumulator."},
    {"SBB", "SBI", "Subtract with borrow, content of ", " from content of Accumulator.",
     "Subtract with borrow, the equivalent of '", "' from content of Accumulator."},
    {"ANA", "ANI", "AND content of ", " with content of Accumulator.",
     "AND the equivalent of '", "' with content of Accumulator."},
    {"XRA", "XRI", "XOR content of ", " with content of Accumulator.",
     "XOR the equivalent of '", "' with content of Accumulator."},
    {"ORA", "ORI", "OR content of ", " with content of Accumulator.",
     "OR the equivalent of '", "' with content of Accumulator."},
    {"CMP", "CPI", "Compare content of ", " with content of Accumulator.",
     "Compare the equivalent of '", "' with content of Accumulator."},
}};

// Opcodes that stand alone: no register field, or an operand that is an
// address or port rather than a register.
struct SingleOpcode {
  int opcode;
  std::string_view mnemonic;
  int length;
  std::string_view before;
  std::string_view after;
};

constexpr std::array<SingleOpcode, 27> kSingleOpcodes = {{
    {0x00, "NOP", 1, "No Operation.", ""},
    {0x07, "RLC", 1, "Rotate Accumulator content left.", ""},
    {0x0F, "RRC", 1, "Rotate Accumulator content right.", ""},
    {0x17, "RAL", 1, "Rotate Accumulator content left through carry flag.", ""},
    {0x1F, "RAR", 1, "Rotate Accumulator content right through carry flag.", ""},
    {0x20, "RIM", 1, "Reset interrupt mask.", ""},
    {0x22, "SHLD", 3, "Store content of HL-register pair in address pointed by '", "'."},
    {0x27, "DAA", 1, "Decimal adjust Accumulator.", ""},
    {0x2A, "LHLD", 3, "Load HL-register pair with content from address pointed by '", "'."},
    {0x2F, "CMA", 1, "Complement content of Accumulator.", ""},
    {0x30, "SIM", 1, "Set interrupt mask.", ""},
    {0x32, "STA", 3, "Store content of Accumulator in address pointed by '", "'."},
    {0x37, "STC", 1, "Set carry flag.", ""},
    {0x3A, "LDA", 3, "Load Accumulator with content from address pointed by '", "'."},
    {0x3F, "CMC", 1, "Complement carry flag.", ""},
    {0x76, "HLT", 1, "Halt program execution.", ""},
    {0xC3, "JMP", 3, "Jump to address pointed by '", "'."},
    {0xC9, "RET", 1, "Return.", ""},
    {0xCD, "CALL", 3, "Call sub-routine pointed by '", "'."},
    {0xD3, "OUT", 2, "Send content of Accumulator to port address pointed by '", "'."},
    {0xDB, "IN", 2, "Receive content from port address pointed by '", "' and store in Accumulator."},
    {0xE3, "XTHL", 1, "Exchange content of HL-register pair with top of stack.", ""},
    {0xE9, "PCHL", 1, "Load program counter with content of HL-register pair.", ""},
    {0xEB, "XCHG", 1, "Exchange content of DE & HL-register pairs.", ""},
    {0xF3, "DI", 1, "Disable interrupts.", ""},
    {0xF9, "SPHL", 1, "Load stack pointer with content of HL-register pair.", ""},
    {0xFB, "EI", 1, "Enable interrupts.", ""},
}};

constexpr std::array<int, 10> kUndefinedOpcodes = {0x08, 0x10, 0x18, 0x28, 0x38,
                                                   0xCB, 0xD9, 0xDD, 0xED, 0xFD};

// Instruction texts that the system stores with one trailing blank.
constexpr std::array<int, 11> kTextsWithTrailingBlank = {0x06, 0x16, 0x26, 0x22, 0x2A, 0x32,
                                                         0x68, 0x80, 0xD0, 0xE3, 0xFF};

std::string Join(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) text += part;
  return text;
}

// Mnemonic, two blanks, operand: "INR  B", "DAD  SP".
std::string WithOperand(std::string_view mnemonic, std::string_view operand) {
  return Join({mnemonic, "  ", operand});
}

void SetEntry(OpcodeEntry& entry, std::string_view bare, std::string text, int length,
              std::string before, std::string after = {}) {
  entry.bare = bare;
  entry.text = std::move(text);
  entry.length = length;
  entry.before = std::move(before);
  entry.after = std::move(after);
}

// The 00 to 3F block apart from its single opcodes: pair instructions in the
// low nibble 1, 3, 9, B, INR, DCR, MVI in the low three bits 4, 5, 6, and
// STAX and LDAX through BC and DE.
void BuildLowBlock(OpcodeEntries& entries) {
  for (int op = 0x00; op <= 0x3F; ++op) {
    OpcodeEntry& e = entries[op];
    const int pair = op >> 4;
    const int reg = (op >> 3) & 7;
    switch (op & 0x0F) {
      case 0x1:
        SetEntry(e, "LXI", WithOperand("LXI", kPairs[pair]) + ",", 3, "Load the equivalent of '",
                 Join({"' into ", kPairNames[pair], "."}));
        continue;
      case 0x3:
        SetEntry(e, "INX", WithOperand("INX", kPairs[pair]), 1,
                 Join({"Increment content of ", kPairNames[pair], "."}));
        continue;
      case 0x9:
        SetEntry(e, "DAD", WithOperand("DAD", kPairs[pair]), 1,
                 Join({"Add content of ", kPairNames[pair], " to content of HL-register pair."}));
        continue;
      case 0xB:
        SetEntry(e, "DCX", WithOperand("DCX", kPairs[pair]), 1,
                 Join({"Decrement content of ", kPairNames[pair], "."}));
        continue;
      default:
        break;
    }
    switch (op & 7) {
      case 4:
        SetEntry(e, "INR", WithOperand("INR", kRegisters[reg]), 1,
                 Join({"Increment content of ", kRegisterNames[reg], "."}));
        break;
      case 5:
        SetEntry(e, "DCR", WithOperand("DCR", kRegisters[reg]), 1,
                 Join({"Decrement content of ", kRegisterNames[reg], "."}));
        break;
      case 6:
        SetEntry(e, "MVI", WithOperand("MVI", kRegisters[reg]) + ",", 2,
                 "Move the equivalent of '", Join({"' into ", kRegisterNames[reg], "."}));
        break;
      default:
        break;
    }
  }
  for (int pair = 0; pair < 2; ++pair) {
    SetEntry(entries[0x02 + 16 * pair], "STAX", WithOperand("STAX", kPairs[pair]), 1,
             Join({"Store content of Accumulator in address pointed by ", kPairNames[pair], "."}));
    SetEntry(entries[0x0A + 16 * pair], "LDAX", WithOperand("LDAX", kPairs[pair]), 1,
             Join({"Load Accumulator with content in address pointed by ", kPairNames[pair], "."}));
  }
}

// 40 to BF: MOV d, s (76 is HLT, set among the single opcodes) and the
// arithmetic and logic group with a register operand.
void BuildRegisterBlocks(OpcodeEntries& entries) {
  for (int op = 0x40; op <= 0x7F; ++op) {
    if (op == 0x76) continue;
    const int dest = (op >> 3) & 7;
    const int source = op & 7;
    SetEntry(entries[op], "MOV", Join({"MOV  ", kRegisters[dest], ", ", kRegisters[source]}), 1,
             Join({"Move content of ", kRegisterNames[source], " into ", kRegisterNames[dest], "."}));
  }
  for (int op = 0x80; op <= 0xBF; ++op) {
    const AluOperation& alu = kAluOperations[(op >> 3) & 7];
    const int reg = op & 7;
    SetEntry(entries[op], alu.registerMnemonic, WithOperand(alu.registerMnemonic, kRegisters[reg]),
             1, Join({alu.registerBefore, kRegisterNames[reg], alu.registerAfter}));
  }
}

// C0 to FF apart from its single opcodes: conditional returns, jumps and
// calls, POP and PUSH, immediate arithmetic and logic, restarts.
void BuildHighBlock(OpcodeEntries& entries) {
  for (int op = 0xC0; op <= 0xFF; ++op) {
    OpcodeEntry& e = entries[op];
    const int code = (op >> 3) & 7;  // condition, operation or restart number
    const int pair = (op >> 4) & 3;
    const std::string_view condition = kConditionNames[code];
    switch (op & 0x0F) {
      case 0x1:
        SetEntry(e, "POP", Join({"POP ", kStackPairs[pair]}), 1,
                 Join({"Load ", kStackPairNames[pair], " with content from top of stack."}));
        continue;
      case 0x5:
        SetEntry(e, "PUSH", Join({"PUSH ", kStackPairs[pair]}), 1,
                 Join({"Store content of ", kStackPairNames[pair], " in top of stack."}));
        continue;
      default:
        break;
    }
    switch (op & 7) {
      case 0: {
        const std::string mnemonic = Join({"R", kConditions[code]});
        SetEntry(e, mnemonic, mnemonic, 1, Join({"Return on ", condition, "."}));
        break;
      }
      case 2: {
        const std::string mnemonic = Join({"J", kConditions[code]});
        SetEntry(e, mnemonic, mnemonic, 3, Join({"Jump on ", condition, ", to address pointed by '"}),
                 "'.");
        break;
      }
      case 4: {
        const std::string mnemonic = Join({"C", kConditions[code]});
        SetEntry(e, mnemonic, mnemonic, 3, Join({"Call on ", condition, ", sub-routine pointed by '"}),
                 "'.");
        break;
      }
      case 6: {
        const AluOperation& alu = kAluOperations[code];
        SetEntry(e, alu.immediateMnemonic, std::string(alu.immediateMnemonic), 2,
                 std::string(alu.immediateBefore), std::string(alu.immediateAfter));
        break;
      }
      case 7: {
        const std::string number(1, static_cast<char>('0' + code));
        SetEntry(e, "RST", "RST " + number, 1,
                 Join({"Restart#", number, " (Call sub-routine at address ", Hex4(8 * code), "H)."}));
        break;
      }
      default:
        break;
    }
  }
}

const OpcodeEntries& Entries() {
  static const OpcodeEntries entries = [] {
    OpcodeEntries built;
    BuildLowBlock(built);
    BuildRegisterBlocks(built);
    BuildHighBlock(built);
    for (const SingleOpcode& single : kSingleOpcodes) {
      SetEntry(built[single.opcode], single.mnemonic, std::string(single.mnemonic), single.length,
               std::string(single.before), std::string(single.after));
    }
    for (int op : kUndefinedOpcodes) {
      OpcodeEntry& e = built[op];
      e = OpcodeEntry{};
      e.text = "-";
      e.bare = "-";
      e.undefined = true;
    }
    // Texts as the system stores them, trailing blanks and slips included.
    for (int op : kTextsWithTrailingBlank) built[op].text += ' ';
    built[0xD0].bare += ' ';
    built[0x9E].before =
        "Subtract with borrow, content pointed by HL-register pair from content of Accumulator.";
    built[0xF2].before = "Jump on plus, to address pointd by '";
    // The system's after-list stops at FE; FF (RST 7) has no operand anyway.
    built[0xFF].after.clear();
    return built;
  }();
  return entries;
}

template <typename Field>
OpcodeTextTable MakeTable(Field field) {
  OpcodeTextTable table;
  const OpcodeEntries& entries = Entries();
  for (size_t op = 0; op < table.size(); ++op) table[op] = entries[op].*field;
  return table;
}

bool IsOpcode(int opcode) { return opcode >= 0 && opcode <= 0xFF; }

}  // namespace

const OpcodeTextTable& MnemonicsLUTList() {
  static const OpcodeTextTable table = MakeTable(&OpcodeEntry::text);
  return table;
}

const OpcodeTextTable& PartialInstList() {
  static const OpcodeTextTable table = MakeTable(&OpcodeEntry::bare);
  return table;
}

const OpcodeTextTable& BeforeList() {
  static const OpcodeTextTable table = MakeTable(&OpcodeEntry::before);
  return table;
}

const OpcodeTextTable& AfterList() {
  static const OpcodeTextTable table = MakeTable(&OpcodeEntry::after);
  return table;
}

int InstructionLength(int opcode) {
  return IsOpcode(opcode) ? Entries()[static_cast<size_t>(opcode)].length : 1;
}

bool IsUndefinedOpcode(int opcode) {
  return IsOpcode(opcode) && Entries()[static_cast<size_t>(opcode)].undefined;
}

}  // namespace parvix
