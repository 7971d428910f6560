#include "simulator/watch_window.h"

#include <utility>

#include "base/hex_text.h"
#include "editor/program_table.h"
#include "tables/opcode_tables.h"

namespace parvix {

using enum Machine::RegisterCode;
using enum Machine::InterruptLine;

namespace {

// Column 0 of RegisterTable (the hidden RegisterList); row 11 shows the
// address in HL instead of its set-up text "M(0000)".
constexpr std::array<const char*, 19> kRegisterList = {
    "Registers", "A",  "B",  "C",    "BC",   "D",      "E",     "DE",        "H", "L",
    "HL",        "M(0000)", "SP", "PC", "Zero", "Sign", "Parity", "Carry", "Aux. Carry"};

constexpr std::array<const char*, 8> kInterruptList = {
    "Interrupts", "TRAP", "RST 7.5", "RST 6.5", "RST 5.5", "INTR", "INTA'", ""};

constexpr std::array<const char*, 4> kHeadingsList = {"Label", "Addr.", "Mnemonics", "Opcode"};

// The register of an 8-bit row, by register code.
int RegisterCodeOfRow(int row) {
  switch (row) {
    case kRowA: return kRegA;
    case kRowB: return kRegB;
    case kRowC: return kRegC;
    case kRowD: return kRegD;
    case kRowE: return kRegE;
    case kRowH: return kRegH;
    case kRowL: return kRegL;
    default: return -1;
  }
}

const char* FlagText(bool flag) { return flag ? "1" : "0"; }

std::uint16_t Wrap(int address) { return static_cast<std::uint16_t>(address & 0xFFFF); }

}  // namespace

WatchWindowDialog::WatchWindowDialog(Host& host) : host_(host) { setUpControls(); }

// --- set-up and unloading ---

void WatchWindowDialog::setUpControls() {
  AddrBox = {};
  AddrLbl = {};
  AddrLbl.text = "0000";
  for (int i = 0; i < 16; ++i) {
    NUM[i] = {};
    NUM[i].text = HexBare(i);
  }
  AcceptButton = {};
  AcceptButton.text = "&OK";
  ForceButton = {};
  ForceButton.text = "&Force";
  ExecuteButton = {};
  ExecuteButton.text = "&Execute";
  for (ListControl* list : {&PortAddrList, &ValueList}) {
    *list = {};
    list->items.reserve(256);
    for (int i = 0; i < 256; ++i) list->items.push_back(Hex2(i));
    selectItem(*list, 0);
  }
  for (int i = 0; i < static_cast<int>(IButton.size()); ++i) {
    IButton[i] = {};
    IButton[i].text = "0";
  }
  IButton[0].visible = false;  // the array has no element 0
  // Focus and MemoryScroll keep their serials, so a view never mistakes a
  // request after a new set-up for one it has already applied.
}

void WatchWindowDialog::Form_Load() {
  machine.reset();
  setUpControls();
  shown_ = {};
  instructionShown_ = false;
  instructionAddr_.clear();
  instructionMnemonics_.clear();
  instructionCode_.clear();
  pcRow_ = 0;
  InstructionLength = 1;
  HaltedFlag = false;
  loaded = true;
  resetPending_ = true;
}

void WatchWindowDialog::Form_Unload() { loaded = false; }

void WatchWindowDialog::load() {
  if (!loaded) Form_Load();
  Focus.Set("AcceptButton");
}

// --- start address ---

void WatchWindowDialog::NUM_Click(int Index) {
  if (Index < 0 || Index > 15) return;
  const std::string& text = AddrLbl.text;
  AddrLbl.text = text.substr(text.size() >= 3 ? text.size() - 3 : 0) + NUM[Index].text;
  Focus.Set("AcceptButton");
}

void WatchWindowDialog::AcceptButton_KeyPress(int KeyAscii) {
  if (KeyAscii >= '0' && KeyAscii <= '9')
    NUM_Click(KeyAscii - 48);
  else if (KeyAscii >= 'A' && KeyAscii <= 'F')
    NUM_Click(KeyAscii - 55);
  else if (KeyAscii >= 'a' && KeyAscii <= 'f')
    NUM_Click(KeyAscii - 87);
}

void WatchWindowDialog::AcceptButton_Click() {
  machine.pc = Wrap(ParseHex(AddrLbl.text).value_or(0));
  Disassemble(machine.pc);
  MemoryScroll.Set(machine.pc + 1);
}

// --- ports and interrupt buttons ---

void WatchWindowDialog::selectItem(ListControl& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.items.size())) return;
  list.listIndex = index;
  list.text = list.items[index];
}

