// The program table: its columns, what its Label, Addr. and Opcode cells hold,
// and its size (the empty rows it keeps below the row being written, and its
// room, the most rows it holds). The row primitives themselves (AddRows,
// InsertLine, NextLine, ...) are members of ProgrammingPanel in
// program_table.cpp; the program file reader refuses a file that counts more
// rows than the table holds.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace parvix {

// The program table's columns.
enum Table1Column : int {
  kLabelColumn = 0,
  kAddressColumn = 1,
  kMnemonicColumn = 2,
  kOpcodeColumn = 3,
  kCommentColumn = 4
};

// The Label cell of an origin row.
inline const std::string kOriginText = "Origin";
// A Label cell that holds a placed label: not empty and not an origin.
inline bool IsLabelCell(const std::string& text) { return !text.empty() && text != kOriginText; }

// ---- Code texts --------------------------------------------------------------
// An Opcode cell holds the row's code text: one to three bytes as two hex
// digits each, three blanks apart ("CD   B9   35"), a 16-bit value low byte
// first, "XX" for a byte still given by a name. Its length alone tells the
// instruction length, and with it what the row's operand name stands for.

// The instruction length of a code text, 1 to 3; 0 for any other text.
constexpr int CodeLength(std::string_view code) {
  switch (code.size()) {
    case 2:
      return 1;
    case 7:
      return 2;
    case 12:
      return 3;
    default:
      return 0;
  }
}

// Byte k (0 to CodeLength - 1) of a code text, as its two characters.
constexpr std::string_view CodeByte(std::string_view code, int k) {
  return code.substr(5 * static_cast<size_t>(k), 2);
}

// A row's operand name is a label when its code text has three bytes (a
// 16-bit operand), a variable when it has two (an 8-bit operand).
constexpr bool UsesLabel(std::string_view code) { return CodeLength(code) == 3; }
constexpr bool UsesVariable(std::string_view code) { return CodeLength(code) == 2; }

// The value the operand of a code text carries, as hex text high byte first:
// four characters for a label, two for a variable, empty for a one-byte code.
std::string OperandValue(std::string_view code);

// What an operand adds to its opcode in a code text, from the operand's value
// (hex text high byte first, as the equivalents are kept): a 16-bit value's
// low and high byte, an 8-bit value's byte, each after three blanks. A byte
// the value is too short to give is "XX", so an unassigned label ("XXXX") or
// variable ("XX") gives "   XX   XX" or "   XX".
std::string OperandBytes16(std::string_view value);
std::string OperandBytes8(std::string_view value);

// The table keeps this many rows below the row being written.
inline constexpr int kRowsBeyond = 10;

// The table's room: the most rows it holds, and the most a program file may
// count for Open to read it. Every command that adds rows stops here, so
// that whatever the program can save it can open again. It is the table of
// the largest program a disassembly builds: rows 0 to 70000, and the empty
// rows kept below them.
inline constexpr int kMaxProgramRows = 70001 + kRowsBeyond;
constexpr bool FitsProgramTable(int rows) { return rows <= kMaxProgramRows; }

// Told when a command would take the table past its room.
inline const std::string kProgramFullText =
    "The program table cannot hold more than " + std::to_string(kMaxProgramRows) + " rows.";

// The row count of a table of `rows` rows grown towards `wanted`: it stops
// at the room, so a full table keeps fewer empty rows below the cursor.
constexpr int GrownWithinRoom(int rows, int wanted) {
  return std::max(rows, std::min(wanted, kMaxProgramRows));
}

// What AddRows makes of a table of `rows` rows when the row to be written is
// RowNumber: ten rows beyond it when it lies within the last ten, never fewer
// than 32, and never past the room.
int RowsAfterAddRows(int rows, int RowNumber);

// The address in an origin row: four hex digits, or five for the few
// addresses past FFFF that a record running over the top of memory gives
// its bytes in a disassembly.
bool IsOriginAddress(std::string_view address);

}  // namespace parvix
