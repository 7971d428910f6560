// Checks the opcode tables against the system's texts and the rules they
// follow: instruction texts, bare mnemonics, default comments and lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "tables/instruction_keys.h"
#include "tables/opcode_tables.h"

namespace parvix {
namespace {

const std::set<int> kUndefined = {0x08, 0x10, 0x18, 0x28, 0x38, 0xCB, 0xD9, 0xDD, 0xED, 0xFD};
const std::set<int> kTrailingBlank = {0x06, 0x16, 0x26, 0x22, 0x2A, 0x32,
                                      0x68, 0x80, 0xD0, 0xE3, 0xFF};
const char* const kReg[] = {"B", "C", "D", "E", "H", "L", "M", "A"};

std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The comment a line gets: the before-text alone for one byte, else the
// before-text, the operand name and the after-text.
std::string Comment(int op, const std::string& name = {}) {
  if (InstructionLength(op) == 1) return BeforeList()[op];
  return BeforeList()[op] + name + AfterList()[op];
}

TEST(OpcodeTables, UndefinedOpcodesAreDashesWithoutComment) {
  for (int op = 0; op < 256; ++op) {
    SCOPED_TRACE(op);
    const bool undefined = kUndefined.count(op) > 0;
    EXPECT_EQ(IsUndefinedOpcode(op), undefined);
    EXPECT_EQ(MnemonicsLUTList()[op] == "-", undefined);
    EXPECT_EQ(PartialInstList()[op] == "-", undefined);
    EXPECT_EQ(BeforeList()[op].empty(), undefined);
    if (undefined) {
      EXPECT_EQ(InstructionLength(op), 1);
      EXPECT_EQ(AfterList()[op], "");
    }
  }
  EXPECT_FALSE(IsUndefinedOpcode(-1));
  EXPECT_FALSE(IsUndefinedOpcode(256));
  EXPECT_EQ(InstructionLength(-1), 1);
  EXPECT_EQ(InstructionLength(0x1CD), 1);
}

TEST(OpcodeTables, OnlyTheElevenListedTextsEndInOneBlank) {
  for (int op = 0; op < 256; ++op) {
    SCOPED_TRACE(op);
    const std::string& text = MnemonicsLUTList()[op];
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.front(), ' ');
    EXPECT_EQ(text.back() == ' ', kTrailingBlank.count(op) > 0);
    EXPECT_EQ(text.find("   "), std::string::npos);
    if (text.back() == ' ') {
      EXPECT_NE(text[text.size() - 2], ' ');
    }
    EXPECT_EQ(PartialInstList()[op].back() == ' ', op == 0xD0);
  }
}

TEST(OpcodeTables, InstructionTextExamples) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0x00, "NOP"},      {0xC6, "ADI"},        {0xC3, "JMP"},      {0xCD, "CALL"},
      {0x3A, "LDA"},      {0xDB, "IN"},         {0xD3, "OUT"},      {0x20, "RIM"},
      {0x30, "SIM"},      {0x04, "INR  B"},     {0x35, "DCR  M"},   {0x81, "ADD  C"},
      {0x0A, "LDAX  B"},  {0x12, "STAX  D"},    {0x33, "INX  SP"},  {0x29, "DAD  H"},
      {0x41, "MOV  B, C"}, {0x76, "HLT"},       {0x0E, "MVI  C,"},  {0x31, "LXI  SP,"},
      {0x01, "LXI  B,"},  {0x3E, "MVI  A,"},    {0xC5, "PUSH B"},   {0xF1, "POP PSW"},
      {0xF5, "PUSH PSW"}, {0xC7, "RST 0"},      {0xEF, "RST 5"},    {0x06, "MVI  B, "},
      {0x16, "MVI  D, "}, {0x26, "MVI  H, "},   {0x22, "SHLD "},    {0x2A, "LHLD "},
      {0x32, "STA "},     {0x68, "MOV  L, B "}, {0x80, "ADD  B "},  {0xD0, "RNC "},
      {0xE3, "XTHL "},    {0xFF, "RST 7 "},     {0xFA, "JM"},       {0xE4, "CPO"},
      {0xC8, "RZ"},       {0x1B, "DCX  D"},     {0x9E, "SBB  M"},   {0xBF, "CMP  A"},
  };
  for (const auto& [op, text] : cases) EXPECT_EQ(MnemonicsLUTList()[op], text) << op;
}