void WatchWindowDialog::ForceButton_Click() {
  const int port = PortAddrList.listIndex;
  const std::optional<int> value = ParseHex(ValueList.text);
  if (port < 0 || port >= Machine::kPortCount || !value || *value > 0xFF) return;
  machine.writePort(static_cast<std::uint8_t>(port), static_cast<std::uint8_t>(*value));
}

// RST 7.5 is a momentary input: "1" only while its button is held down. The
// other lines toggle. Only the captions change; no interrupt is ever taken.
void WatchWindowDialog::IButton_MouseDown(int Index) {
  if (Index < 1 || Index > 5) return;
  Control& button = IButton[Index];
  if (Index == 2)
    button.text = "1";
  else
    button.text = button.text == "1" ? "0" : "1";
}

void WatchWindowDialog::IButton_MouseUp(int Index) {
  if (Index == 2) IButton[Index].text = "0";
}

// --- execution ---

// One instruction per click: the one the instruction row shows. Before a
// start address has been accepted the row is empty and the click does
// nothing; after HLT no click does anything until the next set-up.
void WatchWindowDialog::ExecuteButton_Click() {
  if (HaltedFlag || !instructionShown_) return;
  if (ExecuteInstruction(machine, shown_) == StepEnd::Halt) {
    MsgBoxAnswer = std::to_string(host_.MsgBox(kHaltedMessage, kMsgInformation));
    HaltedFlag = true;
    return;
  }
  Disassemble(machine.pc);
}

void WatchWindowDialog::Disassemble(int Address) {
  const std::uint16_t address = Wrap(Address);
  shown_ = FetchInstruction(machine, address);
  const std::string opcodeText = memoryText(address);
  instructionAddr_ = Hex4(address);
  pcRow_ = address;
  const std::string& text = MnemonicsLUTList()[shown_.opcode];
  switch (shown_.length) {
    case 2: {
      const std::string b1 = memoryText(Wrap(address + 1));
      instructionMnemonics_ = text + "  " + b1 + "h";
      instructionCode_ = opcodeText + "   " + b1;
      break;
    }
    case 3: {
      const std::string lo = memoryText(Wrap(address + 1));
      const std::string hi = memoryText(Wrap(address + 2));
      instructionMnemonics_ = text + "  " + hi + lo + "h";
      instructionCode_ = opcodeText + "   " + lo + "   " + hi;
      break;
    }
    default:
      if (IsUndefinedOpcode(shown_.opcode))
        MsgBoxAnswer = std::to_string(host_.MsgBox(kInvalidInstructionMessage, kMsgInformation));
      instructionMnemonics_ = text;
      instructionCode_ = opcodeText;
      break;
  }
  InstructionLength = shown_.length;
  instructionShown_ = true;
  instructionChanged_ = true;
}

// --- hand-over ---

void WatchWindowDialog::writeCodeText(int address, std::string_view codeText) {
  for (int k = 0; k < CodeLength(codeText); ++k) {
    writeMemoryText(address + k, CodeByte(codeText, k));
  }
}

void WatchWindowDialog::writeMemoryText(int address, std::string_view byteText) {
  const std::uint16_t at = Wrap(address);
  const std::optional<int> value =
      byteText.size() == 2 ? ParseHex(byteText) : std::optional<int>();
  if (value)
    machine.write(at, static_cast<std::uint8_t>(*value));
  else
    machine.markUnknown(at);
}

// --- table views ---

std::string WatchWindowDialog::memoryText(int address) const {
  const std::uint16_t at = Wrap(address);
  return machine.isUnknown(at) ? std::string("XX") : Hex2(machine.read(at));
}

int WatchWindowDialog::tableRows(WatchTable table) const {
  switch (table) {
    case WatchTable::Register: return kRegisterTableRows;
    case WatchTable::Memory: return Machine::kMemorySize + 1;
    case WatchTable::Port: return Machine::kPortCount + 1;
    case WatchTable::Instruction: return 2;
    case WatchTable::Interrupt: return 8;
  }
  return 0;
}

int WatchWindowDialog::tableCols(WatchTable table) const {
  return table == WatchTable::Instruction ? 4 : 2;
}

