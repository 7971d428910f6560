// The watch window: the simulated 8085 that runs the user's program one
// instruction per click on Execute. It holds the machine, the controls (the
// start-address keypad, OK, Execute, the port force lists and button, the
// five interrupt buttons) and their event procedures, and the instruction
// shown at the program counter.
//
// Its five tables (registers, memory, ports, instruction, interrupts) are
// views over the machine: cellText() formats a cell when a view asks for it,
// so the 65,536 memory rows are never stored as text. Row 0 of each table is
// its heading row, as in the window; memory address a is row a + 1 and port p
// row p + 1. takeChanges() tells a view which rows changed since it last
// asked, so it repaints only those.
//
// The main window hands a program over with load() (a fresh machine unless the
// window is already loaded), writeCodeText() per program row, and then shows
// the window; closing the window calls Form_Unload(), so the next hand-over
// starts afresh.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/controls.h"
#include "base/host.h"
#include "simulator/executor.h"
#include "simulator/machine.h"

namespace parvix {

enum class WatchTable { Register, Memory, Port, Instruction, Interrupt };

// Rows of RegisterTable.
enum RegisterRow : int {
  kRowA = 1, kRowB, kRowC, kRowBC, kRowD, kRowE, kRowDE, kRowH, kRowL, kRowHL, kRowM,
  kRowSP, kRowPC, kRowZero, kRowSign, kRowParity, kRowCarry, kRowAuxCarry,
};
constexpr int kRegisterTableRows = 20;  // heading, 18 registers, one empty row

// Columns of InstructionTable.
enum InstructionColumn : int {
  kInstLabelColumn, kInstAddrColumn, kInstMnemonicsColumn, kInstOpcodeColumn,
};

// What changed since the last takeChanges().
struct WatchChanges {
  bool reset = false;               // the set-up ran: every table is new
  std::uint32_t registerRows = 0;   // bit r set: RegisterTable row r changed
  WrittenRange memory;              // addresses written (MemoryTable row = address + 1)
  WrittenRange ports;               // ports written (PortTable row = port + 1)
  bool instructionRow = false;      // InstructionTable row 1
  std::uint32_t interruptRows = 0;  // bit r set: InterruptTable row r changed

  bool any() const {
    return reset || registerRows || !memory.empty() || !ports.empty() || instructionRow ||
           interruptRows;
  }
};

class WatchWindowDialog {
 public:
  explicit WatchWindowDialog(Host& host);

  static constexpr const char* kCaption = "Watch Window";
  static constexpr const char* kHaltedMessage = "Program execution halted.";
  static constexpr const char* kInvalidInstructionMessage =
      "This is an invalid instruction. However, the processor will execute this instruction "
      "as a NOP instruction.";
  // The InstructionTable column widths in twips (the Label column is hidden).
  static constexpr std::array<int, 4> kColWidthList = {0, 600, 1680, 1080};

  // --- form fields ---
  Machine machine;            // registers, flags, ProgramCounter, memory, ports, interrupts
  int InstructionLength = 1;  // length of the instruction shown
  bool HaltedFlag = false;    // set by HLT; only a new set-up clears it
  std::string MsgBoxAnswer;   // the button code of the last message box, as text
  bool loaded = false;        // the window is loaded (set up and not closed since)

  // --- controls ---
  Control AddrBox;       // the start-address panel
  Control AddrLbl;       // the start address being keyed, four hex digits
  std::array<Control, 16> NUM;
  Control AcceptButton;  // "&OK"
  ListControl PortAddrList;
  ListControl ValueList;
  Control ForceButton;    // "&Force"
  Control ExecuteButton;  // "&Execute"
  std::array<Control, 6> IButton;  // 1 TRAP, 2 RST 7.5, 3 RST 6.5, 4 RST 5.5, 5 INTR; no 0
  FocusRequest Focus;
  ScrollRequest MemoryScroll;  // MemoryTable row to show (address + 1)

  // --- event procedures ---
  void Form_Load();    // the set-up: a fresh machine and fresh tables
  void Form_Unload();  // the user closed the window
  void NUM_Click(int Index);
  void AcceptButton_KeyPress(int KeyAscii);
  void AcceptButton_Click();
  void ForceButton_Click();
  void IButton_MouseDown(int Index);
  void IButton_MouseUp(int Index);
  void ExecuteButton_Click();
  // Shows the instruction at Address in the instruction row and the PC row
  // and sets InstructionLength; reports an undefined opcode in a message box.
  void Disassemble(int Address);

  // Choices in the port force lists.
  void selectPortAddress(int index) { selectItem(PortAddrList, index); }
  void selectValue(int index) { selectItem(ValueList, index); }

  // --- hand-over ---
  // Loads the window: runs the set-up unless it is loaded already. Either
  // way OK takes the keyboard, so that the start address, which the user
  // keys next, can be typed at once.
  void load();
  // Copies the bytes of a code text (two hex digits per byte, three blanks
  // between; "XX" for a byte still given by a name) to memory from address on.
  // A text that is no code text (CodeLength 0) copies nothing. An address past
  // FFFF wraps to 0000.
  void writeCodeText(int address, std::string_view codeText);
  // Writes one memory byte from its two-character text; "XX" (or any text
  // that is not two hex digits) marks the byte unknown: it reads as 00 and
  // shows "XX" until written.
  void writeMemoryText(int address, std::string_view byteText);

  // --- table views ---
  int tableRows(WatchTable table) const;  // heading row included
  int tableCols(WatchTable table) const;
  std::string cellText(WatchTable table, int row, int col) const;
  // The colour a cell is painted, or Control::kNoColorSet.
  Color cellColor(WatchTable table, int row, int col) const;

  // The byte of a memory cell as shown: two hex digits, or "XX".
  std::string memoryText(int address) const;
  bool instructionShown() const { return instructionShown_; }
  const Instruction& shownInstruction() const { return shown_; }

  WatchChanges takeChanges();

  template <class F>
  void VisitControls(F&& f) {
    f("AddrBox", AddrBox);
    f("AddrLbl", AddrLbl);
    for (int i = 0; i < 16; ++i) f(IndexedName("NUM", i), NUM[i]);
    f("AcceptButton", AcceptButton);
    f("PortAddrList", PortAddrList);
    f("ValueList", ValueList);
    f("ForceButton", ForceButton);
    f("ExecuteButton", ExecuteButton);
    for (int i = 1; i <= 5; ++i) f(IndexedName("IButton", i), IButton[i]);
  }

 private:
  using RegisterTexts = std::array<std::string, kRegisterTableRows * 2>;
  struct InterruptCell {
    bool value = true;
    Color color = Control::kNoColorSet;
    bool operator==(const InterruptCell&) const = default;
  };
  using InterruptCells = std::array<InterruptCell, 8>;

  void setUpControls();
  void selectItem(ListControl& list, int index);
  std::string registerCell(int row, int col) const;
  Color interruptColor(int row) const;
  RegisterTexts registerTexts() const;
  InterruptCells interruptCells() const;

  Host& host_;
  Instruction shown_;             // the bytes of the instruction row
  bool instructionShown_ = false;  // the row is empty until the first Disassemble
  std::string instructionAddr_;
  std::string instructionMnemonics_;
  std::string instructionCode_;
  std::uint16_t pcRow_ = 0;  // the address the PC row shows

  // What the views last saw, for takeChanges().
  bool resetPending_ = true;
  bool instructionChanged_ = false;
  RegisterTexts reportedRegisters_{};
  InterruptCells reportedInterrupts_{};
};

}  // namespace parvix