TEST(OpcodeTables, MovTextsFollowDestinationThenSource) {
  for (int d = 0; d < 8; ++d) {
    for (int s = 0; s < 8; ++s) {
      const int op = 0x40 + 8 * d + s;
      if (op == 0x76) continue;
      std::string expected = std::string("MOV  ") + kReg[d] + ", " + kReg[s];
      if (op == 0x68) expected += ' ';
      EXPECT_EQ(MnemonicsLUTList()[op], expected) << op;
      EXPECT_EQ(PartialInstList()[op], "MOV") << op;
    }
  }
  EXPECT_EQ(PartialInstList()[0x76], "HLT");
}

TEST(OpcodeTables, RegisterFieldFamilies) {
  struct Family {
    const char* mnemonic;
    int base;
    int step;
    const char* suffix;
  };
  const Family families[] = {{"INR", 0x04, 8, ""}, {"DCR", 0x05, 8, ""}, {"MVI", 0x06, 8, ","},
                             {"ADD", 0x80, 1, ""}, {"ADC", 0x88, 1, ""}, {"SUB", 0x90, 1, ""},
                             {"SBB", 0x98, 1, ""}, {"ANA", 0xA0, 1, ""}, {"XRA", 0xA8, 1, ""},
                             {"ORA", 0xB0, 1, ""}, {"CMP", 0xB8, 1, ""}};
  for (const Family& f : families) {
    for (int r = 0; r < 8; ++r) {
      const int op = f.base + f.step * r;
      std::string expected = std::string(f.mnemonic) + "  " + kReg[r] + f.suffix;
      if (kTrailingBlank.count(op)) expected += ' ';
      EXPECT_EQ(MnemonicsLUTList()[op], expected) << op;
      EXPECT_EQ(PartialInstList()[op], f.mnemonic) << op;
    }
  }
}

// Every bare mnemonic names an instruction key, every key's base opcode
// gives back its caption, and the length agrees with what the key asks for.
TEST(OpcodeTables, AgreeWithTheInstructionKeys) {
  std::set<std::string> captions;
  for (const InstructionKey& key : InstructionKeys()) {
    captions.insert(std::string(key.caption));
    SCOPED_TRACE(std::string(key.caption));
    EXPECT_EQ(Trimmed(PartialInstList()[key.opcode]), key.caption);
    int length = 1;
    switch (key.pattern) {
      case OperandPattern::Byte:
      case OperandPattern::Port:
      case OperandPattern::MviRegister: length = 2; break;
      case OperandPattern::MemoryAddress:
      case OperandPattern::Label:
      case OperandPattern::LxiPair: length = 3; break;
      default: break;
    }
    EXPECT_EQ(InstructionLength(key.opcode), length);
  }
  for (int op = 0; op < 256; ++op) {
    if (IsUndefinedOpcode(op)) continue;
    const std::string bare = Trimmed(PartialInstList()[op]);
    EXPECT_TRUE(captions.count(bare)) << op;
    EXPECT_EQ(MnemonicsLUTList()[op].rfind(bare, 0), 0u) << op;
  }
}

TEST(OpcodeTables, OperandLengths) {
  const std::set<int> two = {0x06, 0x0E, 0x16, 0x1E, 0x26, 0x2E, 0x36, 0x3E, 0xC6, 0xCE,
                             0xD6, 0xDE, 0xE6, 0xEE, 0xF6, 0xFE, 0xD3, 0xDB};
  const std::set<int> three = {0x01, 0x11, 0x21, 0x31, 0x22, 0x2A, 0x32, 0x3A, 0xC2,
                               0xC3, 0xC4, 0xCA, 0xCC, 0xCD, 0xD2, 0xD4, 0xDA, 0xDC,
                               0xE2, 0xE4, 0xEA, 0xEC, 0xF2, 0xF4, 0xFA, 0xFC};
  for (int op = 0; op < 256; ++op) {
    const int expected = two.count(op) ? 2 : three.count(op) ? 3 : 1;
    EXPECT_EQ(InstructionLength(op), expected) << op;
  }
}