std::string WatchWindowDialog::registerCell(int row, int col) const {
  if (row < 0 || row >= kRegisterTableRows - 1) return {};  // row 19 stays empty
  if (col == 0) {
    if (row == kRowM) return "M(" + Hex4(machine.hl()) + ")";
    return kRegisterList[row];
  }
  const int code = RegisterCodeOfRow(row);
  if (code >= 0) return Hex2(machine.reg[code]);
  switch (row) {
    case 0: return "Value";
    case kRowBC: return Hex4(machine.bc());
    case kRowDE: return Hex4(machine.de());
    case kRowHL: return Hex4(machine.hl());
    case kRowM: return memoryText(machine.hl());
    case kRowSP: return Hex4(machine.sp);
    case kRowPC: return Hex4(pcRow_);
    case kRowZero: return FlagText(machine.zero);
    case kRowSign: return FlagText(machine.sign);
    case kRowParity: return FlagText(machine.parity);
    case kRowCarry: return FlagText(machine.carry);
    case kRowAuxCarry: return FlagText(machine.auxCarry);
    default: return {};
  }
}

std::string WatchWindowDialog::cellText(WatchTable table, int row, int col) const {
  if (row < 0 || row >= tableRows(table) || col < 0 || col >= tableCols(table)) return {};
  switch (table) {
    case WatchTable::Register:
      return registerCell(row, col);
    case WatchTable::Memory:
      if (row == 0) return col == 0 ? "Address" : "Value";
      return col == 0 ? Hex4(row - 1) : memoryText(row - 1);
    case WatchTable::Port:
      if (row == 0) return col == 0 ? "Address" : "Value";
      return col == 0 ? Hex2(row - 1) : Hex2(machine.port[row - 1]);
    case WatchTable::Instruction:
      if (row == 0) return kHeadingsList[col];
      switch (col) {
        case kInstAddrColumn: return instructionAddr_;
        case kInstMnemonicsColumn: return instructionMnemonics_;
        case kInstOpcodeColumn: return instructionCode_;
        default: return {};  // the Label column is never written
      }
    case WatchTable::Interrupt:
      if (col == 0) return kInterruptList[row];
      if (row == 0) return "Value";
      return FlagText(machine.lineValue[row]);
  }
  return {};
}

// The name cell of a line shows its mask: green enabled, red masked or
// disabled. TRAP cannot be masked; INTA' and the empty row are not painted.
Color WatchWindowDialog::interruptColor(int row) const {
  switch (row) {
    case kTrap: return kGreen;
    case kRst75: return machine.rst75Masked ? kRed : kGreen;
    case kRst65: return machine.rst65Masked ? kRed : kGreen;
    case kRst55: return machine.rst55Masked ? kRed : kGreen;
    case kIntr: return machine.intrEnabled ? kGreen : kRed;
    default: return Control::kNoColorSet;
  }
}

Color WatchWindowDialog::cellColor(WatchTable table, int row, int col) const {
  if (table == WatchTable::Interrupt && col == 0) return interruptColor(row);
  return Control::kNoColorSet;
}

// --- change report ---

WatchWindowDialog::RegisterTexts WatchWindowDialog::registerTexts() const {
  RegisterTexts texts;
  for (int row = 0; row < kRegisterTableRows; ++row) {
    texts[2 * row] = registerCell(row, 0);
    texts[2 * row + 1] = registerCell(row, 1);
  }
  return texts;
}

WatchWindowDialog::InterruptCells WatchWindowDialog::interruptCells() const {
  InterruptCells cells;
  for (int row = 1; row <= Machine::kInterruptLines; ++row)
    cells[row] = {machine.lineValue[row], interruptColor(row)};
  return cells;
}

WatchChanges WatchWindowDialog::takeChanges() {
  WatchChanges changes;
  changes.reset = std::exchange(resetPending_, false);
  RegisterTexts registers = registerTexts();
  for (int row = 0; row < kRegisterTableRows; ++row) {
    if (registers[2 * row] != reportedRegisters_[2 * row] ||
        registers[2 * row + 1] != reportedRegisters_[2 * row + 1])
      changes.registerRows |= 1u << row;
  }
  reportedRegisters_ = std::move(registers);
  changes.memory = machine.takeMemoryWritten();
  changes.ports = machine.takePortsWritten();
  changes.instructionRow = std::exchange(instructionChanged_, false);
  const InterruptCells interrupts = interruptCells();
  for (int row = 1; row <= Machine::kInterruptLines; ++row)
    if (!(interrupts[row] == reportedInterrupts_[row])) changes.interruptRows |= 1u << row;
  reportedInterrupts_ = interrupts;
  return changes;
}

}  // namespace parvix
