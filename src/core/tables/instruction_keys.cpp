#include "tables/instruction_keys.h"

namespace parvix {

namespace {
using P = OperandPattern;
constexpr std::array<InstructionKey, kInstructionKeyCount> kKeys = {{
    {"MOV", 0x40, P::MovRegisters}, {"MVI", 0x06, P::MviRegister}, {"LXI", 0x01, P::LxiPair},
    {"LDAX", 0x0A, P::Pair},        {"LHLD", 0x2A, P::MemoryAddress},
    {"LDA", 0x3A, P::MemoryAddress}, {"STA", 0x32, P::MemoryAddress}, {"STAX", 0x02, P::Pair},
    {"SHLD", 0x22, P::MemoryAddress}, {"XCHG", 0xEB, P::None},
    {"ADD", 0x80, P::Register},     {"ADC", 0x88, P::Register},     {"SUB", 0x90, P::Register},
    {"SBB", 0x98, P::Register},     {"DAD", 0x09, P::PairOrSp},     {"ADI", 0xC6, P::Byte},
    {"ACI", 0xCE, P::Byte},         {"SUI", 0xD6, P::Byte},         {"SBI", 0xDE, P::Byte},
    {"DAA", 0x27, P::None},         {"DCR", 0x05, P::Register},     {"DCX", 0x0B, P::PairOrSp},
    {"INR", 0x04, P::Register},     {"INX", 0x03, P::PairOrSp},     {"ANA", 0xA0, P::Register},
    {"XRA", 0xA8, P::Register},     {"ORA", 0xB0, P::Register},     {"ANI", 0xE6, P::Byte},
    {"XRI", 0xEE, P::Byte},         {"ORI", 0xF6, P::Byte},         {"CMA", 0x2F, P::None},
    {"RLC", 0x07, P::None},         {"RRC", 0x0F, P::None},         {"RAL", 0x17, P::None},
    {"RAR", 0x1F, P::None},         {"CMP", 0xB8, P::Register},     {"CPI", 0xFE, P::Byte},
    {"JMP", 0xC3, P::Label},        {"JPO", 0xE2, P::Label},        {"JNZ", 0xC2, P::Label},
    {"JC", 0xDA, P::Label},         {"JP", 0xF2, P::Label},         {"PCHL", 0xE9, P::None},
    {"JPE", 0xEA, P::Label},        {"JZ", 0xCA, P::Label},         {"JNC", 0xD2, P::Label},
    {"JM", 0xFA, P::Label},         {"IN", 0xDB, P::Port},          {"OUT", 0xD3, P::Port},
    {"CALL", 0xCD, P::Label},       {"CPO", 0xE4, P::Label},        {"CPE", 0xEC, P::Label},
    {"CNZ", 0xC4, P::Label},        {"CZ", 0xCC, P::Label},         {"CC", 0xDC, P::Label},
    {"CNC", 0xD4, P::Label},        {"CP", 0xF4, P::Label},         {"CM", 0xFC, P::Label},
    {"RET", 0xC9, P::None},         {"RPO", 0xE0, P::None},         {"RPE", 0xE8, P::None},
    {"RNZ", 0xC0, P::None},         {"RZ", 0xC8, P::None},          {"RC", 0xD8, P::None},
    {"RNC", 0xD0, P::None},         {"RP", 0xF0, P::None},          {"RM", 0xF8, P::None},
    {"RST", 0xC7, P::Number},       {"PUSH", 0xC5, P::PairOrPsw},   {"POP", 0xC1, P::PairOrPsw},
    {"XTHL", 0xE3, P::None},        {"SPHL", 0xF9, P::None},        {"DI", 0xF3, P::None},
    {"EI", 0xFB, P::None},          {"RIM", 0x20, P::None},         {"SIM", 0x30, P::None},
    {"STC", 0x37, P::None},         {"CMC", 0x3F, P::None},         {"NOP", 0x00, P::None},
    {"HLT", 0x76, P::None},
}};
}  // namespace

const std::array<InstructionKey, kInstructionKeyCount>& InstructionKeys() { return kKeys; }

std::string_view PatternText(OperandPattern pattern) {
  switch (pattern) {
    case P::None: return "";
    case P::Byte: return "8-Bit Data";
    case P::Port: return "Port Address";
    case P::Register: return "Register/Memory";
    case P::MemoryAddress: return "Memory Address";
    case P::Label: return "Label";
    case P::PairOrSp: return "Register Pair/Stack Pointer";
    case P::LxiPair: return "Register Pair/Stack Pointer, 16-Bit Data";
    case P::MovRegisters: return "Register/Memory, Register/Memory";
    case P::PairOrPsw: return "Register Pair/PSW";
    case P::Number: return "Number";
    case P::Pair: return "Register Pair";
    case P::MviRegister: return "Register/Memory, 8-Bit Data";
  }
  return "";
}

std::string InstructionTooltip(int index) {
  const InstructionKey& key = kKeys.at(static_cast<size_t>(index));
  std::string tip(key.caption);
  if (key.pattern != P::None) {
    tip += ' ';
    tip += PatternText(key.pattern);
  }
  return tip;
}

std::optional<EntryStates> PatternEntryState(OperandPattern pattern) {
  // clang-format off
  switch (pattern) {
    case P::None: return std::nullopt;
    case P::Byte:
    case P::Port: return ByteState;
    case P::Register: return RegisterState;
    case P::MemoryAddress:
    case P::Label: return LabelState;
    case P::PairOrSp: return PairState;
    case P::LxiPair: return LxiPairState;
    case P::MovRegisters: return MovDestState;
    case P::PairOrPsw: return StackPairState;
    case P::Number: return RstState;
    case P::Pair: return LdaxPairState;
    case P::MviRegister: return MviRegisterState;
  }
  // clang-format on
  return std::nullopt;
}

}  // namespace parvix