// Multi-byte instructions quote their operand name between the two texts;
// one-byte instructions have their whole comment before.
TEST(OpcodeTables, CommentShapeFollowsLength) {
  for (int op = 0; op < 256; ++op) {
    SCOPED_TRACE(op);
    const std::string& before = BeforeList()[op];
    const std::string& after = AfterList()[op];
    if (IsUndefinedOpcode(op)) continue;
    if (InstructionLength(op) == 1) {
      EXPECT_EQ(after, "");
      EXPECT_EQ(before.back(), '.');
      EXPECT_EQ(before.find('\''), std::string::npos);
    } else {
      EXPECT_EQ(before.back(), '\'');
      EXPECT_EQ(after.front(), '\'');
      EXPECT_EQ(after.back(), '.');
    }
  }
  EXPECT_EQ(AfterList()[0xFF], "");
}

TEST(OpcodeTables, FullDefaultComments) {
  struct Case {
    int op;
    const char* name;
    const char* comment;
  };
  const Case cases[] = {
      {0x21, "table", "Load the equivalent of 'table' into HL-register pair."},
      {0xDF, "", "Restart#3 (Call sub-routine at address 0018H)."},
      {0xC7, "", "Restart#0 (Call sub-routine at address 0000H)."},
      {0xFF, "", "Restart#7 (Call sub-routine at address 0038H)."},
      {0x9E, "", "Subtract with borrow, content pointed by HL-register pair from content of Accumulator."},
      {0x9F, "", "Subtract with borrow, content of Accumulator from content of Accumulator."},
      {0xF2, "go", "Jump on plus, to address pointd by 'go'."},
      {0xFA, "go", "Jump on minus, to address pointed by 'go'."},
      {0xD4, "sub", "Call on no carry, sub-routine pointed by 'sub'."},
      {0xE8, "", "Return on even parity."},
      {0xC9, "", "Return."},
      {0x00, "", "No Operation."},
      {0x7E, "", "Move content of address pointed by HL-register pair into Accumulator."},
      {0x47, "", "Move content of Accumulator into B-register."},
      {0x34, "", "Increment content of address pointed by HL-register pair."},
      {0x3E, "v0", "Move the equivalent of 'v0' into Accumulator."},
      {0x1A, "", "Load Accumulator with content in address pointed by DE-register pair."},
      {0x02, "", "Store content of Accumulator in address pointed by BC-register pair."},
      {0x39, "", "Add content of stack pointer to content of HL-register pair."},
      {0xF5, "", "Store content of Accumulator and flag register in top of stack."},
      {0xC1, "", "Load BC-register pair with content from top of stack."},
      {0xAE, "", "XOR content of address pointed by HL-register pair with content of Accumulator."},
      {0x8A, "", "Add with carry, content of D-register to content of Accumulator."},
      {0xDE, "n", "Subtract with borrow, the equivalent of 'n' from content of Accumulator."},
      {0xFE, "n", "Compare the equivalent of 'n' with content of Accumulator."},
      {0xDB, "p", "Receive content from port address pointed by 'p' and store in Accumulator."},
      {0xD3, "p", "Send content of Accumulator to port address pointed by 'p'."},
      {0x2A, "w", "Load HL-register pair with content from address pointed by 'w'."},
      {0xCD, "f", "Call sub-routine pointed by 'f'."},
      {0xEB, "", "Exchange content of DE & HL-register pairs."},
  };
  for (const Case& c : cases) EXPECT_EQ(Comment(c.op, c.name), c.comment) << c.op;
}

TEST(OpcodeTables, ConditionsInOpcodeOrder) {
  const char* const names[] = {"no zero", "zero",        "no carry", "carry",
                               "odd parity", "even parity", "plus",     "minus"};
  for (int c = 0; c < 8; ++c) {
    const std::string cond = names[c];
    EXPECT_EQ(BeforeList()[0xC0 + 8 * c], "Return on " + cond + ".");
    EXPECT_EQ(BeforeList()[0xC4 + 8 * c], "Call on " + cond + ", sub-routine pointed by '");
    if (0xC2 + 8 * c != 0xF2) {
      EXPECT_EQ(BeforeList()[0xC2 + 8 * c], "Jump on " + cond + ", to address pointed by '");
    }
  }
}

}  // namespace
}  // namespace parvix
