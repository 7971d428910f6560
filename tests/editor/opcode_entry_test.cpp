// Every defined 8085 opcode keyed on the keypads. The expected instruction
// text, code text and default comment are worked out here from the opcode's
// bit fields and the keypads' text rules, independently of the opcode tables
// that the editor uses.
#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <sstream>
#include <vector>

#include "support/session_fixture.h"

namespace parvix::testing {
namespace {

std::string HexByte(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", value);
  return text;
}

// What keying one opcode takes and gives.
struct Keying {
  std::string key;             // caption of the instruction key
  std::vector<int> registers;  // register keys clicked after it
  int restart = -1;            // restart digit, or -1
  std::string text;            // the Mnemonic cell afterwards
  EntryStates state = ProgramState;  // the entry state afterwards (a name operand awaits)
  int length = 1;              // instruction length in bytes
  std::string before, after;   // default comment around the operand name
};

const char* const kReg[8] = {"B", "C", "D", "E", "H", "L", "M", "A"};
std::string RegName(int r) {
  if (r == 6) return "address pointed by HL-register pair";
  if (r == 7) return "Accumulator";
  return std::string(kReg[r]) + "-register";
}
const int kPairKey[4] = {0, 2, 4, 8};       // B D H SP
const int kStackPairKey[4] = {0, 2, 4, 9};  // B D H PSW
const char* const kPair[4] = {"B", "D", "H", "SP"};
const char* const kStackPair[4] = {"B", "D", "H", "PSW"};
const char* const kPairName[4] = {"BC-register pair", "DE-register pair", "HL-register pair",
                                  "stack pointer"};
const char* const kStackPairName[4] = {"BC-register pair", "DE-register pair", "HL-register pair",
                                       "Accumulator and flag register"};
const char* const kCond[8] = {"NZ", "Z", "NC", "C", "PO", "PE", "P", "M"};
const char* const kCondName[8] = {"no zero",    "zero",        "no carry", "carry",
                                  "odd parity", "even parity", "plus",     "minus"};

Keying Plain(std::string key, std::string comment) {
  Keying k;
  k.text = key;
  k.key = std::move(key);
  k.before = std::move(comment);
  return k;
}

Keying Named(std::string key, EntryStates state, int length, std::string before,
             std::string after) {
  Keying k;
  k.text = key;
  k.key = std::move(key);
  k.state = state;
  k.length = length;
  k.before = std::move(before);
  k.after = std::move(after);
  return k;
}

Keying WithRegister(std::string key, int reg, const std::string& caption, std::string comment) {
  Keying k;
  k.text = key + "  " + caption;
  k.key = std::move(key);
  k.registers = {reg};
  k.before = std::move(comment);
  return k;
}

std::optional<Keying> Decode(int op) {
  for (int undefined : {0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD}) {
    if (op == undefined) return std::nullopt;
  }
  const int low3 = op & 7, mid3 = (op >> 3) & 7, low4 = op & 0xF, pair = (op >> 4) & 3;

  if (op == 0x76) return Plain("HLT", "Halt program execution.");
  if (op >= 0x40 && op < 0x80) {
    Keying k;
    k.key = "MOV";
    k.registers = {mid3, low3};
    k.text = std::string("MOV  ") + kReg[mid3] + ",  " + kReg[low3];
    k.before = "Move content of " + RegName(low3) + " into " + RegName(mid3) + ".";
    return k;
  }
  if (op >= 0x80 && op < 0xC0) {
    const char* keys[8] = {"ADD", "ADC", "SUB", "SBB", "ANA", "XRA", "ORA", "CMP"};
    const char* lead[8] = {"Add content of ",      "Add with carry, content of ",
                           "Subtract content of ", "Subtract with borrow, content of ",
                           "AND content of ",      "XOR content of ",
                           "OR content of ",       "Compare content of "};
    const char* tail[8] = {" to content of Accumulator.",   " to content of Accumulator.",
                           " from content of Accumulator.", " from content of Accumulator.",
                           " with content of Accumulator.", " with content of Accumulator.",
                           " with content of Accumulator.", " with content of Accumulator."};
    std::string comment = lead[mid3] + RegName(low3) + tail[mid3];
    // One of the two rows that depart from the rules.
    if (op == 0x9E) {
      comment =
          "Subtract with borrow, content pointed by HL-register pair from content of Accumulator.";
    }
    return WithRegister(keys[mid3], low3, kReg[low3], comment);
  }
  if (op < 0x40) {
    if (low3 == 4)
      return WithRegister("INR", mid3, kReg[mid3], "Increment content of " + RegName(mid3) + ".");
    if (low3 == 5)
      return WithRegister("DCR", mid3, kReg[mid3], "Decrement content of " + RegName(mid3) + ".");
    if (low3 == 6) {
      Keying k = Named("MVI", MviByteState, 2, "Move the equivalent of '",
                       "' into " + RegName(mid3) + ".");
      k.registers = {mid3};
      k.text = std::string("MVI  ") + kReg[mid3] + ",";
      return k;
    }
    if (low4 == 1) {
      Keying k = Named("LXI", LxiLabelState, 3, "Load the equivalent of '",
                       std::string("' into ") + kPairName[pair] + ".");
      k.registers = {kPairKey[pair]};
      k.text = std::string("LXI  ") + kPair[pair] + ",";
      return k;
    }
    if (low4 == 3) {
      return WithRegister("INX", kPairKey[pair], kPair[pair],
                          std::string("Increment content of ") + kPairName[pair] + ".");
    }
    if (low4 == 0xB) {
      return WithRegister("DCX", kPairKey[pair], kPair[pair],
                          std::string("Decrement content of ") + kPairName[pair] + ".");
    }
    if (low4 == 9) {
      return WithRegister(
          "DAD", kPairKey[pair], kPair[pair],
          std::string("Add content of ") + kPairName[pair] + " to content of HL-register pair.");
    }
    switch (op) {
      case 0x02:
      case 0x12:
        return WithRegister("STAX", kPairKey[pair], kPair[pair],
                            std::string("Store content of Accumulator in address pointed by ") +
                                kPairName[pair] + ".");
      case 0x0A:
      case 0x1A:
        return WithRegister("LDAX", kPairKey[pair], kPair[pair],
                            std::string("Load Accumulator with content in address pointed by ") +
                                kPairName[pair] + ".");
      case 0x22:
        return Named("SHLD", LabelState, 3,
                     "Store content of HL-register pair in address pointed by '", "'.");
      case 0x2A:
        return Named("LHLD", LabelState, 3,
                     "Load HL-register pair with content from address pointed by '", "'.");
      case 0x32:
        return Named("STA", LabelState, 3, "Store content of Accumulator in address pointed by '",
                     "'.");
      case 0x3A:
        return Named("LDA", LabelState, 3,
                     "Load Accumulator with content from address pointed by '", "'.");
      case 0x00:
        return Plain("NOP", "No Operation.");
      case 0x07:
        return Plain("RLC", "Rotate Accumulator content left.");
      case 0x0F:
        return Plain("RRC", "Rotate Accumulator content right.");
      case 0x17:
        return Plain("RAL", "Rotate Accumulator content left through carry flag.");
      case 0x1F:
        return Plain("RAR", "Rotate Accumulator content right through carry flag.");
      case 0x20:
        return Plain("RIM", "Reset interrupt mask.");
      case 0x30:
        return Plain("SIM", "Set interrupt mask.");
      case 0x27:
        return Plain("DAA", "Decimal adjust Accumulator.");
      case 0x2F:
        return Plain("CMA", "Complement content of Accumulator.");
      case 0x37:
        return Plain("STC", "Set carry flag.");
      case 0x3F:
        return Plain("CMC", "Complement carry flag.");
      default:
        break;
    }
    ADD_FAILURE() << "no rule for " << HexByte(op);
    return std::nullopt;
  }
  // C0 to FF.
  switch (op) {
    case 0xC3:
      return Named("JMP", LabelState, 3, "Jump to address pointed by '", "'.");
    case 0xCD:
      return Named("CALL", LabelState, 3, "Call sub-routine pointed by '", "'.");
    case 0xC9:
      return Plain("RET", "Return.");
    case 0xD3:
      return Named("OUT", ByteState, 2, "Send content of Accumulator to port address pointed by '",
                   "'.");
    case 0xDB:
      return Named("IN", ByteState, 2, "Receive content from port address pointed by '",
                   "' and store in Accumulator.");
    case 0xE3:
      return Plain("XTHL", "Exchange content of HL-register pair with top of stack.");
    case 0xE9:
      return Plain("PCHL", "Load program counter with content of HL-register pair.");
    case 0xEB:
      return Plain("XCHG", "Exchange content of DE & HL-register pairs.");
    case 0xF3:
      return Plain("DI", "Disable interrupts.");
    case 0xF9:
      return Plain("SPHL", "Load stack pointer with content of HL-register pair.");
    case 0xFB:
      return Plain("EI", "Enable interrupts.");
    default:
      break;
  }
  if (low3 == 0)
    return Plain(std::string("R") + kCond[mid3], std::string("Return on ") + kCondName[mid3] + ".");
  if (low3 == 2) {
    // F2 is the other row that departs from the rules.
    std::string before =
        op == 0xF2 ? "Jump on plus, to address pointd by '"
                   : std::string("Jump on ") + kCondName[mid3] + ", to address pointed by '";
    return Named(std::string("J") + kCond[mid3], LabelState, 3, before, "'.");
  }
  if (low3 == 4) {
    return Named(std::string("C") + kCond[mid3], LabelState, 3,
                 std::string("Call on ") + kCondName[mid3] + ", sub-routine pointed by '", "'.");
  }
  if (low3 == 6) {
    const char* keys[8] = {"ADI", "ACI", "SUI", "SBI", "ANI", "XRI", "ORI", "CPI"};
    const char* lead[8] = {
        "Add the equivalent of '",      "Add with carry, the equivalent of '",
        "Subtract the equivalent of '", "Subtract with borrow, the equivalent of '",
        "AND the equivalent of '",      "XOR the equivalent of '",
        "OR the equivalent of '",       "Compare the equivalent of '"};
    const char* tail = mid3 < 2   ? "' to content of Accumulator."
                       : mid3 < 4 ? "' from content of Accumulator."
                                  : "' with content of Accumulator.";
    return Named(keys[mid3], ByteState, 2, lead[mid3], tail);
  }
  if (low3 == 7) {
    Keying k = Plain("RST", "");
    k.restart = mid3;
    k.text = "RST " + std::to_string(mid3);
    char address[8];
    std::snprintf(address, sizeof address, "%04X", 8 * mid3);
    k.before =
        "Restart#" + std::to_string(mid3) + " (Call sub-routine at address " + address + "H).";
    return k;
  }
  if (low4 == 1) {
    return WithRegister(
        "POP", kStackPairKey[pair], kStackPair[pair],
        std::string("Load ") + kStackPairName[pair] + " with content from top of stack.");
  }
  if (low4 == 5) {
    return WithRegister(
        "PUSH", kStackPairKey[pair], kStackPair[pair],
        std::string("Store content of ") + kStackPairName[pair] + " in top of stack.");
  }
  ADD_FAILURE() << "no rule for " << HexByte(op);
  return std::nullopt;
}

std::vector<int> DefinedOpcodes() {
  std::vector<int> ops;
  for (int op = 0; op < 256; ++op) {
    if (Decode(op)) ops.push_back(op);
  }
  return ops;
}

class OpcodeEntryTest : public SessionTest, public ::testing::WithParamInterface<int> {
 protected:
  int KeyIndex(const std::string& caption) {
    for (int i = 0; i < kInstructionKeyCount; ++i) {
      if (w.Instructions.INST[i].text == caption) return i;
    }
    return -1;
  }
};

TEST_P(OpcodeEntryTest, KeysGiveTextCodeAndComment) {
  const int op = GetParam();
  const Keying k = *Decode(op);
  const int row = w.CursorRow;

  const int key = KeyIndex(k.key);
  ASSERT_GE(key, 0) << "no key " << k.key;
  w.Instructions.INST_Click(key);
  for (int reg : k.registers) {
    ASSERT_TRUE(w.Registers.RegisterBox.visible);
    ASSERT_TRUE(w.Registers.REG[reg].enabled) << "register key " << reg;
    w.Registers.REG_Click(reg);
  }
  if (k.restart >= 0) {
    ASSERT_EQ(w.EntryState, RstState);
    ASSERT_TRUE(w.Numbers.NUM[k.restart].enabled);
    w.Numbers.NUM_Click(k.restart);
  }

  EXPECT_EQ(w.Table1.Text(row, kMnemonicColumn), k.text);
  EXPECT_EQ(w.Table1.Text(row, kOpcodeColumn), HexByte(op));
  EXPECT_EQ(w.EntryState, k.state);
  if (k.state == ProgramState) {
    EXPECT_EQ(w.Table1.Text(row, kCommentColumn), k.before);
    EXPECT_EQ(w.CursorRow, row + 1);
    EXPECT_FALSE(w.SavedLineFlag);
    return;
  }

  // A name operand follows: the line waits on the same row.
  EXPECT_EQ(w.CursorRow, row);
  EXPECT_TRUE(w.SavedLineFlag);
  // The default comment once the operand panel has written the name's placeholders.
  std::string code = HexByte(op);
  for (int b = 1; b < k.length; ++b) code += "   XX";
  w.Table1.SetText(row, kOpcodeColumn, code);
  w.StringTable.SetText(row, 0, "count");
  w.ApplyDefaultComment(row);
  EXPECT_EQ(w.Table1.Text(row, kCommentColumn), k.before + "count" + k.after);
}

INSTANTIATE_TEST_SUITE_P(AllDefined, OpcodeEntryTest, ::testing::ValuesIn(DefinedOpcodes()),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Op" + HexByte(info.param);
                         });

TEST(OpcodeEntryCoverage, EveryDefinedOpcodeHasAKeying) {
  EXPECT_EQ(DefinedOpcodes().size(), 246u);
}

// The instruction keys, by operand pattern: "index caption base-opcode".
struct KeyGroup {
  const char* pattern;  // hover text after the mnemonic
  std::optional<EntryStates> state;  // none: the line completes at once
  bool opcodeWritten;   // the Opcode cell shows the base opcode at the click
  const char* keys;
};
const KeyGroup kKeyGroups[] = {
    {"", std::nullopt, true,
     "9 XCHG EB, 19 DAA 27, 30 CMA 2F, 31 RLC 07, 32 RRC 0F, 33 RAL 17, 34 RAR 1F, 42 PCHL E9, "
     "58 RET C9, 59 RPO E0, 60 RPE E8, 61 RNZ C0, 62 RZ C8, 63 RC D8, 64 RNC D0, 65 RP F0, "
     "66 RM F8, 70 XTHL E3, 71 SPHL F9, 72 DI F3, 73 EI FB, 74 RIM 20, 75 SIM 30, 76 STC 37, "
     "77 CMC 3F, 78 NOP 00, 79 HLT 76"},
    {"8-Bit Data", ByteState, true,
     "15 ADI C6, 16 ACI CE, 17 SUI D6, 18 SBI DE, 27 ANI E6, 28 XRI EE, 29 ORI F6, 36 CPI FE"},
    {"Port Address", ByteState, true, "47 IN DB, 48 OUT D3"},
    {"Register/Memory", RegisterState, false,
     "10 ADD 80, 11 ADC 88, 12 SUB 90, 13 SBB 98, 20 DCR 05, 22 INR 04, 24 ANA A0, 25 XRA A8, "
     "26 ORA B0, 35 CMP B8"},
    {"Memory Address", LabelState, true, "4 LHLD 2A, 5 LDA 3A, 6 STA 32, 8 SHLD 22"},
    {"Label", LabelState, true,
     "37 JMP C3, 38 JPO E2, 39 JNZ C2, 40 JC DA, 41 JP F2, 43 JPE EA, 44 JZ CA, 45 JNC D2, "
     "46 JM FA, 49 CALL CD, 50 CPO E4, 51 CPE EC, 52 CNZ C4, 53 CZ CC, 54 CC DC, 55 CNC D4, "
     "56 CP F4, 57 CM FC"},
    {"Register Pair/Stack Pointer", PairState, false, "14 DAD 09, 21 DCX 0B, 23 INX 03"},
    {"Register Pair/Stack Pointer, 16-Bit Data", LxiPairState, false, "2 LXI 01"},
    {"Register/Memory, Register/Memory", MovDestState, false, "0 MOV 40"},
    {"Register Pair/PSW", StackPairState, false, "68 PUSH C5, 69 POP C1"},
    {"Number", RstState, false, "67 RST C7"},
    {"Register Pair", LdaxPairState, false, "3 LDAX 0A, 7 STAX 02"},
    {"Register/Memory, 8-Bit Data", MviRegisterState, false, "1 MVI 06"},
};

class InstructionKeyTest : public SessionTest {};

TEST_F(InstructionKeyTest, EveryKeyHasItsCaptionOpcodePatternAndNextState) {
  int seen = 0;
  for (const KeyGroup& group : kKeyGroups) {
    std::stringstream list(group.keys);
    std::string item;
    while (std::getline(list, item, ',')) {
      std::stringstream fields(item);
      int index = -1;
      std::string caption, opcode;
      fields >> index >> caption >> opcode;
      SCOPED_TRACE(item);
      ++seen;
      ASSERT_TRUE(index >= 0 && index < kInstructionKeyCount);
      EXPECT_EQ(w.Instructions.INST[index].text, caption);
      EXPECT_EQ(w.InstTable[index].first, caption);
      EXPECT_EQ(w.InstTable[index].second, group.pattern[0] == '\0'
                                               ? std::string(" ")
                                               : " " + std::string(group.pattern) + " ");

      const int row = w.CursorRow;
      w.Instructions.INST_Click(index);
      EXPECT_EQ(w.Table1.Text(row, kMnemonicColumn), caption);
      EXPECT_EQ(HexByte(w.CurrentOpcode), opcode);
      EXPECT_EQ(w.Table1.Text(row, kOpcodeColumn), group.opcodeWritten ? opcode : "");
      if (!group.state) {
        EXPECT_EQ(w.EntryState, ProgramState);
        EXPECT_EQ(w.CursorRow, row + 1);
      } else {
        EXPECT_EQ(w.EntryState, *group.state);
        EXPECT_EQ(w.CursorRow, row);
        w.TableCancelButton_Click();
      }
    }
  }
  EXPECT_EQ(seen, kInstructionKeyCount);
}

}  // namespace
}  // namespace parvix::testing
